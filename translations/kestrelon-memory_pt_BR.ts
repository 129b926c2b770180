<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opção desconhecida “%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opções desconhecidas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta um valor depois de “%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado depois de “%1”.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
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
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Recor&amp;tar</translation>
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
        <translation>Excluir</translation>
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
        <translation>Dezesseis pares encontrados</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>Todos os pares encontrados</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Fim de jogo</translation>
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
        <translation>Número da partida</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Instrução</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Seu nome</translation>
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
        <translation>&amp;Site da editora</translation>
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
        <translation>D&amp;oação</translation>
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
        <translation>O jogo não consegue usar a própria pasta: %1. Por isso, mostra as imagens embutidas e não salva nada; nenhum resultado desta sessão será guardado.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>Não foi possível gravar as imagens em %1, então o jogo mostra as imagens embutidas.
%2</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>virada para baixo</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. O resultado não foi salvo.</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>Carta na linha %1, coluna %2: virada para baixo</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>Carta na linha %1, coluna %2, virada para cima: %3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>virada para cima: %1</translation>
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
        <translation>Esperando outra partida nesta pasta terminar de usar %1…</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>O jogo não consegue gravar na pasta %1 (%2). Por isso, não conta nenhuma partida em nog.txt nem guarda nenhum resultado em highscore.txt; mostra a lista de recordes como está.</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>A imagem %1 está faltando no programa.</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>O som %1 está faltando no programa.</translation>
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
        <translation>o arquivo não existe</translation>
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
        <translation>coração rosa</translation>
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
        <translation>sol laranja</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>cruz roxa</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>flecha preta</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>hexágono verde-oliva</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>gota azul-celeste</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>folha verde-limão</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>sino vinho</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>âncora cinza</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>chave marrom</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>raio magenta</translation>
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
        <translation>Um jogo da memória com cartas: encontre os dezoito pares
entre trinta e seis cartas. O jogo guarda as imagens, os recordes
e o contador de partidas na pasta em que é iniciado.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>Mostra estas opções e sai.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>Mostra o nome e a versão e sai.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>Usa o idioma CODE, um destes: %1. Sem esta opção, o jogo usa o idioma da área de trabalho ou, se não o conhecer, inglês.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Use “%1 --help” para ver as opções.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>argumento inesperado “%1”; o jogo só aceita as próprias opções.</translation>
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
1. Primeiro digite seu nome na linha de baixo
   e clique em OK!
2. Clique nas cartas e encontre os pares.
3. Escolha “Com som” ou “Sem som”, como preferir.
4. Quando você encontrar todos os pares,
   os recordes aparecem.
5. Para jogar de novo, clique em “Novo jogo”;
   para parar, clique em “Sair”.
6. Os recordes podem ser ordenados por tempo ou por cliques.
   No canto superior direito aparece T (tempo) ou C (cliques).
   Divirta-se!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>Versão 1.0 2019</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>Contato: </translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>D o a ç ã o</translation>
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
         se você gosta deste jogo,
         pode apoiar
         %1
         para que surjam mais jogos gratuitos
         para computador e celular.
         Você pode enviar sua doação para a conta
         %2.
         Divirta-se!</translation>
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
        <translation>Primeiro digite seu nome aqui embaixo e depois clique em OK!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>Digite seu nome aqui embaixo e depois clique em OK!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>Agora clique nas cartas e encontre os pares!</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>pt_BR</translation>
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
        <translation>outra partida está usando o arquivo; tente de novo daqui a pouco</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>você não tem permissão para abrir o arquivo de bloqueio %1</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>o arquivo de bloqueio %1 não pode ser usado: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>não é possível criar o arquivo de bloqueio %1 (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>há uma pasta no lugar dele</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>há um canal nomeado (FIFO) no lugar dele</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>há um soquete no lugar dele</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>há um arquivo de dispositivo no lugar dele</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>há algo que não é um arquivo no lugar dele</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>é um link para %1, e o jogo não segue links</translation>
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
        <translation>a pasta em que o jogo foi iniciado não existe mais</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>não é possível abrir a pasta em que o jogo foi iniciado (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>a pasta do jogo é desconhecida</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>o arquivo não existe</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>o arquivo de bloqueio %1 foi removido ou trocado enquanto o jogo o usava, então talvez outra partida esteja gravando no arquivo</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>outra coisa tomou o lugar dele logo depois da gravação</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>a pasta está protegida (sticky bit): só o dono do arquivo pode substituí-lo, e você não tem permissão para gravá-lo</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>o arquivo é maior que o limite de tamanho de arquivo de %n byte</numerusform>
            <numerusform>o arquivo é maior que o limite de tamanho de arquivo de %n bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>O contador de partidas %1 contém “%2”, que não é um número; a contagem recomeça a partir de 1.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>partida nº %1</translation>
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
            <numerusform>o arquivo tem mais do que o jogo consegue ler (mais de %n linha ou mais de %1 MB), então fica como está</numerusform>
            <numerusform>o arquivo tem mais do que o jogo consegue ler (mais de %n linhas ou mais de %1 MB), então fica como está</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>o arquivo tem mais de %n byte, muito mais que uma lista de recordes; mova-o para outro lugar para começar uma lista nova</numerusform>
            <numerusform>o arquivo tem mais de %n bytes, muito mais que uma lista de recordes; mova-o para outro lugar para começar uma lista nova</numerusform>
        </translation>
    </message>
</context>
</TS>
