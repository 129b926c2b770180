<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>خيار غير معروف «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>خيارات غير معروفة: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>لا توجد قيمة بعد «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>قيمة زائدة بعد «%1».</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>الاستخدام: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[خيارات]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>الخيارات:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;تراجع</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>أ&amp;عد</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;قصّ</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>ا&amp;نسخ</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>أل&amp;صق</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>احذف</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>حدّد الكلّ</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Pairs found</source>
        <translation>الأزواج المكتشفة</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>صورة المصمم</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>اكتُشف ستة عشر زوجًا</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>اكتُشفت الأزواج كلها</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>انتهت اللعبة</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>وقت البدء وقائمة أفضل النتائج</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>الذاكرة المتاحة</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>الإصدار</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>المعالجات</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>الترتيب حسب (ز الزمن، ن النقرات)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>رقم اللعبة</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>النتيجة</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>الإرشاد</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>اسمك</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>اسم اللاعب</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>قائمة أفضل النتائج</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>&amp;بدء اللعب</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;طريقة اللعب</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>الإ&amp;صدار</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>ال&amp;مصمم</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>بدء قائمة &amp;جديدة</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>&amp;تشغيل الصوت</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>إي&amp;قاف الصوت</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>موقع ال&amp;ناشر</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>مرا&amp;سلة الناشر</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>&amp;عرض أفضل النتائج</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>إ&amp;خفاء أفضل النتائج</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>ال&amp;ذاكرة المتاحة والمعالجات</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>ترتيب حسب ال&amp;زمن</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>ترتيب حسب ال&amp;نقرات</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>&amp;تبرّع</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>أفضل ال&amp;نتائج</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>لا تستطيع اللعبة استخدام مجلدها: %1. ستعرض صورها المدمجة فيها ولن تكتب أي ملف، لذلك لن تُحفظ أي نتيجة في هذه الجلسة.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>تعرض اللعبة الصور المدمجة فيها، لأنها لم تتمكن من كتابة الصور في هذا المجلد: %1
%2</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>مقلوبة على وجهها</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. لم تُحفظ النتيجة.</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>في انتظار أن تنتهي لعبة أخرى في هذا المجلد من %1…</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>لا تستطيع اللعبة الكتابة في مجلدها %1 (%2)، لذلك لا تسجّل اللعبة في العدّاد nog.txt ولا تحفظ أي نتيجة في highscore.txt؛ وتعرض قائمة أفضل النتائج كما هي.</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>البطاقة في الصف %1 والعمود %2: مقلوبة على وجهها</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>البطاقة في الصف %1 والعمود %2، مكشوفة: %3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>مكشوفة: %1</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>البطاقة في الصف %1 والعمود %2، تمّت مطابقتها: %3</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>تمّت مطابقتها: %1</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>الصورة %1 مفقودة من البرنامج.</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>الصوت %1 مفقود من البرنامج.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>تعذّرت كتابة %1: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>هذا الملف ليس صورة BMP يمكن قراءتها</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>الملف غير موجود</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>تعذّر تحميل الصورة %1: %2.</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>دائرة حمراء</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>مربع أزرق</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>مثلث أخضر</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>نجمة صفراء</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>قلب وردي</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>معيّن فيروزي</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>هلال كحلي</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>شمس برتقالية</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>علامة زائد بنفسجية</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>سهم أسود</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>شكل سداسي زيتوني</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>قطرة زرقاء سماوية</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>ورقة شجر خضراء فاتحة</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>جرس عنّابي</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>مرساة رمادية</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>مفتاح بني</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>برق بلون الفوشيا</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>زهرة ليلكية</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>الصورة %1 تالفة داخل البرنامج.</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>الصوت %1 تالف.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>لعبة ذاكرة بالبطاقات: اكتشف الأزواج الثمانية عشر بين ست وثلاثين بطاقة.
تحفظ اللعبة صورها وقائمة أفضل النتائج وعدّاد الألعاب
في المجلد الذي تبدأ منه.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>يعرض هذه الخيارات ثم يُنهي البرنامج.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>يعرض الاسم والإصدار ثم يُنهي البرنامج.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>يجعل اللعبة تستخدم اللغة التي رمزها CODE، وهو أحد هذه الرموز: %1. ومن دون هذا الخيار تستخدم اللعبة لغة النظام، وإن لم تكن متاحة فالإنجليزية.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
جرّب «%1 --help» لعرض الخيارات.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>وسيط زائد «%1»؛ لا تقبل اللعبة إلا خياراتها.</translation>
    </message>
</context>
<context>
    <name>game</name>
    <message>
        <source>C</source>
        <comment>ranking mark: by clicks</comment>
        <translation>ن</translation>
    </message>
    <message>
        <source>T</source>
        <comment>ranking mark: by time</comment>
        <translation>ز</translation>
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
        <translation>طريقة اللعب:
1. اكتب اسمك أولًا في السطر السفلي،
   ثم انقر «موافق»!
2. انقر البطاقات وحاول أن تكتشف الأزواج.
3. اختر «تشغيل الصوت» أو «إيقاف الصوت» كما تحب.
4. عندما تكتشف الأزواج كلها،
   تظهر قائمة أفضل النتائج.
5. إن أردت اللعب من جديد فانقر «بدء اللعب»،
   وإن أردت التوقف فانقر «خروج».
6. يمكن ترتيب قائمة أفضل النتائج حسب الزمن أو النقرات.
   وفي الزاوية العليا اليسرى ترى «ز» (الزمن) أو «ن» (النقرات).
   استمتع باللعب!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>الإصدار 1.0 (2019)</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>للتواصل: </translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>تبرّع</translation>
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
        <translation>عزيزي اللاعب،
         إن أعجبتك هذه اللعبة،
         فيمكنك أن تدعم
         %1
         ليتمكن من تطوير المزيد من الألعاب المجانية
         للحاسوب والهاتف المحمول.
         يمكنك إرسال تبرعك إلى الحساب
         %2.
         نتمنى لك وقتًا ممتعًا!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>عدد المعالجات: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 ميغابايت</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>الذاكرة المتاحة:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>اكتب اسمك أولًا في الأسفل، ثم انقر «موافق»!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>من فضلك اكتب اسمك في الأسفل، ثم انقر «موافق»!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>والآن انقر البطاقات واكتشف الأزواج!</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>ar_AE</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>البدء: %1</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>another game is using it, please try again</source>
        <translation>لعبة أخرى تستخدمه الآن؛ حاول مرة أخرى من فضلك</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>لا يوجد إذن لفتح ملف القفل %1</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>لا يمكن استخدام ملف القفل %1: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>لا يمكن إنشاء ملف القفل %1 (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>يوجد مجلد في مكانه</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>يوجد أنبوب مسمّى (FIFO) في مكانه</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>يوجد مقبس اتصال في مكانه</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>يوجد جهاز في مكانه</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>يوجد في مكانه شيء ليس ملفًا</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>إنه رابط يشير إلى %1، واللعبة لا تتبع الروابط</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>تعذّرت قراءة %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>تعذّرت كتابة %1: %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>تعذّر قفل %1: %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>تعذّر استخدام %1: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>تعذّر الاحتفاظ بنسخة من %1: %2</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>المجلد الذي بدأت منه اللعبة لم يعد موجودًا</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>لا يمكن فتح المجلد الذي بدأت منه اللعبة (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>مجلد اللعبة غير معروف</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>الملف غير موجود</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>القرص ممتلئ</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>أُزيل ملف القفل %1 أو استُبدل بينما كانت اللعبة تستخدمه، فربما تكتب لعبة أخرى في الملف نفسه الآن</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>حلّ شيء آخر محله فور كتابته</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>البت اللاصق (sticky) للمجلد لا يسمح باستبدال الملف إلا لمالكه، ولا يحق لك الكتابة فيه</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>حجمه أكبر من الحد الأقصى لحجم الملف، وهو %n بايت</numerusform>
            <numerusform>حجمه أكبر من الحد الأقصى لحجم الملف، وهو %n بايت</numerusform>
            <numerusform>حجمه أكبر من الحد الأقصى لحجم الملف، وهو %n بايت</numerusform>
            <numerusform>حجمه أكبر من الحد الأقصى لحجم الملف، وهو %n بايتات</numerusform>
            <numerusform>حجمه أكبر من الحد الأقصى لحجم الملف، وهو %n بايتًا</numerusform>
            <numerusform>حجمه أكبر من الحد الأقصى لحجم الملف، وهو %n بايت</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>عدّاد الألعاب %1 يحتوي على «%2»، وهذا ليس عددًا؛ لذلك يبدأ العدّ من 1 من جديد.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>اللعبة رقم %1</translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>الانتهاء: %1 | الزمن الكلي: %2 | النقرات: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>الزمن المستغرق</translation>
    </message>
    <message>
        <source>date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>النقرات</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>يحتوي على أكثر مما تستطيع اللعبة قراءته (أكثر من %n سطر أو أكثر من %1 ميغابايت)، لذلك يبقى كما هو</numerusform>
            <numerusform>يحتوي على أكثر مما تستطيع اللعبة قراءته (أكثر من %n سطر أو أكثر من %1 ميغابايت)، لذلك يبقى كما هو</numerusform>
            <numerusform>يحتوي على أكثر مما تستطيع اللعبة قراءته (أكثر من %n سطر أو أكثر من %1 ميغابايت)، لذلك يبقى كما هو</numerusform>
            <numerusform>يحتوي على أكثر مما تستطيع اللعبة قراءته (أكثر من %n أسطر أو أكثر من %1 ميغابايت)، لذلك يبقى كما هو</numerusform>
            <numerusform>يحتوي على أكثر مما تستطيع اللعبة قراءته (أكثر من %n سطرًا أو أكثر من %1 ميغابايت)، لذلك يبقى كما هو</numerusform>
            <numerusform>يحتوي على أكثر مما تستطيع اللعبة قراءته (أكثر من %n سطر أو أكثر من %1 ميغابايت)، لذلك يبقى كما هو</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>حجمه أكثر من %n بايت، وهذا أكبر بكثير من أي قائمة لأفضل النتائج؛ انقله إلى مكان آخر لتبدأ قائمة جديدة</numerusform>
            <numerusform>حجمه أكثر من %n بايت، وهذا أكبر بكثير من أي قائمة لأفضل النتائج؛ انقله إلى مكان آخر لتبدأ قائمة جديدة</numerusform>
            <numerusform>حجمه أكثر من %n بايت، وهذا أكبر بكثير من أي قائمة لأفضل النتائج؛ انقله إلى مكان آخر لتبدأ قائمة جديدة</numerusform>
            <numerusform>حجمه أكثر من %n بايتات، وهذا أكبر بكثير من أي قائمة لأفضل النتائج؛ انقله إلى مكان آخر لتبدأ قائمة جديدة</numerusform>
            <numerusform>حجمه أكثر من %n بايتًا، وهذا أكبر بكثير من أي قائمة لأفضل النتائج؛ انقله إلى مكان آخر لتبدأ قائمة جديدة</numerusform>
            <numerusform>حجمه أكثر من %n بايت، وهذا أكبر بكثير من أي قائمة لأفضل النتائج؛ انقله إلى مكان آخر لتبدأ قائمة جديدة</numerusform>
        </translation>
    </message>
</context>
</TS>
