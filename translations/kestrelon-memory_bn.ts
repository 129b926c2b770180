<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>অজানা অপশন “%1”।</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>অজানা অপশন: %1।</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>“%1”-এর পরে কোনো মান নেই।</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>“%1”-এর পরে অপ্রত্যাশিত মান।</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>ব্যবহার: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[অপশন]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>অপশন:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>আগের অবস্থায় ফেরান (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>আবার করুন (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>কাটুন (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>কপি করুন (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>পেস্ট করুন (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>মুছে ফেলুন</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>সব নির্বাচন করুন</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Pairs found</source>
        <translation>পাওয়া জোড়া</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>ডিজাইনারের ছবি</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>ষোলোটি জোড়া পাওয়া গেছে</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>সব জোড়া পাওয়া গেছে</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>খেলা শেষ</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>শুরুর সময় ও সাজানো হাই স্কোর তালিকা</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>খালি মেমরি</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>সংস্করণ</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>প্রসেসর</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>সাজানোর ক্রম (স: সময়, ক: ক্লিক)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>খেলার নম্বর</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>ফলাফল</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>বার্তা</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>আপনার নাম</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>খেলোয়াড়ের নাম</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>হাই স্কোর তালিকা</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>শুরু (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>প্রস্থান (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>নির্দেশনা (&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>সংস্করণ (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>ডিজাইনার (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>নতুন হাই স্কোর তালিকা (&amp;N)</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>শব্দ চালু (&amp;N)</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>শব্দ বন্ধ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>প্রকাশকের ওয়েবসাইট (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>প্রকাশককে ইমেইল (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>হাই স্কোর তালিকা দেখান (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>হাই স্কোর তালিকা লুকান (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>খালি মেমরি ও প্রসেসর (&amp;F)</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>সময় অনুযায়ী সাজান (&amp;T)</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>ক্লিক অনুযায়ী সাজান (&amp;C)</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>অনুদান (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>হাই স্কোর তালিকা (&amp;H)</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>সাহায্য (&amp;L)</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>এই ফোল্ডারের অন্য একটি খেলা %1 ফাইলের কাজ শেষ না করা পর্যন্ত অপেক্ষা করা হচ্ছে…</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>খেলাটি তার ফোল্ডারে লিখতে পারছে না: %1 (%2)। তাই সেখানে nog.txt ফাইলে কোনো খেলা গোনা হচ্ছে না আর highscore.txt ফাইলে কোনো ফলাফল রাখা হচ্ছে না; হাই স্কোর তালিকা যেমন আছে তেমনই দেখানো হচ্ছে।</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>খেলাটি তার ফোল্ডার ব্যবহার করতে পারছে না: %1। এটি নিজের সঙ্গে আসা ছবিগুলো দেখাচ্ছে আর কিছুই সংরক্ষণ করছে না, তাই এবারের কোনো ফলাফল রাখা হবে না।</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>ছবিগুলো %1 ফোল্ডারে লেখা যায়নি, তাই খেলাটি নিজের সঙ্গে আসা ছবিগুলো দেখাচ্ছে।
%2</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>সারি %1, কলাম %2-এর কার্ড: উপুড়</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>উপুড়</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>সারি %1, কলাম %2-এর কার্ড, খোলা: %3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>খোলা: %1</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>সারি %1, কলাম %2-এর কার্ড, জোড়া পাওয়া গেছে: %3</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>জোড়া পাওয়া গেছে: %1</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1। ফলাফল সংরক্ষণ করা হয়নি।</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>প্রোগ্রামে %1 ছবিটি নেই।</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>প্রোগ্রামে শব্দের ফাইল %1 নেই।</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 লেখা যায়নি: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>এটি পড়া যায় এমন কোনো BMP ছবি নয়</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>ফাইলটি নেই</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>%1 ছবিটি লোড করা যায়নি: %2।</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>লাল বৃত্ত</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>নীল চৌকো</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>সবুজ ত্রিভুজ</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>হলুদ তারা</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>গোলাপি হৃদয়</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>নীলচে সবুজ হীরা</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>গাঢ় নীল চাঁদ</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>কমলা সূর্য</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>বেগুনি যোগচিহ্ন</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>কালো তীর</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>জলপাই-সবুজ ষড়ভুজ</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>আকাশি ফোঁটা</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>হালকা সবুজ পাতা</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>মেরুন ঘণ্টা</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>ধূসর নোঙর</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>বাদামি চাবি</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>ম্যাজেন্টা রঙের বাজ</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>হালকা বেগুনি ফুল</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>প্রোগ্রামের ভেতরে %1 ছবিটি নষ্ট।</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>শব্দের ফাইল %1 নষ্ট।</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>স্মৃতিশক্তির কার্ড খেলা: ছত্রিশটি কার্ডের মধ্যে আঠারোটি জোড়া খুঁজে বের করুন।
খেলাটি তার ছবি, হাই স্কোর তালিকা আর খেলার গণনা
যে ফোল্ডার থেকে চালু করা হয় সেখানেই রাখে।</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>এই অপশনগুলো দেখিয়ে বেরিয়ে যায়।</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>নাম ও সংস্করণ দেখিয়ে বেরিয়ে যায়।</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>খেলাটিকে CODE কোডের ভাষায় চালায়; কোডটি এগুলোর একটি: %1। এই অপশন না দিলে খেলাটি ডেস্কটপের ভাষায় চলে, সেটি না থাকলে ইংরেজিতে।</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
অপশনগুলো দেখতে “%1 --help” চালান।
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>অপ্রত্যাশিত আর্গুমেন্ট “%1”; খেলাটি নিজের অপশন ছাড়া আর কিছু নেয় না।</translation>
    </message>
</context>
<context>
    <name>game</name>
    <message>
        <source>C</source>
        <comment>ranking mark: by clicks</comment>
        <translation>ক</translation>
    </message>
    <message>
        <source>T</source>
        <comment>ranking mark: by time</comment>
        <translation>স</translation>
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
        <translation>যেভাবে খেলবেন:
১. প্রথমে নিচের লাইনে আপনার নাম লিখুন,
   তারপর “ঠিক আছে”-তে ক্লিক করুন!
২. কার্ডগুলোতে ক্লিক করুন আর জোড়া খুঁজে বের করার চেষ্টা করুন।
৩. যেমন ইচ্ছা, “শব্দ চালু” বা “শব্দ বন্ধ” বেছে নিন।
৪. সব জোড়া খুঁজে পেলে
   হাই স্কোর তালিকা দেখা যাবে।
৫. আবার খেলতে চাইলে “শুরু”-তে ক্লিক করুন,
   আর খেলা বন্ধ করতে চাইলে “প্রস্থান”-এ ক্লিক করুন।
৬. হাই স্কোর তালিকা সময় বা ক্লিক অনুযায়ী সাজানো যায়।
   ওপরের ডান কোণে স (সময়) বা ক (ক্লিক) দেখতে পাবেন।
   খুব মজা করে খেলুন!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>সংস্করণ ১.০ ২০১৯</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>যোগাযোগ: </translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>অনুদান</translation>
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
        <translation>প্রিয় খেলোয়াড়,
         খেলাটি যদি আপনার ভালো লেগে থাকে,
         তাহলে এই প্রতিষ্ঠানকে সাহায্য করতে পারেন:
         %1
         যাতে আরও বিনামূল্যের কম্পিউটার ও
         মোবাইলের খেলা তৈরি করা যায়।
         অনুগ্রহ করে এই অ্যাকাউন্টে আপনার অনুদান পাঠান:
         %2
         খুব মজা করে খেলুন!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>প্রসেসরের সংখ্যা: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>খালি মেমরি:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>প্রথমে নিচে আপনার নাম লিখুন, তারপর “ঠিক আছে”-তে ক্লিক করুন!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>অনুগ্রহ করে নিচে আপনার নাম লিখুন, তারপর “ঠিক আছে”-তে ক্লিক করুন!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>এবার কার্ডগুলোতে ক্লিক করে জোড়া খুঁজে বের করুন!</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>bn</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>শুরু: %1</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>another game is using it, please try again</source>
        <translation>অন্য একটি খেলা এটি ব্যবহার করছে, অনুগ্রহ করে আবার চেষ্টা করুন</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>এর লক ফাইল %1 খোলার অনুমতি নেই</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>খেলাটি যখন এর লক ফাইল %1 ব্যবহার করছিল, তখন সেটি মুছে ফেলা বা বদলে দেওয়া হয়েছে, তাই হয়তো অন্য কোনো খেলা এতে লিখছে</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>এর লক ফাইল %1 ব্যবহার করা যাচ্ছে না: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>লক ফাইল %1 তৈরি করা যাচ্ছে না (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>এর জায়গায় একটি ফোল্ডার আছে</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>এর জায়গায় একটি নামযুক্ত পাইপ (FIFO) আছে</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>এর জায়গায় একটি সকেট আছে</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>এর জায়গায় একটি ডিভাইস ফাইল আছে</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>এর জায়গায় ফাইল ছাড়া অন্য কিছু আছে</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>এটি %1-এর একটি লিংক, আর খেলাটি কোনো লিংক অনুসরণ করে না</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>%1 পড়া যায়নি: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 লেখা যায়নি: %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>%1 লক করা যায়নি: %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>%1 ব্যবহার করা যায়নি: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>%1-এর একটি কপি রাখা যায়নি: %2</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>যে ফোল্ডার থেকে খেলাটি চালু হয়েছিল, সেটি আর নেই</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>যে ফোল্ডার থেকে খেলাটি চালু হয়েছিল, সেটি খোলা যাচ্ছে না (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>খেলার ফোল্ডারটি অজানা</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>ফাইলটি নেই</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>লেখার ঠিক পরেই এর জায়গায় অন্য কিছু চলে এসেছে</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>ফোল্ডারের স্টিকি বিট (sticky bit) শুধু ফাইলের মালিককে এটি বদলাতে দেয়, আর আপনার এতে লেখার অনুমতি নেই</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>ডিস্ক ভরে গেছে</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>এটি ফাইলের আকারের সীমা %n বাইটের চেয়ে বড়</numerusform>
            <numerusform>এটি ফাইলের আকারের সীমা %n বাইটের চেয়ে বড়</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>খেলার গণনার ফাইল %1-এ “%2” লেখা আছে, যা কোনো সংখ্যা নয়; গণনা আবার ১ থেকে শুরু হচ্ছে।</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>খেলা নং %1</translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>শেষ: %1 | মোট সময়: %2 | ক্লিক: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>নাম</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>সময়</translation>
    </message>
    <message>
        <source>date</source>
        <translation>তারিখ</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>ক্লিক</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>এতে খেলাটি যতটা পড়তে পারে তার চেয়ে বেশি আছে (%n লাইনের বেশি বা %1 MB-এর বেশি), তাই এটি যেমন আছে তেমনই রাখা হয়েছে</numerusform>
            <numerusform>এতে খেলাটি যতটা পড়তে পারে তার চেয়ে বেশি আছে (%n লাইনের বেশি বা %1 MB-এর বেশি), তাই এটি যেমন আছে তেমনই রাখা হয়েছে</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>এতে %n বাইটের বেশি আছে, যা কোনো হাই স্কোর তালিকার জন্য অনেক বেশি; নতুন হাই স্কোর তালিকা শুরু করতে এটি অন্য কোথাও সরিয়ে রাখুন</numerusform>
            <numerusform>এতে %n বাইটের বেশি আছে, যা কোনো হাই স্কোর তালিকার জন্য অনেক বেশি; নতুন হাই স্কোর তালিকা শুরু করতে এটি অন্য কোথাও সরিয়ে রাখুন</numerusform>
        </translation>
    </message>
</context>
</TS>
