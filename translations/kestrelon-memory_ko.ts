<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>알 수 없는 옵션: ‘%1’.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>알 수 없는 옵션: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>‘%1’ 뒤에 값이 없어요.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>‘%1’ 뒤에 필요 없는 값이 있어요.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>사용법: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[옵션]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>옵션:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>실행 취소(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>다시 실행(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>잘라내기(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>복사(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>붙여넣기(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>모두 선택</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Pairs found</source>
        <translation>찾은 짝</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>디자이너 그림</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>짝 열여섯 개를 찾았어요</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>짝을 모두 찾았어요</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>게임 끝</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>시작 시간과 최고 기록</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>사용 가능한 메모리</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>버전</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>프로세서</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>정렬 기준(시: 시간, 클: 클릭 수)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>게임 번호</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>결과</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>안내</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>플레이어 이름</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>최고 기록</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>시작(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>끝내기(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>게임 방법(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>버전(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>디자이너(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>최고 기록 새로 만들기(&amp;N)</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>소리 켜기(&amp;N)</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>소리 끄기(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>게임 회사 웹사이트(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>게임 회사에 메일 보내기(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>최고 기록 보기(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>최고 기록 숨기기(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>사용 가능한 메모리와 프로세서(&amp;F)</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>시간으로 정렬(&amp;T)</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>클릭 수로 정렬(&amp;C)</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>후원하기(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>최고 기록(&amp;H)</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>도움말(&amp;L)</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>게임 폴더를 사용할 수 없어요: %1. 게임에 들어 있는 그림을 보여 주고 아무것도 저장하지 않아서 이번 결과는 남지 않아요.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>%1 폴더에 그림을 저장할 수 없어서 게임에 들어 있는 그림을 보여 줘요.
%2</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>뒷면</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. 결과를 저장하지 못했어요.</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>%1행 %2열 카드: 뒷면</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>%1행 %2열 카드: %3(앞면)</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>%1(앞면)</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>%1행 %2열 카드: %3(짝 찾음)</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>%1(짝 찾음)</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>이 폴더의 다른 게임이 %1 파일을 다 쓸 때까지 기다리고 있어요…</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>게임 폴더 %1에 저장할 수 없어요(%2). 그래서 nog.txt에 게임 횟수를 기록하지 않고 highscore.txt에 결과도 남기지 않아요. 최고 기록은 지금 있는 그대로 보여 줘요.</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>프로그램에 그림 %1 파일이 없어요.</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>프로그램에 소리 %1 파일이 없어요.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 파일을 저장할 수 없어요: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>올바른 BMP 그림 파일이 아니에요</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>파일이 없어요</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>그림 %1 파일을 불러올 수 없어요: %2.</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>빨간 동그라미</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>파란 네모</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>초록 세모</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>노란 별</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>분홍 하트</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>청록 마름모</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>남색 달</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>주황 해</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>보라 십자</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>검은 화살표</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>올리브색 육각형</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>하늘색 물방울</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>연두색 잎</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>밤색 종</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>회색 닻</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>갈색 열쇠</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>자홍색 번개</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>연보라색 꽃</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>프로그램에 들어 있는 그림 %1 파일이 손상됐어요.</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>소리 %1 파일이 손상됐어요.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>카드 짝 맞추기 게임: 카드 서른여섯 장 중에서 짝 열여덟 개를 찾아요.
게임은 그림, 최고 기록, 게임 카운터를
게임을 시작한 폴더에 보관해요.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>이 옵션 목록을 보여 주고 끝내요.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>이름과 버전을 보여 주고 끝내요.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>언어를 CODE로 정해요(%1 중 하나). 이 옵션이 없으면 시스템 언어를 쓰고, 그 언어를 지원하지 않으면 영어를 써요.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
옵션을 보려면 ‘%1 --help’를 입력하세요.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>필요 없는 인수가 있어요: ‘%1’. 이 게임은 옵션 말고는 받지 않아요.</translation>
    </message>
</context>
<context>
    <name>game</name>
    <message>
        <source>C</source>
        <comment>ranking mark: by clicks</comment>
        <translation>클</translation>
    </message>
    <message>
        <source>T</source>
        <comment>ranking mark: by time</comment>
        <translation>시</translation>
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
        <translation>게임 방법:
1. 먼저 맨 아래 줄에 이름을 쓰고
   ‘확인’을 클릭하세요!
2. 카드를 클릭해서 짝을 찾아 보세요.
3. 소리는 ‘소리 켜기’, ‘소리 끄기’로 원하는 대로 켜고 끌 수 있어요.
4. 짝을 모두 찾으면
   최고 기록이 나와요.
5. 다시 하려면 ‘시작’을,
   그만하려면 ‘끝내기’를 클릭하세요.
6. 최고 기록은 시간이나 클릭 수로 정렬할 수 있어요.
   오른쪽 위에 ‘시’(시간) 또는 ‘클’(클릭 수) 표시가 보여요.
   재미있게 즐기세요!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>버전 1.0 2019</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>연락처: </translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>후원</translation>
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
        <translation>플레이어 여러분께
         이 게임이 마음에 드신다면
         더 많은 무료 컴퓨터 게임과
         모바일 게임이 나올 수 있도록
         %1에
         후원해 주세요.
         후원금 계좌:
         %2
         즐거운 시간 보내세요!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>프로세서 수: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1MB</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>사용 가능한 메모리:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>먼저 아래에 이름을 쓰고 ‘확인’을 클릭하세요!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>아래에 이름을 쓰고 ‘확인’을 클릭하세요!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>이제 카드를 클릭해서 짝을 찾아 보세요!</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>ko</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>시작: %1</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>another game is using it, please try again</source>
        <translation>다른 게임이 사용하고 있어요. 잠시 후 다시 해 보세요</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>잠금 파일(%1)을 열 권한이 없어요</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>잠금 파일(%1)을 사용할 수 없어요(%2)</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>잠금 파일(%1)을 만들 수 없어요(%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>그 자리에 폴더가 있어요</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>그 자리에 이름 있는 파이프(FIFO)가 있어요</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>그 자리에 소켓이 있어요</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>그 자리에 장치가 있어요</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>그 자리에 파일이 아닌 것이 있어요</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>링크예요(대상: %1). 이 게임은 링크를 따라가지 않아요</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>%1 파일을 읽을 수 없어요: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 파일을 저장할 수 없어요: %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>%1 파일을 잠글 수 없어요: %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>%1 파일을 사용할 수 없어요: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>%1 파일의 사본을 보관할 수 없어요: %2</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>게임을 시작한 폴더가 더 이상 없어요</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>게임을 시작한 폴더를 열 수 없어요(%1)</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>게임 폴더를 알 수 없어요</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>파일이 없어요</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>디스크가 가득 찼어요</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>게임이 사용하는 동안 잠금 파일(%1)이 지워지거나 바뀌었어요. 다른 게임이 같은 파일에 쓰고 있을 수 있어요</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>쓰자마자 그 자리에 다른 것이 들어왔어요</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>폴더의 스티키 비트 때문에 파일 주인만 바꿀 수 있고, 플레이어에게는 쓸 권한이 없어요</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>파일 크기 제한(%n바이트)보다 커요</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>게임 카운터 %1 파일의 내용이 숫자가 아니에요(‘%2’). 1부터 다시 세어요.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>게임 번호: %1</translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>끝난 시각: %1 | 걸린 시간: %2 | 클릭 수: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>걸린 시간</translation>
    </message>
    <message>
        <source>date</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>클릭수</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>파일 내용이 게임이 읽을 수 있는 양보다 많아서(%n줄 또는 %1MB 초과) 그대로 둬요</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>%n바이트가 넘어서 최고 기록 파일이라고 보기엔 너무 커요. 최고 기록을 새로 시작하려면 이 파일을 다른 곳으로 옮기세요</numerusform>
        </translation>
    </message>
</context>
</TS>
