<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Neznana možnost »%1«.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Neznane možnosti: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Po »%1« manjka vrednost.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Odvečna vrednost po »%1«.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uporaba: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[možnosti]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Možnosti:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Razveljavi</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Uveljavi znova</translation>
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
        <translation>&amp;Prilepi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Izbriši</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Izberi vse</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>V redu</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Pairs found</source>
        <translation>Najdeni pari</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>Slika avtorja</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>Najdenih šestnajst parov</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>Najdeni vsi pari</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Konec igre</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>Čas začetka in razvrščena lestvica</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>Prosti pomnilnik</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Različica</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>Procesorji</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>Razvrščanje (Č – čas, K – kliki)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Številka igre</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Rezultat</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Poziv</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>tvoje ime</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Ime igralca</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>V redu</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Lestvica</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>&amp;Nova igra</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>&amp;Končaj</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Navodila</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Različica</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>&amp;Avtor</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>&amp;Nova lestvica</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>&amp;Vklopi zvok</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>&amp;Izklopi zvok</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>&amp;Spletna stran založnika</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>Piši &amp;založniku</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>&amp;Pokaži lestvico</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>&amp;Skrij lestvico</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>Prosti po&amp;mnilnik in procesorji</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>Razvrsti po č&amp;asu</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>Razvrsti po &amp;klikih</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>&amp;Prispevek</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Lestvica</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>&amp;Pomoč</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>Čakam, da druga igra v tej mapi neha uporabljati datoteko %1 …</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>Igra ne more pisati v svojo mapo %1 (%2), zato tam ne poveča števca iger v datoteki nog.txt in ne shrani rezultata v datoteko highscore.txt; lestvico prikazuje takšno, kot je.</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>Igra ne more uporabljati svoje mape: %1. Prikazuje vgrajene slike in ničesar ne shranjuje, zato se tokrat noben rezultat ne ohrani.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>Slik ni bilo mogoče zapisati v mapo %1, zato igra prikazuje svoje vgrajene slike.
%2</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>Kartica, vrstica %1, stolpec %2: zakrita</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>zakrita</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>Kartica, vrstica %1, stolpec %2, odkrita: %3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>odkrita: %1</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>Kartica, vrstica %1, stolpec %2, najdena: %3</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>najdena: %1</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. Rezultat ni bil shranjen.</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>V programu manjka slika %1.</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>V programu manjka zvok %1.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Datoteke %1 ni bilo mogoče zapisati: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>datoteka ni veljavna slika BMP</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>datoteka ne obstaja</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>Slike %1 ni bilo mogoče naložiti: %2.</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>rdeč krog</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>moder kvadrat</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>zelen trikotnik</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>rumena zvezda</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>rožnato srce</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>turkizen romb</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>temnomodra luna</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>oranžno sonce</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>vijoličen križ</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>črna puščica</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>olivnozelen šestkotnik</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>svetlomodra kapljica</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>rumenozelen list</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>bordo zvonček</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>sivo sidro</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>rjav ključ</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>škrlatna strela</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>lila cvet</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>Slika %1 je v programu poškodovana.</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>Zvok %1 je poškodovan.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>Igra spomin s karticami: poišči osemnajst parov med šestintridesetimi
karticami. Igra hrani svoje slike, lestvico in števec iger
v mapi, v kateri je bila zagnana.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>Izpiše te možnosti in konča.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>Izpiše ime in različico igre ter konča.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>Igra govori v jeziku s kodo CODE (možne kode: %1). Brez te možnosti govori v jeziku namizja, če tega ne pozna, pa angleško.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Seznam možnosti izpiše »%1 --help«.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>odvečen argument »%1«; igra sprejema le svoje možnosti.</translation>
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
        <translation>Č</translation>
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
        <translation>Tako igraš:
1. Najprej spodaj vpiši svoje ime
   in klikni »V redu«!
2. Klikaj na kartice in išči pare.
3. Izberi »Vklopi zvok« ali »Izklopi zvok«, kakor želiš.
4. Ko najdeš vse pare,
   se prikaže lestvica.
5. Za novo igro klikni »Nova igra«,
   če pa želiš končati, klikni »Končaj«.
6. Lestvico lahko razvrstiš po času ali po klikih.
   Desno zgoraj vidiš Č (čas) ali K (kliki).
   Veliko zabave!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>Različica 1.0 2019</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>Kontakt: </translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>P r i s p e v e k</translation>
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
        <translation>Draga igralka, dragi igralec,
         če ti je ta igra všeč,
         lahko podpreš podjetje
         %1,
         da bo nastalo še več brezplačnih iger
         za računalnik in telefon.
         Prispevek lahko nakažeš na račun
         %2.
         Veliko veselja!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>število procesorjev: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>prosti pomnilnik:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>Najprej spodaj vpiši svoje ime in klikni »V redu«!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>Spodaj vpiši svoje ime in klikni »V redu«!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>Zdaj klikaj na kartice in išči pare!</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>sl</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>začetek: %1</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>another game is using it, please try again</source>
        <translation>uporablja jo druga igra, poskusi znova</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>ni dovoljenja za odpiranje zaklepne datoteke %1</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>zaklepna datoteka %1 je bila odstranjena ali zamenjana, medtem ko jo je igra uporabljala, zato morda v isto datoteko piše druga igra</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>zaklepne datoteke %1 ni mogoče uporabiti: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>zaklepne datoteke %1 ni mogoče ustvariti (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>na njenem mestu je mapa</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>na njenem mestu je poimenovana cev (FIFO)</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>na njenem mestu je vtič</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>na njenem mestu je naprava</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>na njenem mestu je nekaj drugega kot datoteka</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>to je povezava na %1, igra pa povezavam ne sledi</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Datoteke %1 ni bilo mogoče prebrati: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Datoteke %1 ni bilo mogoče zapisati: %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>Datoteke %1 ni bilo mogoče zakleniti: %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>Datoteke %1 ni bilo mogoče uporabiti: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>Kopije datoteke %1 ni bilo mogoče shraniti: %2</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>mapa, v kateri je bila igra zagnana, ne obstaja več</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>mape, v kateri je bila igra zagnana, ni mogoče odpreti (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>ni znano, katera mapa pripada igri</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>datoteka ne obstaja</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>takoj po zapisu je njeno mesto zavzelo nekaj drugega</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>bit sticky mape dovoljuje zamenjavo datoteke le njenemu lastniku, ti pa vanjo ne smeš pisati</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>disk je poln</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>je večja od omejitve velikosti datoteke (%n bajt)</numerusform>
            <numerusform>je večja od omejitve velikosti datoteke (%n bajta)</numerusform>
            <numerusform>je večja od omejitve velikosti datoteke (%n bajti)</numerusform>
            <numerusform>je večja od omejitve velikosti datoteke (%n bajtov)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>Števec iger %1 vsebuje »%2«, kar ni število; štetje se začne znova pri 1.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>igra št. %1</translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>konec: %1 | čas igre: %2 | kliki: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>ime</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>čas igre</translation>
    </message>
    <message>
        <source>date</source>
        <translation>datum</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>kliki</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>vsebuje več, kot lahko igra prebere (več kot %n vrstica ali več kot %1 MB), zato ostane nespremenjena</numerusform>
            <numerusform>vsebuje več, kot lahko igra prebere (več kot %n vrstici ali več kot %1 MB), zato ostane nespremenjena</numerusform>
            <numerusform>vsebuje več, kot lahko igra prebere (več kot %n vrstice ali več kot %1 MB), zato ostane nespremenjena</numerusform>
            <numerusform>vsebuje več, kot lahko igra prebere (več kot %n vrstic ali več kot %1 MB), zato ostane nespremenjena</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>vsebuje več kot %n bajt, veliko več kot lestvica; premakni jo drugam, da začneš novo lestvico</numerusform>
            <numerusform>vsebuje več kot %n bajta, veliko več kot lestvica; premakni jo drugam, da začneš novo lestvico</numerusform>
            <numerusform>vsebuje več kot %n bajte, veliko več kot lestvica; premakni jo drugam, da začneš novo lestvico</numerusform>
            <numerusform>vsebuje več kot %n bajtov, veliko več kot lestvica; premakni jo drugam, da začneš novo lestvico</numerusform>
        </translation>
    </message>
</context>
</TS>
