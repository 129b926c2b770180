<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Неизвестный параметр «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Неизвестные параметры: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>После «%1» не хватает значения.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Лишнее значение после «%1».</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Использование: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[параметры]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Параметры:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить действие</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить действие</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Вырезать</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>В&amp;ставить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выделить всё</translation>
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
        <translation>Найденные пары</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>Портрет автора</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>Найдено шестнадцать пар</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>Найдены все пары</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Игра окончена</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>Время начала и упорядоченная таблица рекордов</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>Свободная память</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>Процессоры</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>Сортировка (В — время, Щ — щелчки)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Номер игры</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>твоё имя</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Имя игрока</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Таблица рекордов</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>Вы&amp;ход</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Как играть</translation>
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
        <translation>&amp;Новая таблица рекордов</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>&amp;Включить звук</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>Вы&amp;ключить звук</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>&amp;Сайт издателя</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>&amp;Написать издателю</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>&amp;Показать таблицу рекордов</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>&amp;Скрыть таблицу рекордов</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>Свободная память и п&amp;роцессоры</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>Сортировать по &amp;времени</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>Сортировать по &amp;щелчкам</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>&amp;Пожертвование</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Таблица рекордов</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>Игра не может пользоваться своей папкой: %1. Она показывает встроенные картинки и ничего не записывает, поэтому в этот раз результаты не сохранятся.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>Не удалось записать картинки в папку %1, поэтому игра показывает свои встроенные картинки.
%2</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>закрыта</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. Результат не сохранён.</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>Ждём, пока другая игра в этой папке закончит работу с файлом %1…</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>Игра не может записывать в свою папку %1 (%2), поэтому не ведёт там счёт игр в файле nog.txt и не сохраняет результаты в файле highscore.txt; таблица рекордов показана как есть.</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>Карточка в ряду %1, в столбце %2: закрыта</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>Карточка в ряду %1, в столбце %2, открыта: %3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>открыта: %1</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>Карточка в ряду %1, в столбце %2, найдена: %3</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>найдена: %1</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>В программе нет картинки %1.</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>В программе нет звука %1.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Не удалось записать файл %1: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>это не картинка BMP или она повреждена</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>файл не существует</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>Не удалось загрузить картинку %1: %2.</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>красный круг</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>синий квадрат</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>зелёный треугольник</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>жёлтая звезда</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>розовое сердце</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>бирюзовый ромб</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>тёмно-синий месяц</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>оранжевое солнце</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>фиолетовый крест</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>чёрная стрелка</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>оливковый шестиугольник</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>голубая капля</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>салатовый листок</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>бордовый колокольчик</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>серый якорь</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>коричневый ключ</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>пурпурная молния</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>сиреневый цветок</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>Картинка %1 в программе повреждена.</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>Звук %1 повреждён.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>Игра на память: найди восемнадцать пар среди тридцати шести карточек.
Игра хранит свои картинки, таблицу рекордов и счётчик игр
в папке, из которой её запустили.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>Показывает эти параметры и завершает работу.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>Показывает название и версию игры и завершает работу.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>Выбирает язык игры по коду CODE (один из: %1). Без этого параметра игра использует язык системы, а если не знает его — английский.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Список параметров покажет команда «%1 --help».
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>лишний аргумент «%1»; игра принимает только свои параметры.</translation>
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
        <translation>Как играть:
1. Сначала введи внизу своё имя
   и нажми ОК!
2. Щёлкай по карточкам и ищи пары.
3. Выбери «Включить звук» или «Выключить звук», как хочешь.
4. Когда найдёшь все пары,
   появится таблица рекордов.
5. Чтобы сыграть ещё раз, нажми «Новая игра»,
   а чтобы закончить, нажми «Выход».
6. Таблицу рекордов можно сортировать по времени или щелчкам.
   Справа вверху ты видишь В (время) или Щ (щелчки).
   Приятной игры!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>Версия 1.0 2019</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>Для связи: </translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>П о ж е р т в о в а н и е</translation>
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
        <translation>Дорогой друг!
         Если тебе нравится эта игра,
         ты можешь поддержать компанию
         %1,
         чтобы появлялось больше бесплатных
         игр для компьютера и телефона.
         Пожертвование можно перевести на счёт
         %2.
         Приятной игры!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>количество процессоров: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>свободная память:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>Сначала введи внизу своё имя, потом нажми ОК!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>Введи внизу своё имя и нажми ОК!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>А теперь щёлкай по карточкам и ищи пары!</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>ru</translation>
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
        <translation>его сейчас использует другая игра, попробуй ещё раз</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>нет прав на открытие файла блокировки %1</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>файл блокировки %1 нельзя использовать: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>не удаётся создать файл блокировки %1 (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>на его месте находится папка</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>на его месте находится именованный канал (FIFO)</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>на его месте находится сокет</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>на его месте находится устройство</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>на его месте находится что-то другое, а не файл</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>это ссылка на %1, а игра не открывает ссылки</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Не удалось прочитать файл %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Не удалось записать файл %1: %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>Не удалось заблокировать файл %1: %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>Не удалось использовать файл %1: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>Не удалось сохранить копию файла %1: %2</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>папки, из которой запустили игру, больше нет</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>не удаётся открыть папку, из которой запустили игру (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>неизвестно, какая папка принадлежит игре</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>файл не существует</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>диск заполнен</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>файл блокировки %1 удалили или заменили, пока игра с ним работала, поэтому, возможно, в тот же файл сейчас пишет другая игра</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>сразу после записи на его месте оказалось что-то другое</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>липкий бит (sticky) папки позволяет заменить файл только его владельцу, а тебе нельзя в него записывать</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>он превышает допустимый размер файла (%n байт)</numerusform>
            <numerusform>он превышает допустимый размер файла (%n байта)</numerusform>
            <numerusform>он превышает допустимый размер файла (%n байт)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>Счётчик игр %1 содержит «%2», а это не число; счёт начинается заново с 1.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>игра № %1</translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>конец: %1 | время игры: %2 | щелчки: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>имя</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>время игры</translation>
    </message>
    <message>
        <source>date</source>
        <translation>дата</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>щелчки</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>в нём больше, чем игра может прочитать (больше %n строки или больше %1 МБ), поэтому он остаётся без изменений</numerusform>
            <numerusform>в нём больше, чем игра может прочитать (больше %n строк или больше %1 МБ), поэтому он остаётся без изменений</numerusform>
            <numerusform>в нём больше, чем игра может прочитать (больше %n строк или больше %1 МБ), поэтому он остаётся без изменений</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>в нём больше %n байта — гораздо больше, чем в таблице рекордов; перемести его в другое место, чтобы начать новую таблицу рекордов</numerusform>
            <numerusform>в нём больше %n байт — гораздо больше, чем в таблице рекордов; перемести его в другое место, чтобы начать новую таблицу рекордов</numerusform>
            <numerusform>в нём больше %n байт — гораздо больше, чем в таблице рекордов; перемести его в другое место, чтобы начать новую таблицу рекордов</numerusform>
        </translation>
    </message>
</context>
</TS>
