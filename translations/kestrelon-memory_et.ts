<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="et">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Tundmatu valik „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Tundmatud valikud: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valiku „%1“ väärtus puudub.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Liigne väärtus valiku „%1“ järel.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Kasutamine: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[valikud]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Valikud:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Võta tagasi</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Tee uuesti</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Lõika</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopeeri</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Aseta</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Kustuta</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Vali kõik</translation>
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
        <translation>Leitud paarid</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>Autori pilt</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>Kuusteist paari leitud</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>Kõik paarid leitud</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Mäng läbi</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>Algusaeg ja järjestatud edetabel</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>Vaba mälu</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versioon</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>Protsessorid</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>Järjestus (A – aeg, K – klõpsud)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Mängu number</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Tulemus</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Juhis</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>sinu nimi</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Mängija nimi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Edetabel</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>&amp;Uus mäng</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>&amp;Lõpeta</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>Mängu&amp;juhend</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Versioon</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>&amp;Autor</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>&amp;Uus edetabel</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>&amp;Heli sisse</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>Heli &amp;välja</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>Väljaandja &amp;koduleht</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>&amp;E-kiri väljaandjale</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>&amp;Näita edetabelit</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>&amp;Peida edetabel</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>Vaba &amp;mälu ja protsessorid</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>Järjesta &amp;aja järgi</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>Järjesta &amp;klõpsude järgi</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>A&amp;nnetus</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Edetabel</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>&amp;Abi</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>Ootan, kuni teine mäng selles kaustas faili %1 kasutamise lõpetab…</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>Mäng ei saa oma kausta %1 kirjutada (%2), seega ei suurenda see seal mängude loendurit failis nog.txt ega salvesta tulemusi faili highscore.txt; edetabelit näidatakse muutmata kujul.</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>Mäng ei saa oma kausta kasutada: %1. See näitab oma sisseehitatud pilte ega salvesta midagi, seega seekordset tulemust ei säilitata.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>Pilte ei õnnestunud kausta %1 kirjutada, seega näitab mäng oma sisseehitatud pilte.
%2</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>Kaart, rida %1, veerg %2: pildiga allapoole</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>pildiga allapoole</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>Kaart, rida %1, veerg %2, ümber pööratud: %3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>ümber pööratud: %1</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>Kaart, rida %1, veerg %2, leitud: %3</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>leitud: %1</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. Tulemust ei salvestatud.</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>Pilt %1 puudub programmist.</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>Heli %1 puudub programmist.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Faili %1 ei õnnestunud kirjutada: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>fail ei ole korrektne BMP-pilt</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>faili ei ole</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>Pilti %1 ei õnnestunud laadida: %2.</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>punane ring</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>sinine ruut</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>roheline kolmnurk</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>kollane täht</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>roosa süda</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>sinakasroheline romb</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>tumesinine kuu</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>oranž päike</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>lilla rist</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>must nool</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>oliivroheline kuusnurk</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>taevasinine tilk</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>heleroheline leht</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>tumepunane kelluke</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>hall ankur</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>pruun võti</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>purpurpunane välk</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>helelilla õis</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>Pilt %1 on programmis rikutud.</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>Heli %1 on rikutud.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>Mälumäng: leia kolmekümne kuue kaardi seast kaheksateist paari.
Mäng hoiab oma pilte, edetabelit ja mängude loendurit
kaustas, kus see käivitatakse.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>Näitab neid valikuid ja lõpetab.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>Näitab mängu nime ja versiooni ning lõpetab.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>Määrab mängu keeleks CODE (võimalikud: %1). Ilma selle valikuta kasutab mäng süsteemi keelt või, kui seda ei oska, inglise keelt.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Valikuid näitab käsk „%1 --help“.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>liigne argument „%1“; mäng võtab vastu ainult oma valikuid.</translation>
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
        <translation>A</translation>
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
        <translation>Nii käib mäng:
1. Kirjuta kõigepealt alumisele reale oma nimi
   ja klõpsa siis nupul OK!
2. Klõpsa kaartidel ja otsi paare.
3. Vali „Heli sisse“ või „Heli välja“, nagu soovid.
4. Kui oled kõik paarid leidnud,
   näed edetabelit.
5. Kui tahad uuesti mängida, vali „Uus mäng“;
   kui tahad lõpetada, vali „Lõpeta“.
6. Edetabelit saab järjestada aja või klõpsude järgi.
   Paremas ülanurgas näed A (aeg) või K (klõpsud).
   Head mängimist!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>Versioon 1.0 2019</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>Kontakt: </translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>A n n e t u s</translation>
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
        <translation>Kallis mängija,
         kui see mäng sulle meeldib,
         võid toetada ettevõtet
         %1,
         et valmiks veel rohkem tasuta
         arvuti- ja mobiilimänge.
         Annetuse saad teha kontole
         %2.
         Palju rõõmu!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>protsessorite arv: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>vaba mälu:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>Kirjuta kõigepealt alla oma nimi ja klõpsa siis nupul OK!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>Kirjuta alla oma nimi ja klõpsa siis nupul OK!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>Nüüd klõpsa kaartidel ja otsi paare!</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>et</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>algus: %1</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>another game is using it, please try again</source>
        <translation>teine mäng kasutab seda, proovi uuesti</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>puudub õigus avada lukufaili %1</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>lukufail %1 eemaldati või asendati ajal, mil mäng seda kasutas, seega võib samasse faili kirjutada teine mäng</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>lukufaili %1 ei saa kasutada: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>lukufaili %1 ei saa luua (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>selle asemel on kaust</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>selle asemel on nimega toru (FIFO)</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>selle asemel on sokkel (socket)</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>selle asemel on seadmefail</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>selle asemel on midagi muud kui fail</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>see on link, mis viitab asukohale %1, aga mäng linke ei ava</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Faili %1 ei õnnestunud lugeda: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Faili %1 ei õnnestunud kirjutada: %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>Faili %1 ei õnnestunud lukustada: %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>Faili %1 ei õnnestunud kasutada: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>Failist %1 ei õnnestunud koopiat teha: %2</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>kausta, kus mäng käivitati, enam ei ole</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>kausta, kus mäng käivitati, ei saa avada (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>mängu kaust on teadmata</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>faili ei ole</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>kohe pärast kirjutamist tekkis selle asemele midagi muud</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>kausta säte „sticky bit“ lubab faili asendada ainult selle omanikul, aga sul pole õigust sellesse kirjutada</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>ketas on täis</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>see on suurem kui lubatud failisuurus (%n bait)</numerusform>
            <numerusform>see on suurem kui lubatud failisuurus (%n baiti)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>Mängude loendur %1 sisaldab „%2“, mis ei ole arv; loendamine algab uuesti 1-st.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>mäng nr %1</translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>lõpp: %1 | mänguaeg: %2 | klõpsud: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nimi</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>aeg</translation>
    </message>
    <message>
        <source>date</source>
        <translation>kuupäev</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>klõpsud</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>selles on rohkem, kui mäng suudab lugeda (üle %n rea või üle %1 MB), seega jäetakse see muutmata</numerusform>
            <numerusform>selles on rohkem, kui mäng suudab lugeda (üle %n rea või üle %1 MB), seega jäetakse see muutmata</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>selles on üle %n baidi – palju rohkem kui edetabelis; teisalda see mujale, et alustada uut edetabelit</numerusform>
            <numerusform>selles on üle %n baidi – palju rohkem kui edetabelis; teisalda see mujale, et alustada uut edetabelit</numerusform>
        </translation>
    </message>
</context>
</TS>
