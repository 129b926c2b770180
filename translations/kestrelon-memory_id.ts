<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opsi “%1” tidak dikenal.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opsi tidak dikenal: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Tidak ada nilai setelah “%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Ada nilai yang tidak diharapkan setelah “%1”.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Penggunaan: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opsi]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opsi:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Urungkan</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>U&amp;langi</translation>
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
        <translation>&amp;Tempel</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
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
        <translation>Pasangan yang ditemukan</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>Gambar desainer</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>Enam belas pasangan ditemukan</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>Semua pasangan ditemukan</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Permainan selesai</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>Waktu mulai dan daftar skor tertinggi yang diurutkan</translation>
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
        <translation>Prosesor</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>Urutan (W: waktu, K: klik)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Nomor permainan</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Hasil</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Petunjuk</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>Namamu</translation>
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
        <translation>Daftar skor tertinggi</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>&amp;Mulai</translation>
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
        <translation>&amp;Desainer</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>&amp;Daftar skor tertinggi baru</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>&amp;Nyalakan suara</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>Ma&amp;tikan suara</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>&amp;Situs web penerbit</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>Kirim &amp;email ke penerbit</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>&amp;Tampilkan skor tertinggi</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>&amp;Sembunyikan skor tertinggi</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>&amp;Memori tersedia dan prosesor</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>Urutkan menurut &amp;waktu</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>Urutkan menurut &amp;klik</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>D&amp;onasi</translation>
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
        <translation>Menunggu permainan lain di folder ini selesai memakai %1…</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>Permainan tidak dapat menulis ke foldernya, %1 (%2), jadi penghitung permainan di nog.txt tidak bertambah dan hasil tidak disimpan di highscore.txt; daftar skor tertinggi ditampilkan apa adanya.</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>Permainan tidak dapat memakai foldernya: %1. Permainan menampilkan gambar bawaannya dan tidak menyimpan apa pun, jadi kali ini tidak ada hasil yang disimpan.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>Gambar tidak dapat ditulis ke %1, jadi permainan menampilkan gambar bawaannya.
%2</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>Kartu baris %1 kolom %2: tertutup</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>tertutup</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>Kartu baris %1 kolom %2: %3, terbuka</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>%1, terbuka</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>Kartu baris %1 kolom %2: %3, ditemukan</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>%1, ditemukan</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. Hasilnya tidak disimpan.</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>Gambar %1 tidak ada di dalam program.</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>Suara %1 tidak ada di dalam program.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Tidak dapat menulis %1: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>berkas ini bukan gambar BMP yang dapat dibaca</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>berkas tidak ada</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>Tidak dapat memuat gambar %1: %2.</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>lingkaran merah</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>persegi biru</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>segitiga hijau</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>bintang kuning</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>hati merah muda</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>belah ketupat hijau toska</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>bulan biru tua</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>matahari oranye</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>palang ungu</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>panah hitam</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>segi enam hijau zaitun</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>tetesan biru langit</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>daun hijau muda</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>lonceng merah marun</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>jangkar abu-abu</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>kunci cokelat</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>petir magenta</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>bunga ungu muda</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>Gambar %1 di dalam program rusak.</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>Suara %1 rusak.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>Permainan memori dengan kartu: temukan delapan belas pasangan
di antara tiga puluh enam kartu. Permainan menyimpan gambar,
daftar skor tertinggi, dan penghitung permainannya
di folder tempat permainan dijalankan.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>Tampilkan opsi ini, lalu keluar.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>Tampilkan nama dan versi, lalu keluar.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>Pakai bahasa CODE, salah satu dari: %1. Tanpa opsi ini, permainan memakai bahasa desktop, atau bahasa Inggris jika bahasa itu tidak tersedia.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Coba “%1 --help” untuk melihat opsinya.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>argumen “%1” tidak diharapkan; permainan hanya menerima opsinya sendiri.</translation>
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
        <translation>W</translation>
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
        <translation>Begini cara bermain:
1. Pertama, ketik namamu di baris paling bawah,
   lalu klik OK!
2. Klik kartu-kartunya dan cari pasangannya.
3. Pilih “Nyalakan suara” atau “Matikan suara”, sesukamu.
4. Setelah kamu menemukan semua pasangan,
   daftar skor tertinggi akan ditampilkan.
5. Untuk bermain lagi, klik “Mulai”;
   untuk berhenti, klik “Keluar”.
6. Daftar skor tertinggi bisa diurutkan menurut waktu atau klik.
   Di dekat pojok kanan atas ada tanda W (waktu) atau K (klik).
   Selamat bermain!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>Versi 1.0 2019</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>Kontak:</translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>D o n a s i</translation>
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
        <translation>Pemain yang baik,
         Kalau kamu suka permainan ini,
         kamu bisa mendukung
         %1
         supaya makin banyak permainan komputer
         dan ponsel gratis yang bisa dibuat.
         Silakan kirim donasimu ke rekening
         %2.
         Selamat bersenang-senang!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>Jumlah prosesor: %1</translation>
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
        <translation>Ketik dulu namamu di bawah, lalu klik OK!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>Silakan ketik namamu di bawah, lalu klik OK!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>Sekarang klik kartu-kartunya dan cari pasangannya!</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>id</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>mulai: %1</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>another game is using it, please try again</source>
        <translation>permainan lain sedang memakainya; silakan coba lagi</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>tidak ada izin untuk membuka berkas kunci %1</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>berkas kunci %1 dihapus atau diganti saat permainan sedang memakainya, jadi mungkin ada permainan lain yang sedang menulis berkas ini</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>berkas kunci %1 tidak dapat dipakai: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>berkas kunci %1 tidak dapat dibuat (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>di tempatnya ada folder</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>di tempatnya ada FIFO (pipa bernama)</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>di tempatnya ada soket</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>di tempatnya ada berkas perangkat</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>di tempatnya ada sesuatu yang bukan berkas</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>berkas ini adalah tautan ke %1, dan permainan tidak mengikuti tautan</translation>
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
        <translation>Tidak dapat memakai %1: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>Tidak dapat menyimpan salinan %1: %2</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>folder tempat permainan dijalankan sudah tidak ada</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>folder tempat permainan dijalankan tidak dapat dibuka (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>folder permainan tidak diketahui</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>berkas tidak ada</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>begitu selesai ditulis, tempatnya langsung diisi oleh sesuatu yang lain</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>sticky bit pada folder hanya mengizinkan pemilik berkas untuk menggantinya, dan kamu tidak punya izin untuk menulis berkas ini</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>disk sudah penuh</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>ukurannya melebihi batas ukuran berkas, yaitu %n byte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>Penghitung permainan %1 berisi “%2”, yang bukan angka; hitungan dimulai lagi dari 1.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>Permainan ke-%1</translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>selesai: %1 | waktu total: %2 | klik: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nama</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>waktu</translation>
    </message>
    <message>
        <source>date</source>
        <translation>tanggal</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>klik</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>isinya lebih banyak daripada yang dapat dibaca permainan (lebih dari %n baris atau lebih dari %1 MB), jadi berkas ini dibiarkan apa adanya</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>isinya lebih dari %n byte, jauh lebih besar daripada daftar skor tertinggi; pindahkan berkas ini ke tempat lain untuk memulai daftar skor tertinggi yang baru</numerusform>
        </translation>
    </message>
</context>
</TS>
