<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>ไม่รู้จักตัวเลือก “%1”</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>ไม่รู้จักตัวเลือก: %1</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>ต้องระบุค่าหลัง “%1”</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>ไม่ต้องระบุค่าหลัง “%1”</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>วิธีใช้: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[ตัวเลือก]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>ตัวเลือก:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>เลิกทำ (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>ทำซ้ำ (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>ตัด (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>คัดลอก (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>วาง (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>เลือกทั้งหมด</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Pairs found</source>
        <translation>คู่ที่พบแล้ว</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>รูปผู้ออกแบบ</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>พบสิบหกคู่แล้ว</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>พบครบทุกคู่แล้ว</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>จบเกม</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>เวลาเริ่มเกมและตารางคะแนนสูงสุด</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>หน่วยความจำว่าง</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>เวอร์ชัน</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>โปรเซสเซอร์</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>เรียงตาม (ว คือเวลา ค คือจำนวนคลิก)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>หมายเลขเกม</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>ผลการเล่น</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>ข้อความแนะนำ</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>ชื่อของคุณ</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>ชื่อผู้เล่น</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>ตารางคะแนนสูงสุด</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>เริ่มเกม (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>ออก (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>วิธีเล่น (&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>เวอร์ชัน (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>ผู้ออกแบบ (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>สร้างตารางคะแนนสูงสุดใหม่ (&amp;N)</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>เปิดเสียง (&amp;N)</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>ปิดเสียง (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>เว็บไซต์ผู้เผยแพร่ (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>ส่งอีเมลถึงผู้เผยแพร่ (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>แสดงตารางคะแนนสูงสุด (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>ซ่อนตารางคะแนนสูงสุด (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>หน่วยความจำว่างและโปรเซสเซอร์ (&amp;F)</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>เรียงตามเวลา (&amp;T)</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>เรียงตามจำนวนคลิก (&amp;C)</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>บริจาค (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>ตารางคะแนนสูงสุด (&amp;H)</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>ช่วยเหลือ (&amp;L)</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>กำลังรอให้เกมอื่นในโฟลเดอร์นี้ใช้ %1 เสร็จ…</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>เขียนลงในโฟลเดอร์ของเกม %1 ไม่ได้ (%2) เกมจึงไม่นับจำนวนเกมใน nog.txt และไม่เก็บผลการเล่นไว้ใน highscore.txt ในโฟลเดอร์นั้น แต่จะแสดงตารางคะแนนสูงสุดตามที่มีอยู่</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>ใช้โฟลเดอร์ของเกมไม่ได้: %1 เกมจะแสดงรูปที่มีมาในตัว และจะไม่บันทึกอะไรเลย รวมถึงผลการเล่นครั้งนี้ด้วย</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>เขียนรูปลงใน %1 ไม่ได้ เกมจึงแสดงรูปที่มีมาในตัวแทน
%2</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>การ์ดแถว %1 คอลัมน์ %2: คว่ำอยู่</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>คว่ำอยู่</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>การ์ดแถว %1 คอลัมน์ %2 หงายอยู่: %3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>หงายอยู่: %1</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>การ์ดแถว %1 คอลัมน์ %2 พบคู่แล้ว: %3</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>พบคู่แล้ว: %1</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1 ผลการเล่นครั้งนี้จึงไม่ได้บันทึกไว้</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>ไม่มีรูป %1 ในโปรแกรม</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>ไม่มีเสียง %1 ในโปรแกรม</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>เขียน %1 ไม่ได้: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>ไฟล์นี้ไม่ใช่รูป BMP ที่อ่านได้</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>ไม่มีไฟล์นี้อยู่</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>โหลดรูป %1 ไม่ได้: %2</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>วงกลมสีแดง</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>สี่เหลี่ยมจัตุรัสสีน้ำเงิน</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>สามเหลี่ยมสีเขียว</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>ดาวสีเหลือง</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>หัวใจสีชมพู</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>ข้าวหลามตัดสีเขียวอมฟ้า</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>พระจันทร์สีกรมท่า</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>ดวงอาทิตย์สีส้ม</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>เครื่องหมายบวกสีม่วง</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>ลูกศรสีดำ</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>หกเหลี่ยมสีเขียวมะกอก</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>หยดน้ำสีฟ้า</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>ใบไม้สีเขียวอ่อน</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>กระดิ่งสีแดงเลือดหมู</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>สมอเรือสีเทา</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>กุญแจสีน้ำตาล</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>สายฟ้าสีบานเย็น</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>ดอกไม้สีม่วงอ่อน</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>รูป %1 ในโปรแกรมเสียหาย</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>เสียง %1 เสียหาย</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>เกมจับคู่การ์ดฝึกความจำ: หาคู่ให้ครบสิบแปดคู่จากการ์ดสามสิบหกใบ
เกมจะเก็บรูป ตารางคะแนนสูงสุด และตัวนับจำนวนเกม
ไว้ในโฟลเดอร์ที่ใช้เปิดเกม</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>แสดงตัวเลือกเหล่านี้แล้วออก</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>แสดงชื่อและเวอร์ชันแล้วออก</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>ใช้ภาษาที่มีรหัส CODE ซึ่งต้องเป็นหนึ่งใน: %1 ถ้าไม่ใช้ตัวเลือกนี้ เกมจะใช้ภาษาของเดสก์ท็อป หรือภาษาอังกฤษถ้าไม่มีภาษานั้น</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
ใช้ “%1 --help” เพื่อดูตัวเลือก
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>ไม่รับอาร์กิวเมนต์ “%1” เกมรับได้เฉพาะตัวเลือกของเกมเท่านั้น</translation>
    </message>
</context>
<context>
    <name>game</name>
    <message>
        <source>C</source>
        <comment>ranking mark: by clicks</comment>
        <translation>ค</translation>
    </message>
    <message>
        <source>T</source>
        <comment>ranking mark: by time</comment>
        <translation>ว</translation>
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
        <translation>วิธีเล่น:
1. พิมพ์ชื่อของคุณในบรรทัดล่างสุดก่อน
   แล้วคลิก “ตกลง”
2. คลิกการ์ดแล้วลองหาคู่ให้พบ
3. เลือก “เปิดเสียง” หรือ “ปิดเสียง” ได้ตามใจชอบ
4. เมื่อพบครบทุกคู่แล้ว
   ตารางคะแนนสูงสุดจะแสดงขึ้นมา
5. ถ้าอยากเล่นอีก ให้คลิก “เริ่มเกม”
   ถ้าจะเลิกเล่น ให้คลิก “ออก”
6. เรียงตารางคะแนนสูงสุดตามเวลาหรือตามจำนวนคลิกได้
   ใกล้มุมขวาบนจะเห็น ว (เวลา) หรือ ค (คลิก)
   ขอให้สนุกกับการเล่นนะ!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>เวอร์ชัน 1.0 2019</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>ติดต่อ: </translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>บริจาค</translation>
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
        <translation>ถึงผู้เล่นที่รัก
         ถ้าคุณชอบเกมนี้
         ก็ช่วยสนับสนุน
         %1
         เพื่อให้มีเกมฟรีสำหรับคอมพิวเตอร์
         และมือถือออกมาอีกมากมาย
         ร่วมบริจาคได้ที่บัญชี
         %2
         ขอให้สนุกกับการเล่นนะ!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>จำนวนโปรเซสเซอร์: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>หน่วยความจำว่าง:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>พิมพ์ชื่อของคุณด้านล่างก่อน แล้วคลิก “ตกลง”</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>กรุณาพิมพ์ชื่อของคุณด้านล่าง แล้วคลิก “ตกลง”</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>คลิกการ์ดแล้วหาคู่ให้พบเลย!</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>th</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>เวลาเริ่มเกม: %1</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>another game is using it, please try again</source>
        <translation>เกมอื่นกำลังใช้ไฟล์นี้อยู่ โปรดลองอีกครั้ง</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>ไม่มีสิทธิ์เปิดไฟล์ล็อก %1 ของไฟล์นี้</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>ไฟล์ล็อก %1 ถูกลบหรือถูกแทนที่ระหว่างที่เกมใช้อยู่ เกมอื่นจึงอาจกำลังเขียนไฟล์นี้อยู่</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>ใช้ไฟล์ล็อก %1 ไม่ได้: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>สร้างไฟล์ล็อก %1 ไม่ได้ (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>มีโฟลเดอร์อยู่แทนที่</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>มีไปป์แบบมีชื่อ (FIFO) อยู่แทนที่</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>มีซ็อกเก็ตอยู่แทนที่</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>มีไฟล์อุปกรณ์อยู่แทนที่</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>มีสิ่งอื่นที่ไม่ใช่ไฟล์อยู่แทนที่</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>ไฟล์นี้เป็นลิงก์ไปยัง %1 และเกมไม่ตามลิงก์ใด ๆ</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>อ่าน %1 ไม่ได้: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>เขียน %1 ไม่ได้: %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>ล็อก %1 ไม่ได้: %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>ใช้ %1 ไม่ได้: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>เก็บสำเนาของ %1 ไว้ไม่ได้: %2</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>โฟลเดอร์ที่ใช้เปิดเกมไม่มีอยู่แล้ว</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>เปิดโฟลเดอร์ที่ใช้เปิดเกมไม่ได้ (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>ไม่รู้ว่าโฟลเดอร์ของเกมอยู่ที่ไหน</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>ไม่มีไฟล์นี้อยู่</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>ทันทีที่เขียนเสร็จ ก็มีสิ่งอื่นเข้ามาแทนที่</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>sticky bit ของโฟลเดอร์อนุญาตให้เฉพาะเจ้าของไฟล์แทนที่ไฟล์ได้ และคุณไม่มีสิทธิ์เขียนไฟล์นี้</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>ดิสก์เต็ม</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>ไฟล์ใหญ่เกินขนาดสูงสุดที่กำหนดไว้ %n ไบต์</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>ตัวนับจำนวนเกม %1 มีค่า “%2” ซึ่งไม่ใช่ตัวเลข จึงเริ่มนับใหม่ที่ 1</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>เกมที่ %1</translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>เวลาจบเกม: %1 | เวลารวม: %2 | คลิก: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>ชื่อ</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>เวลา</translation>
    </message>
    <message>
        <source>date</source>
        <translation>วันที่</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>คลิก</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>ไฟล์มีข้อมูลมากกว่าที่เกมอ่านได้ (เกิน %n บรรทัดหรือเกิน %1 MB) จึงปล่อยไว้อย่างเดิม</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>ไฟล์มีขนาดเกิน %n ไบต์ ใหญ่กว่าตารางคะแนนสูงสุดไปมาก ย้ายไฟล์ไปไว้ที่อื่นเพื่อสร้างตารางคะแนนสูงสุดใหม่</numerusform>
        </translation>
    </message>
</context>
</TS>
