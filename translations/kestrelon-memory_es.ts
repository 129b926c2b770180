<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opción desconocida «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opciones desconocidas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta un valor después de «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado después de «%1».</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opciones]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Pairs found</source>
        <translation>Parejas encontradas</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>Retrato del diseñador</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>Dieciséis parejas encontradas</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>Todas las parejas encontradas</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>Hora de inicio y récords ordenados</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>Memoria libre</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>Procesadores</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>Orden (T: tiempo, C: clics)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Número de partida</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Indicación</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>&amp;Empezar</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instrucciones</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Versión</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>&amp;Diseñador</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>&amp;Nueva lista de récords</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>Con &amp;sonido</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>Sin s&amp;onido</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>&amp;Web de la editorial</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>&amp;Escribir a la editorial</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>&amp;Mostrar los récords</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>&amp;Ocultar los récords</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>Memoria &amp;libre y procesadores</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>Ordenar por &amp;tiempo</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>Ordenar por &amp;clics</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>D&amp;onativo</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Récords</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>El juego no puede usar su carpeta: %1. Muestra sus imágenes incorporadas y no guarda nada, así que esta vez no se conservará ningún resultado.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>No se pudieron escribir las imágenes en %1, así que el juego muestra sus imágenes incorporadas.
%2</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>boca abajo</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. El resultado no se ha guardado.</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>Carta de la fila %1, columna %2: boca abajo</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>Carta de la fila %1, columna %2, boca arriba: %3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>boca arriba: %1</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>Carta de la fila %1, columna %2, encontrada: %3</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>encontrada: %1</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>Esperando a que otra partida de esta carpeta termine de usar %1…</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>El juego no puede escribir en su carpeta %1 (%2), así que no cuenta ninguna partida en nog.txt ni guarda ningún resultado en highscore.txt; muestra la lista de récords tal como está.</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>Could not write %1: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>no es una imagen BMP legible</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>No se pudo cargar la imagen %1: %2.</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>círculo rojo</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>cuadrado azul</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>triángulo verde</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>estrella amarilla</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>corazón rosa</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>rombo verde azulado</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>luna azul marino</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>sol naranja</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>cruz morada</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>flecha negra</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>hexágono verde oliva</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>gota azul cielo</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>hoja verde lima</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>campana granate</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>ancla gris</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>llave marrón</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>rayo magenta</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>flor violeta</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>La imagen %1 está dañada en el programa.</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>Falta el sonido %1 en el programa.</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>El sonido %1 está dañado.</translation>
    </message>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>Falta la imagen %1 en el programa.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>Un juego de memoria con cartas: encuentra las dieciocho parejas
entre treinta y seis cartas. El juego guarda sus imágenes,
la lista de récords y el contador de partidas
en la carpeta desde la que se inicia.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>Muestra estas opciones y termina.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>Muestra el nombre y la versión y termina.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>Usa el idioma CODE, que puede ser: %1. Sin esta opción, el juego usa el idioma del escritorio o, si no está disponible, el inglés.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Prueba «%1 --help» para ver las opciones.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>argumento inesperado «%1»; el juego solo acepta sus opciones.</translation>
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
        <translation>Así se juega:
1. Primero escribe tu nombre en la línea de abajo
   y luego haz clic en OK.
2. Haz clic en las cartas y encuentra las parejas.
3. Elige «Con sonido» o «Sin sonido», como prefieras.
4. Cuando hayas encontrado todas las parejas,
   verás la lista de récords.
5. Para jugar otra vez, haz clic en «Empezar»;
   para terminar, haz clic en «Salir».
6. Los récords se pueden ordenar por tiempo o por clics.
   Arriba a la derecha ves T (tiempo) o C (clics).
   ¡Que te diviertas!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>Versión 1.0 2019</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>Contacto: </translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>D o n a t i v o</translation>
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
        <translation>Querida jugadora, querido jugador:
         Si te gusta este juego,
         puedes apoyar a
         %1
         para que pueda crear más juegos gratuitos
         para ordenador y móvil.
         Puedes enviar tu donativo a
         %2.
         ¡Que lo disfrutes!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>Número de procesadores: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>Memoria libre:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>¡Primero escribe tu nombre abajo y luego haz clic en OK!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>¡Escribe tu nombre abajo y luego haz clic en OK!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>¡Ahora haz clic en las cartas y encuentra las parejas!</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>inicio: %1</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>es</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>se desconoce la carpeta del juego</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>la carpeta desde la que se inició el juego ya no existe</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>another game is using it, please try again</source>
        <translation>otra partida lo está usando; inténtalo de nuevo dentro de un momento</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>no hay permiso para abrir su archivo de bloqueo %1</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>no se puede usar su archivo de bloqueo %1: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>no se puede crear el archivo de bloqueo %1 (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>en su lugar hay una carpeta</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>en su lugar hay un FIFO (tubería con nombre)</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>en su lugar hay un socket</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>en su lugar hay un archivo de dispositivo</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>en su lugar hay algo que no es un archivo</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>es un enlace a %1, y el juego no sigue enlaces</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>No se pudo leer %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>No se pudo bloquear %1: %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>No se pudo usar %1: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>No se pudo conservar una copia de %1: %2</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>no se puede abrir la carpeta desde la que se inició el juego (%1)</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>su archivo de bloqueo %1 se borró o se sustituyó mientras el juego lo usaba, así que puede que otra partida esté escribiendo en él</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>otra cosa ocupó su lugar justo después de escribirlo</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>la carpeta solo deja que el dueño del archivo lo sustituya (sticky bit), y tú no puedes escribir en él</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>supera el límite de tamaño de archivo de %n byte</numerusform>
            <numerusform>supera el límite de tamaño de archivo de %n bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>final: %1 | tiempo total: %2 | clics: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>tiempo</translation>
    </message>
    <message>
        <source>date</source>
        <translation>fecha</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>clics</translation>
    </message>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>El contador de partidas %1 contiene «%2», que no es un número; la cuenta vuelve a empezar en 1.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>partida n.º %1</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>contiene más de lo que el juego puede leer (más de %n línea o más de %1 MB), así que se deja como está</numerusform>
            <numerusform>contiene más de lo que el juego puede leer (más de %n líneas o más de %1 MB), así que se deja como está</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>contiene más de %n byte, mucho más que una lista de récords; muévelo a otro sitio para empezar una lista nueva</numerusform>
            <numerusform>contiene más de %n bytes, mucho más que una lista de récords; muévelo a otro sitio para empezar una lista nueva</numerusform>
        </translation>
    </message>
</context>
</TS>
