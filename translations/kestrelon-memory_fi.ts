<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Tuntematon valinta ”%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Tuntemattomat valinnat: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valinnan ”%1” arvo puuttuu.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Ylimääräinen arvo valinnan ”%1” jälkeen.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Käyttö: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[valinnat]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Valinnat:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Kumoa</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Tee uudelleen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>L&amp;eikkaa</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>K&amp;opioi</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Liitä</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Valitse kaikki</translation>
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
        <translation>Löydetyt parit</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>Suunnittelijan kuva</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>Kuusitoista paria löydetty</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>Kaikki parit löydetty</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Peli päättyi</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>Aloitusaika ja ennätyslista</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>Vapaa muisti</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versio</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>Suorittimet</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>Järjestys (A aika, K klikkaukset)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Pelin numero</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Tulos</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Opastus</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>nimesi</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Pelaajan nimi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Ennätyslista</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>&amp;Uusi peli</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>&amp;Lopeta</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Peliohjeet</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Versio</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>&amp;Suunnittelija</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>&amp;Uusi ennätyslista</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>Äänet &amp;päälle</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>Äänet p&amp;ois</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>Julkaisijan &amp;kotisivu</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>Sähköposti &amp;julkaisijalle</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>&amp;Näytä ennätyslista</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>&amp;Piilota ennätyslista</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>Vapaa &amp;muisti ja suorittimet</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>Järjestä &amp;ajan mukaan</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>Järjestä &amp;klikkausten mukaan</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>&amp;Lahjoitus</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Ennätyslista</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>O&amp;hje</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>Peli ei voi käyttää kansiotaan: %1. Se näyttää sisäänrakennetut kuvansa eikä tallenna mitään, joten tämän pelikerran tulosta ei säilytetä.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>Kuvia ei voitu kirjoittaa kansioon %1, joten peli näyttää sisäänrakennetut kuvansa.
%2</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>kuvapuoli alaspäin</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. Tulosta ei tallennettu.</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>Kortti rivillä %1, sarakkeessa %2: kuvapuoli alaspäin</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>Kortti rivillä %1, sarakkeessa %2, käännetty: %3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>käännetty: %1</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>Kortti rivillä %1, sarakkeessa %2, löydetty: %3</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>löydetty: %1</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>Odotetaan, että toinen peli tässä kansiossa lopettaa tiedoston %1 käytön …</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>Peli ei voi kirjoittaa kansioonsa %1 (%2), joten se ei kirjaa pelikertoja tiedostoon nog.txt eikä tallenna tuloksia tiedostoon highscore.txt; se näyttää ennätyslistan sellaisenaan.</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>Kuva %1 puuttuu ohjelmasta.</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>Ääni %1 puuttuu ohjelmasta.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Tiedostoa %1 ei voitu kirjoittaa: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>se ei ole kelvollinen BMP-kuva</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>tiedostoa ei ole</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>Kuvaa %1 ei voitu ladata: %2.</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>punainen ympyrä</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>sininen neliö</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>vihreä kolmio</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>keltainen tähti</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>vaaleanpunainen sydän</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>sinivihreä vinoneliö</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>tummansininen kuu</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>oranssi aurinko</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>purppurainen risti</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>musta nuoli</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>oliivinvihreä kuusikulmio</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>taivaansininen pisara</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>limenvihreä lehti</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>viininpunainen kello</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>harmaa ankkuri</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>ruskea avain</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>magentanpunainen salama</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>violetti kukka</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>Kuva %1 on ohjelmassa vioittunut.</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>Ääni %1 on vioittunut.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>Muistipeli: etsi 18 paria 36 kortin joukosta.
Peli säilyttää kuvansa, ennätyslistan ja pelilaskurin
siinä kansiossa, josta se käynnistetään.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>Näyttää nämä valinnat ja lopettaa.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>Näyttää nimen ja version ja lopettaa.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>Valitsee pelin kielen CODE (vaihtoehdot: %1). Ilman tätä valintaa peli käyttää järjestelmän kieltä tai muuten englantia.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Valinnat näet komennolla ”%1 --help”.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>ylimääräinen argumentti ”%1”; peli hyväksyy vain omat valintansa.</translation>
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
        <translation>Näin pelaat:
1. Kirjoita ensin nimesi alimmalle riville
   ja klikkaa sitten OK!
2. Klikkaa kortteja ja etsi parit.
3. Valitse ”Äänet päälle” tai ”Äänet pois”, miten haluat.
4. Kun olet löytänyt kaikki parit,
   näet ennätyslistan.
5. Jos haluat pelata uudelleen, valitse ”Uusi peli”.
   Jos haluat lopettaa, valitse ”Lopeta”.
6. Ennätyslistan voi järjestää ajan tai klikkausten mukaan.
   Oikeassa yläkulmassa näet A (aika) tai K (klikkaukset).
   Hauskaa peliä!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>Versio 1.0 2019</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>Yhteystiedot: </translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>L a h j o i t u s</translation>
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
        <translation>Hyvä pelaaja,
         jos pidät tästä pelistä,
         voit tukea yritystä
         %1,
         jotta syntyisi lisää ilmaisia
         tietokone- ja mobiilipelejä.
         Lahjoituksen voit maksaa tilille
         %2.
         Iloisia pelihetkiä!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>suorittimia: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mt</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>vapaata muistia:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>Kirjoita ensin nimesi alle ja klikkaa sitten OK!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>Kirjoita nimesi alle ja klikkaa sitten OK!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>Klikkaa nyt kortteja ja etsi parit!</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>fi</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>alku: %1</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>another game is using it, please try again</source>
        <translation>toinen peli käyttää sitä, yritä uudelleen</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>ei oikeutta avata lukkotiedostoa %1</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>lukkotiedostoa %1 ei voi käyttää: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>lukkotiedostoa %1 ei voi luoda (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>sen paikalla on kansio</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>sen paikalla on nimetty putki (FIFO)</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>sen paikalla on pistoke (socket)</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>sen paikalla on laite</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>sen paikalla on jotain muuta kuin tiedosto</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>se on linkki kohteeseen %1, eikä peli seuraa linkkejä</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Tiedostoa %1 ei voitu lukea: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Tiedostoa %1 ei voitu kirjoittaa: %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>Tiedostoa %1 ei voitu lukita: %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>Tiedostoa %1 ei voitu käyttää: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>Tiedostosta %1 ei voitu tehdä kopiota: %2</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>kansiota, josta peli käynnistettiin, ei enää ole</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>kansiota, josta peli käynnistettiin, ei voi avata (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>pelin kansio ei ole tiedossa</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>tiedostoa ei ole</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>levy on täynnä</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>lukkotiedosto %1 poistettiin tai vaihdettiin pelin käyttäessä sitä, joten toinen peli saattaa kirjoittaa samaan tiedostoon</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>sen paikalle tuli jotain muuta heti kirjoittamisen jälkeen</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>kansion asetus (sticky bit) sallii vain tiedoston omistajan korvata sen, eikä sinulla ole lupaa kirjoittaa siihen</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>se on suurempi kuin tiedostokoon raja (%n tavu)</numerusform>
            <numerusform>se on suurempi kuin tiedostokoon raja (%n tavua)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>Pelilaskurissa %1 on ”%2”, joka ei ole luku; laskenta alkaa taas ykkösestä.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>peli nro %1</translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>loppu: %1 | kokonaisaika: %2 | klikkaukset: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nimi</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>aika</translation>
    </message>
    <message>
        <source>date</source>
        <translation>päiväys</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>klikkaukset</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>siinä on enemmän kuin peli voi lukea (yli %n rivin tai yli %1 Mt), joten se jätetään ennalleen</numerusform>
            <numerusform>siinä on enemmän kuin peli voi lukea (yli %n riviä tai yli %1 Mt), joten se jätetään ennalleen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>siinä on yli %n tavun, paljon enemmän kuin ennätyslistassa; siirrä se muualle, niin voit aloittaa uuden ennätyslistan</numerusform>
            <numerusform>siinä on yli %n tavua, paljon enemmän kuin ennätyslistassa; siirrä se muualle, niin voit aloittaa uuden ennätyslistan</numerusform>
        </translation>
    </message>
</context>
</TS>
