<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[options]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Pairs found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>your name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>face down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>red circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blue square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>brown key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>game</name>
    <message>
        <source>C</source>
        <comment>ranking mark: by clicks</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T</source>
        <comment>ranking mark: by time</comment>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>another game is using it, please try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
