<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Nežinoma parinktis „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Nežinomos parinktys: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Po „%1“ trūksta reikšmės.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Po „%1“ nurodyta nereikalinga reikšmė.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Naudojimas: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[parinktys]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Parinktys:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Atšaukti</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Pakartoti</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Iškirpti</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopijuoti</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Į&amp;dėti</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ištrinti</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Pažymėti viską</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Pairs found</source>
        <translation>Rastos poros</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>Autoriaus paveikslėlis</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>Rasta šešiolika porų</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>Rastos visos poros</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Žaidimas baigtas</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>Pradžios laikas ir surikiuota rekordų lentelė</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>Laisva atmintis</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versija</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>Procesoriai</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>Rikiavimas (L – laikas, P – paspaudimai)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Žaidimo numeris</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Rezultatas</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Nurodymas</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>tavo vardas</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Žaidėjo vardas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Rekordų lentelė</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>&amp;Naujas žaidimas</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>&amp;Baigti</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Kaip žaisti</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Versija</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>&amp;Autorius</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>&amp;Nauja rekordų lentelė</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>Įjungti &amp;garsą</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>&amp;Išjungti garsą</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>Leidėjo &amp;svetainė</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>&amp;Laiškas leidėjui</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>&amp;Rodyti rekordų lentelę</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>&amp;Slėpti rekordų lentelę</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>Laisva a&amp;tmintis ir procesoriai</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>Rikiuoti pagal &amp;laiką</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>Rikiuoti pagal &amp;paspaudimus</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>&amp;Parama</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Rekordų lentelė</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>&amp;Pagalba</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>Laukiama, kol kitas žaidimas šiame aplanke baigs naudoti failą %1…</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>Žaidimas negali rašyti į savo aplanką %1 (%2), todėl nedidina žaidimų skaitiklio faile nog.txt ir neįrašo rezultatų į failą highscore.txt; rekordų lentelė rodoma nepakeista.</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>Žaidimas negali naudoti savo aplanko: %1. Jis rodo savo įtaisytuosius paveikslėlius ir nieko neįrašo, todėl šį kartą joks rezultatas nebus išsaugotas.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>Nepavyko įrašyti paveikslėlių į aplanką %1, todėl žaidimas rodo savo įtaisytuosius paveikslėlius.
%2</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>Kortelė, eilutė %1, stulpelis %2: užversta</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>užversta</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>Kortelė, eilutė %1, stulpelis %2, atversta: %3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>atversta: %1</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>Kortelė, eilutė %1, stulpelis %2, rasta: %3</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>rasta: %1</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. Rezultatas neišsaugotas.</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>Programoje trūksta paveikslėlio %1.</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>Programoje trūksta garso %1.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Nepavyko įrašyti failo %1: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>failas nėra tinkamas BMP paveikslėlis</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>failo nėra</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>Nepavyko įkelti paveikslėlio %1: %2.</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>raudonas skritulys</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>mėlynas kvadratas</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>žalias trikampis</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>geltona žvaigždė</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>rožinė širdelė</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>žalsvai mėlynas rombas</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>tamsiai mėlynas mėnulis</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>oranžinė saulė</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>violetinis kryžius</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>juoda rodyklė</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>alyvuogių spalvos šešiakampis</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>žydras lašas</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>šviesiai žalias lapelis</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>tamsiai raudonas varpelis</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>pilkas inkaras</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>rudas raktas</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>purpurinis žaibas</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>alyvinė gėlė</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>Programoje esantis paveikslėlis %1 sugadintas.</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>Garsas %1 sugadintas.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>Atminties žaidimas: surask aštuoniolika porų tarp trisdešimties šešių kortelių.
Žaidimas laiko savo paveikslėlius, rekordų lentelę ir žaidimų skaitiklį
aplanke, kuriame jis paleidžiamas.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>Parodo šias parinktis ir baigia darbą.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>Parodo žaidimo pavadinimą bei versiją ir baigia darbą.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>Nustato žaidimo kalbą CODE (galimos: %1). Be šios parinkties žaidimas naudoja sistemos kalbą, o jei jos nemoka – anglų kalbą.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Parinkčių sąrašą parodys komanda „%1 --help“.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>nereikalingas argumentas „%1“; žaidimas priima tik savo parinktis.</translation>
    </message>
</context>
<context>
    <name>game</name>
    <message>
        <source>C</source>
        <comment>ranking mark: by clicks</comment>
        <translation>P</translation>
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
        <translation>Žaisk taip:
1. Pirmiausia apatinėje eilutėje įrašyk savo vardą
   ir paspausk „Gerai“!
2. Spausk korteles ir ieškok porų.
3. Rinkis „Įjungti garsą“ arba „Išjungti garsą“, kaip nori.
4. Kai surasi visas poras,
   pamatysi rekordų lentelę.
5. Jei nori žaisti dar kartą, paspausk „Naujas žaidimas“,
   o jei nori baigti, paspausk „Baigti“.
6. Rekordų lentelę galima rikiuoti pagal laiką arba paspaudimus.
   Viršuje dešinėje matai L (laikas) arba P (paspaudimai).
   Smagaus žaidimo!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>Versija 1.0 2019</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>Kontaktai: </translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>P a r a m a</translation>
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
        <translation>Miela žaidėja, mielas žaidėjau,
         jei tau patinka šis žaidimas,
         gali paremti
         %1,
         kad atsirastų daugiau nemokamų
         žaidimų kompiuteriams ir telefonams.
         Paramą gali pervesti į sąskaitą
         %2.
         Daug džiaugsmo!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>procesorių skaičius: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>laisva atmintis:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>Pirmiausia apačioje įrašyk savo vardą ir paspausk „Gerai“!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>Apačioje įrašyk savo vardą ir paspausk „Gerai“!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>Dabar spausk korteles ir ieškok porų!</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>lt</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>pradžia: %1</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>another game is using it, please try again</source>
        <translation>jį naudoja kitas žaidimas, bandyk dar kartą</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>nėra leidimo atverti užrakto failo %1</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>užrakto failas %1 buvo pašalintas arba pakeistas, kol žaidimas jį naudojo, todėl į tą patį failą gali rašyti kitas žaidimas</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>negalima naudoti užrakto failo %1: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>negalima sukurti užrakto failo %1 (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>jo vietoje yra aplankas</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>jo vietoje yra įvardytasis kanalas (FIFO)</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>jo vietoje yra lizdas (socket)</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>jo vietoje yra įrenginys</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>jo vietoje yra kažkas kita, ne failas</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>tai nuoroda į %1, o žaidimas nuorodų neatveria</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Nepavyko perskaityti failo %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Nepavyko įrašyti failo %1: %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>Nepavyko užrakinti failo %1: %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>Nepavyko naudoti failo %1: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>Nepavyko išsaugoti failo %1 kopijos: %2</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>aplanko, kuriame žaidimas paleistas, nebėra</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>negalima atverti aplanko, kuriame žaidimas paleistas (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>žaidimo aplankas nežinomas</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>failo nėra</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>vos jį įrašius, jo vietoje atsirado kažkas kita</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>aplanko požymis „sticky bit“ leidžia failą pakeisti tik jo savininkui, o tau į jį rašyti neleidžiama</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>diskas pilnas</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>jis didesnis už leistiną failo dydį (%n baitas)</numerusform>
            <numerusform>jis didesnis už leistiną failo dydį (%n baitai)</numerusform>
            <numerusform>jis didesnis už leistiną failo dydį (%n baitų)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>Žaidimų skaitiklyje %1 įrašyta „%2“, o tai ne skaičius; skaičiuoti pradedama iš naujo nuo 1.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>žaidimas Nr. %1</translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>pabaiga: %1 | žaidimo laikas: %2 | paspaudimai: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>vardas</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>laikas</translation>
    </message>
    <message>
        <source>date</source>
        <translation>data</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>paspaudimai</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>jame yra daugiau, nei žaidimas gali perskaityti (daugiau nei %n eilutė arba daugiau nei %1 MB), todėl jis paliekamas nepakeistas</numerusform>
            <numerusform>jame yra daugiau, nei žaidimas gali perskaityti (daugiau nei %n eilutės arba daugiau nei %1 MB), todėl jis paliekamas nepakeistas</numerusform>
            <numerusform>jame yra daugiau, nei žaidimas gali perskaityti (daugiau nei %n eilučių arba daugiau nei %1 MB), todėl jis paliekamas nepakeistas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>jame yra daugiau nei %n baitas – gerokai daugiau nei rekordų lentelėje; perkelk jį kitur, kad galėtum pradėti naują rekordų lentelę</numerusform>
            <numerusform>jame yra daugiau nei %n baitai – gerokai daugiau nei rekordų lentelėje; perkelk jį kitur, kad galėtum pradėti naują rekordų lentelę</numerusform>
            <numerusform>jame yra daugiau nei %n baitų – gerokai daugiau nei rekordų lentelėje; perkelk jį kitur, kad galėtum pradėti naują rekordų lentelę</numerusform>
        </translation>
    </message>
</context>
</TS>
