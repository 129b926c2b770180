<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>अज्ञात विकल्प “%1”।</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>अज्ञात विकल्प: %1।</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>“%1” के बाद मान नहीं दिया गया।</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>“%1” के बाद अनपेक्षित मान।</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>उपयोग: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[विकल्प]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>विकल्प:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>पूर्ववत करें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>फिर से करें (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>काटें (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिपकाएँ (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सभी चुनें</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Pairs found</source>
        <translation>मिली जोड़ियाँ</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>डिज़ाइनर की तस्वीर</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>सोलह जोड़ियाँ मिल गईं</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>सारी जोड़ियाँ मिल गईं</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>खेल ख़त्म</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>शुरू होने का समय और क्रम से लगी हाई स्कोर सूची</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>ख़ाली मेमोरी</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>संस्करण</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>प्रोसेसर</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>क्रम (स: समय, क: क्लिक)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>खेल संख्या</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>नतीजा</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>संदेश</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>आपका नाम</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>खिलाड़ी का नाम</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>हाई स्कोर सूची</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>शुरू करें (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>बाहर निकलें (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>निर्देश (&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>संस्करण (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>डिज़ाइनर (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>नई हाई स्कोर सूची (&amp;N)</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>आवाज़ चालू (&amp;N)</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>आवाज़ बंद (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>प्रकाशक की वेबसाइट (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>प्रकाशक को ईमेल (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>हाई स्कोर सूची दिखाएँ (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>हाई स्कोर सूची छिपाएँ (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>ख़ाली मेमोरी और प्रोसेसर (&amp;F)</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>समय के अनुसार क्रम से लगाएँ (&amp;T)</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>क्लिक के अनुसार क्रम से लगाएँ (&amp;C)</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>दान (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>हाई स्कोर सूची (&amp;H)</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>सहायता (&amp;L)</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>इस फ़ोल्डर में कोई दूसरा खेल %1 का इस्तेमाल पूरा कर ले, इसका इंतज़ार है…</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>खेल अपने फ़ोल्डर %1 में नहीं लिख सकता (%2), इसलिए वह वहाँ nog.txt में कोई खेल नहीं गिनता और highscore.txt में कोई नतीजा नहीं रखता; हाई स्कोर सूची जैसी है, वैसी ही दिखाई जाती है।</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>खेल अपने फ़ोल्डर का इस्तेमाल नहीं कर सकता: %1। वह अपने साथ आई तस्वीरें दिखाता है और कुछ भी सेव नहीं करता, इसलिए इस बार का कोई नतीजा नहीं रखा जाएगा।</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>तस्वीरें %1 में नहीं लिखी जा सकीं, इसलिए खेल अपने साथ आई तस्वीरें दिखा रहा है।
%2</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>पंक्ति %1, कॉलम %2 का कार्ड: उल्टा</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>उल्टा</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>पंक्ति %1, कॉलम %2 का कार्ड, खुला: %3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>खुला: %1</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>पंक्ति %1, कॉलम %2 का कार्ड, जोड़ी मिल गई: %3</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>जोड़ी मिल गई: %1</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1। नतीजा सेव नहीं हुआ।</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>प्रोग्राम में तस्वीर %1 नहीं है।</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>प्रोग्राम में आवाज़ %1 नहीं है।</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>फ़ाइल %1 लिखी नहीं जा सकी: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>यह पढ़ी जा सकने वाली BMP तस्वीर नहीं है</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>फ़ाइल मौजूद नहीं है</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>तस्वीर %1 लोड नहीं हो सकी: %2।</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>लाल गोला</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>नीला चौकोर</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>हरा त्रिकोण</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>पीला तारा</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>गुलाबी दिल</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>फ़िरोज़ी हीरा</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>गहरा नीला चाँद</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>नारंगी सूरज</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>बैंगनी प्लस निशान</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>काला तीर</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>जैतूनी हरा षट्भुज</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>आसमानी बूँद</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>हल्का हरा पत्ता</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>मैरून घंटी</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>सलेटी लंगर</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>भूरी चाबी</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>रानी रंग की बिजली</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>हल्का बैंगनी फूल</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>प्रोग्राम में तस्वीर %1 ख़राब है।</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>आवाज़ %1 ख़राब है।</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>कार्डों वाला याददाश्त का खेल: छत्तीस कार्डों में से अठारह जोड़ियाँ ढूँढें।
खेल अपनी तस्वीरें, हाई स्कोर सूची और खेलों की गिनती
उसी फ़ोल्डर में रखता है जिसमें उसे शुरू किया जाता है।</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>ये विकल्प दिखाकर बाहर निकलता है।</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>नाम और संस्करण दिखाकर बाहर निकलता है।</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>खेल को CODE कोड वाली भाषा में चलाता है; कोड इनमें से एक हो: %1। इस विकल्प के बिना खेल डेस्कटॉप की भाषा में चलता है, और वह न हो तो अंग्रेज़ी में।</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
विकल्प देखने के लिए “%1 --help” चलाएँ।
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>अनपेक्षित आर्ग्युमेंट “%1”; खेल अपने विकल्पों के सिवा कुछ नहीं लेता।</translation>
    </message>
</context>
<context>
    <name>game</name>
    <message>
        <source>C</source>
        <comment>ranking mark: by clicks</comment>
        <translation>क</translation>
    </message>
    <message>
        <source>T</source>
        <comment>ranking mark: by time</comment>
        <translation>स</translation>
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
        <translation>खेलने का तरीका:
1. सबसे पहले नीचे वाली लाइन में अपना नाम लिखें,
   फिर “ठीक है” पर क्लिक करें!
2. कार्डों पर क्लिक करें और जोड़ियाँ ढूँढने की कोशिश करें।
3. जैसा चाहें, “आवाज़ चालू” या “आवाज़ बंद” चुनें।
4. जब आप सारी जोड़ियाँ ढूँढ लेंगे,
   तब हाई स्कोर सूची दिखाई देगी।
5. फिर से खेलना हो तो “शुरू करें” पर क्लिक करें,
   नहीं तो खेल बंद करने के लिए “बाहर निकलें” पर क्लिक करें।
6. हाई स्कोर सूची को समय या क्लिक के अनुसार क्रम से लगाया जा सकता है।
   ऊपर दाएँ कोने में आपको स (समय) या क (क्लिक) दिखेगा।
   ख़ूब मज़े करें!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>संस्करण 1.0 2019</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>संपर्क: </translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>दान</translation>
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
        <translation>प्रिय खिलाड़ी,
         अगर आपको यह खेल पसंद आया हो,
         तो आप
         %1
         की मदद कर सकते हैं, ताकि और भी मुफ़्त खेल
         कंप्यूटर और मोबाइल के लिए बन सकें।
         कृपया अपना योगदान इस खाते में भेजें:
         %2
         ख़ूब मज़े करें!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>प्रोसेसरों की संख्या: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>ख़ाली मेमोरी:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>पहले नीचे अपना नाम लिखें, फिर “ठीक है” पर क्लिक करें!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>कृपया नीचे अपना नाम लिखें, फिर “ठीक है” पर क्लिक करें!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>अब कार्डों पर क्लिक करें और जोड़ियाँ ढूँढें!</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>hi</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>शुरू: %1</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>another game is using it, please try again</source>
        <translation>कोई दूसरा खेल इसका इस्तेमाल कर रहा है, कृपया फिर से कोशिश करें</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>इसकी लॉक फ़ाइल %1 खोलने की अनुमति नहीं है</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>खेल जब इसकी लॉक फ़ाइल %1 इस्तेमाल कर रहा था, तभी वह हटा दी गई या बदल दी गई, इसलिए हो सकता है कि कोई दूसरा खेल इसमें लिख रहा हो</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>इसकी लॉक फ़ाइल %1 इस्तेमाल नहीं की जा सकती: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>लॉक फ़ाइल %1 नहीं बनाई जा सकती (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>इसकी जगह एक फ़ोल्डर है</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>इसकी जगह एक नामित पाइप (FIFO) है</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>इसकी जगह एक सॉकेट है</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>इसकी जगह एक डिवाइस फ़ाइल है</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>इसकी जगह फ़ाइल के अलावा कुछ और है</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>यह %1 का लिंक है, और खेल किसी लिंक के पीछे नहीं जाता</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>फ़ाइल %1 पढ़ी नहीं जा सकी: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>फ़ाइल %1 लिखी नहीं जा सकी: %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>फ़ाइल %1 लॉक नहीं की जा सकी: %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>फ़ाइल %1 इस्तेमाल नहीं की जा सकी: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>फ़ाइल %1 की कॉपी नहीं रखी जा सकी: %2</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>जिस फ़ोल्डर में खेल शुरू किया गया था, वह अब मौजूद नहीं है</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>जिस फ़ोल्डर में खेल शुरू किया गया था, वह खुल नहीं सकता (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>खेल का फ़ोल्डर पता नहीं है</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>फ़ाइल मौजूद नहीं है</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>लिखे जाने के तुरंत बाद इसकी जगह कुछ और आ गया</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>फ़ोल्डर का स्टिकी बिट (sticky bit) सिर्फ़ फ़ाइल के मालिक को इसे बदलने देता है, और आपको इसमें लिखने की अनुमति नहीं है</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>डिस्क भर गई है</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>यह फ़ाइल साइज़ की सीमा (%n बाइट) से बड़ी है</numerusform>
            <numerusform>यह फ़ाइल साइज़ की सीमा (%n बाइट) से बड़ी है</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>खेलों की गिनती वाली फ़ाइल %1 में “%2” लिखा है, जो कोई संख्या नहीं है; गिनती फिर से 1 से शुरू होगी।</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>खेल संख्या: %1</translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>ख़त्म: %1 | कुल समय: %2 | क्लिक: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>समय</translation>
    </message>
    <message>
        <source>date</source>
        <translation>तारीख़</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>क्लिक</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>इसमें उससे ज़्यादा है जितना खेल पढ़ सकता है (%n से ज़्यादा पंक्ति या %1 MB से ज़्यादा), इसलिए इसे जैसा है वैसा ही छोड़ दिया गया है</numerusform>
            <numerusform>इसमें उससे ज़्यादा है जितना खेल पढ़ सकता है (%n से ज़्यादा पंक्तियाँ या %1 MB से ज़्यादा), इसलिए इसे जैसा है वैसा ही छोड़ दिया गया है</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>इसमें %n बाइट से ज़्यादा है, जो किसी हाई स्कोर सूची के लिए बहुत ज़्यादा है; नई हाई स्कोर सूची शुरू करने के लिए इसे कहीं और ले जाएँ</numerusform>
            <numerusform>इसमें %n बाइट से ज़्यादा है, जो किसी हाई स्कोर सूची के लिए बहुत ज़्यादा है; नई हाई स्कोर सूची शुरू करने के लिए इसे कहीं और ले जाएँ</numerusform>
        </translation>
    </message>
</context>
</TS>
