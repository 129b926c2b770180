<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>گزینهٔ ناشناختهٔ «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>گزینه‌های ناشناخته: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>پس از «%1» مقداری نیامده است.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>مقدار غیرمنتظره پس از «%1».</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>طرز استفاده: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[گزینه‌ها]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>گزینه‌ها:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;بازگردانی</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>باز&amp;انجام</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>ب&amp;رش</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;کپی</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;چسباندن</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>انتخاب همه</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Pairs found</source>
        <translation>جفت‌های پیداشده</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>تصویر طراح</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>شانزده جفت پیدا شد</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>همهٔ جفت‌ها پیدا شد</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>بازی تمام شد</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>زمان شروع و جدول رکوردهای مرتب‌شده</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>حافظهٔ آزاد</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>نسخه</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>پردازنده‌ها</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>مرتب‌سازی بر اساس (ز زمان، ک کلیک‌ها)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>شمارهٔ بازی</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>نتیجه</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>پیام راهنما</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>نام شما</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>نام بازیکن</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>جدول رکوردها</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>&amp;شروع</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;روش بازی</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;نسخه</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>&amp;طراح</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>جدول رکوردهای &amp;جدید</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>&amp;روشن کردن صدا</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>خا&amp;موش کردن صدا</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>&amp;وب‌سایت ناشر</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>&amp;ایمیل به ناشر</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>&amp;نمایش جدول رکوردها</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>&amp;پنهان کردن جدول رکوردها</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>&amp;حافظهٔ آزاد و پردازنده‌ها</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>مرتب‌سازی بر اساس &amp;زمان</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>مرتب‌سازی بر اساس &amp;کلیک‌ها</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>&amp;کمک مالی</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;جدول رکوردها</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>را&amp;هنما</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>در انتظار بازی دیگری در این پوشه تا کارش با %1 تمام شود…</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>بازی نمی‌تواند در پوشهٔ خودش، %1، چیزی بنویسد (%2)؛ برای همین هیچ بازی‌ای را در nog.txt نمی‌شمارد و هیچ نتیجه‌ای را در highscore.txt نگه نمی‌دارد و جدول رکوردها را همان‌طور که هست نشان می‌دهد.</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>بازی نمی‌تواند از پوشهٔ خودش استفاده کند: %1. تصویرهای داخلی خودش را نشان می‌دهد و چیزی ذخیره نمی‌کند، پس هیچ نتیجه‌ای از این دفعه نگه داشته نمی‌شود.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>نوشتن تصویرها در %1 ممکن نشد؛ برای همین بازی تصویرهای داخلی خودش را نشان می‌دهد.
%2</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>کارت ردیف %1، ستون %2: بسته</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>بسته</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>کارت ردیف %1، ستون %2، باز: %3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>باز: %1</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>کارت ردیف %1، ستون %2، پیدا شده: %3</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>پیدا شده: %1</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. نتیجه ذخیره نشد.</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>تصویر %1 در برنامه نیست.</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>صدای %1 در برنامه نیست.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>نوشتن %1 ممکن نشد: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>این فایل تصویر BMP خواندنی نیست</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>فایل وجود ندارد</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>باز کردن تصویر %1 ممکن نشد: %2.</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>دایرهٔ قرمز</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>مربع آبی</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>مثلث سبز</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>ستارهٔ زرد</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>قلب صورتی</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>لوزی سبزآبی</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>ماه سرمه‌ای</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>خورشید نارنجی</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>علامت به‌علاوهٔ بنفش</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>فلش سیاه</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>شش‌ضلعی زیتونی</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>قطرهٔ آبی آسمانی</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>برگ سبز روشن</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>زنگولهٔ زرشکی</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>لنگر خاکستری</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>کلید قهوه‌ای</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>صاعقهٔ سرخابی</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>گل بنفش کم‌رنگ</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>تصویر %1 در برنامه خراب است.</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>صدای %1 خراب است.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>یک بازی حافظه با کارت: هجده جفت را در میان سی‌وشش کارت پیدا کنید.
بازی تصویرها، جدول رکوردها و شمارندهٔ بازی‌ها را
در پوشه‌ای نگه می‌دارد که از آن اجرا شده است.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>این گزینه‌ها را نشان می‌دهد و خارج می‌شود.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>نام و نسخه را نشان می‌دهد و خارج می‌شود.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>بازی را به زبانی با کد CODE نشان می‌دهد؛ کدهای ممکن: %1. بدون این گزینه، بازی به زبان میزکار نشان داده می‌شود و اگر آن زبان را نداشته باشد، به انگلیسی.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
برای دیدن گزینه‌ها «%1 --help» را اجرا کنید.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>آرگومان غیرمنتظرهٔ «%1»؛ بازی فقط گزینه‌های خودش را می‌پذیرد.</translation>
    </message>
</context>
<context>
    <name>game</name>
    <message>
        <source>C</source>
        <comment>ranking mark: by clicks</comment>
        <translation>ک</translation>
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
        <translation>روش بازی:
۱. اول نام خود را در خط پایین وارد کنید
   و بعد روی «تأیید» کلیک کنید!
۲. روی کارت‌ها کلیک کنید و سعی کنید جفت‌ها را پیدا کنید.
۳. هر طور دوست دارید، «روشن کردن صدا» یا «خاموش کردن صدا» را انتخاب کنید.
۴. وقتی همهٔ جفت‌ها را پیدا کردید،
   جدول رکوردها نشان داده می‌شود.
۵. برای بازی دوباره روی «شروع» کلیک کنید
   و برای تمام کردن بازی روی «خروج».
۶. جدول رکوردها را می‌توانید بر اساس زمان یا کلیک‌ها مرتب کنید.
   در گوشهٔ بالا سمت چپ، ز (زمان) یا ک (کلیک‌ها) را می‌بینید.
   خوش بگذرد!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>نسخهٔ ۱٫۰ ۲۰۱۹</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>تماس: </translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>کمک مالی</translation>
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
        <translation>بازیکن گرامی،
         اگر این بازی را دوست دارید،
         می‌توانید از
         %1
         حمایت کنید تا بازی‌های رایگان بیشتری
         برای رایانه و تلفن همراه ساخته شود.
         لطفاً کمک خود را به این حساب واریز کنید:
         %2
         خوش بگذرد!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>تعداد پردازنده‌ها: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 مگابایت</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>حافظهٔ آزاد:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>اول نام خود را در پایین وارد کنید و بعد روی «تأیید» کلیک کنید!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>لطفاً نام خود را در پایین وارد کنید و بعد روی «تأیید» کلیک کنید!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>حالا روی کارت‌ها کلیک کنید و جفت‌ها را پیدا کنید!</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>fa</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>شروع: %1</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>another game is using it, please try again</source>
        <translation>بازی دیگری در حال استفاده از آن است؛ لطفاً دوباره امتحان کنید</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>اجازهٔ باز کردن فایل قفل آن، %1، وجود ندارد</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>فایل قفل آن، %1، وقتی در اختیار بازی بود پاک یا جایگزین شد؛ شاید بازی دیگری در حال نوشتن در آن باشد</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>فایل قفل آن، %1، قابل استفاده نیست: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>ساختن فایل قفل %1 ممکن نیست (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>به جای آن یک پوشه هست</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>به جای آن یک لولهٔ نام‌دار (FIFO) هست</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>به جای آن یک سوکت هست</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>به جای آن یک فایل دستگاه هست</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>به جای آن چیزی غیر از فایل هست</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>این فایل پیوندی به %1 است و بازی دنبال هیچ پیوندی نمی‌رود</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>خواندن %1 ممکن نشد: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>نوشتن %1 ممکن نشد: %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>قفل کردن %1 ممکن نشد: %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>استفاده از %1 ممکن نشد: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>نگه داشتن رونوشتی از %1 ممکن نشد: %2</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>پوشه‌ای که بازی از آن اجرا شد دیگر وجود ندارد</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>پوشه‌ای که بازی از آن اجرا شد باز نمی‌شود (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>پوشهٔ بازی معلوم نیست</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>فایل وجود ندارد</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>بلافاصله پس از نوشتن، چیز دیگری جای آن را گرفت</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>بیت چسبندهٔ پوشه (sticky bit) فقط به صاحب فایل اجازه می‌دهد آن را جایگزین کند، و شما اجازهٔ نوشتن در آن را ندارید</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>دیسک پر است</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>از حد مجاز اندازهٔ فایل، یعنی %n بایت، بزرگ‌تر است</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>شمارندهٔ بازی‌ها، %1، مقدار «%2» را دارد که عدد نیست؛ شمارش دوباره از ۱ شروع می‌شود.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>بازی شمارهٔ %1</translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>پایان: %1 | زمان کل: %2 | کلیک‌ها: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>نام</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>زمان</translation>
    </message>
    <message>
        <source>date</source>
        <translation>تاریخ</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>کلیک‌ها</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>بیشتر از آن است که بازی بتواند بخواند (بیش از %n سطر یا بیش از %1 مگابایت)، برای همین دست‌نخورده می‌ماند</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>بیش از %n بایت است، خیلی بیشتر از یک جدول رکوردها؛ آن را جای دیگری ببرید تا جدول رکوردهای جدیدی شروع شود</numerusform>
        </translation>
    </message>
</context>
</TS>
