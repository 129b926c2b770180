<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Непозната опция „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Непознати опции: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>След „%1“ липсва стойност.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Излишна стойност след „%1“.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Употреба: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[опции]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Опции:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отмяна</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>По&amp;втаряне</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Изрязване</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копиране</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Поставяне</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Изтриване</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Избиране на всичко</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Добре</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Pairs found</source>
        <translation>Намерени двойки</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>Портрет на автора</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>Намерени са шестнадесет двойки</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>Намерени са всички двойки</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Край на играта</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>Начален час и подредена класация</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>Свободна памет</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>Процесори</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>Подреждане (В – време, Щ – щраквания)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Номер на играта</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Резултат</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>твоето име</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Име на играча</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Добре</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Класация</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>&amp;Нова игра</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>&amp;Изход</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Как се играе</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Версия</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>&amp;Автор</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>&amp;Нова класация</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>&amp;Включи звука</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>И&amp;зключи звука</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>&amp;Уебсайт на издателя</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>Писмо до &amp;издателя</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>&amp;Покажи класацията</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>&amp;Скрий класацията</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>Свободна &amp;памет и процесори</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>Подреди по &amp;време</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>Подреди по &amp;щраквания</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>&amp;Дарение</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Класация</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>&amp;Помощ</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>Чакам друга игра в тази папка да спре да използва файла %1…</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>Играта не може да записва в папката си %1 (%2), затова там не увеличава брояча на игрите в nog.txt и не запазва резултата в highscore.txt; класацията се показва такава, каквато е.</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>Играта не може да използва папката си: %1. Показва вградените си картинки и нищо не записва, затова този път никакъв резултат няма да се запази.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>Картинките не можаха да се запишат в папката %1, затова играта показва вградените си картинки.
%2</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>Карта, ред %1, колона %2: скрита</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>скрита</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>Карта, ред %1, колона %2, открита: %3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>открита: %1</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>Карта, ред %1, колона %2, намерена: %3</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>намерена: %1</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. Резултатът не е запазен.</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>В програмата липсва картинката %1.</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>В програмата липсва звукът %1.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Файлът %1 не можа да се запише: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>файлът не е валидна картинка във формат BMP</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>файлът не съществува</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>Картинката %1 не можа да се зареди: %2.</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>червен кръг</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>син квадрат</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>зелен триъгълник</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>жълта звезда</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>розово сърце</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>тюркоазен ромб</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>тъмносиня луна</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>оранжево слънце</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>лилав кръст</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>черна стрелка</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>маслиненозелен шестоъгълник</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>небесносиня капка</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>светлозелено листо</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>бордо камбанка</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>сива котва</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>кафяв ключ</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>пурпурна мълния</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>виолетово цвете</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>Картинката %1 в програмата е повредена.</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>Звукът %1 е повреден.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>Игра на памет с карти: намери осемнадесетте двойки
сред тридесет и шестте карти. Играта пази картинките си,
класацията и брояча на игрите в папката, от която е стартирана.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>Показва тези опции и излиза.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>Показва името и версията на играта и излиза.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>Избира езика на играта по код CODE (един от: %1). Без тази опция играта използва езика на работната среда, а ако не го знае — английски.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Списъкът с опции се показва с „%1 --help“.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>излишен аргумент „%1“; играта приема само своите опции.</translation>
    </message>
</context>
<context>
    <name>game</name>
    <message>
        <source>C</source>
        <comment>ranking mark: by clicks</comment>
        <translation>Щ</translation>
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
        <translation>Ето как се играе:
1. Първо въведи името си на долния ред
   и щракни „Добре“!
2. Щракай върху картите и търси двойките.
3. Избери „Включи звука“ или „Изключи звука“, както искаш.
4. Когато намериш всички двойки,
   ще се покаже класацията.
5. За нова игра щракни „Нова игра“,
   а ако искаш да спреш, щракни „Изход“.
6. Класацията може да се подрежда по време или по щраквания.
   Горе вдясно виждаш В (време) или Щ (щраквания).
   Приятна игра!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>Версия 1.0 2019</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>За контакт: </translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>Д а р е н и е</translation>
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
        <translation>Скъпи приятелю,
         ако тази игра ти харесва,
         можеш да подкрепиш фирмата
         %1,
         за да се появят още безплатни игри
         за компютър и телефон.
         Дарение можеш да направиш по сметка
         %2.
         Весело прекарване!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>брой процесори: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>свободна памет:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>Първо въведи името си долу и щракни „Добре“!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>Въведи името си долу и щракни „Добре“!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>А сега щракай върху картите и търси двойките!</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>bg</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>начало: %1</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>another game is using it, please try again</source>
        <translation>друга игра го използва в момента, опитай пак</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>няма права за отваряне на заключващия файл %1</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>заключващият файл %1 беше изтрит или заменен, докато играта го използваше, затова може би друга игра в момента пише в същия файл</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>заключващият файл %1 не може да се използва: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>заключващият файл %1 не може да се създаде (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>на негово място има папка</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>на негово място има именуван канал (FIFO)</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>на негово място има сокет</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>на негово място има устройство</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>на негово място има нещо, което не е файл</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>това е връзка към %1, а играта не следва връзки</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Файлът %1 не можа да се прочете: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Файлът %1 не можа да се запише: %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>Файлът %1 не можа да се заключи: %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>Файлът %1 не можа да се използва: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>Не можа да се запази копие на файла %1: %2</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>папката, от която е стартирана играта, вече не съществува</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>папката, от която е стартирана играта, не може да се отвори (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>не се знае коя е папката на играта</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>файлът не съществува</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>веднага след записа на мястото му се появи нещо друго</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>битът sticky на папката позволява само на собственика на файла да го заменя, а ти нямаш право да пишеш в него</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>дискът е пълен</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>по-голям е от допустимия размер на файл (%n байт)</numerusform>
            <numerusform>по-голям е от допустимия размер на файл (%n байта)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>Броячът на игрите %1 съдържа „%2“, което не е число; броенето започва отново от 1.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>игра № %1</translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>край: %1 | време на играта: %2 | щраквания: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>име</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>време на играта</translation>
    </message>
    <message>
        <source>date</source>
        <translation>дата</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>щраквания</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>съдържа повече, отколкото играта може да прочете (повече от %n ред или повече от %1 MB), затова остава непроменен</numerusform>
            <numerusform>съдържа повече, отколкото играта може да прочете (повече от %n реда или повече от %1 MB), затова остава непроменен</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>съдържа повече от %n байт, много повече от една класация; премести го другаде, за да започнеш нова класация</numerusform>
            <numerusform>съдържа повече от %n байта, много повече от една класация; премести го другаде, за да започнеш нова класация</numerusform>
        </translation>
    </message>
</context>
</TS>
