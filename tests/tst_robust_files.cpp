// Hostile contents in highscore.txt and nog.txt: random and binary bytes, NUL
// bytes, megabyte lines, lone CRs, a missing last line end, hundreds of lines,
// UTF-8 text, an empty file, and a folder where the file should be. Every
// reader of the two files gets them, from the score functions up to the
// window's handlers. Checked each time:
// - nothing crashes (the sanitizer build runs this too);
// - the lines read are exactly those a plain second reader finds;
// - the grid cells never exceed their columns' widths;
// - highscore.txt, whenever the game wrote it, has at most 12 lines, each
//   ending in CR LF and at most 51 characters long: the save builds lines of
//   3 + 24 + 8 + 1 + 10 + 2 + 3 characters and the ranking cuts after the 51st;
// - nog.txt is written as one field of at most four characters and CR LF;
// - a readable file never gives a message box about highscore.txt; an unusable
//   one (a folder) gives one GameError naming the file, and stays as it was.
// The contents come from fixed seeds, so a failure can be replayed.

// own
#include "support/ErrorOf.h"
#include "app/Languages.h"
#include "app/PictureBox.h"
#include "platform/FolderLock.h"
#include "platform/GameError.h"
#include "scores/Characters.h"
#include "scores/GameCounter.h"
#include "scores/HighScoreStore.h"
#include "scores/Ranking.h"
#include "scores/ResultTexts.h"
#include "scores/ScoreLine.h"
#include "scores/TextFile.h"
#include "support/Fakes.h"
#include "support/GameHarness.h"
#include "support/HostileFiles.h"

// Qt
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using hostile::Kind;
using scores::SortKey;

Q_DECLARE_METATYPE(hostile::Kind)
using FolderAction = std::function<void(const QString&)>;
Q_DECLARE_METATYPE(FolderAction)

namespace {

const QString listName = QStringLiteral("highscore.txt");
const QString counterName = QStringLiteral("nog.txt");

// The widest text each grid column can hold: rank, name, time, date, clicks.
constexpr int cellWidths[] = {3, 24, 8, 10, 3};

QString cellProblem(const scores::Table& table) {
    for (std::size_t r = 0; r < table.size(); ++r) {
        for (std::size_t c = 0; c < 5; ++c) {
            if (scores::characterCount(table[r][c]) > cellWidths[c]) {
                return QStringLiteral("row %1 column %2 holds %3 characters")
                    .arg(r)
                    .arg(c)
                    .arg(scores::characterCount(table[r][c]));
            }
        }
    }
    return {};
}

// What the list's writers say when the list holds more than they read.
const QString notWhole = scores::notWholeError(listName, scores::maxEntries);

// A finished game's row as the window builds it.
scores::Row resultRow(QRandomGenerator& random) {
    const QDateTime start(QDate(2026, 12, 7), QTime(16, 58, 14));
    const QDateTime end = start.addSecs(random.bounded(-100, 200'000));
    return {QString::number(random.bounded(1, 13)), scores::playerName(hostile::typedName(random)),
            scores::elapsedText(start, end), scores::dateText(end.date()),
            scores::savedClickText(random.bounded(-5, 5000))};
}

// What the counter may write: the field and CR LF.
QString counterProblem(const QString& path, const scores::CounterResult& result) {
    if (hostile::readAll(path) != result.field.toLatin1() + "\r\n") {
        return QStringLiteral("nog.txt does not hold the field \"%1\"").arg(result.field);
    }
    if (result.field.size() > 4) {
        return QStringLiteral("field \"%1\" is wider than four").arg(result.field);
    }
    if (!result.warning.isEmpty() &&
        (!result.warning.contains(counterName) || result.field != QLatin1String("   1"))) {
        return QStringLiteral("warning \"%1\" with field \"%2\"").arg(result.warning, result.field);
    }
    return {};
}

} // namespace

class RobustFilesTest : public QObject {
    Q_OBJECT

  private slots:
    void scoreReaders_data();
    void scoreReaders();
    void windowHandlers_data();
    void windowHandlers();
    void startUpWithHostileFiles();
    void folderInPlaceForTheScores_data();
    void folderInPlaceForTheScores();
    void folderInPlaceForTheWindow_data();
    void folderInPlaceForTheWindow();
    void fileMessagesKeepTheirNames_data();
    void fileMessagesKeepTheirNames();

  private:
    void checkScoreReaders(const QString& dir, const QByteArray& bytes, QRandomGenerator& random,
                           bool writers);
    void checkWindowHandlers(GameHarness& h, Kind kind, QRandomGenerator& random, bool wholeGame);
};

void RobustFilesTest::scoreReaders_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("cases");
    const QHash<Kind, int> cases = {
        {Kind::Empty, 1},         {Kind::RandomBytes, 400},    {Kind::NulBytes, 200},
        {Kind::CrWithoutLf, 150}, {Kind::NoFinalLineEnd, 150}, {Kind::HundredsOfLines, 100},
        {Kind::Utf8Text, 150},    {Kind::MutatedList, 650},    {Kind::MegabyteLine, 12},
    };
    for (const Kind kind : hostile::allKinds()) {
        QTest::newRow(qPrintable(hostile::kindName(kind))) << kind << cases.value(kind);
    }
}

void RobustFilesTest::scoreReaders() {
    QFETCH(Kind, kind);
    QFETCH(int, cases);
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString dir = tmp.path() + QLatin1Char('/');
    for (int i = 0; i < cases; ++i) {
        const quint32 seed = 1000 * static_cast<quint32>(kind) + static_cast<quint32>(i);
        QRandomGenerator random(seed);
        const QByteArray bytes = hostile::make(kind, random);
        // Every write on disk is synced, which costs a millisecond or two, so
        // the writers get every eighth content; the readers get them all.
        checkScoreReaders(dir, bytes, random, i % 8 == 0 || kind == Kind::MegabyteLine);
        if (QTest::currentTestFailed()) {
            qWarning("Failed for %s case %d, seed %u", qPrintable(hostile::kindName(kind)), i,
                     seed);
            return;
        }
    }
}

void RobustFilesTest::checkScoreReaders(const QString& dir, const QByteArray& bytes,
                                        QRandomGenerator& random, bool writers) {
    const safefile::Folder folder = hostile::folderAt(dir);
    const scores::HighScoreStore store(folder);
    const QString listPath = dir + listName;
    const QString backupPath = dir + QStringLiteral("highscore2.txt");
    QVERIFY(hostile::writeAll(listPath, bytes));

    const QStringList expected = hostile::expectedLines(
        bytes, scores::maxEntries, scores::maxLineLength, scores::maxReadBytes);
    const bool whole = hostile::expectedWhole(bytes, scores::maxEntries, scores::maxReadBytes);
    QCOMPARE(scores::readTextLines(folder, listName, scores::maxEntries).whole, whole);
    const QStringList lines = store.read().value().lines;
    QCOMPARE(lines.size(), expected.size());
    QVERIFY(lines == expected);
    QCOMPARE(hostile::readAll(listPath), bytes);

    // The grid as the window keeps it (12 rows), and one that is too small.
    for (const std::size_t rows : {std::size_t{12}, std::size_t{0}}) {
        scores::Table table(rows);
        const int filled = scores::fillForResultEntry(lines, table);
        QCOMPARE(filled, static_cast<int>(lines.size()));
        QVERIFY(table.size() >= static_cast<std::size_t>(filled));
        QVERIFY2(cellProblem(table).isEmpty(), qPrintable(cellProblem(table)));

        scores::Table loaded(rows);
        scores::fillForLoadList(lines, loaded);
        QVERIFY2(cellProblem(loaded).isEmpty(), qPrintable(cellProblem(loaded)));
        scores::Table stored(rows);
        QCOMPARE(scores::fillAsStored(lines, stored), filled);
        QVERIFY2(cellProblem(stored).isEmpty(), qPrintable(cellProblem(stored)));

        const SortKey key = random.bounded(2) ? SortKey::Time : SortKey::Clicks;
        const int row = scores::enterResult(table, filled, resultRow(random), key);
        QVERIFY(row >= -1 && row < scores::maxEntries);
        QVERIFY(table.size() <= std::size_t{12});
        QVERIFY2(cellProblem(table).isEmpty(), qPrintable(cellProblem(table)));
        const QStringList saved = scores::saveLines(table);
        QCOMPARE(saved.size(), scores::maxEntries);
        for (const QString& line : saved) {
            QVERIFY2(scores::characterCount(line) <= 51, qPrintable(line));
        }
    }

    // The ranking, on the list as read and on an over-long one.
    for (const SortKey key : {SortKey::Time, SortKey::Clicks}) {
        for (const QStringList& entries : {lines, lines + lines + lines}) {
            const scores::RankResult ranked = scores::rank(entries, key);
            QCOMPARE(ranked.lines.size(), std::min<qsizetype>(entries.size(), 12));
            QCOMPARE(ranked.compared, ranked.lines.size() >= 2);
            for (const QString& line : ranked.lines) {
                QVERIFY2(scores::characterCount(line) <= 51, qPrintable(line));
            }
        }
    }

    if (!writers) {
        return;
    }
    // Ranking on disk, twice over the same hostile start. A list holding more
    // than was read is not rewritten: the rest would be lost.
    for (const SortKey key : {SortKey::Time, SortKey::Clicks}) {
        QVERIFY(hostile::writeAll(listPath, bytes));
        QCOMPARE(errorOf([&] { store.sort(key); }), whole ? QString() : notWhole);
        const QString problem = hostile::listProblem(listPath);
        QVERIFY2(whole ? problem.isEmpty() : hostile::readAll(listPath) == bytes,
                 qPrintable(problem));
    }

    // A new list keeps the hostile one byte for byte; one too big to be a
    // list is refused with a message, and nothing changes.
    QVERIFY(hostile::writeAll(listPath, bytes));
    QFile::remove(backupPath);
    if (bytes.size() > scores::maxFileBytes) {
        const QString message = errorOf([&] { store.newList(); });
        QVERIFY2(message.startsWith(QLatin1String("Could not keep highscore.txt: ")),
                 qPrintable(message));
        QCOMPARE(hostile::readAll(listPath), bytes);
        QVERIFY(!QFile::exists(backupPath));
    } else {
        store.newList();
        QCOMPARE(hostile::readAll(backupPath), bytes);
        QCOMPARE(hostile::readAll(listPath), scores::encodeLines(scores::freshList()));
    }

    // The game counter.
    QVERIFY(hostile::writeAll(dir + counterName, bytes));
    FakeClock clock;
    FakePause pause(clock);
    const scores::CounterResult counted = scores::advanceGameCounter(folder, pause);
    const QString problem = counterProblem(dir + counterName, counted);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void RobustFilesTest::windowHandlers_data() {
    QTest::addColumn<Kind>("kind");
    for (const Kind kind : hostile::allKinds()) {
        QTest::newRow(qPrintable(hostile::kindName(kind))) << kind;
    }
}

void RobustFilesTest::windowHandlers() {
    QFETCH(Kind, kind);
    // One window per kind: the ranked lists pile up in its start label, so
    // a window is not kept for many more cases than a player would play.
    GameHarness h(static_cast<std::uint32_t>(kind));
    const int cases = kind == Kind::Empty ? 1 : kind == Kind::MegabyteLine ? 4 : 6;
    for (int i = 0; i < cases; ++i) {
        const quint32 seed = 50'000 + 1000 * static_cast<quint32>(kind) + static_cast<quint32>(i);
        QRandomGenerator random(seed);
        checkWindowHandlers(h, kind, random, i % 2 == 0);
        if (QTest::currentTestFailed()) {
            qWarning("Failed for %s case %d, seed %u", qPrintable(hostile::kindName(kind)), i,
                     seed);
            return;
        }
    }
}

void RobustFilesTest::checkWindowHandlers(GameHarness& h, Kind kind, QRandomGenerator& random,
                                          bool wholeGame) {
    TForm1& window = h.window();
    h.fakes.dialogs.shown.clear();
    // A list that holds more than its first 12 lines stays as planted, with
    // one message saying so; any other is rewritten well-formed.
    QByteArray planted;
    auto plant = [&] {
        planted = hostile::make(kind, random);
        QVERIFY(hostile::writeAll(h.path(listName), planted));
    };
    auto listIsWellFormed = [&] {
        const QString problem = hostile::listProblem(h.path(listName));
        const bool kept =
            !hostile::expectedWhole(planted, scores::maxEntries, scores::maxReadBytes);
        QVERIFY2(kept ? h.read(listName) == planted : problem.isEmpty(), qPrintable(problem));
    };

    // The handlers run as the player starts them, so an error would end in a
    // message box rather than in the test.
    plant();
    window.Panel1->click();
    plant();
    window.currenthighscores1->trigger();
    listIsWellFormed();
    plant();
    window.sortontime1->trigger();
    listIsWellFormed();
    plant();
    window.sortonclick1->trigger();
    listIsWellFormed();

    if (wholeGame) {
        QVERIFY(hostile::writeAll(h.path(counterName), hostile::make(kind, random)));
        window.start1->trigger();
        window.Edit1->setText(hostile::typedName(random));
        window.Panel1->click();
        plant();
        for (int picture = game::FirstPicture; picture <= game::LastPicture; ++picture) {
            const auto [a, b] = h.pairOf(picture);
            emit h.image(a)->clicked();
            emit h.image(b)->clicked();
        }
        QVERIFY(h.state.ended);
        QVERIFY(h.label(2)->text().startsWith(QLatin1String("finish: ")));
        listIsWellFormed();
        const QByteArray counter = h.read(counterName);
        QVERIFY2(counter.size() <= 6 && counter.endsWith("\r\n"), counter.constData());
    }

    // Only the counter may complain (it does not hold a number), and a list
    // holding more than was read; every list here was readable.
    for (const FakeDialogs::Shown& shown : h.fakes.dialogs.shown) {
        QVERIFY2(shown.text.startsWith(QLatin1String("The game counter nog.txt holds")) ||
                     shown.text.startsWith(notWhole),
                 qPrintable(shown.text));
    }
}

void RobustFilesTest::startUpWithHostileFiles() {
    for (const Kind kind : hostile::allKinds()) {
        QRandomGenerator random(70'000 + static_cast<quint32>(kind));
        const QByteArray list = hostile::make(kind, random);
        const QByteArray counter = hostile::make(kind, random);
        GameHarness h(0, [&](const QString& dir) {
            hostile::writeAll(dir + QLatin1Char('/') + listName, list);
            hostile::writeAll(dir + QLatin1Char('/') + counterName, counter);
        });
        // The list is left alone; the counter is either counted on or restarted
        // with one start-up problem naming it.
        QCOMPARE(h.read(listName), list);
        const QStringList problems = h.window().startupProblems();
        QVERIFY2(problems.size() <= 1, qPrintable(problems.join(QLatin1Char('\n'))));
        for (const QString& problem : problems) {
            QVERIFY2(problem.contains(counterName), qPrintable(problem));
        }
        const QByteArray written = h.read(counterName);
        QVERIFY2(written.size() <= 6 && written.endsWith("\r\n"), written.constData());
    }
}

void RobustFilesTest::folderInPlaceForTheScores_data() {
    // Reading and writing the list itself with a folder in its place is
    // covered by the store's own tests; these are the steps built on them.
    QTest::addColumn<FolderAction>("action");
    auto act = [](const std::function<void(const scores::HighScoreStore&)>& step) {
        return FolderAction([step](const QString& dir) {
            const safefile::Folder folder = hostile::folderAt(dir);
            step(scores::HighScoreStore(folder));
        });
    };
    QTest::newRow("sort on time") << act([](auto& store) { store.sort(SortKey::Time); });
    QTest::newRow("sort on clicks") << act([](auto& store) { store.sort(SortKey::Clicks); });
    QTest::newRow("newList") << act([](auto& store) { store.newList(); });
}

void RobustFilesTest::folderInPlaceForTheScores() {
    QFETCH(FolderAction, action);
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString dir = tmp.path() + QLatin1Char('/');
    QVERIFY(QDir().mkdir(dir + listName));
    QVERIFY(hostile::writeAll(dir + listName + QStringLiteral("/inside"), "kept"));
    const auto before = hostile::snapshot(dir);
    QCOMPARE(errorOf([&] { action(dir); }),
             QStringLiteral("Could not read highscore.txt: a folder is in its place"));
    QCOMPARE(hostile::snapshot(dir), before);
}

void RobustFilesTest::folderInPlaceForTheWindow_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("handler");
    for (const char* handler :
         {"OK", "show list", "sort on time", "sort on clicks", "whole game", "new list"}) {
        QTest::newRow(qPrintable(listName + QLatin1String(", ") + QLatin1String(handler)))
            << listName << QString::fromLatin1(handler);
    }
    QTest::newRow("nog.txt, new game") << counterName << QStringLiteral("new game");
}

void RobustFilesTest::folderInPlaceForTheWindow() {
    QFETCH(QString, file);
    QFETCH(QString, handler);
    GameHarness h;
    TForm1& window = h.window();
    if (handler == QLatin1String("whole game")) {
        window.Edit1->setText(QStringLiteral("Robin"));
        window.Panel1->click();
    }
    QVERIFY(QFile::remove(h.path(file)));
    QVERIFY(QDir().mkdir(h.path(file)));
    const auto before = hostile::snapshot(h.path(file));

    if (handler == QLatin1String("OK")) {
        window.Panel1->click();
    } else if (handler == QLatin1String("show list")) {
        window.currenthighscores1->trigger();
    } else if (handler == QLatin1String("sort on time")) {
        window.sortontime1->trigger();
    } else if (handler == QLatin1String("sort on clicks")) {
        window.sortonclick1->trigger();
    } else if (handler == QLatin1String("new list")) {
        window.newlst1->trigger();
    } else if (handler == QLatin1String("new game")) {
        window.start1->trigger();
    } else {
        for (int picture = game::FirstPicture; picture <= game::LastPicture; ++picture) {
            const auto [a, b] = h.pairOf(picture);
            emit h.image(a)->clicked();
            emit h.image(b)->clicked();
        }
        QVERIFY(h.state.ended);
    }

    QCOMPARE(h.fakes.dialogs.shown.size(), 1);
    const QString text = h.fakes.dialogs.shown.first().text;
    // The ending adds that the result was not kept.
    const QString end = handler == QLatin1String("whole game")
                            ? QStringLiteral("a folder is in its place. The result was not saved.")
                            : QStringLiteral("a folder is in its place");
    QVERIFY2(text.startsWith(QLatin1String("Could not ")) && text.contains(file) &&
                 text.endsWith(end),
             qPrintable(text));
    QCOMPARE(h.fakes.dialogs.shown.first().icon, Dialogs::Icon::Warning);
    QCOMPARE(hostile::snapshot(h.path(file)), before);
    QVERIFY(QFileInfo(h.path(file)).isDir());
}

void RobustFilesTest::fileMessagesKeepTheirNames_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("lock");
    QTest::addColumn<QString>("expected");
    QTest::newRow("de read") << "de" << false
                             << "highscore.txt konnte nicht gelesen werden: Unter diesem Namen "
                                "liegt ein Ordner";
    QTest::newRow("en lock") << "en" << true
                             << "Could not lock highscore.txt: its lock file highscore.txt.lock "
                                "is not used: a folder is in its place";
    QTest::newRow("de lock") << "de" << true
                             << "highscore.txt konnte nicht gesperrt werden: Die Sperrdatei "
                                "highscore.txt.lock ist nicht verwendbar: Unter diesem Namen liegt "
                                "ein Ordner";
}

// A translated message still names the file and, for the lock, its lock file.
void RobustFilesTest::fileMessagesKeepTheirNames() {
    QFETCH(QString, language);
    QFETCH(bool, lock);
    QFETCH(QString, expected);
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString dir = tmp.path() + QLatin1Char('/');
    QVERIFY(QDir().mkdir(dir + listName + (lock ? QStringLiteral(".lock") : QString())));
    const safefile::Folder folder = hostile::folderAt(dir);
    i18n::Translation translation(language);
    translation.install();
    FakeClock clock;
    FakePause pause(clock);
    const QString message = errorOf([&] {
        if (lock) {
            const safefile::FolderLock held(folder, listName, pause);
        } else {
            folder.readPrefix(listName, 1);
        }
    });
    QCOMPARE(message, expected);
}

QTEST_MAIN(RobustFilesTest)
#include "tst_robust_files.moc"
