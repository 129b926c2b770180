<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Pilihan “%1” tidak dikenali.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Pilihan tidak dikenali: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Tiada nilai selepas “%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Nilai yang tidak dijangka selepas “%1”.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Penggunaan: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[pilihan]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Pilihan:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Buat asal</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Buat se&amp;mula</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Potong</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Salin</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Tampal</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Padam</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Pilih Semua</translation>
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
        <translation>Pasangan yang ditemui</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>Gambar pereka</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>Enam belas pasangan ditemui</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>Semua pasangan ditemui</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Permainan tamat</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>Masa mula dan senarai skor tertinggi yang disusun</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>Memori tersedia</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versi</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>Pemproses</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>Susunan (M: masa, K: klik)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Nombor permainan</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Keputusan</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Arahan</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>Nama anda</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Nama pemain</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Senarai skor tertinggi</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>&amp;Mula</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Cara bermain</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Versi</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>&amp;Pereka</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>Senarai skor tertinggi &amp;baharu</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>&amp;Hidupkan bunyi</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>Ma&amp;tikan bunyi</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>&amp;Laman web penerbit</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>Hantar &amp;e-mel kepada penerbit</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>&amp;Paparkan skor tertinggi</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>&amp;Sembunyikan skor tertinggi</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>&amp;Memori tersedia dan pemproses</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>Susun mengikut &amp;masa</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>Susun mengikut &amp;klik</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>&amp;Sumbangan</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Skor tertinggi</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>&amp;Bantuan</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>Menunggu permainan lain dalam folder ini selesai menggunakan %1…</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>Permainan tidak dapat menulis ke dalam foldernya, %1 (%2), jadi pembilang permainan dalam nog.txt tidak bertambah dan keputusan tidak disimpan dalam highscore.txt; senarai skor tertinggi dipaparkan seperti sedia ada.</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>Permainan tidak dapat menggunakan foldernya: %1. Permainan memaparkan gambar yang tersedia dalam program dan tidak menulis apa-apa, jadi tiada keputusan yang disimpan kali ini.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>Gambar tidak dapat ditulis ke dalam %1, jadi permainan memaparkan gambar yang tersedia dalam program.
%2</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>Kad baris %1 lajur %2: tertutup</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>tertutup</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>Kad baris %1 lajur %2: %3, terbuka</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>%1, terbuka</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>Kad baris %1 lajur %2: %3, ditemui</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>%1, ditemui</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. Keputusan tidak disimpan.</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>Gambar %1 tiada dalam program.</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>Bunyi %1 tiada dalam program.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Tidak dapat menulis %1: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>fail ini bukan gambar BMP yang boleh dibaca</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>fail tidak wujud</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>Tidak dapat memuatkan gambar %1: %2.</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>bulatan merah</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>segi empat sama biru</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>segi tiga hijau</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>bintang kuning</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>hati merah jambu</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>wajik hijau kebiruan</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>bulan biru tua</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>matahari jingga</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>tanda tambah ungu</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>anak panah hitam</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>heksagon hijau zaitun</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>titisan biru langit</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>daun hijau muda</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>loceng merah marun</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>sauh kelabu</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>kunci coklat</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>kilat magenta</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>bunga ungu muda</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>Gambar %1 dalam program telah rosak.</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>Bunyi %1 telah rosak.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>Permainan memori dengan kad: cari lapan belas pasangan
antara tiga puluh enam kad. Permainan menyimpan gambar,
senarai skor tertinggi dan pembilang permainannya
dalam folder tempat permainan dimulakan.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>Paparkan pilihan ini, kemudian keluar.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>Paparkan nama dan versi, kemudian keluar.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>Gunakan bahasa CODE, iaitu salah satu daripada: %1. Tanpa pilihan ini, permainan menggunakan bahasa desktop, atau bahasa Inggeris jika bahasa itu tiada.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Cuba “%1 --help” untuk melihat pilihannya.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>argumen “%1” tidak dijangka; permainan hanya menerima pilihannya sendiri.</translation>
    </message>
</context>
<context>
    <name>game</name>
    <message>
        <source>C</source>
        <comment>ranking mark: by clicks</comment>
        <translation>K</translation>
    </message>
    <message>
        <source>T</source>
        <comment>ranking mark: by time</comment>
        <translation>M</translation>
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
        <translation>Beginilah cara bermain:
1. Mula-mula, taip nama anda di baris paling bawah,
   kemudian klik OK!
2. Klik kad dan cari pasangannya.
3. Pilih “Hidupkan bunyi” atau “Matikan bunyi”, ikut suka anda.
4. Apabila anda sudah menemui semua pasangan,
   senarai skor tertinggi akan dipaparkan.
5. Untuk bermain lagi, klik “Mula”;
   untuk berhenti, klik “Keluar”.
6. Senarai skor tertinggi boleh disusun mengikut masa atau klik.
   Di penjuru kanan atas, anda dapat melihat M (masa) atau K (klik).
   Selamat bermain!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>Versi 1.0 2019</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>Hubungi:</translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>S u m b a n g a n</translation>
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
        <translation>Pemain yang dihargai,
         Jika anda suka permainan ini,
         anda boleh menyokong
         %1
         supaya lebih banyak permainan komputer
         dan mudah alih percuma dapat dihasilkan.
         Sila hantar sumbangan anda ke akaun
         %2.
         Selamat berseronok!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>Bilangan pemproses: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>Memori tersedia:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>Mula-mula, taip nama anda di bawah, kemudian klik OK!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>Sila taip nama anda di bawah, kemudian klik OK!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>Sekarang klik kad dan cari pasangannya!</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>ms</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>mula: %1</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>another game is using it, please try again</source>
        <translation>permainan lain sedang menggunakannya; sila cuba sekali lagi</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>tiada kebenaran untuk membuka fail kunci %1</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>fail kunci %1 telah dipadamkan atau diganti semasa permainan sedang menggunakannya, jadi mungkin ada permainan lain yang sedang menulis fail ini</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>fail kunci %1 tidak dapat digunakan: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>fail kunci %1 tidak dapat dicipta (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>ada folder di tempatnya</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>ada FIFO (paip bernama) di tempatnya</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>ada soket di tempatnya</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>ada fail peranti di tempatnya</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>ada sesuatu yang bukan fail di tempatnya</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>fail ini ialah pautan ke %1, dan permainan tidak mengikut pautan</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Tidak dapat membaca %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Tidak dapat menulis %1: %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>Tidak dapat mengunci %1: %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>Tidak dapat menggunakan %1: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>Tidak dapat menyimpan salinan %1: %2</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>folder tempat permainan dimulakan sudah tidak wujud</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>folder tempat permainan dimulakan tidak dapat dibuka (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>folder permainan tidak diketahui</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>fail tidak wujud</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>sebaik sahaja fail ini ditulis, tempatnya terus diambil oleh sesuatu yang lain</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>sticky bit pada folder hanya membenarkan pemilik fail menggantikannya, dan anda tiada kebenaran untuk menulis fail ini</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>cakera sudah penuh</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>saiznya melebihi had saiz fail, iaitu %n bait</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>Pembilang permainan %1 mengandungi “%2”, yang bukan nombor; kiraan bermula semula dari 1.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>Permainan ke-%1</translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>tamat: %1 | jumlah masa: %2 | klik: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nama</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>masa</translation>
    </message>
    <message>
        <source>date</source>
        <translation>tarikh</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>klik</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>kandungannya lebih daripada yang boleh dibaca oleh permainan (lebih daripada %n baris atau lebih daripada %1 MB), jadi fail ini dibiarkan seperti sedia ada</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>kandungannya lebih daripada %n bait, jauh lebih besar daripada senarai skor tertinggi; alihkan fail ini ke tempat lain untuk memulakan senarai skor tertinggi yang baharu</numerusform>
        </translation>
    </message>
</context>
</TS>
