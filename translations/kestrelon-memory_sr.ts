<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Непозната опција „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Непознате опције: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>После „%1“ недостаје вредност.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Сувишна вредност после „%1“.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Употреба: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[опције]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Опције:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Опозови</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Понови</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Исеци</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копирај</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Налепи</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Обриши</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Изабери све</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>У реду</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Pairs found</source>
        <translation>Пронађени парови</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>Слика аутора</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>Пронађено шеснаест парова</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>Пронађени сви парови</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Крај игре</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>Време почетка и поређана ранг-листа</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>Слободна меморија</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Верзија</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>Процесори</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>Поредак (В – време, К – кликови)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Број игре</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Резултат</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Порука</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>твоје име</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Име играча</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>У реду</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Ранг-листа</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>&amp;Нова игра</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>&amp;Изађи</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Упутство</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Верзија</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>&amp;Аутор</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>&amp;Нова ранг-листа</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>&amp;Укључи звук</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>Ис&amp;кључи звук</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>Веб-&amp;страница издавача</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>&amp;Пиши издавачу</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>&amp;Прикажи ранг-листу</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>&amp;Сакриј ранг-листу</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>Слободна &amp;меморија и процесори</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>Поређај по &amp;времену</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>Поређај по &amp;кликовима</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>&amp;Донација</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Ранг-листа</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>&amp;Помоћ</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>Чекам да друга игра у овој фасцикли престане да користи датотеку %1…</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>Игра не може да пише у своју фасциклу %1 (%2), па тамо не повећава бројач игара у датотеци nog.txt и не чува резултат у датотеци highscore.txt; ранг-листу приказује онакву каква јесте.</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>Игра не може да користи своју фасциклу: %1. Приказује уграђене слике и ништа не записује, па се овог пута ниједан резултат неће сачувати.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>Слике нису могле да се запишу у фасциклу %1, па игра приказује своје уграђене слике.
%2</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>Картица, ред %1, колона %2: скривена</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>скривена</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>Картица, ред %1, колона %2, откривена: %3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>откривена: %1</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>Картица, ред %1, колона %2, пронађена: %3</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>пронађена: %1</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. Резултат није сачуван.</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>У програму недостаје слика %1.</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>У програму недостаје звук %1.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Датотека %1 није могла да се запише: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>датотека није исправна BMP слика</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>датотека не постоји</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>Слика %1 није могла да се учита: %2.</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>црвени круг</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>плави квадрат</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>зелени троугао</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>жута звезда</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>ружичасто срце</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>тиркизни ромб</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>тамноплави месец</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>наранџасто сунце</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>љубичасти крст</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>црна стрелица</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>маслинастозелени шестоугао</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>небескоплава капљица</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>светлозелени лист</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>бордо звонце</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>сиво сидро</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>смеђи кључ</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>пурпурна муња</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>светлољубичасти цвет</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>Слика %1 у програму је оштећена.</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>Звук %1 је оштећен.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>Игра памћења са картицама: пронађи осамнаест парова
међу тридесет шест картица. Игра чува своје слике, ранг-листу
и бројач игара у фасцикли у којој је покренута.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>Исписује ове опције и завршава.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>Исписује назив и верзију игре и завршава.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>Бира језик игре по коду CODE (један од: %1). Без ове опције игра користи језик радног окружења, а ако га не зна, енглески.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Списак опција исписује „%1 --help“.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>сувишан аргумент „%1“; игра прихвата само своје опције.</translation>
    </message>
</context>
<context>
    <name>game</name>
    <message>
        <source>C</source>
        <comment>ranking mark: by clicks</comment>
        <translation>К</translation>
    </message>
    <message>
        <source>T</source>
        <comment>ranking mark: by time</comment>
        <translation>В</translation>
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
        <translation>Овако се игра:
1. Прво доле упиши своје име
   и кликни „У реду“!
2. Кликај на картице и тражи парове.
3. Изабери „Укључи звук“ или „Искључи звук“, како желиш.
4. Кад пронађеш све парове,
   приказаће се ранг-листа.
5. За нову игру кликни „Нова игра“,
   а ако желиш да завршиш, кликни „Изађи“.
6. Ранг-листу можеш да поређаш по времену или по кликовима.
   Горе десно видиш В (време) или К (кликови).
   Добро се забави!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>Верзија 1.0 2019</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>Контакт: </translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>Д о н а ц и ј а</translation>
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
        <translation>Драга играчице, драги играчу,
         ако ти се ова игра свиђа,
         можеш да подржиш фирму
         %1,
         како би настало још више бесплатних игара
         за рачунар и мобилни телефон.
         Донацију можеш да уплатиш на рачун
         %2.
         Много радости!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>број процесора: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>слободна меморија:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>Прво доле упиши своје име и кликни „У реду“!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>Упиши доле своје име и кликни „У реду“!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>Сада кликај на картице и тражи парове!</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>sr</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>почетак: %1</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>another game is using it, please try again</source>
        <translation>користи је друга игра, покушај поново</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>нема дозволе за отварање датотеке закључавања %1</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>датотека закључавања %1 уклоњена је или замењена док ју је игра користила, па можда друга игра управо пише у исту датотеку</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>датотека закључавања %1 не може да се користи: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>датотека закључавања %1 не може да се направи (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>на њеном месту налази се фасцикла</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>на њеном месту налази се именована цев (FIFO)</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>на њеном месту налази се утичница (socket)</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>на њеном месту налази се уређај</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>на њеном месту налази се нешто што није датотека</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>то је веза ка %1, а игра не прати везе</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Датотека %1 није могла да се прочита: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Датотека %1 није могла да се запише: %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>Датотека %1 није могла да се закључа: %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>Датотека %1 није могла да се користи: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>Копија датотеке %1 није могла да се сачува: %2</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>фасцикла у којој је игра покренута више не постоји</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>фасцикла у којој је игра покренута не може да се отвори (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>није познато која је фасцикла игре</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>датотека не постоји</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>одмах после уписивања на њено место је дошло нешто друго</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>лепљиви бит (sticky) фасцикле дозвољава замену датотеке само њеном власнику, а ти не смеш да пишеш у њу</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>диск је пун</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>већа је од дозвољене величине датотеке (%n бајт)</numerusform>
            <numerusform>већа је од дозвољене величине датотеке (%n бајта)</numerusform>
            <numerusform>већа је од дозвољене величине датотеке (%n бајтова)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>Бројач игара %1 садржи „%2“, што није број; бројање поново почиње од 1.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>игра бр. %1</translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>крај: %1 | време игре: %2 | кликови: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>име</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>време игре</translation>
    </message>
    <message>
        <source>date</source>
        <translation>датум</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>кликови</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>садржи више него што игра може да прочита (више од %n реда или више од %1 MB), па остаје непромењена</numerusform>
            <numerusform>садржи више него што игра може да прочита (више од %n реда или више од %1 MB), па остаје непромењена</numerusform>
            <numerusform>садржи више него што игра може да прочита (више од %n редова или више од %1 MB), па остаје непромењена</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>садржи више од %n бајта, много више од ранг-листе; премести је негде другде и започни нову ранг-листу</numerusform>
            <numerusform>садржи више од %n бајта, много више од ранг-листе; премести је негде другде и започни нову ранг-листу</numerusform>
            <numerusform>садржи више од %n бајтова, много више од ранг-листе; премести је негде другде и започни нову ранг-листу</numerusform>
        </translation>
    </message>
</context>
</TS>
