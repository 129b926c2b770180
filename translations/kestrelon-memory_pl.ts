<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Nieznana opcja „%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Nieznane opcje: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Brak wartości po „%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Zbędna wartość po „%1”.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Użycie: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opcje]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcje:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Przywróć</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>W&amp;ytnij</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>S&amp;kopiuj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Wklej</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystko</translation>
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
        <translation>Znalezione pary</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>Portret autora</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>Znaleziono szesnaście par</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>Znaleziono wszystkie pary</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Koniec gry</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>Godzina startu i posortowana tabela wyników</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>Wolna pamięć</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>Procesory</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>Sortowanie (C – czas, K – kliknięcia)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Numer gry</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Wskazówka</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>twoje imię</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Imię gracza</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Tabela wyników</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>&amp;Koniec</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Jak grać</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Wersja</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>&amp;Autor</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>&amp;Nowa tabela wyników</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>&amp;Włącz dźwięk</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>W&amp;yłącz dźwięk</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>&amp;Strona wydawcy</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>&amp;Napisz do wydawcy</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>&amp;Pokaż tabelę wyników</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>&amp;Ukryj tabelę wyników</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>Wolna pamięć i p&amp;rocesory</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>Sortuj według &amp;czasu</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>Sortuj według &amp;kliknięć</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>&amp;Darowizna</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Tabela wyników</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>Gra nie może korzystać ze swojego folderu: %1. Pokazuje wbudowane obrazki i niczego nie zapisuje, więc tym razem żaden wynik nie zostanie zachowany.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>Nie udało się zapisać obrazków w folderze %1, więc gra pokazuje swoje wbudowane obrazki.
%2</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>zakryta</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. Wynik nie został zapisany.</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>Czekam, aż inna gra w tym folderze skończy pracę z plikiem %1…</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>Gra nie może zapisywać w swoim folderze %1 (%2), więc nie zwiększy tam licznika gier w pliku nog.txt ani nie zapisze wyniku w pliku highscore.txt; pokazuje tabelę wyników bez zmian.</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>Karta w rzędzie %1, w kolumnie %2: zakryta</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>Karta w rzędzie %1, w kolumnie %2, odkryta: %3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>odkryta: %1</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>Karta w rzędzie %1, w kolumnie %2, znaleziona: %3</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>znaleziona: %1</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>W programie brakuje obrazka %1.</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>W programie brakuje dźwięku %1.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Nie udało się zapisać pliku %1: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>plik nie jest poprawnym obrazkiem BMP</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>plik nie istnieje</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>Nie udało się wczytać obrazka %1: %2.</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>czerwone koło</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>niebieski kwadrat</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>zielony trójkąt</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>żółta gwiazda</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>różowe serce</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>turkusowy romb</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>granatowy księżyc</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>pomarańczowe słońce</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>fioletowy krzyż</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>czarna strzałka</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>oliwkowy sześciokąt</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>błękitna kropla</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>jasnozielony liść</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>bordowy dzwonek</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>szara kotwica</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>brązowy klucz</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>purpurowa błyskawica</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>liliowy kwiatek</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>Obrazek %1 w programie jest uszkodzony.</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>Dźwięk %1 jest uszkodzony.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>Gra pamięciowa: znajdź osiemnaście par wśród trzydziestu sześciu kart.
Gra przechowuje swoje obrazki, tabelę wyników i licznik gier
w folderze, w którym ją uruchomiono.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>Wyświetla te opcje i kończy działanie.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>Wyświetla nazwę gry oraz jej wersję i kończy działanie.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>Ustawia język gry na CODE (do wyboru: %1). Bez tej opcji gra używa języka systemu, a jeśli go nie zna – angielskiego.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Wpisz „%1 --help”, aby zobaczyć opcje.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>zbędny argument „%1”; gra przyjmuje tylko swoje opcje.</translation>
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
        <translation>C</translation>
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
        <translation>Jak grać:
1. Najpierw wpisz swoje imię w dolnym wierszu,
   a potem kliknij OK!
2. Klikaj karty i szukaj par.
3. Wybierz „Włącz dźwięk” albo „Wyłącz dźwięk”, jak wolisz.
4. Gdy znajdziesz wszystkie pary,
   zobaczysz tabelę wyników.
5. Aby zagrać jeszcze raz, kliknij „Nowa gra”,
   a żeby skończyć, kliknij „Koniec”.
6. Tabelę wyników możesz sortować według czasu lub kliknięć.
   W prawym górnym rogu widzisz C (czas) lub K (kliknięcia).
   Miłej zabawy!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>Wersja 1.0 2019</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>Kontakt: </translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>D a r o w i z n a</translation>
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
        <translation>Droga Graczko, drogi Graczu,
         jeśli podoba ci się ta gra,
         możesz wesprzeć firmę
         %1,
         aby mogło powstać więcej darmowych
         gier na komputer i telefon.
         Darowiznę możesz wpłacić na konto
         %2.
         Miłej zabawy!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>liczba procesorów: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>wolna pamięć:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>Najpierw wpisz poniżej swoje imię, a potem kliknij OK!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>Wpisz poniżej swoje imię i kliknij OK!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>A teraz klikaj karty i szukaj par!</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>pl</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>start: %1</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>another game is using it, please try again</source>
        <translation>używa go inna gra, spróbuj jeszcze raz</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>brak uprawnień do otwarcia pliku blokady %1</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>nie da się użyć pliku blokady %1: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>nie można utworzyć pliku blokady %1 (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>w jego miejscu jest folder</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>w jego miejscu jest potok nazwany (FIFO)</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>w jego miejscu jest gniazdo</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>w jego miejscu jest urządzenie</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>w jego miejscu jest coś innego niż plik</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>to dowiązanie do %1, a gra nie otwiera dowiązań</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Nie udało się odczytać pliku %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Nie udało się zapisać pliku %1: %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>Nie udało się zablokować pliku %1: %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>Nie udało się użyć pliku %1: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>Nie udało się zachować kopii pliku %1: %2</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>folder, w którym uruchomiono grę, już nie istnieje</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>nie można otworzyć folderu, w którym uruchomiono grę (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>nie wiadomo, który folder należy do gry</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>plik nie istnieje</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>dysk jest pełny</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>plik blokady %1 został usunięty lub podmieniony, gdy gra z niego korzystała, więc inna gra może właśnie zapisywać ten sam plik</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>zaraz po zapisaniu w jego miejscu pojawiło się coś innego</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>bit sticky folderu pozwala podmienić plik tylko jego właścicielowi, a ty nie możesz go zapisywać</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>przekracza dopuszczalny rozmiar pliku (%n bajt)</numerusform>
            <numerusform>przekracza dopuszczalny rozmiar pliku (%n bajty)</numerusform>
            <numerusform>przekracza dopuszczalny rozmiar pliku (%n bajtów)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>Licznik gier %1 zawiera „%2”, a to nie jest liczba; liczenie zaczyna się znowu od 1.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>gra nr %1</translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>meta: %1 | czas gry: %2 | kliknięcia: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>imię</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>czas gry</translation>
    </message>
    <message>
        <source>date</source>
        <translation>data</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>kliknięcia</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>zawiera więcej, niż gra może odczytać (ponad %n wiersz lub ponad %1 MB), więc zostaje bez zmian</numerusform>
            <numerusform>zawiera więcej, niż gra może odczytać (ponad %n wiersze lub ponad %1 MB), więc zostaje bez zmian</numerusform>
            <numerusform>zawiera więcej, niż gra może odczytać (ponad %n wierszy lub ponad %1 MB), więc zostaje bez zmian</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>zawiera ponad %n bajt, dużo więcej niż tabela wyników; przenieś go gdzie indziej, aby zacząć nową tabelę wyników</numerusform>
            <numerusform>zawiera ponad %n bajty, dużo więcej niż tabela wyników; przenieś go gdzie indziej, aby zacząć nową tabelę wyników</numerusform>
            <numerusform>zawiera ponad %n bajtów, dużo więcej niż tabela wyników; przenieś go gdzie indziej, aby zacząć nową tabelę wyników</numerusform>
        </translation>
    </message>
</context>
</TS>
