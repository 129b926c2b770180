<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Unbekannte Optionen: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Nach „%1“ fehlt der Wert.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Unerwarteter Wert nach „%1“.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[Optionen]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Wieder&amp;herstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Einf&amp;ügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
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
        <translation>Gefundene Paare</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>Bild des Designers</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>Sechzehn Paare gefunden</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>Alle Paare gefunden</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Spiel zu Ende</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>Startzeit und sortierte Bestenliste</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>Freier Speicher</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>Prozessoren</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>Sortierung (Z: Zeit, K: Klicks)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Spielnummer</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Spielername</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>&amp;Ende</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Anleitung</translation>
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
        <translation>&amp;Neue Bestenliste</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>Ton &amp;an</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>Ton a&amp;us</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>&amp;Website des Verlags</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>&amp;E-Mail an den Verlag</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>Bestenliste &amp;anzeigen</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>Bestenliste aus&amp;blenden</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>&amp;Freier Speicher und Prozessoren</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>Nach &amp;Zeit sortieren</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>Nach &amp;Klicks sortieren</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>&amp;Spende</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Bestenliste</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>Das Spiel kann seinen Ordner nicht benutzen: %1. Es zeigt seine eingebauten Bilder und speichert nichts, deshalb bleibt diesmal kein Ergebnis erhalten.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>Die Bilder konnten nicht in %1 geschrieben werden, deshalb zeigt das Spiel seine eingebauten Bilder.
%2</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>verdeckt</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. Das Ergebnis wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>Karte in Reihe %1, Spalte %2: verdeckt</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>Karte in Reihe %1, Spalte %2, aufgedeckt: %3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>aufgedeckt: %1</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>Karte in Reihe %1, Spalte %2, gefunden: %3</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>gefunden: %1</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>Warten, bis ein anderes Spiel in diesem Ordner mit %1 fertig ist …</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>Das Spiel kann nicht in seinen Ordner %1 schreiben (%2). Deshalb zählt es dort kein Spiel in nog.txt und speichert kein Ergebnis in highscore.txt; es zeigt die Bestenliste so, wie sie ist.</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>Es ist kein lesbares BMP-Bild</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>Die Datei gibt es nicht</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>Das Bild %1 konnte nicht geladen werden: %2.</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>roter Kreis</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>blaues Quadrat</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>grünes Dreieck</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>gelber Stern</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>rosa Herz</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>blaugrüne Raute</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>dunkelblauer Mond</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>orange Sonne</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>lila Kreuz</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>schwarzer Pfeil</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>olivgrünes Sechseck</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>himmelblauer Tropfen</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>hellgrünes Blatt</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>dunkelrote Glocke</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>grauer Anker</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>brauner Schlüssel</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>magentafarbener Blitz</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>hellviolette Blume</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>Das Bild %1 ist im Programm beschädigt.</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>Der Ton %1 fehlt im Programm.</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>Der Ton %1 ist beschädigt.</translation>
    </message>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>Das Bild %1 fehlt im Programm.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>Ein Gedächtnisspiel mit Karten: Finde die achtzehn Paare
unter sechsunddreißig Karten. Das Spiel bewahrt seine Bilder,
die Bestenliste und den Spielzähler in dem Ordner auf,
in dem es gestartet wird.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>Zeigt diese Optionen an und beendet das Programm.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>Zeigt Namen und Version an und beendet das Programm.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>Stellt die Sprache CODE ein, möglich sind: %1. Ohne diese Option spricht das Spiel die Sprache des Desktops oder, wenn es die nicht kann, Englisch.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
„%1 --help“ zeigt die Optionen.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>unerwartetes Argument „%1“; das Spiel nimmt nur seine Optionen an.</translation>
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
        <translation>Z</translation>
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
        <translation>So geht’s:
1. Gib zuerst unten deinen Namen ein
   und klicke dann auf OK!
2. Klicke auf die Karten und finde die Paare.
3. Wähle „Ton an“ oder „Ton aus“, wie du magst.
4. Wenn du alle Paare gefunden hast,
   erscheint die Bestenliste.
5. Für ein neues Spiel klicke auf „Start“,
   zum Aufhören klicke auf „Ende“.
6. Die Bestenliste lässt sich nach Zeit oder Klicks sortieren.
   Oben rechts siehst du Z (Zeit) oder K (Klicks).
   Viel Spaß!</translation>
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
        <translation>S p e n d e</translation>
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
        <translation>Liebe Spielerin, lieber Spieler,
         wenn dir dieses Spiel gefällt,
         kannst du
         %1
         unterstützen, damit noch mehr kostenlose
         Computer- und Handyspiele entstehen können.
         Bitte spende auf das Konto
         %2.
         Viel Freude!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>Anzahl Prozessoren: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>Freier Speicher:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>Gib zuerst unten deinen Namen ein und klicke dann auf OK!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>Bitte gib unten deinen Namen ein und klicke dann auf OK!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>Und jetzt klicke auf die Karten und finde die Paare!</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>Start: %1</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>Der Ordner des Spiels ist unbekannt</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>Die Datei gibt es nicht</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>Der Ordner, in dem das Spiel gestartet wurde, existiert nicht mehr</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>Die Festplatte ist voll</translation>
    </message>
    <message>
        <source>another game is using it, please try again</source>
        <translation>Ein anderes Spiel benutzt die Datei gerade, versuche es bitte noch einmal</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>keine Berechtigung, die Sperrdatei %1 zu öffnen</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>Die Sperrdatei %1 ist nicht verwendbar: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>Die Sperrdatei %1 kann nicht angelegt werden (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>Unter diesem Namen liegt ein Ordner</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>Unter diesem Namen liegt eine benannte Pipe (FIFO)</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>Unter diesem Namen liegt ein Socket</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>Unter diesem Namen liegt eine Gerätedatei</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>Unter diesem Namen liegt etwas anderes als eine Datei</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>Die Datei ist eine Verknüpfung zu %1, und das Spiel folgt keinen Verknüpfungen</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>%1 konnte nicht gesperrt werden: %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>%1 konnte nicht benutzt werden: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>Von %1 konnte keine Kopie aufbewahrt werden: %2</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>Der Ordner, in dem das Spiel gestartet wurde, lässt sich nicht öffnen (%1)</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>Die Sperrdatei %1 wurde entfernt oder ersetzt, während das Spiel sie benutzte; vielleicht schreibt gerade ein anderes Spiel in die Datei</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>Gleich nach dem Schreiben lag unter diesem Namen etwas anderes</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>Das Sticky-Bit des Ordners erlaubt nur der Besitzerin oder dem Besitzer der Datei, sie zu ersetzen, und du darfst sie nicht ändern</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>Die Datei ist größer als die erlaubte Höchstgröße von %n Byte</numerusform>
            <numerusform>Die Datei ist größer als die erlaubte Höchstgröße von %n Bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>Ende: %1 | Spielzeit: %2 | Klicks: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>Spielzeit</translation>
    </message>
    <message>
        <source>date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>Klicks</translation>
    </message>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>Der Spielzähler %1 enthält „%2“, das ist keine Zahl; die Zählung beginnt wieder bei 1.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>Spiel Nr. %1</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>Die Datei enthält mehr, als das Spiel lesen kann (mehr als %n Zeile oder mehr als %1 MB), deshalb bleibt sie unverändert</numerusform>
            <numerusform>Die Datei enthält mehr, als das Spiel lesen kann (mehr als %n Zeilen oder mehr als %1 MB), deshalb bleibt sie unverändert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>Die Datei enthält mehr als %n Byte, weit mehr als eine Bestenliste; verschiebe sie woandershin, um eine neue Bestenliste anzufangen</numerusform>
            <numerusform>Die Datei enthält mehr als %n Bytes, weit mehr als eine Bestenliste; verschiebe sie woandershin, um eine neue Bestenliste anzufangen</numerusform>
        </translation>
    </message>
</context>
</TS>
