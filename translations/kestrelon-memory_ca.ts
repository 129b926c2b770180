<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opció desconeguda: «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opcions desconegudes: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta un valor després de «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperat després de «%1».</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Ús: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opcions]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcions:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfés</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refés</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Re&amp;talla</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Enganxa</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suprimeix</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecciona-ho tot</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>D&apos;acord</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Pairs found</source>
        <translation>Parelles trobades</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>Imatge del dissenyador</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>Setze parelles trobades</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>Totes les parelles trobades</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Fi de la partida</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>Hora d’inici i rècords ordenats</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>Memòria lliure</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versió</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>Processadors</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>Ordre (T: temps, C: clics)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Número de partida</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultat</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Indicació</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>El teu nom</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>El teu nom</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>D’acord</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Llista de rècords</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>&amp;Partida nova</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>&amp;Surt</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instruccions</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Versió</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>&amp;Dissenyador</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>&amp;Nova llista de rècords</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>&amp;Activa el so</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>&amp;Desactiva el so</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>&amp;Lloc web de l’editorial</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>Envia un &amp;correu a l’editorial</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>&amp;Mostra els rècords</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>&amp;Amaga els rècords</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>&amp;Memòria lliure i processadors</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>Ordena per &amp;temps</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>Ordena per &amp;clics</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>D&amp;onatiu</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Rècords</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>S’està esperant que una altra partida d’aquesta carpeta acabi de fer servir %1…</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>El joc no pot escriure a la seva carpeta %1 (%2), així que el comptador de partides de nog.txt no augmenta i no es desa cap resultat a highscore.txt; la llista de rècords es mostra tal com està.</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>El joc no pot fer servir la seva carpeta: %1. Mostra les imatges que porta incorporades i no desa res, així que aquesta vegada no es conservarà cap resultat.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>No s’han pogut escriure les imatges a %1, així que el joc mostra les que porta incorporades.
%2</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>Carta de la fila %1, columna %2: tapada</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>tapada</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>Carta de la fila %1, columna %2: %3, destapada</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>%1, destapada</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>Carta de la fila %1, columna %2: %3, trobada</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>%1, trobada</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. No s’ha desat el resultat.</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>Falta la imatge %1 al programa.</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>Falta el so %1 al programa.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>No s’ha pogut escriure %1: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>no és una imatge BMP llegible</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>el fitxer no existeix</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>No s’ha pogut carregar la imatge %1: %2.</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>cercle vermell</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>quadrat blau</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>triangle verd</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>estrella groga</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>cor rosa</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>rombe verd blavós</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>lluna blau marí</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>sol taronja</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>creu morada</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>fletxa negra</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>hexàgon verd oliva</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>gota blau cel</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>fulla verd llima</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>campana granat</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>àncora grisa</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>clau marró</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>llamp magenta</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>flor lila</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>La imatge %1 del programa està malmesa.</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>El so %1 està malmès.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>Un joc de memòria amb cartes: troba les divuit parelles
entre trenta-sis cartes. El joc desa les imatges,
la llista de rècords i el comptador de partides
a la carpeta des d’on s’inicia.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>Mostra aquestes opcions i surt.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>Mostra el nom i la versió i surt.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>Fa servir la llengua CODE, que pot ser: %1. Sense aquesta opció, el joc fa servir la llengua de l’escriptori o, si no la té, l’anglès.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Prova «%1 --help» per a veure les opcions.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>argument inesperat «%1»; el joc només accepta les seves opcions.</translation>
    </message>
</context>
<context>
    <name>game</name>
    <message>
        <source>C</source>
        <comment>ranking mark: by clicks</comment>
        <translation>C</translation>
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
        <translation>Així es juga:
1. Primer escriu el teu nom a la línia de baix
   i després fes clic a «D’acord».
2. Fes clic a les cartes i troba les parelles.
3. Tria «Activa el so» o «Desactiva el so», com vulguis.
4. Quan hagis trobat totes les parelles,
   veuràs la llista de rècords.
5. Per a jugar una altra vegada, fes clic a «Partida nova»;
   per a acabar, fes clic a «Surt».
6. Els rècords es poden ordenar per temps o per clics.
   A dalt a la dreta veus T (temps) o C (clics).
   Que t’ho passis molt bé!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>Versió 1.0 2019</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>Contacte:</translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>D o n a t i u</translation>
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
        <translation>Benvolguda jugadora, benvolgut jugador,
         Si t’agrada aquest joc,
         pots donar suport a
         %1
         perquè pugui crear més jocs gratuïts
         per a ordinador i mòbil.
         Pots enviar el teu donatiu al compte
         %2.
         Que en gaudeixis!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>Nombre de processadors: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>Memòria lliure:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>Primer escriu el teu nom a baix i després fes clic a «D’acord»!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>Escriu el teu nom a baix i després fes clic a «D’acord»!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>Ara fes clic a les cartes i troba les parelles!</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>ca</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>inici: %1</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>another game is using it, please try again</source>
        <translation>una altra partida l’està fent servir; torna-ho a provar</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>no hi ha permís per a obrir el fitxer de bloqueig %1</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>el fitxer de bloqueig %1 s’ha suprimit o substituït mentre el joc el tenia, així que potser una altra partida hi està escrivint</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>no es pot fer servir el fitxer de bloqueig %1: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>no es pot crear el fitxer de bloqueig %1 (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>al seu lloc hi ha una carpeta</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>al seu lloc hi ha un FIFO (conducte amb nom)</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>al seu lloc hi ha un sòcol</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>al seu lloc hi ha un fitxer de dispositiu</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>al seu lloc hi ha una cosa que no és un fitxer</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>és un enllaç a %1, i el joc no segueix enllaços</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>No s’ha pogut llegir %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>No s’ha pogut escriure %1: %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>No s’ha pogut bloquejar %1: %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>No s’ha pogut fer servir %1: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>No s’ha pogut conservar una còpia de %1: %2</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>la carpeta des d’on es va iniciar el joc ja no existeix</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>no es pot obrir la carpeta des d’on es va iniciar el joc (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>no se sap quina és la carpeta del joc</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>el fitxer no existeix</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>just després d’escriure’l, una altra cosa n’ha ocupat el lloc</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>el bit enganxós (sticky bit) de la carpeta només deixa substituir el fitxer a qui n’és propietari, i tu no hi pots escriure</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disc és ple</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>supera el límit de mida de fitxer, que és de %n byte</numerusform>
            <numerusform>supera el límit de mida de fitxer, que és de %n bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>El comptador de partides %1 conté «%2», que no és un nombre; el recompte torna a començar per 1.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>Partida núm. %1</translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>final: %1 | temps total: %2 | clics: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>temps</translation>
    </message>
    <message>
        <source>date</source>
        <translation>data</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>clics</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>conté més del que el joc pot llegir (més de %n línia o més de %1 MB), així que es deixa tal com està</numerusform>
            <numerusform>conté més del que el joc pot llegir (més de %n línies o més de %1 MB), així que es deixa tal com està</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>conté més de %n byte, molt més que una llista de rècords; mou-lo a un altre lloc per a començar-ne una de nova</numerusform>
            <numerusform>conté més de %n bytes, molt més que una llista de rècords; mou-lo a un altre lloc per a començar-ne una de nova</numerusform>
        </translation>
    </message>
</context>
</TS>
