<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opzione sconosciuta «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opzioni sconosciute: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Manca un valore dopo «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valore inatteso dopo «%1».</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opzioni]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>Ann&amp;ulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rifai</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
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
        <translation>Coppie trovate</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>Ritratto del designer</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>Sedici coppie trovate</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>Tutte le coppie trovate</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Partita finita</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>Ora di inizio e classifica ordinata</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>Memoria libera</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>Processori</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>Ordinamento (T: tempo, C: clic)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Numero della partita</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Indicazione</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Classifica</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Istruzioni</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Versione</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>&amp;Designer</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>N&amp;uova classifica</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>Con &amp;audio</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>Senza a&amp;udio</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>Sito &amp;web dell’editore</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>&amp;Scrivi all’editore</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>&amp;Mostra la classifica</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>&amp;Nascondi la classifica</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>&amp;Memoria libera e processori</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>Ordina per &amp;tempo</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>Ordina per &amp;clic</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>D&amp;onazione</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Classifica</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>A&amp;iuto</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>Il gioco non può usare la sua cartella: %1. Mostra le immagini incorporate e non salva nulla, quindi questa volta nessun risultato verrà conservato.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>Non è stato possibile scrivere le immagini in %1, quindi il gioco mostra quelle incorporate.
%2</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>coperta</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. Il risultato non è stato salvato.</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>Carta nella riga %1, colonna %2: coperta</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>Carta nella riga %1, colonna %2, scoperta: %3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>scoperta: %1</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>Carta nella riga %1, colonna %2, trovata: %3</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>trovata: %1</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>In attesa che un’altra partita in questa cartella finisca di usare %1…</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>Il gioco non può scrivere nella sua cartella %1 (%2), quindi lì non conta nessuna partita in nog.txt e non conserva nessun risultato in highscore.txt; mostra la classifica così com’è.</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>non è un’immagine BMP leggibile</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>Impossibile caricare l’immagine %1: %2.</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>cerchio rosso</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>quadrato blu</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>triangolo verde</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>stella gialla</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>cuore rosa</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>rombo verde acqua</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>luna blu scuro</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>sole arancione</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>croce viola</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>freccia nera</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>esagono verde oliva</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>goccia azzurra</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>foglia verde lime</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>campana bordeaux</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>ancora grigia</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>chiave marrone</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>fulmine magenta</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>fiore lilla</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>L’immagine %1 è danneggiata nel programma.</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>Nel programma manca il suono %1.</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>Il suono %1 è danneggiato.</translation>
    </message>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>Nel programma manca l’immagine %1.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>Un gioco di memoria con le carte: trova le diciotto coppie
tra trentasei carte. Il gioco conserva le sue immagini, la classifica
e il contatore delle partite nella cartella da cui viene avviato.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>Mostra queste opzioni ed esce.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>Mostra il nome e la versione ed esce.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>Usa la lingua CODE, che può essere: %1. Senza questa opzione il gioco usa la lingua del desktop o, se non è disponibile, l’inglese.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Prova «%1 --help» per vedere le opzioni.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>argomento inatteso «%1»; il gioco accetta solo le sue opzioni.</translation>
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
        <translation>Ecco come si gioca:
1. Per prima cosa scrivi il tuo nome nella riga in basso,
   poi fai clic su OK!
2. Fai clic sulle carte e trova le coppie.
3. Scegli «Con audio» o «Senza audio», come preferisci.
4. Quando hai trovato tutte le coppie,
   compare la classifica.
5. Per giocare ancora fai clic su «Nuova partita»,
   per smettere fai clic su «Esci».
6. La classifica si può ordinare per tempo o per clic.
   In alto a destra vedi T (tempo) o C (clic).
   Buon divertimento!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>Versione 1.0 2019</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>Contatto: </translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>D o n a z i o n e</translation>
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
        <translation>Cara giocatrice, caro giocatore,
         se questo gioco ti piace,
         puoi sostenere
         %1
         per aiutarlo a creare altri giochi gratuiti
         per computer e cellulare.
         Puoi fare una donazione sul conto
         %2.
         Buon divertimento!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>Numero di processori: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>Memoria libera:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>Per prima cosa scrivi il tuo nome qui sotto, poi fai clic su OK!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>Scrivi il tuo nome qui sotto, poi fai clic su OK!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>Ora fai clic sulle carte e trova le coppie!</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>inizio: %1</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>it</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>la cartella del gioco è sconosciuta</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>la cartella da cui è stato avviato il gioco non esiste più</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>another game is using it, please try again</source>
        <translation>un’altra partita lo sta usando; riprova tra poco</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>non hai il permesso di aprire il suo file di blocco %1</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>il suo file di blocco %1 non è utilizzabile: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>non si può creare il file di blocco %1 (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>al suo posto c’è una cartella</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>al suo posto c’è una FIFO (pipe con nome)</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>al suo posto c’è un socket</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>al suo posto c’è un file di dispositivo</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>al suo posto c’è qualcosa che non è un file</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>è un collegamento a %1, e il gioco non segue collegamenti</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>Impossibile bloccare %1: %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>Impossibile usare %1: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>Impossibile conservare una copia di %1: %2</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>non si può aprire la cartella da cui è stato avviato il gioco (%1)</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>il suo file di blocco %1 è stato rimosso o sostituito mentre il gioco lo usava, quindi un’altra partita potrebbe scriverci</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>qualcos’altro ha preso il suo posto subito dopo la scrittura</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>la cartella permette solo al proprietario del file di sostituirlo (sticky bit), e tu non puoi modificarlo</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>supera il limite di dimensione dei file di %n byte</numerusform>
            <numerusform>supera il limite di dimensione dei file di %n byte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>fine: %1 | tempo totale: %2 | clic: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>tempo</translation>
    </message>
    <message>
        <source>date</source>
        <translation>data</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>clic</translation>
    </message>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>Il contatore delle partite %1 contiene «%2», che non è un numero; il conteggio riparte da 1.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>partita n. %1</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>contiene più di quanto il gioco possa leggere (più di %n riga o più di %1 MB), quindi resta com’è</numerusform>
            <numerusform>contiene più di quanto il gioco possa leggere (più di %n righe o più di %1 MB), quindi resta com’è</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>contiene più di %n byte, molto più di una classifica; spostalo altrove per iniziare una nuova classifica</numerusform>
            <numerusform>contiene più di %n byte, molto più di una classifica; spostalo altrove per iniziare una nuova classifica</numerusform>
        </translation>
    </message>
</context>
</TS>
