<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Tùy chọn “%1” không xác định.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Các tùy chọn không xác định: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Thiếu giá trị sau “%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Giá trị không mong đợi sau “%1”.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Cách dùng: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[tùy chọn]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Tùy chọn:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Hoàn tác</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Làm lại</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Cắt</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Sao chép</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Dán</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Xoá</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Chọn tất cả</translation>
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
        <translation>Số cặp đã tìm được</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>Hình của nhà thiết kế</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>Đã tìm được mười sáu cặp</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>Đã tìm được tất cả các cặp</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Ván chơi đã kết thúc</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>Giờ bắt đầu và bảng điểm cao đã sắp xếp</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>Bộ nhớ trống</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Phiên bản</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>Bộ xử lý</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>Xếp hạng theo (T: thời gian, N: số lần nhấp)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Số thứ tự ván chơi</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Kết quả</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Lời nhắc</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>Tên của bạn</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Tên người chơi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Bảng điểm cao</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>&amp;Bắt đầu</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>&amp;Kết thúc</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Hướng dẫn</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Phiên bản</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>Nhà thiết &amp;kế</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>Bảng điểm cao &amp;mới</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>Bật â&amp;m thanh</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>&amp;Tắt âm thanh</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>&amp;Trang web của nhà phát hành</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>Gửi &amp;email cho nhà phát hành</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>&amp;Hiện bảng điểm cao</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>Ẩn &amp;bảng điểm cao</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>&amp;Bộ nhớ trống và bộ xử lý</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>Sắp xếp theo &amp;thời gian</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>Sắp xếp theo số lần &amp;nhấp</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>Ủ&amp;ng hộ</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>Bảng điểm &amp;cao</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>Trợ &amp;giúp</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>Đang chờ một trò chơi khác trong thư mục này dùng xong %1…</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>Trò chơi không ghi được vào thư mục %1 của mình (%2), nên sẽ không đếm ván chơi nào vào nog.txt và không lưu kết quả nào vào highscore.txt ở đó; trò chơi vẫn hiện bảng điểm cao như cũ.</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>Trò chơi không dùng được thư mục của mình: %1. Trò chơi sẽ hiện các hình có sẵn và không ghi gì cả, nên lần này sẽ không có kết quả nào được lưu lại.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>Không ghi được các hình vào %1, nên trò chơi hiện các hình có sẵn.
%2</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>Thẻ ở hàng %1, cột %2: đang úp</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>đang úp</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>Thẻ ở hàng %1, cột %2: %3, đã lật</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>%1, đã lật</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>Thẻ ở hàng %1, cột %2: %3, đã tìm được cặp</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>%1, đã tìm được cặp</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. Không lưu được kết quả.</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>Chương trình bị thiếu hình %1.</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>Chương trình bị thiếu âm thanh %1.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Không ghi được %1: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>tệp không phải là hình BMP đọc được</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>tệp không tồn tại</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>Không tải được hình %1: %2.</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>hình tròn màu đỏ</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>hình vuông màu xanh dương</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>hình tam giác màu xanh lá</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>ngôi sao màu vàng</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>trái tim màu hồng</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>hình thoi màu xanh mòng két</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>mặt trăng màu xanh tím than</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>mặt trời màu cam</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>chữ thập màu tím</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>mũi tên màu đen</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>hình lục giác màu xanh ô liu</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>giọt nước màu xanh da trời</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>chiếc lá màu xanh nõn chuối</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>cái chuông màu đỏ sẫm</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>mỏ neo màu xám</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>chìa khóa màu nâu</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>tia chớp màu hồng cánh sen</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>bông hoa màu tím nhạt</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>Hình %1 trong chương trình bị hỏng.</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>Âm thanh %1 bị hỏng.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>Trò chơi lật thẻ trí nhớ: tìm mười tám cặp trong ba mươi sáu thẻ.
Trò chơi lưu các hình, bảng điểm cao và bộ đếm ván chơi
trong thư mục nơi trò chơi được khởi chạy.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>Hiện các tùy chọn này rồi thoát.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>Hiện tên và phiên bản rồi thoát.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>Dùng ngôn ngữ có mã CODE, một trong các mã: %1. Nếu không có tùy chọn này, trò chơi dùng ngôn ngữ của hệ thống, hoặc tiếng Anh.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Hãy thử “%1 --help” để xem các tùy chọn.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>đối số không mong đợi “%1”; trò chơi chỉ nhận các tùy chọn của mình.</translation>
    </message>
</context>
<context>
    <name>game</name>
    <message>
        <source>C</source>
        <comment>ranking mark: by clicks</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>T</source>
        <comment>ranking mark: by time</comment>
        <translation>T</translation>
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
        <translation>Hãy làm theo các bước sau:
1. Trước tiên, nhập tên của bạn ở dòng dưới cùng
   rồi nhấp OK!
2. Nhấp vào các thẻ và tìm các cặp giống nhau.
3. Chọn “Bật âm thanh” hoặc “Tắt âm thanh” tùy ý bạn.
4. Khi bạn đã tìm được tất cả các cặp,
   bảng điểm cao sẽ hiện ra.
5. Muốn chơi ván mới, hãy nhấp “Bắt đầu”,
   còn muốn dừng thì nhấp “Kết thúc”.
6. Bảng điểm cao có thể sắp xếp theo thời gian hoặc số lần nhấp.
   Gần góc trên bên phải, bạn sẽ thấy T (thời gian) hoặc N (số lần nhấp).
   Chúc bạn chơi thật vui!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>Phiên bản 1.0 2019</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>Liên hệ: </translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>Ủ n g   h ộ</translation>
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
        <translation>Bạn thân mến,
         nếu bạn thích trò chơi này,
         bạn có thể ủng hộ
         %1
         để có thêm nhiều trò chơi miễn phí
         cho máy tính và điện thoại.
         Bạn có thể đóng góp vào tài khoản
         %2.
         Chúc bạn chơi thật vui!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>Số bộ xử lý: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>Bộ nhớ trống:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>Trước tiên, hãy nhập tên của bạn ở bên dưới rồi nhấp OK!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>Bạn hãy nhập tên ở bên dưới rồi nhấp OK nhé!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>Bây giờ hãy nhấp vào các thẻ và tìm các cặp nhé!</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>vi</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>Bắt đầu: %1</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>another game is using it, please try again</source>
        <translation>một trò chơi khác đang dùng tệp này, bạn hãy thử lại</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>không có quyền mở tệp khóa %1</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>tệp khóa %1 đã bị xóa hoặc bị thay thế trong lúc trò chơi đang giữ nó, nên có thể một trò chơi khác đang ghi tệp này</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>không dùng được tệp khóa %1: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>không tạo được tệp khóa %1 (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>đã có một thư mục trùng tên</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>đã có một FIFO (đường ống có tên) trùng tên</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>đã có một socket trùng tên</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>đã có một tệp thiết bị trùng tên</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>đã có một thứ không phải là tệp trùng tên</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>tệp là một liên kết tới %1, và trò chơi không đi theo liên kết</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Không đọc được %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Không ghi được %1: %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>Không khóa được %1: %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>Không dùng được %1: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>Không giữ lại được bản sao của %1: %2</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>thư mục nơi trò chơi được khởi chạy không còn nữa</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>không mở được thư mục nơi trò chơi được khởi chạy (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>không rõ thư mục của trò chơi</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>tệp không tồn tại</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>ngay sau khi ghi xong, một thứ khác đã chiếm chỗ của tệp</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>sticky bit của thư mục chỉ cho phép chủ sở hữu tệp thay thế tệp, mà bạn lại không có quyền ghi tệp này</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>ổ đĩa đã đầy</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>tệp lớn hơn giới hạn kích thước tệp là %n byte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>Bộ đếm ván chơi %1 chứa “%2”, đây không phải là một số; trò chơi sẽ đếm lại từ 1.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>Ván số %1</translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>Kết thúc: %1 | Tổng thời gian: %2 | Số lần nhấp: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Tên</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>Thời gian chơi</translation>
    </message>
    <message>
        <source>date</source>
        <translation>Ngày</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>Nhấp</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>tệp chứa nhiều hơn mức trò chơi đọc được (hơn %n dòng hoặc hơn %1 MB), nên tệp được giữ nguyên</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>tệp chứa hơn %n byte, nhiều hơn hẳn một bảng điểm cao; hãy chuyển tệp sang chỗ khác để bắt đầu bảng điểm cao mới</numerusform>
        </translation>
    </message>
</context>
</TS>
