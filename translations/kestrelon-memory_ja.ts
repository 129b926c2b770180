<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>不明なオプション「%1」です。</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>不明なオプションがあります：%1。</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>「%1」のあとに値がありません。</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>「%1」のあとに余分な値があります。</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>使い方：%1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[オプション]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>オプション：</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直す(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべてを選択</translation>
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
        <translation>見つけたペア</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>デザイナーの似顔絵</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>ペアを16組見つけました</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>ペアを全部見つけました</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>ゲーム終了</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>スタート時刻とハイスコア</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>空きメモリ</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>プロセッサー</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>並び順（時＝タイム、回＝クリック数）</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>ゲーム番号</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>プレイヤーの名前</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>ハイスコア</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>スタート(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>おわり(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>遊び方(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>バージョン(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>デザイナー(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>ハイスコアをリセット(&amp;N)</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>音あり(&amp;N)</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>音なし(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>発行元のウェブサイト(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>発行元にメール(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>ハイスコアを見る(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>ハイスコアを閉じる(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>空きメモリとプロセッサー(&amp;F)</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>タイム順に並べる(&amp;T)</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>クリック数順に並べる(&amp;C)</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>寄付(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>ハイスコア(&amp;H)</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>ヘルプ(&amp;L)</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>ゲームのフォルダーを使えません：%1。内蔵の絵を表示して、何も保存しないので、今回の結果は残りません。</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>%1 に絵を書き込めなかったので、内蔵の絵を表示します。
%2</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>裏向き</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1。結果は保存されませんでした。</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>%1行%2列のカード：裏向き</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>%1行%2列のカード、表向き：%3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>表向き：%1</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>%1行%2列のカード、ペア成立：%3</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>ペア成立：%1</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>このフォルダーのほかのゲームが %1 を使い終わるのを待っています…</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>ゲームのフォルダー %1 に書き込めません（%2）。そのため nog.txt のゲーム回数を増やさず、highscore.txt にも結果を残しません。ハイスコアはそのまま表示します。</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>プログラムの中に絵 %1 がありません。</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>プログラムの中に音 %1 がありません。</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 を書き込めませんでした：%2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>BMP 形式の絵として読み込めません</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>ファイルがありません</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>絵 %1 を読み込めませんでした：%2。</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>赤い丸</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>青い四角</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>緑の三角</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>黄色い星</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>ピンクのハート</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>青緑のひし形</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>紺色の月</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>オレンジの太陽</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>紫の十字</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>黒い矢印</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>オリーブ色の六角形</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>空色のしずく</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>黄緑の葉っぱ</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>えんじ色のベル</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>灰色のいかり</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>茶色のかぎ</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>赤紫のいなずま</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>すみれ色の花</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>プログラムの中の絵 %1 がこわれています。</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>音 %1 がこわれています。</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>カードの神経衰弱ゲームです。36枚のカードから18組のペアを見つけます。
ゲームは絵とハイスコアとゲームカウンターを
起動したフォルダーに保存します。</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>このオプション一覧を表示して終了します。</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>名前とバージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>言語を CODE にします（%1 のどれか）。このオプションがないときはシステムの言語になり、その言語に対応していなければ英語になります。</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
オプションは「%1 --help」で確認できます。
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>余分な引数「%1」があります。このゲームが受け付けるのはオプションだけです。</translation>
    </message>
</context>
<context>
    <name>game</name>
    <message>
        <source>C</source>
        <comment>ranking mark: by clicks</comment>
        <translation>回</translation>
    </message>
    <message>
        <source>T</source>
        <comment>ranking mark: by time</comment>
        <translation>時</translation>
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
        <translation>遊び方：
1. まず下の欄に名前を入れて、
   OK をクリックしてください。
2. カードをクリックして、ペアを探しましょう。
3. 「音あり」か「音なし」の、好きなほうを選べます。
4. ペアを全部見つけると、
   ハイスコアが表示されます。
5. もう一度遊ぶときは「スタート」、
   やめるときは「おわり」をクリックします。
6. ハイスコアはタイム順かクリック数順に並べられます。
   右上に「時」（タイム）か「回」（クリック数）が出ます。
   楽しんでください！</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>バージョン 1.0（2019年）</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>連絡先：</translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>寄付</translation>
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
        <translation>プレイヤーのみなさんへ
         このゲームを気に入っていただけたら、
         もっとたくさんの無料の
         パソコン・スマホ用ゲームが作れるように
         %1
         を応援していただけるとうれしいです。
         寄付の振込先：
         %2
         どうぞ楽しんでください。</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>プロセッサーの数：%1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>空きメモリ：</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>まず下に名前を入れて、OK をクリックしてください！</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>下に名前を入れて、OK をクリックしてください！</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>さあ、カードをクリックしてペアを探しましょう！</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>ja</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>スタート：%1</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>another game is using it, please try again</source>
        <translation>ほかのゲームが使っています。もう一度ためしてください</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>ロックファイル %1 を開く権限がありません</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>ロックファイル %1 を使えません：%2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>ロックファイル %1 を作れません（%2）</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>その場所にフォルダーがあります</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>その場所に名前付きパイプ（FIFO）があります</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>その場所にソケットがあります</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>その場所にデバイスがあります</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>その場所にファイル以外のものがあります</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>%1 へのリンクです。このゲームはリンクをたどりません</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>%1 を読み込めませんでした：%2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 を書き込めませんでした：%2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>%1 をロックできませんでした：%2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>%1 を使えませんでした：%2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>%1 のコピーを残せませんでした：%2</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>起動したフォルダーがもうありません</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>起動したフォルダーを開けません（%1）</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>ゲームのフォルダーがわかりません</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>ファイルがありません</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>ゲームが使っているあいだに、ロックファイル %1 が消されたか置きかえられました。ほかのゲームが書き込んでいるかもしれません</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>書き込んだ直後に、その場所がほかのものに置きかわりました</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>フォルダーのスティッキービットのため、ファイルを置きかえられるのは持ち主だけで、あなたには書き込む権限がありません</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>ファイルサイズの上限（%nバイト）を超えています</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>ゲームカウンター %1 の中身「%2」は数字ではありません。1から数えなおします。</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>ゲーム番号：%1</translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>おわり：%1 | 合計タイム：%2 | クリック数：%3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>タイム</translation>
    </message>
    <message>
        <source>date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>クリック数</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>ゲームが読める量（%n行、または %1 MB）を超えているので、そのままにしておきます</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>%nバイトを超えていて、ハイスコアにしては大きすぎます。ハイスコアをリセットするには、このファイルを別の場所に移してください</numerusform>
        </translation>
    </message>
</context>
</TS>
