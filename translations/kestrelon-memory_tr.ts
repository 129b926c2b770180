<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Bilinmeyen seçenek “%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Bilinmeyen seçenekler: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>“%1” seçeneğinin değeri eksik.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>“%1” seçeneğinden sonra beklenmeyen değer.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Kullanım: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[seçenekler]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Seçenekler:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Geri al</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Yinele</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Ke&amp;s</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopyala</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Ya&amp;pıştır</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tümünü Seç</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Pairs found</source>
        <translation>Bulunan çiftler</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>Tasarımcının resmi</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>On altı çift bulundu</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>Bütün çiftler bulundu</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Oyun bitti</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>Başlama saati ve sıralı rekor listesi</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>Boş bellek</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Sürüm</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>İşlemciler</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>Sıralama (S süre, T tıklama)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Oyun numarası</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Sonuç</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Yönerge</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>adın</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Oyuncunun adı</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Rekor listesi</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>&amp;Başla</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>&amp;Çıkış</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Nasıl oynanır</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Sürüm</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>&amp;Tasarımcı</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>&amp;Yeni rekor listesi</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>&amp;Sesi aç</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>Sesi &amp;kapat</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>Yayıncının &amp;web sitesi</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>Yayıncıya &amp;e-posta gönder</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>&amp;Rekor listesini göster</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>Rekor listesini &amp;gizle</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>Boş be&amp;llek ve işlemciler</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>&amp;Süreye göre sırala</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>&amp;Tıklamaya göre sırala</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>&amp;Bağış</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Rekor listesi</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>Oyun kendi klasörünü kullanamıyor: %1. Bu yüzden yerleşik resimlerini gösteriyor ve hiçbir şey kaydetmiyor; bu seferki sonuçlar saklanmayacak.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>Resimler şu klasöre yazılamadı: %1. Bu yüzden oyun yerleşik resimlerini gösteriyor.
%2</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>kapalı</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. Sonuç kaydedilmedi.</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>Bu klasördeki başka bir oyunun %1 dosyasıyla işini bitirmesi bekleniyor…</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>Oyun kendi klasörüne yazamıyor: %1 (%2). Bu yüzden orada nog.txt dosyasındaki oyun sayacını artırmıyor ve highscore.txt dosyasına sonuç kaydetmiyor; rekor listesini olduğu gibi gösteriyor.</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>Kart, satır %1, sütun %2: kapalı</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>Kart, satır %1, sütun %2, açık: %3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>açık: %1</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>Kart, satır %1, sütun %2, bulundu: %3</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>bulundu: %1</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>%1 resmi programda yok.</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>%1 sesi programda yok.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 yazılamadı: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>geçerli bir BMP resmi değil</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>dosya yok</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>%1 resmi yüklenemedi: %2.</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>kırmızı daire</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>mavi kare</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>yeşil üçgen</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>sarı yıldız</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>pembe kalp</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>turkuaz baklava dilimi</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>lacivert hilal</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>turuncu güneş</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>mor artı</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>siyah ok</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>zeytin yeşili altıgen</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>gök mavisi damla</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>fıstık yeşili yaprak</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>bordo çan</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>gri çapa</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>kahverengi anahtar</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>fuşya şimşek</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>leylak rengi çiçek</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>%1 resmi programın içinde bozuk.</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>%1 sesi bozuk.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>Kartlarla oynanan bir hafıza oyunu: otuz altı kartın arasında
on sekiz çifti bul. Oyun resimlerini, rekor listesini ve oyun sayacını
başlatıldığı klasörde saklar.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>Bu seçenekleri gösterip kapanır.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>Oyunun adını ve sürümünü gösterip kapanır.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>Oyunun dilini CODE koduyla seçer; kod şunlardan biri olabilir: %1. Bu seçenek verilmezse oyun sistemin dilini, o dil yoksa İngilizceyi kullanır.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Seçenekleri görmek için “%1 --help” komutunu dene.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>beklenmeyen bağımsız değişken: “%1”; oyun yalnızca kendi seçeneklerini kabul eder.</translation>
    </message>
</context>
<context>
    <name>game</name>
    <message>
        <source>C</source>
        <comment>ranking mark: by clicks</comment>
        <translation>T</translation>
    </message>
    <message>
        <source>T</source>
        <comment>ranking mark: by time</comment>
        <translation>S</translation>
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
        <translation>Şöyle oynanır:
1. Önce en alttaki satıra adını yaz,
   sonra Tamam düğmesine tıkla!
2. Kartlara tıkla ve çiftleri bulmaya çalış.
3. Dilediğin gibi “Sesi aç” ya da “Sesi kapat” seçeneğine tıkla.
4. Bütün çiftleri bulduğunda
   rekor listesi görünür.
5. Yeniden oynamak için “Başla” menüsüne,
   bırakmak için “Çıkış” menüsüne tıkla.
6. Rekor listesi süreye ya da tıklamaya göre sıralanabilir.
   Sağ üst köşede S (süre) ya da T (tıklama) görürsün.
   İyi eğlenceler!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>Sürüm 1.0 2019</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>İletişim: </translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>B a ğ ı ş</translation>
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
        <translation>Sevgili oyuncu,
         bu oyunu sevdiysen
         daha çok ücretsiz bilgisayar ve
         cep telefonu oyunu yapılabilsin diye
         %1
         firmasına destek olabilirsin.
         Bağışını şu hesaba gönderebilirsin:
         %2.
         Keyifli oyunlar!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>işlemci sayısı: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>boş bellek:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>Önce aşağıya adını yaz, sonra Tamam düğmesine tıkla!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>Lütfen aşağıya adını yaz, sonra Tamam düğmesine tıkla!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>Şimdi kartlara tıkla ve çiftleri bul!</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>tr</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>başlangıç: %1</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>another game is using it, please try again</source>
        <translation>başka bir oyun şu anda bu dosyayı kullanıyor, lütfen yeniden dene</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>kilit dosyası %1 açılamıyor: izin yok</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>kilit dosyası %1 kullanılamıyor: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>kilit dosyası %1 oluşturulamıyor (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>yerinde bir klasör var</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>yerinde bir adlandırılmış kanal (FIFO) var</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>yerinde bir soket var</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>yerinde bir aygıt var</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>yerinde dosya olmayan bir şey var</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>bu bir bağlantı (hedefi: %1); oyun bağlantıları izlemez</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>%1 okunamadı: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 yazılamadı: %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>%1 kilitlenemedi: %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>%1 kullanılamadı: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>%1 dosyasının kopyası saklanamadı: %2</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>oyunun başlatıldığı klasör artık yok</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>oyunun başlatıldığı klasör açılamıyor (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>oyunun klasörü bilinmiyor</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>dosya yok</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>disk dolu</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>kilit dosyası %1, oyun onu kullanırken silindi ya da değiştirildi; başka bir oyun şu anda aynı dosyaya yazıyor olabilir</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>yazıldıktan hemen sonra yerine başka bir şey geçti</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>klasörün sticky biti dosyayı yalnızca sahibinin değiştirmesine izin veriyor ve senin ona yazma iznin yok</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>dosya boyutu sınırını aşıyor (sınır: %n bayt)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>Oyun sayacında (%1) “%2” yazıyor; bu bir sayı değil, sayım yeniden 1’den başlıyor.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>oyun no: %1</translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>bitiş: %1 | toplam süre: %2 | tıklama: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>ad</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>süre</translation>
    </message>
    <message>
        <source>date</source>
        <translation>tarih</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>tıklama</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>oyunun okuyabileceğinden fazlasını içeriyor (oyun en çok %n satır ya da %1 MB okuyabilir), bu yüzden olduğu gibi bırakılıyor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>içinde %n bayttan fazlası var, bu bir rekor listesi için çok fazla; yeni bir rekor listesi başlatmak için onu başka bir yere taşı</numerusform>
        </translation>
    </message>
</context>
</TS>
