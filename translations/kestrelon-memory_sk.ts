<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Neznáma voľba „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Neznáme voľby: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Po „%1“ chýba hodnota.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Nadbytočná hodnota po „%1“.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Použitie: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[voľby]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Voľby:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Späť</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Zn&amp;ovu</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Vys&amp;trihnúť</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopírovať</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>V&amp;ložiť</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Odstrániť</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Vybrať všetko</translation>
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
        <translation>Nájdené dvojice</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>Portrét autora</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>Nájdených šestnásť dvojíc</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>Nájdené všetky dvojice</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Koniec hry</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>Čas štartu a zoradený rebríček</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>Voľná pamäť</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verzia</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>Procesory</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>Zoradenie (Č – čas, K – kliknutia)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Číslo hry</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Výsledok</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Pokyn</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>tvoje meno</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Meno hráča</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Rebríček</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>&amp;Nová hra</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>&amp;Koniec</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Ako hrať</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Verzia</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>Au&amp;tor</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>&amp;Nový rebríček</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>&amp;Zapnúť zvuk</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>&amp;Vypnúť zvuk</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>&amp;Stránka vydavateľa</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>&amp;Napísať vydavateľovi</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>&amp;Zobraziť rebríček</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>&amp;Skryť rebríček</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>Voľná pamäť a p&amp;rocesory</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>Zoradiť podľa č&amp;asu</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>Zoradiť podľa &amp;kliknutí</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>&amp;Príspevok</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Rebríček</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>&amp;Pomocník</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>Čakám, kým iná hra v tomto priečinku prestane používať súbor %1…</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>Hra nemôže zapisovať do svojho priečinka %1 (%2), a tak tam nezvýši počítadlo hier v súbore nog.txt ani neuloží výsledok do súboru highscore.txt; rebríček zobrazuje taký, aký je.</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>Hra nemôže používať svoj priečinok: %1. Zobrazuje vstavané obrázky a nič neukladá, takže sa tentoraz žiadny výsledok nezachová.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>Obrázky sa nepodarilo zapísať do priečinka %1, a tak hra zobrazuje svoje vstavané obrázky.
%2</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>Kartička v riadku %1, v stĺpci %2: zakrytá</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>zakrytá</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>Kartička v riadku %1, v stĺpci %2, odkrytá: %3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>odkrytá: %1</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>Kartička v riadku %1, v stĺpci %2, nájdená: %3</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>nájdená: %1</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. Výsledok sa neuložil.</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>V programe chýba obrázok %1.</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>V programe chýba zvuk %1.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Súbor %1 sa nepodarilo zapísať: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>súbor nie je platný obrázok BMP</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>súbor neexistuje</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>Obrázok %1 sa nepodarilo načítať: %2.</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>červený kruh</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>modrý štvorec</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>zelený trojuholník</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>žltá hviezda</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>ružové srdce</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>tyrkysový kosoštvorec</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>tmavomodrý mesiac</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>oranžové slnko</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>fialový kríž</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>čierna šípka</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>olivový šesťuholník</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>bledomodrá kvapka</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>svetlozelený list</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>bordový zvonček</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>sivá kotva</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>hnedý kľúč</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>purpurový blesk</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>svetlofialový kvet</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>Obrázok %1 je v programe poškodený.</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>Zvuk %1 je poškodený.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>Pexeso: nájdi osemnásť dvojíc medzi tridsiatimi šiestimi kartičkami.
Hra si ukladá obrázky, rebríček a počítadlo hier
do priečinka, v ktorom bola spustená.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>Vypíše tieto voľby a skončí.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>Vypíše názov a verziu hry a skončí.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>Hra hovorí jazykom s kódom CODE (jedným z: %1). Bez tejto voľby hovorí jazykom pracovného prostredia, a ak ho nepozná, po anglicky.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Zoznam volieb vypíše „%1 --help“.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>nadbytočný argument „%1“; hra prijíma iba svoje voľby.</translation>
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
        <translation>Ako hrať:
1. Najprv dole napíš svoje meno
   a potom klikni na OK!
2. Klikaj na kartičky a hľadaj dvojice.
3. Vyber „Zapnúť zvuk“ alebo „Vypnúť zvuk“, ako chceš.
4. Keď nájdeš všetky dvojice,
   zobrazí sa rebríček.
5. Ak chceš hrať znova, klikni na „Nová hra“
   a ak chceš skončiť, klikni na „Koniec“.
6. Rebríček môžeš zoradiť podľa času alebo kliknutí.
   Vpravo hore vidíš Č (čas) alebo K (kliknutia).
   Veľa zábavy!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>Verzia 1.0 2019</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>Kontakt: </translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>P r í s p e v o k</translation>
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
        <translation>Milá hráčka, milý hráč,
         ak sa ti táto hra páči,
         môžeš podporiť firmu
         %1,
         aby mohlo vzniknúť viac hier zadarmo
         pre počítač aj mobil.
         Príspevok môžeš poslať na účet
         %2.
         Veľa radosti!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>počet procesorov: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>voľná pamäť:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>Najprv dole napíš svoje meno a potom klikni na OK!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>Napíš dole svoje meno a klikni na OK!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>A teraz klikaj na kartičky a hľadaj dvojice!</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>sk</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>štart: %1</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>another game is using it, please try again</source>
        <translation>používa ho iná hra, skús to, prosím, znova</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>chýba oprávnenie na otvorenie súboru zámku %1</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>súbor zámku %1 bol odstránený alebo nahradený, kým ho hra používala, takže do toho istého súboru možno práve zapisuje iná hra</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>súbor zámku %1 sa nedá použiť: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>súbor zámku %1 sa nedá vytvoriť (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>na jeho mieste je priečinok</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>na jeho mieste je pomenovaná rúra (FIFO)</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>na jeho mieste je soket</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>na jeho mieste je zariadenie</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>na jeho mieste je niečo iné ako súbor</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>je to odkaz na %1 a hra odkazy neotvára</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Súbor %1 sa nepodarilo prečítať: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Súbor %1 sa nepodarilo zapísať: %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>Súbor %1 sa nepodarilo zamknúť: %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>Súbor %1 sa nepodarilo použiť: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>Kópiu súboru %1 sa nepodarilo uložiť: %2</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>priečinok, v ktorom bola hra spustená, už neexistuje</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>priečinok, v ktorom bola hra spustená, sa nedá otvoriť (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>nie je známe, ktorý priečinok patrí hre</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>súbor neexistuje</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>hneď po zapísaní sa na jeho mieste objavilo niečo iné</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>sticky bit priečinka dovoľuje nahradiť súbor iba jeho vlastníkovi a ty doň zapisovať nesmieš</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>disk je plný</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>je väčší, ako dovoľuje limit veľkosti súboru (%n bajt)</numerusform>
            <numerusform>je väčší, ako dovoľuje limit veľkosti súboru (%n bajty)</numerusform>
            <numerusform>je väčší, ako dovoľuje limit veľkosti súboru (%n bajtov)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>Počítadlo hier %1 obsahuje „%2“, čo nie je číslo; počíta sa znova od 1.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>hra č. %1</translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>cieľ: %1 | čas hry: %2 | kliknutia: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>meno</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>čas hry</translation>
    </message>
    <message>
        <source>date</source>
        <translation>dátum</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>kliknutia</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>obsahuje viac, ako hra dokáže prečítať (viac ako %n riadok alebo viac ako %1 MB), a preto zostáva bez zmeny</numerusform>
            <numerusform>obsahuje viac, ako hra dokáže prečítať (viac ako %n riadky alebo viac ako %1 MB), a preto zostáva bez zmeny</numerusform>
            <numerusform>obsahuje viac, ako hra dokáže prečítať (viac ako %n riadkov alebo viac ako %1 MB), a preto zostáva bez zmeny</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>obsahuje viac ako %n bajt, oveľa viac ako rebríček; presuň ho inam a začni nový rebríček</numerusform>
            <numerusform>obsahuje viac ako %n bajty, oveľa viac ako rebríček; presuň ho inam a začni nový rebríček</numerusform>
            <numerusform>obsahuje viac ako %n bajtov, oveľa viac ako rebríček; presuň ho inam a začni nový rebríček</numerusform>
        </translation>
    </message>
</context>
</TS>
