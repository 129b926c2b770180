<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Neznámá volba „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Neznámé volby: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Po „%1“ chybí hodnota.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Nadbytečná hodnota po „%1“.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Použití: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[volby]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Volby:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Zpět</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Znovu</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Vyjmout</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopírovat</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Vložit</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Vybrat vše</translation>
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
        <translation>Nalezené dvojice</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>Portrét autora</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>Nalezeno šestnáct dvojic</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>Nalezeny všechny dvojice</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Konec hry</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>Čas startu a seřazený žebříček</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>Volná paměť</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verze</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>Procesory</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>Řazení (Č – čas, K – kliknutí)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Číslo hry</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Výsledek</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Pokyn</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>tvoje jméno</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Jméno hráče</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Žebříček</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>&amp;Nová hra</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Jak hrát</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Verze</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>&amp;Autor</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>&amp;Nový žebříček</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>&amp;Zapnout zvuk</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>&amp;Vypnout zvuk</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>&amp;Stránky vydavatele</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>&amp;Napsat vydavateli</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>&amp;Zobrazit žebříček</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>&amp;Skrýt žebříček</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>Volná paměť a p&amp;rocesory</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>Seřadit podle č&amp;asu</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>Seřadit podle &amp;kliknutí</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>&amp;Příspěvek</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>Že&amp;bříček</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>Ná&amp;pověda</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>Hra nemůže používat svou složku: %1. Ukazuje vestavěné obrázky a nic neukládá, takže se tentokrát žádný výsledek nezachová.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>Obrázky se nepodařilo zapsat do složky %1, a tak hra ukazuje své vestavěné obrázky.
%2</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>zakrytá</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. Výsledek se neuložil.</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>Čekám, až jiná hra v této složce přestane používat soubor %1…</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>Hra nemůže zapisovat do své složky %1 (%2), takže tam nezvýší počítadlo her v souboru nog.txt ani neuloží výsledek do souboru highscore.txt; ukazuje žebříček tak, jak je.</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>Kartička v řádku %1, ve sloupci %2: zakrytá</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>Kartička v řádku %1, ve sloupci %2, odkrytá: %3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>odkrytá: %1</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>Kartička v řádku %1, ve sloupci %2, nalezená: %3</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>nalezená: %1</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>V programu chybí obrázek %1.</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>V programu chybí zvuk %1.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Soubor %1 se nepodařilo zapsat: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>soubor není platný obrázek BMP</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>soubor neexistuje</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>Obrázek %1 se nepodařilo načíst: %2.</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>červený kruh</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>modrý čtverec</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>zelený trojúhelník</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>žlutá hvězda</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>růžové srdce</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>tyrkysový kosočtverec</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>tmavomodrý měsíc</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>oranžové slunce</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>fialový kříž</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>černá šipka</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>olivový šestiúhelník</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>blankytná kapka</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>světle zelený list</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>vínový zvonek</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>šedá kotva</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>hnědý klíč</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>purpurový blesk</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>světle fialová kytička</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>Obrázek %1 je v programu poškozený.</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>Zvuk %1 je poškozený.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>Pexeso: najdi osmnáct dvojic mezi třiceti šesti kartičkami.
Hra si ukládá obrázky, žebříček a počítadlo her
do složky, ve které byla spuštěna.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>Vypíše tyto volby a skončí.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>Vypíše název a verzi hry a skončí.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>Hra mluví jazykem s kódem CODE (jedním z: %1). Bez této volby mluví jazykem pracovního prostředí, a pokud ho nezná, anglicky.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Seznam voleb vypíše „%1 --help“.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>nadbytečný argument „%1“; hra přijímá jen své volby.</translation>
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
        <translation>Jak hrát:
1. Nejdřív dole napiš své jméno
   a pak klikni na OK!
2. Klikej na kartičky a hledej dvojice.
3. Vyber „Zapnout zvuk“, nebo „Vypnout zvuk“, jak chceš.
4. Až najdeš všechny dvojice,
   ukáže se žebříček.
5. Pro další hru klikni na „Nová hra“,
   a když chceš skončit, klikni na „Konec“.
6. Žebříček můžeš seřadit podle času nebo kliknutí.
   Vpravo nahoře vidíš Č (čas), nebo K (kliknutí).
   Hodně zábavy!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>Verze 1.0 2019</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>Kontakt: </translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>P ř í s p ě v e k</translation>
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
        <translation>Milá hráčko, milý hráči,
         jestli se ti tahle hra líbí,
         můžeš podpořit firmu
         %1,
         aby mohlo vzniknout víc her zdarma
         pro počítač i mobil.
         Příspěvek můžeš poslat na účet
         %2.
         Hodně radosti!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>počet procesorů: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>volná paměť:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>Nejdřív dole napiš své jméno a pak klikni na OK!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>Napiš dole své jméno a klikni na OK!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>A teď klikej na kartičky a hledej dvojice!</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>cs</translation>
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
        <translation>používá ho jiná hra, zkus to prosím znovu</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>chybí oprávnění k otevření zámkového souboru %1</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>zámkový soubor %1 nelze použít: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>zámkový soubor %1 nelze vytvořit (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>na jeho místě je složka</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>na jeho místě je pojmenovaná roura (FIFO)</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>na jeho místě je soket</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>na jeho místě je zařízení</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>na jeho místě je něco jiného než soubor</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>je to odkaz na %1 a hra odkazy neotevírá</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Soubor %1 se nepodařilo přečíst: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Soubor %1 se nepodařilo zapsat: %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>Soubor %1 se nepodařilo zamknout: %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>Soubor %1 se nepodařilo použít: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>Kopii souboru %1 se nepodařilo uložit: %2</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>složka, ve které byla hra spuštěna, už neexistuje</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>složku, ve které byla hra spuštěna, nelze otevřít (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>není známo, která složka patří hře</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>soubor neexistuje</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>disk je plný</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>zámkový soubor %1 byl odstraněn nebo nahrazen, zatímco ho hra používala, takže do stejného souboru možná právě zapisuje jiná hra</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>hned po zapsání se na jeho místě objevilo něco jiného</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>sticky bit složky dovoluje soubor nahradit jen jeho vlastníkovi a ty ho zapisovat nesmíš</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>je větší, než dovoluje limit velikosti souboru (%n bajt)</numerusform>
            <numerusform>je větší, než dovoluje limit velikosti souboru (%n bajty)</numerusform>
            <numerusform>je větší, než dovoluje limit velikosti souboru (%n bajtů)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>Počítadlo her %1 obsahuje „%2“, což není číslo; počítá se znovu od 1.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>hra č. %1</translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>cíl: %1 | čas hry: %2 | kliknutí: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>jméno</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>čas hry</translation>
    </message>
    <message>
        <source>date</source>
        <translation>datum</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>kliknutí</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>obsahuje víc, než hra dokáže přečíst (víc než %n řádek nebo víc než %1 MB), a proto zůstává beze změny</numerusform>
            <numerusform>obsahuje víc, než hra dokáže přečíst (víc než %n řádky nebo víc než %1 MB), a proto zůstává beze změny</numerusform>
            <numerusform>obsahuje víc, než hra dokáže přečíst (víc než %n řádků nebo víc než %1 MB), a proto zůstává beze změny</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>obsahuje víc než %n bajt, mnohem víc než žebříček; přesuň ho jinam a začni nový žebříček</numerusform>
            <numerusform>obsahuje víc než %n bajty, mnohem víc než žebříček; přesuň ho jinam a začni nový žebříček</numerusform>
            <numerusform>obsahuje víc než %n bajtů, mnohem víc než žebříček; přesuň ho jinam a začni nový žebříček</numerusform>
        </translation>
    </message>
</context>
</TS>
