<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Ukendt tilvalg »%1«.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Ukendte tilvalg: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Der mangler en værdi efter »%1«.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Uventet værdi efter »%1«.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Brug: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[tilvalg]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Tilvalg:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Fortryd</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Omgør</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>K&amp;lip</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiér</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Sæt ind</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slet</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Markér alt</translation>
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
        <translation>Fundne par</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>Billede af designeren</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>Seksten par fundet</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>Alle par fundet</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Spillet er slut</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>Starttid og sorteret topliste</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>Ledig hukommelse</translation>
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
        <translation>Sortering (T: tid, K: klik)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Spilnummer</translation>
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
        <translation>Dit navn</translation>
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
        <translation>Topliste</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>&amp;Nyt spil</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>&amp;Afslut</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Sådan spiller du</translation>
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
        <translation>&amp;Ny liste</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>Med &amp;lyd</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>&amp;Uden lyd</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>Forlagets &amp;hjemmeside</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>&amp;E-mail til forlaget</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>&amp;Vis toplisten</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>&amp;Skjul toplisten</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>&amp;Ledig hukommelse og processorer</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>Sortér efter &amp;tid</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>Sortér efter &amp;klik</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>Do&amp;nation</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Topliste</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>Spillet kan ikke bruge sin mappe: %1. Det viser sine indbyggede billeder og skriver ikke noget i mappen, så ingen resultater bliver gemt denne gang.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>Billederne kunne ikke skrives til %1, så spillet viser sine indbyggede billeder i stedet.
%2</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>med bagsiden op</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. Resultatet blev ikke gemt.</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>Kort i række %1, kolonne %2: med bagsiden op</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>Kort i række %1, kolonne %2, med forsiden op: %3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>med forsiden op: %1</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>Kort i række %1, kolonne %2, fundet: %3</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>fundet: %1</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>Venter på, at et andet spil i denne mappe bliver færdigt med %1 …</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>Spillet kan ikke skrive i sin mappe %1 (%2), så det tæller ingen spil i nog.txt og gemmer ingen resultater i highscore.txt der; det viser toplisten, som den er.</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>Billedet %1 mangler i programmet.</translation>
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
        <translation>det er ikke et læsbart BMP-billede</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>filen findes ikke</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>Kunne ikke indlæse billedet %1: %2.</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>rød cirkel</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>blå firkant</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>grøn trekant</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>gul stjerne</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>lyserødt hjerte</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>blågrøn rombe</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>mørkeblå måne</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>orange sol</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>lilla kors</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>sort pil</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>olivengrøn sekskant</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>himmelblå dråbe</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>limegrønt blad</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>vinrød klokke</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>gråt anker</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>brun nøgle</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>magenta lyn</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>lyslilla blomst</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>Billedet %1 er beskadiget i programmet.</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>Lyden %1 er beskadiget.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>Et vendespil med kort: find de atten par blandt seksogtredive kort.
Spillet gemmer sine billeder, sin topliste og sin spiltæller
i den mappe, det startes fra.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>Viser disse tilvalg og afslutter.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>Viser navn og version og afslutter.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>Vælger sproget CODE, som kan være: %1. Uden dette tilvalg taler spillet skrivebordets sprog eller, hvis det ikke findes, engelsk.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Skriv »%1 --help« for at se tilvalgene.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>uventet argument »%1«; spillet tager kun imod sine egne tilvalg.</translation>
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
        <translation>Sådan spiller du:
1. Skriv først dit navn på nederste linje,
   og klik så på OK!
2. Klik på kortene, og find parrene.
3. Vælg »Med lyd« eller »Uden lyd«, som du vil.
4. Når du har fundet alle par,
   vises toplisten.
5. Vil du spille igen, så klik på »Nyt spil«.
   Vil du stoppe, så klik på »Afslut«.
6. Toplisten kan sorteres efter tid eller klik.
   Øverst til højre ser du T (tid) eller K (klik).
   God fornøjelse!</translation>
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
        <translation>Kære spiller,
         hvis du kan lide dette spil,
         kan du støtte
         %1,
         så der kan komme flere gratis
         spil til computer og mobil.
         Dit bidrag kan indbetales på
         %2.
         God fornøjelse!</translation>
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
        <translation>Ledig hukommelse:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>Skriv først dit navn herunder, og klik så på OK!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>Skriv dit navn herunder, og klik så på OK!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>Klik nu på kortene, og find parrene!</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>da</translation>
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
        <translation>et andet spil bruger filen lige nu; prøv igen om lidt</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>ingen tilladelse til at åbne låsefilen %1</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>låsefilen %1 kan ikke bruges: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>låsefilen %1 kan ikke oprettes (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>der ligger en mappe i stedet</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>der ligger et navngivet rør (FIFO) i stedet</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>der ligger en sokkel i stedet</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>der ligger en enhedsfil i stedet</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>der ligger noget andet end en fil i stedet</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>det er et link til %1, og spillet følger ingen links</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Kunne ikke læse %1: %2</translation>
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
        <translation>Kunne ikke bruge %1: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>Kunne ikke gemme en kopi af %1: %2</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>mappen, som spillet blev startet fra, findes ikke længere</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>mappen, som spillet blev startet fra, kan ikke åbnes (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>spillets mappe er ukendt</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>filen findes ikke</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>disken er fuld</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>låsefilen %1 blev fjernet eller udskiftet, mens spillet brugte den, så et andet spil skriver måske i filen lige nu</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>lige efter at filen var skrevet, lå der noget andet i stedet</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>mappen er indstillet, så kun filens ejer må erstatte filen, og du må ikke skrive i den</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>den er større end den største tilladte filstørrelse på %n byte</numerusform>
            <numerusform>den er større end den største tilladte filstørrelse på %n byte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>Spiltælleren %1 indeholder »%2«, som ikke er et tal; optællingen starter forfra ved 1.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>spil nr. %1</translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>slut: %1 | samlet tid: %2 | klik: %3</translation>
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
        <translation>klik</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>den indeholder mere, end spillet kan læse (mere end %n linje eller mere end %1 MB), så den bliver, som den er</numerusform>
            <numerusform>den indeholder mere, end spillet kan læse (mere end %n linjer eller mere end %1 MB), så den bliver, som den er</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>filen indeholder mere end %n byte, langt mere end en topliste; flyt den et andet sted hen for at starte en ny liste</numerusform>
            <numerusform>filen indeholder mere end %n byte, langt mere end en topliste; flyt den et andet sted hen for at starte en ny liste</numerusform>
        </translation>
    </message>
</context>
</TS>
