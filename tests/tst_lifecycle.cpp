// Whole games through the real window, from an empty folder to the end.

// own
#include "app/Languages.h"
#include "app/PictureBox.h"
#include "app/Program.h"
#include "assets/AssetFiles.h"
#include "platform/FolderLock.h"
#include "support/GameHarness.h"
#include "support/HostileFiles.h"

// Qt
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

class LifecycleTest : public QObject {
    Q_OBJECT

  private slots:
    void startUpInEmptyFolderWritesEverything();
    void startUpOverwritesPicturesButKeepsTheList();
    void folderStepsWaitForTheFirstFrameOrHandler_data();
    void folderStepsWaitForTheFirstFrameOrHandler();
    void wholeGameEntersTheResult();
    void newGameCountsAndDealsAfresh();
    void endRemovesPicturesAndKeepsData();
    void endShowsThePictureOfTheStartSeconds();
    void endingHoldsThePicturesThenHidesThem();
    void gameEndingWhileRankedByTime();
    void clicksBeyond999AreSavedAs999();
    void soundOffStillEndsTheGame();
    void endingRunsOncePerGame();
    void damagedCounterDoesNotStopStartUp();
    void everyRunDealsAnew();
    void anotherGameIsWaitedForPatiently_data();
    void anotherGameIsWaitedForPatiently();
    void dataFilesDoNotFollowTheLanguage_data();
    void dataFilesDoNotFollowTheLanguage();

  private:
    static void playPerfectGameWithMisses(GameHarness& h, int misses);
};

namespace {

QStringList pictureFiles() {
    QStringList files;
    for (const QString& name : assets::imageNames()) {
        files << name + QStringLiteral(".bmp");
    }
    return files;
}

QString cell(TForm1& window, int row, int column) {
    return window.StringGrid1->item(row, column)->text();
}

// The three data files after a start-up, a game to its end and a new list,
// played in the language under the locale.
QList<QByteArray> dataFilesOfAGame(const QString& language, const QLocale& locale) {
    QLocale::setDefault(locale);
    QGuiApplication::setLayoutDirection(locale.textDirection());
    i18n::Translation translation(language);
    translation.install();
    GameHarness h;
    h.window().Edit1->setText(QStringLiteral("Jürgen"));
    h.window().Panel1Click();
    h.findAllPairs();
    h.window().newlst1Click();
    QLocale::setDefault(QLocale::c());
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    return {h.read(QStringLiteral("highscore.txt")), h.read(QStringLiteral("highscore2.txt")),
            h.read(QStringLiteral("nog.txt"))};
}

} // namespace

void LifecycleTest::playPerfectGameWithMisses(GameHarness& h, int misses) {
    for (int miss = 0; miss < misses; ++miss) {
        const int first = h.pairOf(19 + miss).first;
        h.window().cardClick(first);
        h.window().cardClick(h.otherThan(first));
    }
    h.findAllPairs();
}

void LifecycleTest::startUpInEmptyFolderWritesEverything() {
    GameHarness h;
    for (const QString& file : pictureFiles()) {
        QVERIFY2(QFile::exists(h.path(file)), qPrintable(file));
        QCOMPARE(h.read(file), assets::embeddedImage(file.chopped(4)));
    }
    QCOMPARE(h.read(QStringLiteral("nog.txt")), QByteArray("   1\r\n"));
    QVERIFY(h.read(QStringLiteral("highscore.txt"))
                .startsWith("1  ....................... 10:10:00 ..........  222\r\n"));
    QVERIFY(!QFile::exists(h.path(QStringLiteral("highscore2.txt"))));
    QCOMPARE(h.window().windowHeight(), 485);
    QVERIFY(h.window().StringGrid1->isHidden());
    QVERIFY(!h.window().Edit1->isHidden());
    QCOMPARE(h.label(8)->text(), QStringLiteral("C"));
    QCOMPARE(h.label(1)->text(), QStringLiteral("  start : 16:58:14"));
    QVERIFY(h.label(9)->isHidden());
    QVERIFY(h.fakes.dialogs.shown.isEmpty());
}

void LifecycleTest::startUpOverwritesPicturesButKeepsTheList() {
    const QByteArray list = "1  Kim                     00:01:02 01.12.2026   40\r\n";
    GameHarness h(0, [&](const QString& dir) {
        QFile junk(dir + QStringLiteral("/img27.bmp"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a picture");
        junk.close();
        QFile scores(dir + QStringLiteral("/highscore.txt"));
        QVERIFY(scores.open(QIODevice::WriteOnly));
        scores.write(list);
    });
    QCOMPARE(h.read(QStringLiteral("img27.bmp")), assets::embeddedImage(QStringLiteral("img27")));
    QCOMPARE(h.read(QStringLiteral("highscore.txt")), list);
    QVERIFY(!QFile::exists(h.path(QStringLiteral("highscore2.txt"))));
}

void LifecycleTest::folderStepsWaitForTheFirstFrameOrHandler_data() {
    QTest::addColumn<bool>("shown");
    QTest::newRow("first frame") << true;
    QTest::newRow("first handler before it") << false;
}

void LifecycleTest::folderStepsWaitForTheFirstFrameOrHandler() {
    QFETCH(bool, shown);
    GameHarness h(0, {}, GameHarness::StartUp::Pending);
    const auto untouched = [&h] {
        return QDir(h.dir()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    };
    // The first frame needs no file: the board is dealt and nothing is written.
    QVERIFY(untouched());
    QCOMPARE(h.image(1)->picture(), QImage::fromData(assets::embeddedImage("empty"), "BMP"));
    QCOMPARE(h.label(1)->text(), QStringLiteral("  start : 16:58:14"));
    QVERIFY(h.label(9)->isHidden());
    // A tick of the status clock is no player's action.
    auto* tick = h.window().findChild<QTimer*>(QStringLiteral("Timer1"));
    QSignalSpy ticked(tick, &QTimer::timeout);
    tick->start(0);
    QVERIFY(ticked.wait(1000));
    QVERIFY(untouched());
    if (shown) {
        h.window().show();
        QVERIFY(untouched()); // not before the first frame is painted
        QVERIFY(QTest::qWaitForWindowExposed(&h.window()));
        QTRY_VERIFY(QFile::exists(h.path(QStringLiteral("highscore.txt"))));
    } else {
        h.window().Edit1->setText(QStringLiteral("Kim"));
        h.window().Panel1->click();
    }
    // Then the counter, the pictures and the list, each once.
    QCOMPARE(h.read(QStringLiteral("nog.txt")), QByteArray("   1\r\n"));
    for (const QString& file : pictureFiles()) {
        QCOMPARE(h.read(file), assets::embeddedImage(file.chopped(4)));
    }
    QVERIFY(h.read(QStringLiteral("highscore.txt")).startsWith("1  ......"));
    QVERIFY(!h.label(5)->text().isEmpty());
    h.window().finishStartUp();
    QCOMPARE(h.read(QStringLiteral("nog.txt")), QByteArray("   1\r\n"));
    QVERIFY(h.fakes.dialogs.shown.isEmpty());
}

void LifecycleTest::wholeGameEntersTheResult() {
    GameHarness h;
    h.window().Edit1->setText(QStringLiteral("Robin"));
    h.window().Panel1Click();
    QVERIFY(h.window().Edit1->isHidden());
    QCOMPARE(h.label(3)->text(), QStringLiteral("Now please click on the icons and find pairs!"));
    playPerfectGameWithMisses(h, 2);

    // 40 clicks of 300 ms and two misses of another 200 ms: 12.4 s of play.
    QCOMPARE(h.state.clicks, 40);
    QCOMPARE(h.label(2)->text(),
             QStringLiteral("finish: 16:58:26 | total time: 00:00:12 | clicks:  40"));
    QCOMPARE(h.window().windowHeight(), 770);
    QVERIFY(!h.window().StringGrid1->isHidden());
    QCOMPARE(h.fakes.sound.played, QStringList{QStringLiteral("1tro")});

    // The full fresh list loses its worst entry (444 clicks) to the new result,
    // which ranks first by clicks.
    const QList<QByteArray> lines = h.read(QStringLiteral("highscore.txt")).split('\n');
    QCOMPARE(lines.size(), 13);
    QCOMPARE(lines[0], QByteArray("1  Robin                   00:00:12 07.12.2026   40\r"));
    QCOMPARE(lines[1], QByteArray("2  ....................... 10:10:09 ..........  195\r"));
    QCOMPARE(lines[11], QByteArray("12 ....................... 10:10:05 ..........  345\r"));
    QVERIFY(!h.read(QStringLiteral("highscore.txt")).contains("444"));

    QCOMPARE(cell(h.window(), 0, 0), QStringLiteral("1  "));
    QCOMPARE(cell(h.window(), 0, 1), QStringLiteral("Robin                   "));
    QCOMPARE(cell(h.window(), 0, 2), QStringLiteral("00:00:12"));
    QCOMPARE(cell(h.window(), 0, 3), QStringLiteral("07.12.2026"));
    QCOMPARE(cell(h.window(), 0, 4), QStringLiteral(" 40"));
    QCOMPARE(h.label(8)->text(), QStringLiteral("C"));
    // The start line, then the ranked list twice (after the entry and when shown).
    QCOMPARE(h.label(1)->text().count(QStringLiteral("\n\r")), 24);
    QVERIFY(h.image(38)->isHidden());
    QVERIFY(h.image(39)->isHidden());
    QVERIFY(h.image(40)->isHidden());
}

void LifecycleTest::newGameCountsAndDealsAfresh() {
    GameHarness h;
    h.findAllPairs();
    const auto firstDeal = h.state.cards;
    h.window().start1Click();
    QCOMPARE(h.read(QStringLiteral("nog.txt")), QByteArray("   2\r\n"));
    QCOMPARE(h.label(9)->text(), QStringLiteral("game no:    2"));
    QVERIFY(h.state.cards != firstDeal);
    QCOMPARE(h.state.pairs, 0);
    QCOMPARE(h.state.clicks, 0);
    const QImage back = assets::loadPicture(h.state.folder, QStringLiteral("empty"));
    for (int k = 1; k <= 36; ++k) {
        QCOMPARE(h.image(k)->picture(), back);
    }
    QCOMPARE(h.window().windowHeight(), 485);
    QCOMPARE(h.label(3)->text(), QStringLiteral("Please enter your name below, thn click OK!"));
    QCOMPARE(h.label(1)->text(), QStringLiteral("start : 16:58:") +
                                     h.fakes.clock.current.time().toString(QStringLiteral("ss")));
    QVERIFY(!h.window().Panel1->isHidden());
    h.window().start1Click();
    QCOMPARE(h.read(QStringLiteral("nog.txt")), QByteArray("   3\r\n"));
    // The second game ends and enters its result too.
    h.findAllPairs();
    QCOMPARE(h.fakes.sound.played.size(), 2);
}

void LifecycleTest::endRemovesPicturesAndKeepsData() {
    GameHarness h;
    h.window().newlst1Click();
    QSignalSpy terminate(&h.window(), &TForm1::terminateRequested);
    h.window().end1Click();
    QCOMPARE(terminate.count(), 1);
    for (const QString& file : pictureFiles()) {
        QVERIFY2(!QFile::exists(h.path(file)), qPrintable(file));
    }
    for (const char* data : {"highscore.txt", "highscore2.txt", "nog.txt"}) {
        QVERIFY2(QFile::exists(h.path(QString::fromLatin1(data))), data);
    }
}

void LifecycleTest::endShowsThePictureOfTheStartSeconds() {
    GameHarness h;
    // Only the start-up time's seconds decide (the rule has its own test),
    // whatever time the game ends.
    h.state.starttext = QStringLiteral("16:58:42");
    h.findAllPairs();
    // The picture stays loaded after the ending hid it again.
    QVERIFY(h.image(40)->isHidden());
    QCOMPARE(h.image(40)->picture(), assets::loadPicture(h.state.folder, QStringLiteral("metoo")));
}

void LifecycleTest::endingHoldsThePicturesThenHidesThem() {
    GameHarness h;
    const int last = h.findAllButTheLastCard();
    h.fakes.pause.calls.clear();
    // The last card waits 300 ms for its verdict and the list shown 800 ms;
    // then all three pictures stay 1200 ms, the end picture 200 ms more.
    const qint64 listShown = h.fakes.pause.now() + 300 + 800;
    QList<QList<bool>> seen;
    auto look = [&] {
        seen << QList<bool>{!h.image(38)->isHidden(), !h.image(39)->isHidden(),
                            !h.image(40)->isHidden()};
    };
    h.fakes.pause.at(listShown + 1, look);
    h.fakes.pause.at(listShown + 1199, look);
    h.fakes.pause.at(listShown + 1201, look);
    h.fakes.pause.at(listShown + 1399, look);
    h.window().cardClick(last);
    QCOMPARE(h.fakes.pause.calls, (QList<int>{300, 800, 1200, 200}));
    const QList<bool> all{true, true, true};
    const QList<bool> endOnly{false, false, true};
    QCOMPARE(seen, (QList<QList<bool>>{all, all, endOnly, endOnly}));
    QVERIFY(h.image(40)->isHidden());
    QCOMPARE(h.fakes.sound.played, QStringList{QStringLiteral("1tro")});
}

void LifecycleTest::gameEndingWhileRankedByTime() {
    GameHarness h;
    h.window().sortontime1Click();
    h.window().Edit1->setText(QStringLiteral("Tia"));
    h.window().Panel1Click();
    h.findAllPairs();
    QCOMPARE(h.label(8)->text(), QStringLiteral("T"));
    // The slowest entry (10:11:10) gives way, not the one of most clicks (444).
    const QByteArray file = h.read(QStringLiteral("highscore.txt"));
    const QList<QByteArray> lines = file.split('\n');
    QCOMPARE(lines.size(), 13);
    QCOMPARE(lines[0], QByteArray("1  Tia                     00:00:10 07.12.2026   36\r"));
    QCOMPARE(lines[1], QByteArray("2  ....................... 10:10:00 ..........  222\r"));
    QCOMPARE(lines[11], QByteArray("12 ....................... 10:11:00 ..........  201\r"));
    QVERIFY(!file.contains("10:11:10"));
    QVERIFY(file.contains("444"));
    QCOMPARE(cell(h.window(), 0, 1).trimmed(), QStringLiteral("Tia"));
}

void LifecycleTest::clicksBeyond999AreSavedAs999() {
    GameHarness h(0, [](const QString& dir) {
        QFile list(dir + QStringLiteral("/highscore.txt"));
        QVERIFY(list.open(QIODevice::WriteOnly)); // an empty list
    });
    h.window().Edit1->setText(QStringLiteral("Max"));
    h.window().Panel1Click();
    const int first = h.pairOf(19).first;
    const int other = h.otherThan(first);
    for (int miss = 0; miss < 500; ++miss) {
        h.window().cardClick(first);
        h.window().cardClick(other);
    }
    h.findAllPairs();
    QCOMPARE(h.state.clicks, 1036);
    QVERIFY2(h.label(2)->text().endsWith(QStringLiteral(" | clicks: 1036")),
             qPrintable(h.label(2)->text()));
    // Eleven empty rows became placeholders of 111 clicks; 999 ranks last.
    const QList<QByteArray> lines = h.read(QStringLiteral("highscore.txt")).split('\n');
    QCOMPARE(lines.size(), 13);
    QVERIFY2(lines[11].startsWith("12 Max ") && lines[11].endsWith("  999\r"),
             lines[11].constData());
    QCOMPARE(cell(h.window(), 11, 4), QStringLiteral("999"));
}

void LifecycleTest::soundOffStillEndsTheGame() {
    GameHarness h;
    h.window().soundoff1Click();
    h.findAllPairs();
    QVERIFY(h.fakes.sound.played.isEmpty());
    QCOMPARE(h.window().windowHeight(), 770);
    QVERIFY(h.read(QStringLiteral("highscore.txt")).contains(" 36\r\n"));
    // A new game switches the sound on again.
    h.window().start1Click();
    h.findAllPairs();
    QCOMPARE(h.fakes.sound.played, QStringList{QStringLiteral("1tro")});
}

void LifecycleTest::endingRunsOncePerGame() {
    GameHarness h;
    for (int picture = 19; picture <= 35; ++picture) {
        const auto [a, b] = h.pairOf(picture);
        h.window().cardClick(a);
        h.window().cardClick(b);
    }
    // The last pair's second card arrives inside the first card's wait, so
    // two verdicts are pending when the last pair is found.
    const auto [a, b] = h.pairOf(36);
    h.fakes.pause.duringNextPause([&] { h.window().cardClick(b); });
    h.window().cardClick(a);
    for (int k = 1; k <= 36; ++k) {
        h.window().cardClick(k);
    }
    QCOMPARE(h.fakes.sound.played.size(), 1);
    QCOMPARE(h.read(QStringLiteral("highscore.txt")).count(" 36\r\n"), 1);
}

void LifecycleTest::damagedCounterDoesNotStopStartUp() {
    GameHarness h(0, [](const QString& dir) {
        QFile counter(dir + QStringLiteral("/nog.txt"));
        QVERIFY(counter.open(QIODevice::WriteOnly));
        counter.write("ab12\r\n");
    });
    QCoreApplication::processEvents();
    h.window().show();
    QTRY_COMPARE(h.fakes.dialogs.shown.size(), 1);
    QVERIFY(h.fakes.dialogs.shown[0].text.contains(QStringLiteral("ab12")));
    QCOMPARE(h.read(QStringLiteral("nog.txt")), QByteArray("   1\r\n"));
    QVERIFY(QFile::exists(h.path(QStringLiteral("highscore.txt"))));
    QVERIFY(QFile::exists(h.path(QStringLiteral("empty.bmp"))));
    QCOMPARE(h.state.cards[0] + h.state.cards[1] > 0, true);
}

void LifecycleTest::everyRunDealsAnew() {
    // Two runs of the program as its program block builds it, one after the
    // other in one folder.
    const QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    std::array<int, game::CardCount + 1> first{};
    {
        Program run;
        first = run.state().cards;
    }
    Program second;
    QDir::setCurrent(previous);
    QVERIFY(second.state().cards != first);
}

void LifecycleTest::anotherGameIsWaitedForPatiently_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("the ending waits for the list") << "highscore.txt";
    QTest::newRow("a new game waits for the counter") << "nog.txt";
}

void LifecycleTest::anotherGameIsWaitedForPatiently() {
    QFETCH(QString, file);
    GameHarness h;
    // Another game in the folder holds the file for a minute, then lets go.
    const safefile::Folder folder = hostile::folderAt(h.dir() + u'/');
    std::optional<safefile::FolderLock> other;
    other.emplace(folder, file, h.fakes.pause);
    h.fakes.pause.at(h.fakes.pause.now() + 60'000, [&other] { other.reset(); });
    if (file == u"nog.txt"_qs) {
        h.window().start1Click();
        QCOMPARE(h.read(file), QByteArray("   2\r\n"));
    } else {
        h.findAllPairs();
        QVERIFY(h.read(file).startsWith("1  "));
        QVERIFY(h.read(file).contains(" 36\r\n"));
    }
    QVERIFY(h.fakes.pause.now() >= 60'000);
    QCOMPARE(h.fakes.dialogs.shown.size(), 0);
    QVERIFY(!h.window().statusText(0).contains(file));
}

void LifecycleTest::dataFilesDoNotFollowTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("de") << "de" << QLocale(QLocale::German, QLocale::Germany);
    QTest::newRow("ar, right to left") << "ar" << QLocale(QLocale::Arabic, QLocale::Egypt);
    QTest::newRow("he, right to left") << "he" << QLocale(QLocale::Hebrew, QLocale::Israel);
    QTest::newRow("fa, its own digits") << "fa" << QLocale(QLocale::Persian, QLocale::Iran);
}

void LifecycleTest::dataFilesDoNotFollowTheLanguage() {
    QFETCH(QString, language);
    QFETCH(QLocale, locale);
    const QList<QByteArray> english =
        dataFilesOfAGame(QStringLiteral("en"), QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(dataFilesOfAGame(language, locale), english);
    // The game's result went with the old list into the backup.
    QVERIFY(english[1].contains(" 07.12.2026 "));
}

QTEST_MAIN(LifecycleTest)
#include "tst_lifecycle.moc"
