<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opțiune necunoscută: „%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opțiuni necunoscute: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Lipsește valoarea după „%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valoare în plus după „%1”.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Utilizare: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opțiuni]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opțiuni:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Anulează</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refă</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taie</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiază</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Lipește</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Șterge</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selectează tot</translation>
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
        <translation>Perechi găsite</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>Imaginea autorului</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>Șaisprezece perechi găsite</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>Toate perechile găsite</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Jocul s-a terminat</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>Ora de început și clasamentul ordonat</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>Memorie liberă</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versiune</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>Procesoare</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>Ordonare (T: timp, C: clicuri)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Numărul jocului</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Rezultat</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Indicație</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>numele tău</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Numele jucătorului</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Clasament</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>&amp;Joc nou</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>&amp;Ieșire</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instrucțiuni</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Versiune</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>&amp;Autor</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>Clasament &amp;nou</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>&amp;Pornește sunetul</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>&amp;Oprește sunetul</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>Site-ul &amp;editurii</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>&amp;Scrie-i editurii</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>&amp;Arată clasamentul</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>A&amp;scunde clasamentul</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>&amp;Memorie liberă și procesoare</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>Ordonează după &amp;timp</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>Ordonează după &amp;clicuri</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>&amp;Donație</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Clasament</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>&amp;Ajutor</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>Se așteaptă ca alt joc din acest dosar să nu mai folosească fișierul %1…</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>Jocul nu poate scrie în dosarul său %1 (%2), așa că acolo nu mărește contorul de jocuri din nog.txt și nu salvează rezultatul în highscore.txt; arată clasamentul așa cum este.</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>Jocul nu își poate folosi dosarul: %1. Arată imaginile incluse în program și nu scrie nimic, așa că de data aceasta nu se păstrează niciun rezultat.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>Imaginile nu au putut fi scrise în %1, așa că jocul arată imaginile incluse în program.
%2</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>Cartonaș, rândul %1, coloana %2: cu fața în jos</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>cu fața în jos</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>Cartonaș, rândul %1, coloana %2, cu fața în sus: %3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>cu fața în sus: %1</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>Cartonaș, rândul %1, coloana %2, găsit: %3</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>găsit: %1</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. Rezultatul nu a fost salvat.</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>Imaginea %1 lipsește din program.</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>Sunetul %1 lipsește din program.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Fișierul %1 nu a putut fi scris: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>fișierul nu este o imagine BMP validă</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>fișierul nu există</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>Imaginea %1 nu a putut fi încărcată: %2.</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>cerc roșu</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>pătrat albastru</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>triunghi verde</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>stea galbenă</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>inimă roz</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>romb turcoaz</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>lună bleumarin</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>soare portocaliu</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>cruce mov</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>săgeată neagră</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>hexagon verde-oliv</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>picătură bleu</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>frunză verde crud</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>clopoțel grena</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>ancoră gri</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>cheie maro</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>fulger magenta</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>floare violetă</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>Imaginea %1 din program este deteriorată.</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>Sunetul %1 este deteriorat.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>Joc de memorie cu cartonașe: găsește cele optsprezece perechi
printre cele treizeci și șase de cartonașe. Jocul își păstrează
imaginile, clasamentul și contorul de jocuri în dosarul
în care a fost pornit.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>Afișează aceste opțiuni și iese.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>Afișează numele și versiunea jocului și iese.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>Jocul vorbește limba cu codul CODE (una dintre: %1). Fără această opțiune, jocul vorbește limba mediului desktop sau, dacă nu o cunoaște, engleza.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Pentru lista de opțiuni, încearcă „%1 --help”.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>argument în plus: „%1”; jocul acceptă doar opțiunile sale.</translation>
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
        <translation>Iată cum se joacă:
1. Mai întâi scrie-ți numele pe rândul de jos,
   apoi fă clic pe OK!
2. Fă clic pe cartonașe și caută perechile.
3. Alege „Pornește sunetul” sau „Oprește sunetul”, cum îți place.
4. Când ai găsit toate perechile,
   apare clasamentul.
5. Pentru un joc nou, fă clic pe „Joc nou”,
   iar ca să termini, fă clic pe „Ieșire”.
6. Clasamentul poate fi ordonat după timp sau după clicuri.
   În colțul din dreapta sus vezi T (timp) sau C (clicuri).
   Distracție plăcută!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>Versiunea 1.0 2019</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>Contact: </translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>D o n a ț i e</translation>
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
        <translation>Dragă jucătoare, dragă jucătorule,
         dacă îți place acest joc,
         poți sprijini firma
         %1,
         ca să apară și mai multe jocuri gratuite
         pentru calculator și telefon.
         Poți face o donație în contul
         %2.
         Joacă-te cu plăcere!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>numărul de procesoare: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>memorie liberă:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>Mai întâi scrie-ți numele jos, apoi fă clic pe OK!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>Scrie-ți numele jos și fă clic pe OK!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>Acum fă clic pe cartonașe și găsește perechile!</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>ro</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>început: %1</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>another game is using it, please try again</source>
        <translation>îl folosește alt joc, încearcă din nou</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>nu ai permisiunea să deschizi fișierul de blocare %1</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>fișierul de blocare %1 a fost șters sau înlocuit cât timp jocul îl folosea, deci poate că alt joc scrie acum în același fișier</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>fișierul de blocare %1 nu poate fi folosit: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>fișierul de blocare %1 nu poate fi creat (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>în locul lui se află un dosar</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>în locul lui se află un canal cu nume (FIFO)</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>în locul lui se află un socket</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>în locul lui se află un dispozitiv</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>în locul lui se află altceva decât un fișier</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>este o legătură către %1, iar jocul nu urmează legăturile</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Fișierul %1 nu a putut fi citit: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Fișierul %1 nu a putut fi scris: %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>Fișierul %1 nu a putut fi blocat: %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>Fișierul %1 nu a putut fi folosit: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>Nu s-a putut păstra o copie a fișierului %1: %2</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>dosarul în care a fost pornit jocul nu mai există</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>dosarul în care a fost pornit jocul nu poate fi deschis (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>nu se știe care este dosarul jocului</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>fișierul nu există</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>imediat după ce a fost scris, altceva i-a luat locul</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>bitul sticky al dosarului permite doar proprietarului fișierului să-l înlocuiască, iar tu nu ai voie să scrii în el</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>discul este plin</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>este mai mare decât limita permisă pentru mărimea fișierelor (%n octet)</numerusform>
            <numerusform>este mai mare decât limita permisă pentru mărimea fișierelor (%n octeți)</numerusform>
            <numerusform>este mai mare decât limita permisă pentru mărimea fișierelor (%n de octeți)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>Contorul de jocuri %1 conține „%2”, care nu este un număr; numărătoarea începe din nou de la 1.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>jocul nr. %1</translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>sfârșit: %1 | timp de joc: %2 | clicuri: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nume</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>timp de joc</translation>
    </message>
    <message>
        <source>date</source>
        <translation>data</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>clicuri</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>conține mai mult decât poate citi jocul (peste %n rând sau peste %1 MB), așa că rămâne neschimbat</numerusform>
            <numerusform>conține mai mult decât poate citi jocul (peste %n rânduri sau peste %1 MB), așa că rămâne neschimbat</numerusform>
            <numerusform>conține mai mult decât poate citi jocul (peste %n de rânduri sau peste %1 MB), așa că rămâne neschimbat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>conține peste %n octet, mult mai mult decât un clasament; mută-l în altă parte ca să începi un clasament nou</numerusform>
            <numerusform>conține peste %n octeți, mult mai mult decât un clasament; mută-l în altă parte ca să începi un clasament nou</numerusform>
            <numerusform>conține peste %n de octeți, mult mai mult decât un clasament; mută-l în altă parte ca să începi un clasament nou</numerusform>
        </translation>
    </message>
</context>
</TS>
