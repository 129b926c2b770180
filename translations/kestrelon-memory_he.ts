<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>האפשרות &quot;%1&quot; אינה מוכרת.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>אפשרויות לא מוכרות: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>חסר ערך אחרי &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>ערך לא צפוי אחרי &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>שימוש: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[אפשרויות]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>אפשרויות:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;בטל</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>בצע &amp;שוב</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;גזור</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>הע&amp;תק</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ה&amp;דבק</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>מחק</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>בחר הכל</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Pairs found</source>
        <translation>זוגות שנמצאו</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>תמונת מעצב המשחק</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>נמצאו שישה עשר זוגות</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>כל הזוגות נמצאו</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>המשחק נגמר</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>שעת ההתחלה וטבלת השיאים הממוינת</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>זיכרון פנוי</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>גרסה</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>מעבדים</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>מיון לפי (ז זמן, ל לחיצות)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>מספר המשחק</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>תוצאה</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>הנחיה</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>השם שלכם</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>שם השחקן</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>טבלת השיאים</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>&amp;התחלה</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>&amp;יציאה</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;הוראות</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;גרסה</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>&amp;מעצב המשחק</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>טבלת שיאים &amp;חדשה</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>ה&amp;פעלת צלילים</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>&amp;כיבוי צלילים</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>&amp;אתר המו״ל</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>&amp;שליחת דוא״ל למו״ל</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>&amp;הצגת טבלת השיאים</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>ה&amp;סתרת טבלת השיאים</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>&amp;זיכרון פנוי ומעבדים</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>מיון לפי &amp;זמן</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>מיון לפי &amp;לחיצות</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>&amp;תרומה</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;טבלת שיאים</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>&amp;עזרה</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>ממתינים עד שמשחק אחר בתיקייה הזו יסיים להשתמש בקובץ %1…</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>המשחק לא יכול לכתוב לתיקייה שלו %1 (%2), ולכן הוא לא סופר שם משחקים בקובץ nog.txt ולא שומר תוצאות בקובץ highscore.txt; טבלת השיאים מוצגת כמו שהיא.</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>המשחק לא יכול להשתמש בתיקייה שלו: %1. הוא מציג את התמונות המובנות שלו ולא כותב שום דבר, ולכן שום תוצאה מהפעם הזו לא תישמר.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>לא ניתן היה לכתוב את התמונות לתיקייה %1, ולכן המשחק מציג את התמונות המובנות שלו.
%2</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>קלף בשורה %1, עמודה %2: הפוך</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>הפוך</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>קלף בשורה %1, עמודה %2, גלוי: %3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>גלוי: %1</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>קלף בשורה %1, עמודה %2, נמצא: %3</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>נמצא: %1</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. התוצאה לא נשמרה.</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>התמונה %1 חסרה בתוכנה.</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>הצליל %1 חסר בתוכנה.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>לא ניתן לכתוב את הקובץ %1: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>זו לא תמונת BMP שאפשר לקרוא</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>הקובץ לא קיים</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>לא ניתן לטעון את התמונה %1: %2.</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>עיגול אדום</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>ריבוע כחול</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>משולש ירוק</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>כוכב צהוב</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>לב ורוד</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>מעוין טורקיז</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>ירח כחול כהה</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>שמש כתומה</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>פלוס סגול</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>חץ שחור</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>משושה ירוק זית</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>טיפה תכולה</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>עלה ירוק בהיר</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>פעמון בורדו</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>עוגן אפור</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>מפתח חום</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>ברק מג׳נטה</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>פרח בצבע לילך</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>התמונה %1 פגומה בתוכנה.</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>הצליל %1 פגום.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>משחק זיכרון בקלפים: מצאו את שמונה עשר הזוגות מבין שלושים ושישה קלפים.
המשחק שומר את התמונות, את טבלת השיאים ואת מונה המשחקים
בתיקייה שבה הוא הופעל.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>הצגת האפשרויות האלה ויציאה.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>הצגת השם והגרסה ויציאה.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>קביעת שפת המשחק לפי הקוד CODE, אחד מאלה: %1. בלי האפשרות הזו המשחק מוצג בשפת שולחן העבודה, ואם היא לא זמינה – באנגלית.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
להצגת האפשרויות אפשר להריץ &quot;%1 --help&quot;.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>ארגומנט לא צפוי &quot;%1&quot;; המשחק מקבל רק את האפשרויות שלו.</translation>
    </message>
</context>
<context>
    <name>game</name>
    <message>
        <source>C</source>
        <comment>ranking mark: by clicks</comment>
        <translation>ל</translation>
    </message>
    <message>
        <source>T</source>
        <comment>ranking mark: by time</comment>
        <translation>ז</translation>
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
        <translation>כך משחקים:
1. קודם כתבו את השם שלכם בשורה התחתונה,
   ואז לחצו על &quot;אישור&quot;!
2. לחצו על הקלפים ונסו למצוא זוגות.
3. בחרו &quot;הפעלת צלילים&quot; או &quot;כיבוי צלילים&quot;, כרצונכם.
4. כשתמצאו את כל הזוגות,
   תוצג טבלת השיאים.
5. כדי לשחק שוב, לחצו על &quot;התחלה&quot;,
   וכדי לסיים, לחצו על &quot;יציאה&quot;.
6. אפשר למיין את טבלת השיאים לפי זמן או לפי לחיצות.
   בפינה השמאלית העליונה מופיע ז (זמן) או ל (לחיצות).
   תיהנו!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>גרסה 1.0 2019</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>יצירת קשר: </translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>ת ר ו מ ה</translation>
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
        <translation>שחקנים יקרים,
         אם המשחק הזה מוצא חן בעיניכם,
         תוכלו לתמוך בחברת
         %1
         וכך לעזור לה לפתח עוד משחקים חינמיים
         למחשב ולטלפון הנייד.
         אפשר לתרום לחשבון
         %2.
         שיהיה לכם המון כיף!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>מספר המעבדים: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>זיכרון פנוי:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>קודם כתבו את השם שלכם למטה, ואז לחצו על &quot;אישור&quot;!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>כתבו בבקשה את השם שלכם למטה, ואז לחצו על &quot;אישור&quot;!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>עכשיו לחצו על הקלפים ומצאו זוגות!</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>he</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>התחלה: %1</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>another game is using it, please try again</source>
        <translation>משחק אחר משתמש בקובץ כרגע; נסו שוב בבקשה</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>אין הרשאה לפתוח את קובץ הנעילה %1</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>קובץ הנעילה %1 נמחק או הוחלף בזמן שהמשחק החזיק בו, ולכן ייתכן שמשחק אחר כותב לקובץ</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>לא ניתן להשתמש בקובץ הנעילה %1: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>לא ניתן ליצור את קובץ הנעילה %1 (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>במקומו יש תיקייה</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>במקומו יש צינור בעל שם (FIFO)</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>במקומו יש שקע (socket)</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>במקומו יש קובץ התקן</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>במקומו יש משהו שאינו קובץ</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>הוא קישור אל %1, והמשחק לא עוקב אחרי קישורים</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>לא ניתן לקרוא את הקובץ %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>לא ניתן לכתוב את הקובץ %1: %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>לא ניתן לנעול את הקובץ %1: %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>לא ניתן להשתמש בקובץ %1: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>לא ניתן לשמור עותק של הקובץ %1: %2</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>התיקייה שבה המשחק הופעל כבר לא קיימת</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>לא ניתן לפתוח את התיקייה שבה המשחק הופעל (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>תיקיית המשחק לא ידועה</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>הקובץ לא קיים</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>משהו אחר תפס את מקומו מיד אחרי שנכתב</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>הסיבית הדביקה (sticky bit) של התיקייה מאפשרת רק לבעלים של הקובץ להחליף אותו, ולכם אין הרשאה לכתוב בו</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>הדיסק מלא</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>הוא גדול מהגודל המרבי המותר לקובץ, %n בית</numerusform>
            <numerusform>הוא גדול מהגודל המרבי המותר לקובץ, %n בתים</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>מונה המשחקים %1 מכיל &quot;%2&quot;, וזה לא מספר; הספירה מתחילה מחדש מ־1.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>משחק מס׳ %1</translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>סיום: %1 | זמן כולל: %2 | לחיצות: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>שם</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>זמן</translation>
    </message>
    <message>
        <source>date</source>
        <translation>תאריך</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>לחיצות</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>הוא מכיל יותר ממה שהמשחק יכול לקרוא (יותר מ־%n שורה או יותר מ־%1 MB), ולכן הוא נשאר כמו שהוא</numerusform>
            <numerusform>הוא מכיל יותר ממה שהמשחק יכול לקרוא (יותר מ־%n שורות או יותר מ־%1 MB), ולכן הוא נשאר כמו שהוא</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>הוא מכיל יותר מ־%n בית, הרבה יותר מטבלת שיאים; העבירו אותו למקום אחר כדי להתחיל טבלת שיאים חדשה</numerusform>
            <numerusform>הוא מכיל יותר מ־%n בתים, הרבה יותר מטבלת שיאים; העבירו אותו למקום אחר כדי להתחיל טבלת שיאים חדשה</numerusform>
        </translation>
    </message>
</context>
</TS>
