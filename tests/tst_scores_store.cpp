// The high-score list file: reading, writing in one step, the seed and fresh
// lists, sorting on disk, and the lock two games in one folder share.

#include "support/ErrorOf.h"
#include "support/Fakes.h"
#include "support/HostileFiles.h"
#include "support/WriteBlocker.h"
#include "scores/GameCounter.h"
#include "scores/HighScoreStore.h"
#include "scores/ResultTexts.h"
#include "scores/ScoreList.h"

#include "platform/GameError.h"

// Qt
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// std
#include <cerrno>
#include <cstring>
#include <grp.h>
#include <optional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <sys/stat.h>

using namespace scores;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(scores::SortKey)
Q_DECLARE_METATYPE(scores::Row)

namespace {

using hostile::readAll;
using hostile::writeAll;

QByteArray crlf(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

// Empty rows as the save writes them.
QByteArray blankLines(int count, int width) {
    return (QByteArray(width, ' ') + "\r\n").repeated(count);
}

// The fresh list as written (its lines are checked one by one by the
// ranking test).
QByteArray freshBytes() {
    return crlf(freshList());
}

} // namespace

class TestScoresStore : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void readLines_data();
    void readLines();
    void readsAHugeLine();
    void writeLinesWithCrLf_data();
    void writeLinesWithCrLf();
    void utf8NameJoinsALatin1List();
    void fixedListsOnDisk();
    void resultEntryRoundTrip_data();
    void resultEntryRoundTrip();
    void listRowsOutliveReadings_data();
    void listRowsOutliveReadings();
    void unreadableListLeavesTheRows();
    void sortOnDisk_data();
    void sortOnDisk();
    void newListKeepsBackup();
    void newListFailsWhenBackupCannotBeWritten();
    void failedWriteKeepsOldFile();
    void folderInPlaceOfTheList();
    void parentIsAFile();
    void secondLockWaitsForTheFirst_data();
    void secondLockWaitsForTheFirst();
    void stickySharedFolder_data();
    void stickySharedFolder();

  private:
    std::optional<QTemporaryDir> m_tmp;
    QString m_dir;
    safefile::Folder m_folder;
};

void TestScoresStore::init() {
    m_tmp.emplace();
    QVERIFY(m_tmp->isValid());
    m_dir = m_tmp->path() + "/";
    m_folder = hostile::folderAt(m_dir);
}

void TestScoresStore::readLines_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << QByteArray() << QStringList{};
    QTest::newRow("one line end") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("LF") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("last line without end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("empty lines") << QByteArray("\n\r\n\nx") << QStringList{"", "", "", "x"};
    QTest::newRow("CR alone") << QByteArray("a\rb\r\r\nc\r") << QStringList{"a", "b", "", "c"};
    QTest::newRow("NUL and 8-bit")
        << QByteArray("a\0b\xe9\xff\n", 6)
        << QStringList{QString::fromLatin1(QByteArray("a\0b\xe9\xff", 5))};
    QByteArray fourteen;
    QStringList twelve;
    for (int i = 1; i <= 14; ++i) {
        fourteen += QByteArray::number(i) + "\r\n";
        if (i <= 12)
            twelve << QString::number(i);
    }
    QTest::newRow("only twelve lines") << fourteen << twelve;
    QStringList tenthShort = freshList(); // every other line is kept exactly
    tenthShort[9] = "x";
    QTest::newRow("tenth line one character") << crlf(tenthShort) << tenthShort;
}

void TestScoresStore::readLines() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    const HighScoreStore store(m_folder);
    QVERIFY(writeAll((m_dir + "highscore.txt"), bytes));
    QCOMPARE(store.read().value().lines, lines);
}

void TestScoresStore::readsAHugeLine() {
    // A long line is cut and the lines after it still count, up to the
    // reader's bound; past it the reading ends, so a file of gigabytes costs
    // no more than a small one, and the list is not rewritten.
    const HighScoreStore store(m_folder);
    const QByteArray wide(1000, 'x');
    const QByteArray huge(3 * 1024 * 1024, 'x');
    const QString cut(maxLineLength, u'x');
    QVERIFY(writeAll((m_dir + "highscore.txt"), wide + "\r\nsecond\r\n" + huge + "\r\nthird\r\n"));
    QCOMPARE(store.read().value().lines, QStringList({cut, "second", cut, "third"}));
    QCOMPARE(errorOf([&] { store.replace(store.read(), {"x"}); }), QString());

    const QByteArray past = huge + huge + "\r\nsecond\r\n";
    QVERIFY(writeAll((m_dir + "highscore.txt"), past));
    QCOMPARE(store.read().value().lines, QStringList{cut});
    QCOMPARE(errorOf([&] { store.sort(SortKey::Time); }), notWholeError("highscore.txt", 12));
    QCOMPARE(readAll(m_dir + "highscore.txt"), past);
}

void TestScoresStore::writeLinesWithCrLf_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("bytes");
    // The writer's ways out: the error by which the file system refuses a
    // file without a name (0: it makes one), and a killed write's leftover
    // at the first temporary name drawn.
    QTest::addColumn<int>("unnamedRefusal");
    QTest::addColumn<bool>("temporaryNameTaken");
    const QStringList jose{"Jos\u00e9", ""};
    const QByteArray joseBytes("Jos\xe9\r\n\r\n");
    QTest::newRow("Latin-1") << jose << joseBytes << 0 << false;
    QTest::newRow("a character beyond Latin-1 makes UTF-8")
        << QStringList{"Jos\u00e9", "5\u20ac"} << QByteArray("Jos\xc3\xa9\r\n5\xe2\x82\xac\r\n")
        << 0 << false;
    QTest::newRow("Latin-1 that would read as UTF-8")
        << QStringList{"\u00c3\u00a9"} << QByteArray("\xc3\x83\xc2\xa9\r\n") << 0 << false;
    QTest::newRow("nothing") << QStringList{} << QByteArray() << 0 << false;
    QTest::newRow("temporary name taken") << jose << joseBytes << 0 << true;
    for (const int refusal : {EOPNOTSUPP, EISDIR, EINVAL}) {
        QTest::addRow("no unnamed file (%s)", strerrorname_np(refusal))
            << jose << joseBytes << refusal << false;
    }
    QTest::newRow("no unnamed file, temporary name taken") << jose << joseBytes << EINVAL << true;
}

void TestScoresStore::writeLinesWithCrLf() {
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, bytes);
    QFETCH(int, unnamedRefusal);
    QFETCH(bool, temporaryNameTaken);
    const QByteArray leftover = "killed write";
    safefile::Folder::TemporaryFiles files;
    if (unnamedRefusal != 0) {
        files.openUnnamed = [unnamedRefusal](int, unsigned) {
            errno = unnamedRefusal;
            return -1;
        };
    }
    if (temporaryNameTaken) {
        QVERIFY(writeAll(m_dir + "highscore.txt.Ab12Cd", leftover));
        files.nextSuffix = [drawn = 0]() mutable {
            return QByteArray(drawn++ ? "Zz98Yx" : "Ab12Cd");
        };
    }
    m_folder.setTemporaryFiles(files);
    const HighScoreStore store(m_folder);
    store.replace(store.read(), lines);
    QCOMPARE(readAll((m_dir + "highscore.txt")), bytes);
    QCOMPARE(store.read().value().lines, lines);
    // The leftover is another write's; nothing of this one stays beside it.
    QCOMPARE(QDir(m_dir).entryList({"highscore.txt.??????"}, QDir::Files | QDir::Hidden),
             temporaryNameTaken ? QStringList{"highscore.txt.Ab12Cd"} : QStringList{});
    if (temporaryNameTaken) {
        QCOMPARE(readAll(m_dir + "highscore.txt.Ab12Cd"), leftover);
    }
}

void TestScoresStore::utf8NameJoinsALatin1List() {
    // A list written by an earlier version, in Latin-1, keeps its names.
    const QByteArray muller = "1  M\xfcller                  00:02:00 01.12.2026   60\r\n";
    QVERIFY(writeAll(m_dir + "highscore.txt", muller));
    const HighScoreStore store(m_folder);
    FakeClock clock;
    FakePause pause(clock);
    ScoreList list;
    const QDateTime finish(QDate(2026, 12, 9), QTime(10, 0, 0));
    list.finishGame(store, pause, resultRow(playerName("\u3055\u304f\u3089"), 60'000, finish, 40),
                    SortKey::Clicks);
    QVERIFY(readAll(m_dir + "highscore.txt").startsWith("1  \xe3\x81\x95\xe3\x81\x8f\xe3\x82\x89"));
    const QStringList lines = store.read().value().lines;
    QCOMPARE(lines.at(1), QString::fromLatin1(muller.chopped(2)).replace(0, 1, "2"));
}

void TestScoresStore::fixedListsOnDisk() {
    const HighScoreStore store(m_folder);
    store.newList();
    QCOMPARE(readAll((m_dir + "highscore.txt")), freshBytes());
    QVERIFY(!QFile::exists((m_dir + "highscore2.txt")));
}

void TestScoresStore::resultEntryRoundTrip_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<SortKey>("key");
    QTest::addColumn<QByteArray>("after");
    const QByteArray ann = "Ann                     00:05:00 05.06.2024   57";
    QTest::newRow("no list") << QByteArray() << SortKey::Time
                             << "1  " + ann + "\r\n" + blankLines(8, 29) + blankLines(3, 28);
    QTest::newRow("three lines") << QByteArray(
                                        "1  Novice                  00:10:00 01.02.1492  222\n"
                                        "2  King Lear               00:10:01 01.02.1592  223\n"
                                        "3  Santa Claus             00:10:02 01.02.1692  324")
                                 << SortKey::Clicks
                                 << "1  Novice                  00:10:00 01.02.1492  222\r\n"
                                    "2  King Lear               00:10:01 01.02.1592  223\r\n"
                                    "3  Santa Claus             00:10:02 01.02.1692  324\r\n"
                                    "4  " +
                                        ann + "\r\n" + blankLines(5, 29) + blankLines(3, 28);
    // Lines past the twelfth would be lost: the list is not written at all
    // (no "after"). Blank lines there are no entries.
    QTest::newRow("full list, fourteen lines")
        << QByteArray(freshBytes() + "13 x\r\n14 y\r\n") << SortKey::Clicks << QByteArray();
    QTest::newRow("full list, lone CRs, thirteen lines")
        << QByteArray(freshBytes().replace("\r\n", "\r") + "13 x") << SortKey::Clicks
        << QByteArray();
    QByteArray expected = freshBytes();
    expected.replace("3  ....................... 10:10:02 ..........  444", "3  " + ann);
    QTest::newRow("full list, blank lines after it")
        << QByteArray(freshBytes() + "  \r\n\t\n\r") << SortKey::Clicks << expected;
    // Gaps filled on reading are written back as filled. By time the worst
    // is then 10:11:10 in row 12; by clicks it is the gap's "999".
    QByteArray gaps = freshBytes();
    gaps.replace("10 ....................... 10:10:10 ..........  200",
                 "10 .......................          ..........     ");
    expected = gaps;
    expected.replace("10 .......................          ..........     ",
                     "10 ....................... 00:32:01 ..........  999");
    expected.replace("12 ....................... 10:11:10 ..........  202", "12 " + ann);
    QTest::newRow("gaps filled, by time") << gaps << SortKey::Time << expected;
    expected = gaps;
    expected.replace("10 .......................          ..........     ", "10 " + ann);
    QTest::newRow("gaps filled, by clicks") << gaps << SortKey::Clicks << expected;
}

void TestScoresStore::resultEntryRoundTrip() {
    QFETCH(QByteArray, before);
    QFETCH(SortKey, key);
    QFETCH(QByteArray, after);
    const HighScoreStore store(m_folder);
    ScoreList list;
    FakeClock clock;
    FakePause pause(clock);
    // Rows shown before are not what the ending ranks against: the list now is.
    writeAll(m_dir + "highscore.txt", freshBytes().replace("....", "Gone"));
    list.show(store, pause, key);
    QFile::remove(m_dir + "highscore.txt");
    if (!before.isNull())
        QVERIFY(writeAll((m_dir + "highscore.txt"), before));
    const QDateTime start(QDate(2024, 6, 5), QTime(10, 0, 0));
    const Row result = resultRow(playerName("Ann"), 300'000, start.addSecs(300), 57);
    const QString message = errorOf([&] { list.finishGame(store, pause, result, key); });
    QCOMPARE(message, after.isNull() ? notWholeError("highscore.txt", maxEntries) : QString());
    if (after.isNull()) {
        QCOMPARE(readAll((m_dir + "highscore.txt")), before);
        return;
    }
    // The saved rows are ranked, shown and ranked once more; ranking is
    // guarded on its own, the save's bytes here.
    QStringList saved = QString::fromLatin1(after).split("\r\n");
    saved.removeLast();
    const QStringList shown = rank(rank(saved, key).lines, key).lines;
    QCOMPARE(readAll((m_dir + "highscore.txt")), crlf(shown));
    QCOMPARE(list.rows().at(0)[column::name], shown.at(0).mid(3, 24));
}

namespace {

enum Reader { Names, AsStored, Entry };

const QByteArray AnnAndBo = "1  Ann                     00:02:00 01.12.2026   60\r\n"
                            "2  Bo                      00:01:00 02.12.2026   80\r\n";
const QByteArray Cy = "3  Cy                      00:03:00 03.12.2026   50\r\n";

Row rowOf(const QString& line) {
    return {line.mid(0, 3), line.mid(3, 24), line.mid(27, 8), line.mid(36, 10), line.mid(48, 3)};
}

} // namespace

void TestScoresStore::listRowsOutliveReadings_data() {
    QTest::addColumn<int>("reader");
    QTest::addColumn<std::optional<QByteArray>>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<Row>("first");
    const Row ann = rowOf(QString::fromLatin1(AnnAndBo.left(51)));
    const Row cy = rowOf(QString::fromLatin1(Cy.left(51)));
    const std::optional<QByteArray> missing;
    QTest::newRow("names leave the clicks")
        << int(Names) << std::optional(Cy) << Cy << Row{cy[0], cy[1], cy[2], cy[3], ann[4]};
    QTest::newRow("names of an empty list blank the first row")
        << int(Names) << std::optional(QByteArray()) << QByteArray() << Row{"", "", "", "", ann[4]};
    QTest::newRow("all columns as stored")
        << int(AsStored) << std::optional(Cy) << QByteArray("1" + Cy.mid(1)) << cy;
    QTest::newRow("names without a list") << int(Names) << missing << QByteArray() << ann;
    QTest::newRow("all columns without a list")
        << int(AsStored) << missing << QByteArray("1 \r\n") << ann;
}

void TestScoresStore::listRowsOutliveReadings() {
    QFETCH(int, reader);
    QFETCH(std::optional<QByteArray>, before);
    QFETCH(QByteArray, after);
    QFETCH(Row, first);
    const HighScoreStore store(m_folder);
    QVERIFY(writeAll((m_dir + "highscore.txt"), AnnAndBo));
    ScoreList list;
    FakeClock clock;
    FakePause pause(clock);
    list.show(store, pause, SortKey::Time);
    const Row bo = list.rows().at(1);
    QVERIFY(QFile::remove((m_dir + "highscore.txt")));
    if (before)
        QVERIFY(writeAll((m_dir + "highscore.txt"), *before));
    if (reader == Names)
        list.takeNames(store, pause);
    else
        list.show(store, pause, SortKey::Time);
    QCOMPARE(list.rows().size(), std::size_t(12));
    QCOMPARE(list.rows().at(0), first);
    QCOMPARE(list.rows().at(1), bo);
    QCOMPARE(readAll((m_dir + "highscore.txt")), after);
}

void TestScoresStore::unreadableListLeavesTheRows() {
    const HighScoreStore store(m_folder);
    QVERIFY(writeAll((m_dir + "highscore.txt"), AnnAndBo));
    ScoreList list;
    FakeClock clock;
    FakePause pause(clock);
    list.show(store, pause, SortKey::Time);
    const Table before = list.rows();
    QVERIFY(QFile::remove((m_dir + "highscore.txt")));
    QVERIFY(QDir().mkdir((m_dir + "highscore.txt")));
    const Row result{"", "Dee", "00:00:09", "01.01.2027", "  9"};
    for (int reader : {Names, AsStored, Entry}) {
        const QString message = errorOf([&] {
            if (reader == Names)
                list.takeNames(store, pause);
            else if (reader == AsStored)
                list.show(store, pause, SortKey::Time);
            else
                list.finishGame(store, pause, result, SortKey::Time);
        });
        QVERIFY2(message.contains("highscore.txt"), qPrintable(message));
        QCOMPARE(list.rows(), before);
    }
}

void TestScoresStore::sortOnDisk_data() {
    QTest::addColumn<std::optional<QByteArray>>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<bool>("compared");
    QTest::newRow("missing list") << std::optional<QByteArray>() << QByteArray() << false;
    QTest::newRow("empty list") << std::optional<QByteArray>("") << QByteArray("1 \r\n") << false;
    QTest::newRow("only a line end")
        << std::optional<QByteArray>("\r\n") << QByteArray("1 \r\n") << false;
    QTest::newRow("two lines") << std::optional<QByteArray>(
                                      "1  B                       00:10:02 01.02.1692  324\n"
                                      "2  A                       00:10:00 01.02.1692  324")
                               << QByteArray(
                                      "1  A                       00:10:00 01.02.1692  324\r\n"
                                      "2  B                       00:10:02 01.02.1692  324\r\n")
                               << true;
}

void TestScoresStore::sortOnDisk() {
    QFETCH(std::optional<QByteArray>, before);
    QFETCH(QByteArray, after);
    QFETCH(bool, compared);
    const HighScoreStore store(m_folder);
    if (before)
        QVERIFY(writeAll((m_dir + "highscore.txt"), *before));
    const RankResult result = store.sort(SortKey::Time);
    QCOMPARE(result.compared, compared);
    QCOMPARE(readAll((m_dir + "highscore.txt")), after);
    QCOMPARE(crlf(result.lines), after);
}

void TestScoresStore::newListKeepsBackup() {
    const HighScoreStore store(m_folder);
    const QByteArray odd("1  hand-made\n\0\xff\r", 16);
    QVERIFY(writeAll((m_dir + "highscore.txt"), odd));
    QVERIFY(writeAll((m_dir + "highscore2.txt"), "older backup"));
    store.newList();
    QCOMPARE(readAll((m_dir + "highscore2.txt")), odd);
    QCOMPARE(readAll((m_dir + "highscore.txt")), freshBytes());
    // Every list the other actions read is kept: up to 4 MiB.
    const QByteArray big = odd + QByteArray((4 << 20) - odd.size(), ' ');
    QVERIFY(writeAll((m_dir + "highscore.txt"), big));
    store.newList();
    QCOMPARE(readAll((m_dir + "highscore2.txt")), big);
}

void TestScoresStore::newListFailsWhenBackupCannotBeWritten() {
    const HighScoreStore store(m_folder);
    const QByteArray list = crlf(freshList().mid(0, 3));
    QVERIFY(writeAll((m_dir + "highscore.txt"), list));
    QVERIFY(QDir().mkdir((m_dir + "highscore2.txt")));
    const QString message = errorOf([&] { store.newList(); });
    QVERIFY2(message.contains("highscore2.txt"), qPrintable(message));
    QCOMPARE(readAll((m_dir + "highscore.txt")), list);
    QVERIFY(QFileInfo((m_dir + "highscore2.txt")).isDir());
}

void TestScoresStore::failedWriteKeepsOldFile() {
    QVERIFY(QDir().mkdir(m_dir + "list"));
    const safefile::Folder folder = hostile::folderAt(m_dir + "list");
    const HighScoreStore store(folder);
    const QByteArray old = crlf(freshList().mid(0, 3));
    QVERIFY(writeAll(m_dir + "list/highscore.txt", old));
    QString message;
    {
        const WriteBlocker blocker(m_dir + "list");
        message = errorOf([&] { store.replace(store.read(), freshList()); });
    }
    QVERIFY2(message.startsWith("Could not write highscore.txt: "), qPrintable(message));
    QCOMPARE(readAll(m_dir + "list/highscore.txt"), old);
    QCOMPARE(QDir(m_dir + "list").entryList(QDir::Files), QStringList{"highscore.txt"});
}

void TestScoresStore::folderInPlaceOfTheList() {
    const HighScoreStore store(m_folder);
    QVERIFY(QDir().mkdir((m_dir + "highscore.txt")));
    QVERIFY(store.exists());
    QString message = errorOf([&] { store.read(); });
    QVERIFY2(message.startsWith("Could not read highscore.txt: "), qPrintable(message));
    QVERIFY(QFileInfo((m_dir + "highscore.txt")).isDir());
}

void TestScoresStore::parentIsAFile() {
    QVERIFY(writeAll(m_dir + "plain", "x"));
    const safefile::Folder folder = hostile::folderAt(m_dir + "plain");
    const HighScoreStore store(folder);
    QVERIFY(!store.exists());
    const QString message = errorOf([&] { store.read(); });
    QVERIFY2(message.startsWith("Could not use highscore.txt: "), qPrintable(message));
    QCOMPARE(readAll(m_dir + "plain"), QByteArray("x"));
}

void TestScoresStore::secondLockWaitsForTheFirst_data() {
    QTest::addColumn<QString>("byHand"); // what happens to the first lock's file
    QTest::addColumn<int>("heldMs");     // how long the first game keeps it
    QTest::newRow("held") << "" << 100'000;
    QTest::newRow("held five seconds, a finished game waits") << "" << 5000;
    QTest::newRow("lock file removed by hand") << "removed" << 100'000;
    QTest::newRow("lock file replaced by hand") << "replaced" << 100'000;
}

void TestScoresStore::secondLockWaitsForTheFirst() {
    QFETCH(QString, byHand);
    QFETCH(int, heldMs);
    FakeClock clock;
    FakePause pause(clock);
    std::optional<ListLock> first;
    first.emplace(m_folder, pause);
    const QString lockFile = m_dir + "highscore.txt.lock";
    if (!byHand.isEmpty())
        QVERIFY(QFile::remove(lockFile) && (byHand == "removed" || writeAll(lockFile, "")));
    pause.at(heldMs, [&first] { first.reset(); });
    // A second game has a descriptor of its own on the folder.
    const safefile::Folder other = hostile::folderAt(m_dir);
    int told = 0;
    const safefile::LockWait wait(heldMs == 5000 ? safefile::LockWait::patientTimeoutMs : 300,
                                  [&told] { ++told; });
    std::optional<ListLock> second;
    const QString message = errorOf([&] { second.emplace(other, pause, wait); });
    if (!byHand.isEmpty()) {
        // A lock on a lock file gone from its name does not count, nor write.
        QCOMPARE(message, QString());
        const QString refused = errorOf(
            [&] { HighScoreStore(m_folder, &first->lock()).replace(std::nullopt, freshList()); });
        QVERIFY2(refused.contains("was removed or replaced"), qPrintable(refused));
        first.reset(); // removes no lock file but its own
        QVERIFY(QFile::exists(lockFile));
        return;
    }
    // Waited for through the pause, in steps, no longer than asked, and shown.
    QCOMPARE(told, 1);
    QVERIFY(pause.calls.size() > 1);
    QCOMPARE(pause.now(), heldMs == 5000 ? 5000 : 300);
    QCOMPARE(message.isEmpty(), heldMs == 5000);
    if (heldMs == 5000)
        return;
    QVERIFY2(message.startsWith("Could not lock highscore.txt: another game"), qPrintable(message));
    first.reset();
    QCOMPARE(errorOf([&] { ListLock again(other, pause, 300); }), QString());
}

void TestScoresStore::stickySharedFolder_data() {
    QTest::addColumn<int>("mode");      // of the files another user owns; < 0: with a second link
    QTest::addColumn<QString>("cause"); // "" when both are rewritten in place
    QTest::addColumn<int>("limit");     // the player's file size limit in bytes, 0 for none
    QTest::newRow("writable for the player") << 0666 << "" << 0;
    QTest::newRow("not writable for the player") << 0644 << "sticky bit" << 0;
    QTest::newRow("a second link") << -0666 << "sticky bit" << 0;
    QTest::newRow("a file size limit below the list") << 0666 << "file size limit" << 100;
}

void TestScoresStore::stickySharedFolder() {
    // Only an ordinary user is refused a rename over another's file there.
    if (::geteuid() != 0)
        QSKIP("needs root to act as a second user");
    QFETCH(int, mode);
    QFETCH(QString, cause);
    QFETCH(int, limit);
    const QString shared = m_dir + "shared/";
    // Longer than the list written in its place: nothing of it may stay.
    const QByteArray planted = freshBytes() + QByteArray(100, ' ') + "\r\n";
    QVERIFY(QDir().mkdir(shared) && ::chmod(QFile::encodeName(m_dir).constData(), 0755) == 0 &&
            ::chmod(QFile::encodeName(shared).constData(), 01777) == 0);
    QVERIFY(writeAll(shared + "highscore.txt", planted) &&
            writeAll(shared + "nog.txt", "  41\r\n"));
    for (const char* file : {"highscore.txt", "nog.txt"})
        QVERIFY(::chmod(QFile::encodeName(shared + file).constData(), mode_t(qAbs(mode))) == 0);
    if (mode < 0)
        QVERIFY(::link(QFile::encodeName(shared + "highscore.txt").constData(),
                       QFile::encodeName(shared + "second").constData()) == 0);
    const pid_t child = ::fork();
    if (child == 0) { // the second player, nobody, counts a game and finishes one
        if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(2);
        const rlimit small{rlim_t(limit), rlim_t(limit)};
        safefile::ignoreFileSizeSignal();
        if (limit > 0 && ::setrlimit(RLIMIT_FSIZE, &small) != 0)
            ::_exit(3);
        const safefile::Folder folder = hostile::folderAt(shared);
        FakeClock clock;
        FakePause pause(clock);
        const QString told = errorOf([&] {
            advanceGameCounter(folder, pause);
            ScoreList().finishGame(HighScoreStore(folder), pause,
                                   {"", "Ann", "00:01:00", "", " 40"}, SortKey::Clicks);
        });
        ::_exit(cause.isEmpty() ? !told.isEmpty() : !told.contains(cause));
    }
    int status = -1;
    QVERIFY(::waitpid(child, &status, 0) == child && WIFEXITED(status) && !WEXITSTATUS(status));
    QCOMPARE(QFileInfo(shared + "highscore.txt").ownerId(), 0u);
    const QByteArray list = readAll(shared + "highscore.txt");
    QCOMPARE(list.contains("Ann"), cause.isEmpty());
    // Rewritten whole in place, or left byte for byte; no temporary file stays.
    if (cause.isEmpty()) {
        QCOMPARE(list.count("\r\n"), 12);
        QVERIFY(!list.contains(QByteArray(100, ' ')));
        QCOMPARE(readAll(shared + "nog.txt"), QByteArray("  42\r\n"));
    } else {
        QCOMPARE(list, planted);
    }
    const QStringList left = QDir(shared).entryList(QDir::Files | QDir::System);
    QCOMPARE(left.filter(QRegularExpression("[.][A-Za-z0-9]{6}$")), QStringList());
}

QTEST_GUILESS_MAIN(TestScoresStore)
#include "tst_scores_store.moc"
