<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Onbekende optie ‘%1’.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Onbekende opties: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Waarde ontbreekt na ‘%1’.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Onverwachte waarde na ‘%1’.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Gebruik: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opties]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opties:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Opnie&amp;uw</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Kni&amp;ppen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>P&amp;lakken</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
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
        <translation>Gevonden paren</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>Portret van de ontwerper</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>Zestien paren gevonden</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>Alle paren gevonden</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Spel afgelopen</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>Starttijd en gesorteerde topscores</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>Vrij geheugen</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>Processors</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>Sortering (T: tijd, K: klikken)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Spelnummer</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Uitslag</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Aanwijzing</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>Je naam</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Naam van de speler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>Sto&amp;ppen</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Uitleg</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Versie</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>&amp;Ontwerper</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>&amp;Nieuwe lijst</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>Geluid &amp;aan</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>Geluid &amp;uit</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>&amp;Website van de uitgever</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>&amp;Mail naar de uitgever</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>Topscores &amp;tonen</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>Topscores &amp;verbergen</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>Vrij &amp;geheugen en processors</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>Sorteren op t&amp;ijd</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>Sorteren op &amp;klikken</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>&amp;Donatie</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Topscores</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>Het spel kan zijn map niet gebruiken: %1. Het toont zijn ingebouwde afbeeldingen en slaat niets op, dus deze keer wordt geen uitslag bewaard.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>De afbeeldingen konden niet in %1 worden geschreven, dus toont het spel zijn ingebouwde afbeeldingen.
%2</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>dicht</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. De uitslag is niet opgeslagen.</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>Kaart in rij %1, kolom %2: dicht</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>Kaart in rij %1, kolom %2, open: %3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>open: %1</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>Kaart in rij %1, kolom %2, gevonden: %3</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>gevonden: %1</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>Wachten tot een ander spel in deze map klaar is met %1 …</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>Het spel kan niet in zijn map %1 schrijven (%2), dus telt het daar geen spel in nog.txt en bewaart het geen uitslag in highscore.txt; het toont de topscores zoals ze zijn.</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Kon %1 niet schrijven: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>het is geen leesbare BMP-afbeelding</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>het bestand bestaat niet</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>Kon de afbeelding %1 niet laden: %2.</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>rode cirkel</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>blauw vierkant</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>groene driehoek</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>gele ster</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>roze hart</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>blauwgroene ruit</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>donkerblauwe maan</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>oranje zon</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>paars kruis</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>zwarte pijl</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>olijfgroene zeshoek</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>hemelsblauwe druppel</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>limoengroen blad</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>donkerrode bel</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>grijs anker</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>bruine sleutel</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>magenta bliksemschicht</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>lila bloem</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>De afbeelding %1 in het programma is beschadigd.</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>Het geluid %1 ontbreekt in het programma.</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>Het geluid %1 is beschadigd.</translation>
    </message>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>De afbeelding %1 ontbreekt in het programma.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>Een geheugenspel met kaarten: zoek de achttien paren
tussen zesendertig kaarten. Het spel bewaart zijn afbeeldingen,
de topscores en de spelteller in de map waarin het wordt gestart.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>Toont deze opties en stopt.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>Toont de naam en de versie en stopt.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>Gebruikt de taal CODE; mogelijk zijn: %1. Zonder deze optie spreekt het spel de taal van het bureaublad of, als het die niet kent, Engels.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
‘%1 --help’ toont de opties.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>onverwacht argument ‘%1’; het spel accepteert alleen zijn opties.</translation>
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
        <translation>Zo speel je:
1. Typ eerst je naam op de onderste regel
   en klik dan op OK!
2. Klik op de kaarten en zoek de paren.
3. Kies ‘Geluid aan’ of ‘Geluid uit’, zoals je wilt.
4. Als je alle paren hebt gevonden,
   zie je de topscores.
5. Wil je nog eens spelen, klik dan op ‘Start’;
   wil je stoppen, klik dan op ‘Stoppen’.
6. De topscores kun je sorteren op tijd of klikken.
   Rechtsboven zie je T (tijd) of K (klikken).
   Veel plezier!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>Versie 1.0 2019</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>Contact: </translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>D o n a t i e</translation>
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
        <translation>Beste speler,
         als je dit spel leuk vindt,
         kun je
         %1
         steunen, zodat er nog meer gratis
         computer- en telefoonspellen gemaakt kunnen worden.
         Je bijdrage is welkom op rekening
         %2.
         Veel plezier!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>Aantal processors: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>Vrij geheugen:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>Typ eerst hieronder je naam en klik dan op OK!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>Typ hieronder je naam en klik dan op OK!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>Klik nu op de kaarten en zoek de paren!</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>start: %1</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>nl</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>de map van het spel is onbekend</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>het bestand bestaat niet</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>de map waarin het spel is gestart, bestaat niet meer</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>de schijf is vol</translation>
    </message>
    <message>
        <source>another game is using it, please try again</source>
        <translation>een ander spel gebruikt het bestand nu, probeer het straks opnieuw</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>geen toestemming om het vergrendelbestand %1 te openen</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>het vergrendelbestand %1 is onbruikbaar: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>het vergrendelbestand %1 kan niet worden aangemaakt (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>op die plek staat een map</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>op die plek staat een FIFO (named pipe)</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>op die plek staat een socket</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>op die plek staat een apparaatbestand</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>op die plek staat iets anders dan een bestand</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>het bestand is een koppeling naar %1, en het spel volgt geen koppelingen</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Kon %1 niet lezen: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Kon %1 niet schrijven: %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>Kon %1 niet vergrendelen: %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>Kon %1 niet gebruiken: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>Kon geen kopie van %1 bewaren: %2</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>de map waarin het spel is gestart, kan niet worden geopend (%1)</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>het vergrendelbestand %1 is verwijderd of vervangen terwijl het spel het gebruikte, dus misschien schrijft een ander spel nu in het bestand</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>meteen na het schrijven stond er iets anders op die plek</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>door de sticky bit van de map mag alleen de eigenaar van het bestand het vervangen, en jij mag het niet wijzigen</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>het bestand is groter dan toegestaan (maximaal %n byte)</numerusform>
            <numerusform>het bestand is groter dan toegestaan (maximaal %n bytes)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>einde: %1 | speeltijd: %2 | klikken: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>naam</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>speeltijd</translation>
    </message>
    <message>
        <source>date</source>
        <translation>datum</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>klikken</translation>
    </message>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>De spelteller %1 bevat ‘%2’, dat is geen getal; de telling begint weer bij 1.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>spel nr. %1</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>het bestand bevat meer dan het spel kan lezen (meer dan %n regel of meer dan %1 MB), dus het blijft zoals het is</numerusform>
            <numerusform>het bestand bevat meer dan het spel kan lezen (meer dan %n regels of meer dan %1 MB), dus het blijft zoals het is</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>het bestand bevat meer dan %n byte, veel meer dan een lijst met topscores; verplaats het ergens anders heen om een nieuwe lijst te beginnen</numerusform>
            <numerusform>het bestand bevat meer dan %n bytes, veel meer dan een lijst met topscores; verplaats het ergens anders heen om een nieuwe lijst te beginnen</numerusform>
        </translation>
    </message>
</context>
</TS>
