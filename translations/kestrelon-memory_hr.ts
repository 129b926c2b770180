<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Nepoznata opcija „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Nepoznate opcije: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Nakon „%1“ nedostaje vrijednost.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Suvišna vrijednost nakon „%1“.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uporaba: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opcije]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcije:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Poništi</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Po&amp;novi</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Izreži</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiraj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Zalijepi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ukloni</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Odaberi sve</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Pairs found</source>
        <translation>Pronađeni parovi</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>Slika autora</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>Pronađeno šesnaest parova</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>Pronađeni svi parovi</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Kraj igre</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>Vrijeme početka i poredana ljestvica</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>Slobodna memorija</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verzija</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>Procesori</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>Poredak (V – vrijeme, K – klikovi)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Broj igre</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Rezultat</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Poruka</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>tvoje ime</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Ime igrača</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Ljestvica</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>&amp;Nova igra</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>&amp;Izlaz</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Upute</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Verzija</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>&amp;Autor</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>&amp;Nova ljestvica</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>&amp;Uključi zvuk</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>Is&amp;ključi zvuk</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>&amp;Web-stranica izdavača</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>&amp;Piši izdavaču</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>&amp;Prikaži ljestvicu</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>&amp;Sakrij ljestvicu</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>Slobodna &amp;memorija i procesori</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>Poredaj po &amp;vremenu</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>Poredaj po &amp;klikovima</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>&amp;Donacija</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Ljestvica</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>&amp;Pomoć</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>Čekam da druga igra u ovoj mapi prestane koristiti datoteku %1…</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>Igra ne može pisati u svoju mapu %1 (%2), pa ondje ne povećava brojač igara u datoteci nog.txt i ne sprema rezultat u datoteku highscore.txt; ljestvicu prikazuje kakva jest.</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>Igra ne može koristiti svoju mapu: %1. Prikazuje ugrađene slike i ništa ne sprema, pa se ovaj put nijedan rezultat neće sačuvati.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>Slike nije bilo moguće zapisati u mapu %1, pa igra prikazuje svoje ugrađene slike.
%2</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>Kartica, redak %1, stupac %2: skrivena</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>skrivena</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>Kartica, redak %1, stupac %2, otkrivena: %3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>otkrivena: %1</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>Kartica, redak %1, stupac %2, pronađena: %3</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>pronađena: %1</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. Rezultat nije spremljen.</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>U programu nedostaje slika %1.</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>U programu nedostaje zvuk %1.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Datoteku %1 nije bilo moguće zapisati: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>datoteka nije ispravna BMP slika</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>datoteka ne postoji</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>Sliku %1 nije bilo moguće učitati: %2.</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>crveni krug</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>plavi kvadrat</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>zeleni trokut</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>žuta zvijezda</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>ružičasto srce</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>tirkizni romb</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>tamnoplavi mjesec</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>narančasto sunce</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>ljubičasti križ</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>crna strelica</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>maslinastozeleni šesterokut</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>nebeskoplava kapljica</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>svijetlozeleni list</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>bordo zvonce</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>sivo sidro</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>smeđi ključ</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>purpurna munja</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>svijetloljubičasti cvijet</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>Slika %1 u programu je oštećena.</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>Zvuk %1 je oštećen.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>Igra pamćenja s karticama: pronađi osamnaest parova
među trideset i šest kartica. Igra čuva svoje slike, ljestvicu
i brojač igara u mapi u kojoj je pokrenuta.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>Ispisuje ove opcije i završava.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>Ispisuje naziv i verziju igre i završava.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>Igra govori jezik s kodom CODE (jedan od: %1). Bez ove opcije govori jezik radne površine, a ako ga ne zna, engleski.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Popis opcija ispisuje „%1 --help“.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>suvišan argument „%1“; igra prihvaća samo svoje opcije.</translation>
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
        <translation>V</translation>
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
        <translation>Ovako se igra:
1. Najprije dolje upiši svoje ime
   i klikni „U redu“!
2. Klikaj na kartice i traži parove.
3. Odaberi „Uključi zvuk“ ili „Isključi zvuk“, kako želiš.
4. Kad pronađeš sve parove,
   prikazat će se ljestvica.
5. Za novu igru klikni „Nova igra“,
   a ako želiš završiti, klikni „Izlaz“.
6. Ljestvicu možeš poredati po vremenu ili po klikovima.
   Gore desno vidiš V (vrijeme) ili K (klikovi).
   Dobro se zabavi!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>Verzija 1.0 2019</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>Kontakt: </translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>D o n a c i j a</translation>
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
        <translation>Draga igračice, dragi igraču,
         ako ti se ova igra sviđa,
         možeš podržati tvrtku
         %1,
         kako bi nastalo još više besplatnih igara
         za računalo i mobitel.
         Donaciju možeš uplatiti na račun
         %2.
         Puno veselja!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>broj procesora: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>slobodna memorija:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>Najprije dolje upiši svoje ime i klikni „U redu“!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>Upiši dolje svoje ime i klikni „U redu“!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>Sad klikaj na kartice i traži parove!</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>hr</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>početak: %1</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>another game is using it, please try again</source>
        <translation>koristi je druga igra, pokušaj ponovno</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>nema dopuštenja za otvaranje datoteke zaključavanja %1</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>datoteka zaključavanja %1 uklonjena je ili zamijenjena dok ju je igra koristila, pa možda druga igra upravo piše u istu datoteku</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>datoteku zaključavanja %1 nije moguće koristiti: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>datoteku zaključavanja %1 nije moguće stvoriti (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>na njezinu mjestu nalazi se mapa</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>na njezinu mjestu nalazi se imenovana cijev (FIFO)</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>na njezinu mjestu nalazi se utičnica (socket)</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>na njezinu mjestu nalazi se uređaj</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>na njezinu mjestu nalazi se nešto što nije datoteka</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>to je poveznica na %1, a igra ne slijedi poveznice</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Datoteku %1 nije bilo moguće pročitati: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Datoteku %1 nije bilo moguće zapisati: %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>Datoteku %1 nije bilo moguće zaključati: %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>Datoteku %1 nije bilo moguće koristiti: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>Kopiju datoteke %1 nije bilo moguće spremiti: %2</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>mapa u kojoj je igra pokrenuta više ne postoji</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>mapu u kojoj je igra pokrenuta nije moguće otvoriti (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>nije poznato koja je mapa igre</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>datoteka ne postoji</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>odmah nakon zapisivanja na njezino je mjesto došlo nešto drugo</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>sticky bit mape dopušta zamjenu datoteke samo njezinu vlasniku, a ti u nju ne smiješ pisati</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>disk je pun</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>veća je od dopuštene veličine datoteke (%n bajt)</numerusform>
            <numerusform>veća je od dopuštene veličine datoteke (%n bajta)</numerusform>
            <numerusform>veća je od dopuštene veličine datoteke (%n bajtova)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>Brojač igara %1 sadrži „%2“, što nije broj; brojanje ponovno počinje od 1.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>igra br. %1</translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>kraj: %1 | vrijeme igre: %2 | klikovi: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>ime</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>vrijeme igre</translation>
    </message>
    <message>
        <source>date</source>
        <translation>datum</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>klikovi</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>sadrži više nego što igra može pročitati (više od %n retka ili više od %1 MB), pa ostaje nepromijenjena</numerusform>
            <numerusform>sadrži više nego što igra može pročitati (više od %n retka ili više od %1 MB), pa ostaje nepromijenjena</numerusform>
            <numerusform>sadrži više nego što igra može pročitati (više od %n redaka ili više od %1 MB), pa ostaje nepromijenjena</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>sadrži više od %n bajta, mnogo više od ljestvice; premjesti je drugamo i započni novu ljestvicu</numerusform>
            <numerusform>sadrži više od %n bajta, mnogo više od ljestvice; premjesti je drugamo i započni novu ljestvicu</numerusform>
            <numerusform>sadrži više od %n bajtova, mnogo više od ljestvice; premjesti je drugamo i započni novu ljestvicu</numerusform>
        </translation>
    </message>
</context>
</TS>
