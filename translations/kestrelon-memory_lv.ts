<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Nezināma opcija „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Nezināmas opcijas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Pēc „%1“ trūkst vērtības.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Lieka vērtība pēc „%1“.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Lietojums: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opcijas]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcijas:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Atsaukt</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Atatsaukt</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Izgriez&amp;t</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopēt</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Ielīmēt</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Dzēst</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Izvēlēties visu</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Pairs found</source>
        <translation>Atrastie pāri</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>Autora attēls</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>Atrasti sešpadsmit pāri</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>Atrasti visi pāri</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Spēle beigusies</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>Sākuma laiks un sakārtotā rekordu tabula</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>Brīvā atmiņa</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versija</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>Procesori</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>Kārtojums (L – laiks, K – klikšķi)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Spēles numurs</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Rezultāts</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Norādījums</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>tavs vārds</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Spēlētāja vārds</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Rekordu tabula</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>&amp;Jauna spēle</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>&amp;Beigt</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Kā spēlēt</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Versija</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>&amp;Autors</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>&amp;Jauna rekordu tabula</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>Ieslēgt &amp;skaņu</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>I&amp;zslēgt skaņu</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>&amp;Izdevēja tīmekļa vietne</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>&amp;Rakstīt izdevējam</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>&amp;Rādīt rekordu tabulu</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>&amp;Slēpt rekordu tabulu</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>&amp;Brīvā atmiņa un procesori</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>Kārtot pēc &amp;laika</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>Kārtot pēc &amp;klikšķiem</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>&amp;Ziedojums</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Rekordu tabula</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>&amp;Palīdzība</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>Gaida, līdz cita spēle šajā mapē beigs izmantot datni %1…</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>Spēle nevar rakstīt savā mapē %1 (%2), tāpēc tur nepalielina spēļu skaitītāju datnē nog.txt un nesaglabā rezultātus datnē highscore.txt; rekordu tabula tiek rādīta nemainīta.</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>Spēle nevar izmantot savu mapi: %1. Tā rāda savus iebūvētos attēlus un neko neieraksta, tāpēc šoreiz neviens rezultāts netiks saglabāts.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>Attēlus neizdevās ierakstīt mapē %1, tāpēc spēle rāda savus iebūvētos attēlus.
%2</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>Kartīte, rinda %1, kolonna %2: aizklāta</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>aizklāta</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>Kartīte, rinda %1, kolonna %2, atklāta: %3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>atklāta: %1</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>Kartīte, rinda %1, kolonna %2, atrasta: %3</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>atrasta: %1</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. Rezultāts netika saglabāts.</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>Programmā trūkst attēla %1.</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>Programmā trūkst skaņas %1.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Neizdevās ierakstīt datni %1: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>datne nav derīgs BMP attēls</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>datnes nav</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>Neizdevās ielādēt attēlu %1: %2.</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>sarkans aplis</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>zils kvadrāts</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>zaļš trijstūris</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>dzeltena zvaigzne</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>rozā sirds</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>zilganzaļš rombs</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>tumši zils mēness</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>oranža saule</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>violets krusts</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>melna bulta</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>olīvzaļš sešstūris</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>debeszils piliens</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>gaiši zaļa lapa</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>tumši sarkans zvaniņš</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>pelēks enkurs</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>brūna atslēga</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>purpursarkans zibens</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>lillā puķe</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>Attēls %1 programmā ir bojāts.</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>Skaņa %1 ir bojāta.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>Atmiņas spēle: atrodi astoņpadsmit pārus starp trīsdesmit sešām kartītēm.
Spēle glabā savus attēlus, rekordu tabulu un spēļu skaitītāju
mapē, kurā tā tiek palaista.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>Parāda šīs opcijas un beidz darbu.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>Parāda spēles nosaukumu un versiju un beidz darbu.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>Iestata spēles valodu CODE (iespējamās: %1). Bez šīs opcijas spēle izmanto sistēmas valodu vai, ja to neprot, angļu valodu.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Opciju sarakstu parāda komanda „%1 --help“.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>lieks arguments „%1“; spēle pieņem tikai savas opcijas.</translation>
    </message>
</context>
<context>
    <name>game</name>
    <message>
        <source>C</source>
        <comment>ranking mark: by clicks</comment>
        <translation>K</translation>
    </message>
    <message>
        <source>T</source>
        <comment>ranking mark: by time</comment>
        <translation>L</translation>
    </message>
</context>
<context>
    <name>info</name>
    <message>
        <source>Please carry on as follows:
1. At first enter your name on the bottom line,
   then click OK!
2. Click on the icons and try to find pairs.
3. Switch the sound on or off, as you please.
4. When you have found all the pairs,
   the highscores will be displayed.
5. If you want to resume, click &quot;start&quot;,
   otherwise terminate and click &quot;end&quot;.
6. Highscores can be sorted on time or clicks.
   Near the top right corner you see T(time) or C(clicks).
   Have much fun.</source>
        <translation>Spēlē tā:
1. Vispirms apakšējā rindā ieraksti savu vārdu
   un noklikšķini uz „Labi“!
2. Klikšķini uz kartītēm un meklē pārus.
3. Izvēlies „Ieslēgt skaņu“ vai „Izslēgt skaņu“, kā tev patīk.
4. Kad visi pāri būs atrasti,
   parādīsies rekordu tabula.
5. Lai spēlētu vēlreiz, noklikšķini uz „Jauna spēle“;
   lai beigtu, noklikšķini uz „Beigt“.
6. Rekordu tabulu var kārtot pēc laika vai klikšķiem.
   Augšējā labajā stūrī redzams L (laiks) vai K (klikšķi).
   Jautru spēli!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>Versija 1.0 2019</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>Kontakti: </translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>Z i e d o j u m s</translation>
    </message>
    <message>
        <source>Dear appreciated customer,
         if you like this game, 
         you may wish to support
         %1
         in order to enable the development of more free
         computer- and mobile games.
         Please contribute to 
         %2.
         Have much pleasure.</source>
        <translation>Mīļā spēlētāja, mīļais spēlētāj,
         ja tev patīk šī spēle,
         tu vari atbalstīt
         %1,
         lai taptu vēl vairāk bezmaksas
         datorspēļu un mobilo spēļu.
         Ziedojumu vari pārskaitīt uz kontu
         %2.
         Daudz prieka!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>procesoru skaits: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>brīvā atmiņa:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>Vispirms apakšā ieraksti savu vārdu un noklikšķini uz „Labi“!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>Ieraksti apakšā savu vārdu un noklikšķini uz „Labi“!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>Tagad klikšķini uz kartītēm un meklē pārus!</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>lv</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>sākums: %1</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>another game is using it, please try again</source>
        <translation>to izmanto cita spēle, lūdzu, mēģini vēlreiz</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>nav atļaujas atvērt bloķēšanas datni %1</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>bloķēšanas datne %1 tika izdzēsta vai aizstāta, kamēr spēle to izmantoja, tāpēc tajā pašā datnē, iespējams, raksta cita spēle</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>bloķēšanas datni %1 nevar izmantot: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>bloķēšanas datni %1 nevar izveidot (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>tās vietā ir mape</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>tās vietā ir nosauktais kanāls (FIFO)</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>tās vietā ir ligzda (socket)</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>tās vietā ir ierīce</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>tās vietā ir kaut kas cits, nevis datne</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>tā ir saite uz %1, bet spēle saites neatver</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Neizdevās nolasīt datni %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Neizdevās ierakstīt datni %1: %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>Neizdevās bloķēt datni %1: %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>Neizdevās izmantot datni %1: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>Neizdevās saglabāt datnes %1 kopiju: %2</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>mapes, kurā spēle tika palaista, vairs nav</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>mapi, kurā spēle tika palaista, nevar atvērt (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>spēles mape nav zināma</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>datnes nav</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>tūlīt pēc ierakstīšanas tās vietā parādījās kaut kas cits</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>mapes iestatījums „sticky bit“ atļauj datni aizstāt tikai tās īpašniekam, bet tev nav atļaujas tajā rakstīt</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>disks ir pilns</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>tā ir lielāka par atļauto datnes izmēru (%n baits)</numerusform>
            <numerusform>tā ir lielāka par atļauto datnes izmēru (%n baiti)</numerusform>
            <numerusform>tā ir lielāka par atļauto datnes izmēru (%n baitu)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>Spēļu skaitītājā %1 ir „%2“, kas nav skaitlis; skaitīšana atkal sākas no 1.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>spēle Nr. %1</translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>beigas: %1 | spēles laiks: %2 | klikšķi: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>vārds</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>laiks</translation>
    </message>
    <message>
        <source>date</source>
        <translation>datums</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>klikšķi</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>tajā ir vairāk, nekā spēle spēj nolasīt (vairāk nekā %n rinda vai vairāk nekā %1 MB), tāpēc tā tiek atstāta nemainīta</numerusform>
            <numerusform>tajā ir vairāk, nekā spēle spēj nolasīt (vairāk nekā %n rindas vai vairāk nekā %1 MB), tāpēc tā tiek atstāta nemainīta</numerusform>
            <numerusform>tajā ir vairāk, nekā spēle spēj nolasīt (vairāk nekā %n rindu vai vairāk nekā %1 MB), tāpēc tā tiek atstāta nemainīta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>tajā ir vairāk nekā %n baits – daudz vairāk nekā rekordu tabulā; pārvieto to citur, lai varētu sākt jaunu rekordu tabulu</numerusform>
            <numerusform>tajā ir vairāk nekā %n baiti – daudz vairāk nekā rekordu tabulā; pārvieto to citur, lai varētu sākt jaunu rekordu tabulu</numerusform>
            <numerusform>tajā ir vairāk nekā %n baitu – daudz vairāk nekā rekordu tabulā; pārvieto to citur, lai varētu sākt jaunu rekordu tabulu</numerusform>
        </translation>
    </message>
</context>
</TS>
