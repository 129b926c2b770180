<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Okänt alternativ ”%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Okända alternativ: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Värde saknas efter ”%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Oväntat värde efter ”%1”.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Användning: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[alternativ]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Alternativ:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ångra</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Gör om</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Klipp &amp;ut</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiera</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Klistra &amp;in</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Markera allt</translation>
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
        <translation>Hittade par</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>Bild på designern</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>Sexton par hittade</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>Alla par hittade</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Spelet är slut</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>Starttid och sorterad topplista</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>Ledigt minne</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>Processorer</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>Sortering (T: tid, K: klick)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Spelnummer</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultat</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Instruktion</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>Ditt namn</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Spelarens namn</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Topplista</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>&amp;Nytt spel</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Så spelar du</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Version</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>&amp;Designer</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>&amp;Ny lista</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>Med &amp;ljud</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>&amp;Utan ljud</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>Förlagets &amp;webbplats</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>&amp;E-post till förlaget</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>&amp;Visa topplistan</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>&amp;Dölj topplistan</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>Ledigt &amp;minne och processorer</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>Sortera efter &amp;tid</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>Sortera efter &amp;klick</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>D&amp;onation</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Topplista</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>Spelet kan inte använda sin mapp: %1. Det visar sina inbyggda bilder och skriver ingenting i mappen, så inga resultat sparas den här gången.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>Bilderna kunde inte skrivas till %1, så spelet visar sina inbyggda bilder i stället.
%2</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>nedvänt</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. Resultatet sparades inte.</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>Kort i rad %1, kolumn %2: nedvänt</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>Kort i rad %1, kolumn %2, uppvänt: %3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>uppvänt: %1</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>Kort i rad %1, kolumn %2, hittat: %3</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>hittat: %1</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>Väntar på att ett annat spel i den här mappen ska bli klart med %1 …</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>Spelet kan inte skriva i sin mapp %1 (%2), så det räknar inga spel i nog.txt och sparar inga resultat i highscore.txt där; det visar topplistan som den är.</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>Bilden %1 saknas i programmet.</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>Ljudet %1 saknas i programmet.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Det gick inte att skriva %1: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>det är ingen läsbar BMP-bild</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>filen finns inte</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>Det gick inte att läsa in bilden %1: %2.</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>röd cirkel</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>blå kvadrat</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>grön triangel</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>gul stjärna</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>rosa hjärta</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>blågrön romb</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>mörkblå måne</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>orange sol</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>lila kors</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>svart pil</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>olivgrön sexhörning</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>himmelsblå droppe</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>limegrönt löv</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>vinröd klocka</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>grått ankare</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>brun nyckel</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>magentafärgad blixt</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>ljuslila blomma</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>Bilden %1 är skadad i programmet.</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>Ljudet %1 är skadat.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>Ett memoryspel med kort: hitta de arton paren bland trettiosex kort.
Spelet sparar sina bilder, sin topplista och sin spelräknare
i mappen där det startas.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>Visar de här alternativen och avslutar.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>Visar namn och version och avslutar.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>Väljer språket CODE, som kan vara: %1. Utan det här alternativet talar spelet skrivbordets språk eller, om det inte finns, engelska.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Skriv ”%1 --help” för att se alternativen.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>oväntat argument ”%1”; spelet tar bara emot sina egna alternativ.</translation>
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
        <translation>T</translation>
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
        <translation>Så spelar du:
1. Skriv först ditt namn på nedersta raden
   och klicka sedan på OK!
2. Klicka på korten och hitta paren.
3. Välj ”Med ljud” eller ”Utan ljud”, som du vill.
4. När du har hittat alla par,
   visas topplistan.
5. Vill du spela igen, klickar du på ”Nytt spel”.
   Vill du sluta, klickar du på ”Avsluta”.
6. Topplistan kan sorteras efter tid eller klick.
   Uppe till höger ser du T (tid) eller K (klick).
   Ha så kul!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>Version 1.0 2019</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>Kontakt: </translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>D o n a t i o n</translation>
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
        <translation>Kära spelare,
         om du tycker om det här spelet
         kan du stödja
         %1
         så att fler gratisspel
         för dator och mobil kan bli till.
         Ditt bidrag kan du sätta in på
         %2.
         Mycket nöje!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>Antal processorer: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>Ledigt minne:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>Skriv först ditt namn här nedanför och klicka sedan på OK!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>Skriv ditt namn här nedanför och klicka sedan på OK!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>Klicka nu på korten och hitta paren!</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>sv</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>start: %1</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>another game is using it, please try again</source>
        <translation>ett annat spel använder filen just nu; försök igen om en stund</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>ingen behörighet att öppna låsfilen %1</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>låsfilen %1 går inte att använda: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>låsfilen %1 kan inte skapas (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>där finns en mapp i stället</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>där finns en namngiven rörledning (FIFO) i stället</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>där finns en socket i stället</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>där finns en enhetsfil i stället</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>där finns något annat än en fil i stället</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>det är en länk till %1, och spelet följer inga länkar</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Det gick inte att läsa %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Det gick inte att skriva %1: %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>Det gick inte att låsa %1: %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>Det gick inte att använda %1: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>Det gick inte att spara en kopia av %1: %2</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>mappen där spelet startades finns inte längre</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>mappen där spelet startades går inte att öppna (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>spelets mapp är okänd</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>filen finns inte</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>disken är full</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>låsfilen %1 togs bort eller byttes ut medan spelet använde den, så ett annat spel kanske skriver i filen just nu</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>direkt efter att filen hade skrivits, låg något annat där i stället</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>mappen är inställd så att bara filens ägare får ersätta filen, och du får inte skriva i den</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>den är större än den största tillåtna filstorleken på %n byte</numerusform>
            <numerusform>den är större än den största tillåtna filstorleken på %n byte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>Spelräknaren %1 innehåller ”%2”, som inte är ett tal; räkningen börjar om från 1.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>spel nr %1</translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>slut: %1 | total tid: %2 | klick: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>namn</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>tid</translation>
    </message>
    <message>
        <source>date</source>
        <translation>datum</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>klick</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>den innehåller mer än spelet kan läsa (mer än %n rad eller mer än %1 MB), så den lämnas som den är</numerusform>
            <numerusform>den innehåller mer än spelet kan läsa (mer än %n rader eller mer än %1 MB), så den lämnas som den är</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>filen innehåller mer än %n byte, långt mer än en topplista; flytta den någon annanstans för att börja en ny lista</numerusform>
            <numerusform>filen innehåller mer än %n byte, långt mer än en topplista; flytta den någon annanstans för att börja en ny lista</numerusform>
        </translation>
    </message>
</context>
</TS>
