<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Ukjent valg «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Ukjente valg: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Verdi mangler etter «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Uventet verdi etter «%1».</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Bruk: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[valg]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Valg:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Angre</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Gjør om</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Klipp &amp;ut</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Lim inn</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Merk alt</translation>
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
        <translation>Par funnet</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>Bilde av designeren</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>Seksten par funnet</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>Alle par funnet</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Spillet er slutt</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>Starttid og sortert rekordliste</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>Ledig minne</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versjon</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>Prosessorer</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>Sortering (T: tid, K: klikk)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Spillnummer</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultat</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Instruksjon</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>Navnet ditt</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Spillerens navn</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Rekordliste</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>&amp;Nytt spill</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>&amp;Avslutt</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Slik spiller du</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Versjon</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>&amp;Designer</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>&amp;Ny rekordliste</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>Med &amp;lyd</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>&amp;Uten lyd</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>Forlagets &amp;nettsted</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>&amp;E-post til forlaget</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>&amp;Vis rekordlisten</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>&amp;Skjul rekordlisten</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>Ledig &amp;minne og prosessorer</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>Sorter etter &amp;tid</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>Sorter etter &amp;klikk</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>Støtt &amp;oss</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Rekordliste</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>&amp;Hjelp</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>Spillet kan ikke bruke mappen sin: %1. Det viser de innebygde bildene sine og lagrer ingenting, så ingen resultater blir tatt vare på denne gangen.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>Bildene kunne ikke skrives til %1, så spillet viser de innebygde bildene sine i stedet.
%2</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>med baksiden opp</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. Resultatet ble ikke lagret.</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>Kort i rad %1, kolonne %2: med baksiden opp</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>Kort i rad %1, kolonne %2, med forsiden opp: %3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>med forsiden opp: %1</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>Kort i rad %1, kolonne %2, funnet: %3</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>funnet: %1</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>Venter på at et annet spill i denne mappen skal bli ferdig med %1 …</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>Spillet kan ikke skrive i mappen sin %1 (%2), så det teller ingen spill i nog.txt og lagrer ingen resultater i highscore.txt der; det viser rekordlisten som den er.</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>Bildet %1 mangler i programmet.</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>Lyden %1 mangler i programmet.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Kunne ikke skrive %1: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>det er ikke et lesbart BMP-bilde</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>filen finnes ikke</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>Kunne ikke laste inn bildet %1: %2.</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>rød sirkel</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>blått kvadrat</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>grønn trekant</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>gul stjerne</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>rosa hjerte</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>blågrønn rombe</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>mørkeblå måne</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>oransje sol</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>lilla kors</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>svart pil</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>olivengrønn sekskant</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>himmelblå dråpe</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>limegrønt blad</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>vinrød bjelle</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>grått anker</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>brun nøkkel</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>magenta lyn</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>lyselilla blomst</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>Bildet %1 er skadet i programmet.</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>Lyden %1 er skadet.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>Et huskespill med kort: finn de atten parene blant trettiseks kort.
Spillet tar vare på bildene sine, rekordlisten og spilltelleren
i mappen det startes i.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>Viser disse valgene og avslutter.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>Viser navn og versjon og avslutter.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>Velger språket CODE, som kan være: %1. Uten dette valget snakker spillet skrivebordets språk eller, hvis det ikke finnes, engelsk.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Skriv «%1 --help» for å se valgene.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>uventet argument «%1»; spillet tar bare imot valgene sine.</translation>
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
        <translation>Slik spiller du:
1. Skriv først navnet ditt på nederste linje,
   og klikk så på OK!
2. Klikk på kortene og finn parene.
3. Velg «Med lyd» eller «Uten lyd», som du vil.
4. Når du har funnet alle parene,
   vises rekordlisten.
5. Vil du spille igjen, klikker du på «Nytt spill».
   Vil du slutte, klikker du på «Avslutt».
6. Rekordlisten kan sorteres etter tid eller klikk.
   Øverst til høyre ser du T (tid) eller K (klikk).
   Ha det gøy!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>Versjon 1.0 2019</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>Kontakt: </translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>S t ø t t   o s s</translation>
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
        <translation>Kjære spiller,
         liker du dette spillet,
         kan du støtte
         %1,
         slik at det kan komme flere gratis
         spill for datamaskin og mobil.
         Bidraget ditt kan settes inn på
         %2.
         Ha det gøy!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>Antall prosessorer: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>Ledig minne:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>Skriv først navnet ditt her nede, og klikk så på OK!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>Skriv navnet ditt her nede, og klikk så på OK!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>Klikk nå på kortene og finn parene!</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>nb</translation>
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
        <translation>et annet spill bruker filen akkurat nå; prøv igjen om litt</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>ingen tillatelse til å åpne låsefilen %1</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>låsefilen %1 kan ikke brukes: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>låsefilen %1 kan ikke opprettes (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>det ligger en mappe der i stedet</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>det ligger et navngitt rør (FIFO) der i stedet</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>det ligger en sokkel (socket) der i stedet</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>det ligger en enhetsfil der i stedet</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>det ligger noe annet enn en fil der i stedet</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>det er en lenke til %1, og spillet følger ingen lenker</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Kunne ikke lese %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Kunne ikke skrive %1: %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>Kunne ikke låse %1: %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>Kunne ikke bruke %1: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>Kunne ikke lagre en kopi av %1: %2</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>mappen spillet ble startet i, finnes ikke lenger</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>mappen spillet ble startet i, kan ikke åpnes (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>mappen til spillet er ukjent</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>filen finnes ikke</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>disken er full</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>låsefilen %1 ble fjernet eller byttet ut mens spillet brukte den, så et annet spill skriver kanskje i filen akkurat nå</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>rett etter at filen ble skrevet, lå det noe annet der i stedet</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>mappen er satt opp slik at bare eieren av filen kan erstatte filen (sticky bit), og du har ikke lov til å skrive i den</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>den er større enn den største tillatte filstørrelsen på %n byte</numerusform>
            <numerusform>den er større enn den største tillatte filstørrelsen på %n byte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>Spilltelleren %1 inneholder «%2», som ikke er et tall; tellingen begynner på nytt fra 1.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>spill nr. %1</translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>slutt: %1 | samlet tid: %2 | klikk: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>navn</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>tid</translation>
    </message>
    <message>
        <source>date</source>
        <translation>dato</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>klikk</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>den inneholder mer enn spillet kan lese (mer enn %n linje eller mer enn %1 MB), så den blir liggende som den er</numerusform>
            <numerusform>den inneholder mer enn spillet kan lese (mer enn %n linjer eller mer enn %1 MB), så den blir liggende som den er</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>filen inneholder mer enn %n byte, langt mer enn en rekordliste; flytt den til et annet sted for å starte en ny liste</numerusform>
            <numerusform>filen inneholder mer enn %n byte, langt mer enn en rekordliste; flytt den til et annet sted for å starte en ny liste</numerusform>
        </translation>
    </message>
</context>
</TS>
