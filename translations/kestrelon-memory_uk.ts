<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Невідомий параметр «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Невідомі параметри: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Після «%1» бракує значення.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Зайве значення після «%1».</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Використання: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[параметри]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Параметри:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Повернути</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>П&amp;овторити</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Ви&amp;різати</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копіювати</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Вставити</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Виділити все</translation>
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
        <translation>Знайдені пари</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>Портрет автора</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>Знайдено шістнадцять пар</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>Знайдено всі пари</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Гру закінчено</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>Час початку й упорядкована таблиця рекордів</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>Вільна пам’ять</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версія</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>Процесори</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>Сортування (Ч — час, К — клацання)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Номер гри</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Підказка</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>твоє ім’я</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Ім’я гравця</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Таблиця рекордів</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>&amp;Нова гра</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>Ви&amp;хід</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Як грати</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Версія</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>&amp;Автор</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>&amp;Нова таблиця рекордів</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>&amp;Увімкнути звук</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>&amp;Вимкнути звук</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>&amp;Сайт видавця</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>&amp;Написати видавцеві</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>&amp;Показати таблицю рекордів</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>&amp;Сховати таблицю рекордів</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>Вільна пам’ять і п&amp;роцесори</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>Сортувати за &amp;часом</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>Сортувати за &amp;клацаннями</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>&amp;Пожертва</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Таблиця рекордів</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>Гра не може користуватися своєю текою: %1. Вона показує вбудовані картинки й нічого не записує, тож цього разу результати не збережуться.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>Не вдалося записати картинки в теку %1, тому гра показує свої вбудовані картинки.
%2</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>закрита</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. Результат не збережено.</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>Чекаємо, поки інша гра в цій теці закінчить роботу з файлом %1…</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>Гра не може записувати у свою теку %1 (%2), тому не веде там лік ігор у файлі nog.txt і не зберігає результати у файлі highscore.txt; таблицю рекордів показано як є.</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>Картка в ряду %1, у стовпці %2: закрита</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>Картка в ряду %1, у стовпці %2, відкрита: %3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>відкрита: %1</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>Картка в ряду %1, у стовпці %2, знайдена: %3</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>знайдена: %1</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>У програмі немає картинки %1.</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>У програмі немає звуку %1.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Не вдалося записати файл %1: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>це не картинка BMP або вона пошкоджена</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>файл не існує</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>Не вдалося завантажити картинку %1: %2.</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>червоне коло</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>синій квадрат</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>зелений трикутник</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>жовта зірка</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>рожеве серце</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>бірюзовий ромб</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>темно-синій місяць</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>помаранчеве сонце</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>фіолетовий хрест</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>чорна стрілка</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>оливковий шестикутник</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>блакитна крапля</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>салатовий листок</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>бордовий дзвоник</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>сірий якір</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>коричневий ключ</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>пурпурова блискавка</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>бузкова квітка</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>Картинка %1 у програмі пошкоджена.</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>Звук %1 пошкоджений.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>Гра на пам’ять: знайди вісімнадцять пар серед тридцяти шести карток.
Гра зберігає свої картинки, таблицю рекордів і лічильник ігор
у теці, з якої її запустили.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>Показує ці параметри й завершує роботу.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>Показує назву та версію гри й завершує роботу.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>Вибирає мову гри за кодом CODE (один із: %1). Без цього параметра гра використовує мову системи, а якщо не знає її — англійську.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Список параметрів покаже команда «%1 --help».
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>зайвий аргумент «%1»; гра приймає лише свої параметри.</translation>
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
        <translation>Ч</translation>
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
        <translation>Як грати:
1. Спочатку введи внизу своє ім’я
   й натисни ОК!
2. Клацай на картки й шукай пари.
3. Обери «Увімкнути звук» або «Вимкнути звук», як хочеш.
4. Коли знайдеш усі пари,
   з’явиться таблиця рекордів.
5. Щоб зіграти ще раз, натисни «Нова гра»,
   а щоб закінчити, натисни «Вихід».
6. Таблицю рекордів можна сортувати за часом або клацаннями.
   Праворуч угорі ти бачиш Ч (час) або К (клацання).
   Приємної гри!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>Версія 1.0 2019</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>Для зв’язку: </translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>П о ж е р т в а</translation>
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
        <translation>Любий друже!
         Якщо тобі подобається ця гра,
         ти можеш підтримати компанію
         %1,
         щоб з’являлося більше безкоштовних
         ігор для комп’ютера й телефону.
         Пожертву можна переказати на рахунок
         %2.
         Приємної гри!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>кількість процесорів: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>вільна пам’ять:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>Спочатку введи внизу своє ім’я, потім натисни ОК!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>Введи внизу своє ім’я й натисни ОК!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>А тепер клацай на картки й шукай пари!</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>uk</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>початок: %1</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>another game is using it, please try again</source>
        <translation>його зараз використовує інша гра, спробуй ще раз</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>немає дозволу відкрити файл блокування %1</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>файл блокування %1 не можна використати: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>не вдається створити файл блокування %1 (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>на його місці тека</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>на його місці іменований канал (FIFO)</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>на його місці сокет</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>на його місці пристрій</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>на його місці щось інше, а не файл</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>це посилання на %1, а гра не відкриває посилань</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Не вдалося прочитати файл %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Не вдалося записати файл %1: %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>Не вдалося заблокувати файл %1: %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>Не вдалося використати файл %1: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>Не вдалося зберегти копію файлу %1: %2</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>теки, з якої запустили гру, більше немає</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>не вдається відкрити теку, з якої запустили гру (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>невідомо, яка тека належить грі</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>файл не існує</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>диск заповнений</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>файл блокування %1 видалили або замінили, поки гра з ним працювала, тож, можливо, у той самий файл зараз пише інша гра</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>одразу після запису на його місці опинилося щось інше</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>липкий біт (sticky) теки дозволяє замінити файл лише його власникові, а тобі не можна в нього записувати</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>він перевищує допустимий розмір файлу (%n байт)</numerusform>
            <numerusform>він перевищує допустимий розмір файлу (%n байти)</numerusform>
            <numerusform>він перевищує допустимий розмір файлу (%n байтів)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>Лічильник ігор %1 містить «%2», а це не число; лік починається знову з 1.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>гра № %1</translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>кінець: %1 | час гри: %2 | клацання: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>ім’я</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>час гри</translation>
    </message>
    <message>
        <source>date</source>
        <translation>дата</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>клацання</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>у ньому більше, ніж гра може прочитати (більше ніж %n рядок або більше ніж %1 МБ), тому його залишено без змін</numerusform>
            <numerusform>у ньому більше, ніж гра може прочитати (більше ніж %n рядки або більше ніж %1 МБ), тому його залишено без змін</numerusform>
            <numerusform>у ньому більше, ніж гра може прочитати (більше ніж %n рядків або більше ніж %1 МБ), тому його залишено без змін</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>у ньому більше ніж %n байт — набагато більше, ніж у таблиці рекордів; перемісти його в інше місце, щоб почати нову таблицю рекордів</numerusform>
            <numerusform>у ньому більше ніж %n байти — набагато більше, ніж у таблиці рекордів; перемісти його в інше місце, щоб почати нову таблицю рекордів</numerusform>
            <numerusform>у ньому більше ніж %n байтів — набагато більше, ніж у таблиці рекордів; перемісти його в інше місце, щоб почати нову таблицю рекордів</numerusform>
        </translation>
    </message>
</context>
</TS>
