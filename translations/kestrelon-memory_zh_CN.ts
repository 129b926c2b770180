<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>未知选项“%1”。</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>未知选项：%1。</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>“%1”后面缺少值。</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>“%1”后面有多余的值。</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>用法：%1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[选项]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>选项：</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>撤消(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Pairs found</source>
        <translation>已找到的配对</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>设计者头像</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>已找到十六对</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>已找到全部配对</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>游戏结束</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>开始时间和排行榜</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>可用内存</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>处理器</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>排序方式（时＝时间，次＝点击次数）</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>游戏编号</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>成绩</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>你的名字</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>玩家名字</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>排行榜</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>开始(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>玩法说明(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>版本(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>设计者(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>新建排行榜(&amp;N)</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>开启声音(&amp;N)</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>关闭声音(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>发行商网站(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>给发行商发邮件(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>显示排行榜(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>隐藏排行榜(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>可用内存和处理器(&amp;F)</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>按时间排序(&amp;T)</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>按点击次数排序(&amp;C)</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>捐赠(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>排行榜(&amp;H)</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>帮助(&amp;L)</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>游戏无法使用自己的文件夹：%1。游戏会显示内置图片，不保存任何内容，所以本次运行期间的成绩都不会保存。</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>无法把图片写入 %1，所以游戏显示内置图片。
%2</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>背面朝上</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1。成绩没有保存。</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>第 %1 行第 %2 列的牌：背面朝上</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>第 %1 行第 %2 列的牌，已翻开：%3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>已翻开：%1</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>第 %1 行第 %2 列的牌，已配对：%3</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>已配对：%1</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>正在等待此文件夹中的另一个游戏用完 %1……</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>游戏无法写入自己的文件夹 %1（%2），因此不会在 nog.txt 中计入这一局，也不会在 highscore.txt 中保存成绩；排行榜保持原样显示。</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>程序中缺少图片 %1。</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>程序中缺少声音 %1。</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>不是有效的 BMP 图片</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>无法加载图片 %1：%2。</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>红色圆形</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>蓝色正方形</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>绿色三角形</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>黄色星星</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>粉色爱心</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>青色菱形</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>深蓝色月亮</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>橙色太阳</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>紫色十字</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>黑色箭头</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>橄榄绿六边形</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>天蓝色水滴</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>黄绿色叶子</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>栗色铃铛</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>灰色船锚</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>棕色钥匙</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>品红色闪电</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>紫罗兰色花朵</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>程序中的图片 %1 已损坏。</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>声音 %1 已损坏。</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>翻牌记忆游戏：在三十六张牌中找出十八对。
游戏把图片、排行榜和游戏计数器
保存在启动它的文件夹里。</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>显示这些选项并退出。</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>显示名称和版本并退出。</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>使用语言 CODE，可选：%1。不加此选项时，游戏使用系统语言；不支持该语言时使用英语。</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1：%2
输入“%1 --help”查看选项。
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>多余的参数“%1”；游戏只接受自己的选项。</translation>
    </message>
</context>
<context>
    <name>game</name>
    <message>
        <source>C</source>
        <comment>ranking mark: by clicks</comment>
        <translation>次</translation>
    </message>
    <message>
        <source>T</source>
        <comment>ranking mark: by time</comment>
        <translation>时</translation>
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
        <translation>玩法：
1. 先在最下面一行输入你的名字，
   然后点击“确定”！
2. 点击牌，试着找出配对。
3. 可以随意选择“开启声音”或“关闭声音”。
4. 找到所有配对后，
   会显示排行榜。
5. 想再玩一局，就点击“开始”；
   不玩了，就点击“退出”。
6. 排行榜可以按时间或点击次数排序。
   右上角显示“时”（时间）或“次”（点击次数）。
   祝你玩得开心！</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>版本 1.0（2019）</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>联系方式：</translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>捐赠</translation>
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
        <translation>亲爱的玩家：
         如果你喜欢这个游戏，
         欢迎支持
         %1，
         让更多免费的电脑和手机游戏
         得以诞生。
         捐款请汇入：
         %2
         祝你玩得开心！</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>处理器数量：%1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>可用内存：</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>请先在下面输入你的名字，然后点击“确定”！</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>请在下面输入你的名字，然后点击“确定”！</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>现在点击牌，找出配对吧！</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>zh_CN</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>开始：%1</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>another game is using it, please try again</source>
        <translation>另一个游戏正在使用，请稍后再试</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>没有权限打开锁文件 %1</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>锁文件 %1 无法使用：%2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>无法创建锁文件 %1（%2）</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>该位置上是一个文件夹</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>该位置上是一个命名管道（FIFO）</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>该位置上是一个套接字</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>该位置上是一个设备</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>该位置上不是文件，而是别的东西</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>这是指向 %1 的链接，游戏不会顺着链接去找文件</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>无法锁定 %1：%2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>无法使用 %1：%2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>无法保留 %1 的副本：%2</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>启动游戏的文件夹已不存在</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>无法打开启动游戏的文件夹（%1）</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>无法确定游戏的文件夹</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>游戏使用锁文件 %1 期间，该文件被删除或替换了，可能有另一个游戏正在写入</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>刚写入完，该位置就被别的东西占用了</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>文件夹设置了粘滞位，只有文件的所有者才能替换该文件，而你没有写入权限</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>文件超过了 %n 字节的大小上限</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>游戏计数器 %1 的内容是“%2”，不是数字；将重新从 1 开始计数。</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>第 %1 局</translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>结束：%1 | 总用时：%2 | 点击次数：%3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名字</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>用时</translation>
    </message>
    <message>
        <source>date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>点击次数</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>文件内容超出了游戏能读取的范围（超过 %n 行或 %1 MB），因此保持原样</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>文件超过 %n 字节，远远超出一个排行榜的大小；请把它移到别处，才能开始新的排行榜</numerusform>
        </translation>
    </message>
</context>
</TS>
