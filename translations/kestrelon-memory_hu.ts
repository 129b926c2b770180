<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Ismeretlen kapcsoló: „%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Ismeretlen kapcsolók: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>„%1” után hiányzik az érték.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>„%1” után fölösleges érték áll.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Használat: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[kapcsolók]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Kapcsolók:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Visszavonás</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Új&amp;ra</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Kivágás</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Másolás</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Beillesztés</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Törlés</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Összes kijelölése</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Pairs found</source>
        <translation>Megtalált párok</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>A készítő képe</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>Tizenhat pár megvan</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>Minden pár megvan</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Vége a játéknak</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>Kezdési idő és rendezett ranglista</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>Szabad memória</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verzió</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>Processzorok</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>Rendezés (I: idő, K: kattintások)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>A játék sorszáma</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Eredmény</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Üzenet</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>a neved</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>A játékos neve</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Ranglista</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>&amp;Új játék</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>&amp;Kilépés</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Útmutató</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Verzió</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>&amp;Készítő</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>Ú&amp;j ranglista</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>Hang &amp;be</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>Hang k&amp;i</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>A kiadó &amp;weboldala</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>&amp;Levél a kiadónak</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>Ranglista &amp;megjelenítése</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>Ranglista &amp;elrejtése</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>&amp;Szabad memória és processzorok</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>Rendezés &amp;idő szerint</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>Rendezés &amp;kattintások szerint</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>&amp;Támogatás</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Ranglista</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>&amp;Súgó</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>Várakozás: egy másik játék ebben a mappában még használja a fájlt (%1)…</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>A játék nem tud írni a mappájába (%1: %2), ezért ott nem növeli a játékszámlálót a nog.txt fájlban, és nem menti az eredményt a highscore.txt fájlba; a ranglistát változatlanul mutatja.</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>A játék nem tudja használni a mappáját: %1. A beépített képeit mutatja, és semmit sem ment, így most egyetlen eredmény sem marad meg.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>Nem sikerült kiírni a képeket a mappába (%1), ezért a játék a beépített képeit mutatja.
%2</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>Kártya, %1. sor, %2. oszlop: lefordítva</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>lefordítva</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>Kártya, %1. sor, %2. oszlop, felfordítva: %3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>felfordítva: %1</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>Kártya, %1. sor, %2. oszlop, megtalálva: %3</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>megtalálva: %1</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. Az eredményt nem sikerült menteni.</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>A programból hiányzik ez a kép: %1.</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>A programból hiányzik ez a hang: %1.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Nem sikerült kiírni a fájlt (%1): %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>a fájl nem érvényes BMP-kép</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>a fájl nem létezik</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>Nem sikerült betölteni a képet (%1): %2.</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>piros kör</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>kék négyzet</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>zöld háromszög</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>sárga csillag</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>rózsaszín szív</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>türkiz rombusz</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>sötétkék hold</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>narancssárga nap</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>lila kereszt</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>fekete nyíl</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>olajzöld hatszög</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>égszínkék csepp</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>világoszöld levél</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>bordó harang</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>szürke horgony</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>barna kulcs</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>bíborszínű villám</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>ibolyaszínű virág</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>A programban sérült ez a kép: %1.</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>Sérült ez a hang: %1.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>Párkereső memóriajáték: keresd meg a tizennyolc párt
a harminchat kártya között. A játék a képeit, a ranglistát
és a játékszámlálót abban a mappában tárolja,
amelyben elindították.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>Kiírja ezeket a kapcsolókat, és kilép.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>Kiírja a játék nevét és verzióját, és kilép.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>A játék a CODE kódú nyelven beszél (ezek egyikén: %1). E kapcsoló nélkül az asztali környezet nyelvén beszél, vagy ha azt nem ismeri, angolul.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
A kapcsolók listáját a „%1 --help” parancs írja ki.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>fölösleges argumentum: „%1”; a játék csak a saját kapcsolóit fogadja el.</translation>
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
        <translation>I</translation>
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
        <translation>Így játssz:
1. Először írd be a neved az alsó sorba,
   aztán kattints az OK gombra!
2. Kattints a kártyákra, és keresd meg a párokat.
3. Válaszd a „Hang be” vagy a „Hang ki” menüpontot, ahogy szeretnéd.
4. Ha megtaláltad az összes párt,
   megjelenik a ranglista.
5. Új játékhoz kattints az „Új játék” menüpontra,
   ha pedig abbahagynád, a „Kilépés” menüpontra.
6. A ranglistát rendezheted idő vagy kattintások szerint.
   A jobb felső sarokban I (idő) vagy K (kattintások) betűt látsz.
   Jó szórakozást!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>Verzió: 1.0 (2019)</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>Kapcsolat: </translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>T á m o g a t á s</translation>
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
        <translation>Kedves Játékos!
         Ha tetszik ez a játék,
         támogathatod a kiadóját:
         %1,
         hogy még több ingyenes
         számítógépes és mobiljáték készülhessen.
         Adományodat erre a számlára küldheted:
         %2.
         Sok örömet kívánunk!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>processzorok száma: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>szabad memória:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>Először írd be lent a neved, aztán kattints az OK gombra!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>Írd be lent a neved, és kattints az OK gombra!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>Most kattints a kártyákra, és keresd meg a párokat!</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>hu</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>kezdés: %1</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>another game is using it, please try again</source>
        <translation>egy másik játék éppen használja, próbáld újra</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>nincs jogosultságod megnyitni a zárolási fájlt (%1)</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>a zárolási fájlt (%1) törölték vagy lecserélték, amíg a játék használta, ezért lehet, hogy egy másik játék éppen ugyanebbe a fájlba ír</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>a zárolási fájl (%1) nem használható: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>a zárolási fájl (%1) nem hozható létre: %2</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>a helyén egy mappa van</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>a helyén egy FIFO (nevesített cső) van</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>a helyén egy socket van</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>a helyén egy eszközfájl van</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>a helyén valami más van, nem fájl</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>a fájl hivatkozás, amely ide mutat: %1, a játék pedig nem követi a hivatkozásokat</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Nem sikerült beolvasni a fájlt (%1): %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Nem sikerült kiírni a fájlt (%1): %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>Nem sikerült zárolni a fájlt (%1): %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>Nem sikerült használni a fájlt (%1): %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>Nem sikerült másolatot menteni a fájlról (%1): %2</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>a mappa, amelyben elindították, már nem létezik</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>a mappát, amelyben elindították, nem lehet megnyitni (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>nem tudni, melyik a játék mappája</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>a fájl nem létezik</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>rögtön a kiírás után valami más került a helyére</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>a mappa sticky bitje miatt csak a fájl tulajdonosa cserélheti le, neked pedig nincs írási jogod hozzá</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>a lemez megtelt</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>nagyobb a megengedett legnagyobb fájlméretnél (%n bájt)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>A játékszámlálóban (%1) ez áll: „%2”, ami nem szám; a számolás újra 1-től indul.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>%1. játék</translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>befejezés: %1 | játékidő: %2 | kattintás: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>név</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>játékidő</translation>
    </message>
    <message>
        <source>date</source>
        <translation>dátum</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>kattintás</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>a fájlban több adat van, mint amennyit a játék be tud olvasni (több mint %n sor vagy több mint %1 MB), ezért változatlanul marad</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>a fájlban több mint %n bájt van, sokkal több, mint egy ranglistában; tedd át máshová, ha új ranglistát akarsz kezdeni</numerusform>
        </translation>
    </message>
</context>
</TS>
