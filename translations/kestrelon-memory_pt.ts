<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opção desconhecida «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opções desconhecidas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta um valor depois de «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado depois de «%1».</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Utilização: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opções]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Anular</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
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
        <translation>C&amp;olar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
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
        <translation>Pares encontrados</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>Retrato do designer</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>Dezasseis pares encontrados</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>Todos os pares encontrados</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Fim do jogo</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>Hora de início e recordes ordenados</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>Memória livre</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>Processadores</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>Ordenação (T: tempo, C: cliques)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Número do jogo</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Indicação</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>O teu nome</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>O teu nome</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instruções</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Versão</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>&amp;Designer</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>&amp;Nova lista</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>Com &amp;som</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>Sem s&amp;om</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>&amp;Página da editora</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>&amp;E-mail para a editora</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>&amp;Mostrar recordes</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>&amp;Ocultar recordes</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>&amp;Memória livre e processadores</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>Ordenar por &amp;tempo</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>Ordenar por &amp;cliques</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>D&amp;onativo</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Recordes</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>O jogo não consegue usar a sua pasta: %1. Por isso, mostra as imagens incorporadas e não grava nada; nenhum resultado desta sessão fica guardado.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>Não foi possível gravar as imagens em %1, por isso o jogo mostra as imagens incorporadas.
%2</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>voltada para baixo</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. O resultado não foi gravado.</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>Carta na linha %1, coluna %2: voltada para baixo</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>Carta na linha %1, coluna %2, voltada para cima: %3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>voltada para cima: %1</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>Carta na linha %1, coluna %2, encontrada: %3</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>encontrada: %1</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>À espera de que outro jogo nesta pasta acabe de usar %1…</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>O jogo não consegue gravar na pasta %1 (%2). Por isso, não conta nenhum jogo em nog.txt nem guarda nenhum resultado em highscore.txt; mostra a lista de recordes tal como está.</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>Falta a imagem %1 no programa.</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>Falta o som %1 no programa.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>não é uma imagem BMP legível</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>o ficheiro não existe</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>Não foi possível carregar a imagem %1: %2.</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>círculo vermelho</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>quadrado azul</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>triângulo verde</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>estrela amarela</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>coração cor-de-rosa</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>losango verde-azulado</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>lua azul-marinho</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>sol cor de laranja</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>cruz roxa</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>seta preta</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>hexágono verde-azeitona</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>gota azul-celeste</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>folha verde-lima</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>sino grená</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>âncora cinzenta</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>chave castanha</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>relâmpago magenta</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>flor violeta</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>A imagem %1 está danificada no programa.</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>O som %1 está danificado.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>Um jogo de memória com cartas: encontra os dezoito pares
entre trinta e seis cartas. O jogo guarda as imagens, os recordes
e o contador de jogos na pasta onde é iniciado.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>Mostra estas opções e termina.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>Mostra o nome e a versão e termina.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>Usa a língua CODE, uma destas: %1. Sem esta opção, o jogo usa a língua do ambiente de trabalho ou, se não a conhecer, inglês.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Experimenta «%1 --help» para ver as opções.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>argumento inesperado «%1»; o jogo só aceita as suas opções.</translation>
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
        <translation>Como jogar:
1. Primeiro escreve o teu nome na linha de baixo
   e depois clica em OK!
2. Clica nas cartas e encontra os pares.
3. Escolhe «Com som» ou «Sem som», como preferires.
4. Quando encontrares todos os pares,
   aparecem os recordes.
5. Para jogar outra vez, clica em «Novo jogo»;
   para parar, clica em «Sair».
6. Os recordes podem ser ordenados por tempo ou por cliques.
   No canto superior direito vês T (tempo) ou C (cliques).
   Diverte-te!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>Versão 1.0 2019</translation>
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
        <translation>Querida jogadora, querido jogador,
         se gostas deste jogo,
         podes apoiar
         %1
         para que nasçam mais jogos gratuitos
         para computador e telemóvel.
         Podes enviar o teu donativo para a conta
         %2.
         Diverte-te!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>Número de processadores: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>Memória livre:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>Primeiro escreve o teu nome aqui em baixo e depois clica em OK!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>Escreve o teu nome aqui em baixo e depois clica em OK!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>Agora clica nas cartas e encontra os pares!</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>pt_PT</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>início: %1</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>another game is using it, please try again</source>
        <translation>outro jogo está a usá-lo; tenta outra vez daqui a pouco</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>não tens permissão para abrir o ficheiro de bloqueio %1</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>o ficheiro de bloqueio %1 não pode ser usado: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>não é possível criar o ficheiro de bloqueio %1 (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>no seu lugar está uma pasta</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>no seu lugar está um canal com nome (FIFO)</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>no seu lugar está um socket</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>no seu lugar está um ficheiro de dispositivo</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>no seu lugar está algo que não é um ficheiro</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>é uma ligação para %1, e o jogo não segue ligações</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Não foi possível ler %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>Não foi possível bloquear %1: %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>Não foi possível usar %1: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>Não foi possível guardar uma cópia de %1: %2</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>a pasta onde o jogo foi iniciado já não existe</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>não é possível abrir a pasta onde o jogo foi iniciado (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>a pasta do jogo é desconhecida</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>o ficheiro não existe</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>o ficheiro de bloqueio %1 foi removido ou substituído enquanto o jogo o estava a usar, por isso talvez outro jogo esteja a gravar no ficheiro</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>logo depois de o ficheiro ser gravado, outra coisa ocupou o seu lugar</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>a pasta está protegida (sticky bit): só o dono do ficheiro o pode substituir, e não tens permissão para o gravar</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>o ficheiro é maior do que o limite de tamanho de ficheiro de %n byte</numerusform>
            <numerusform>o ficheiro é maior do que o limite de tamanho de ficheiro de %n bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>O contador de jogos %1 contém «%2», que não é um número; a contagem recomeça em 1.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>jogo n.º %1</translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>fim: %1 | tempo total: %2 | cliques: %3</translation>
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
        <translation>cliques</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>o ficheiro tem mais do que o jogo consegue ler (mais de %n linha ou mais de %1 MB), por isso fica como está</numerusform>
            <numerusform>o ficheiro tem mais do que o jogo consegue ler (mais de %n linhas ou mais de %1 MB), por isso fica como está</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>o ficheiro tem mais de %n byte, muito mais do que uma lista de recordes; muda-o para outro sítio para começar uma lista nova</numerusform>
            <numerusform>o ficheiro tem mais de %n bytes, muito mais do que uma lista de recordes; muda-o para outro sítio para começar uma lista nova</numerusform>
        </translation>
    </message>
</context>
</TS>
