// What a game folder may hold in place of a file the game uses: a link out of
// the folder, a link that stays in it, a FIFO, a socket, a folder, a huge
// sparse file; and a process file size limit or a working folder removed
// before start-up. Each case plants one shape at one name, runs one step of
// the game as the player would, and checks:
// - the victim outside the folder keeps its bytes, and nothing appears there;
// - the step returns (a watchdog frees a FIFO the game would wait on, and the
//   case fails), and a huge file costs no noticeable time;
// - the message names the file and the cause, or no message names it;
// - the data files are as they were, but for what the step itself keeps;
// - the planted entry is left alone, replaced by the game's own picture, or
//   removed, as the case says.

// own
#include "app/PictureBox.h"
#include "platform/RealServices.h"
#include "assets/AssetFiles.h"
#include "platform/SafeFile.h"
#include "scores/GameCounter.h"
#include "scores/HighScoreStore.h"
#include "scores/ScoreLine.h"
#include "scores/TextFile.h"
#include "support/GameHarness.h"
#include "support/HostileFiles.h"

// Qt
#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

// std
#include <atomic>
#include <condition_variable>
#include <ctime>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <mutex>
#include <optional>
#include <thread>
#include <sys/stat.h>
#include <unistd.h>

using hostile::Shape;

namespace {

enum class Step { StartUp, NewGame, CardTurn, Ok, Show, SortOnTime, NewList, Ending, End };
// What becomes of the planted entry; Rewritten: a planted list is written
// again with every entry it held.
enum class After { Kept, Replaced, Removed, Rewritten };

const QString listName = QStringLiteral("highscore.txt");
const QString counterName = QStringLiteral("nog.txt");
const QStringList dataNames = {listName, QStringLiteral("highscore2.txt"), counterName};

// Twelve results whose order by time and by clicks agree, so ranking either
// way writes the same bytes.
QByteArray rankedList() {
    QStringList lines;
    for (int i = 1; i <= 12; ++i) {
        lines << QString::asprintf("%-3d%-24s00:%02d:00 07.12.2026  %3d", i, "Robin", i, 30 + i);
    }
    return scores::encodeLines(lines);
}

// A picture the game should never show, as the victim outside.
QByteArray victimBytes() {
    return assets::embeddedImage(QStringLiteral("ok"));
}

// Frees a FIFO that a step waits on once the deadline passes: opening it for
// reading and writing wakes an open blocked on either end, and closing it
// again gives the reader an end of file.
class Watchdog {
  public:
    explicit Watchdog(int seconds) {
        m_thread = std::thread([this, seconds] {
            std::unique_lock<std::mutex> lock(m_mutex);
            if (m_done.wait_for(lock, std::chrono::seconds(seconds), [this] { return m_stop; })) {
                return;
            }
            m_fired = true;
            while (
                !m_done.wait_for(lock, std::chrono::milliseconds(100), [this] { return m_stop; })) {
                const int fd =
                    m_fifo.isEmpty() ? -1 : ::open(m_fifo.constData(), O_RDWR | O_NONBLOCK);
                if (fd >= 0) {
                    ::close(fd);
                }
            }
        });
    }
    ~Watchdog() {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_stop = true;
        }
        m_done.notify_all();
        m_thread.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;
    void watch(const QString& fifo) {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_fifo = QFile::encodeName(fifo);
    }
    bool fired() const { return m_fired; }

  private:
    QByteArray m_fifo;
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_stop = false;
    std::atomic<bool> m_fired{false};
    std::thread m_thread;
};

} // namespace

Q_DECLARE_METATYPE(hostile::Shape)
Q_DECLARE_METATYPE(Step)
Q_DECLARE_METATYPE(After)

class RobustShapesTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void hostileShapes_data();
    void hostileShapes();
    void nameSwappedDuringWrites_data();
    void nameSwappedDuringWrites();
    void folderRenamedOrNotUtf8_data();
    void folderRenamedOrNotUtf8();
    void fullDiskNamedByTheWriter();
    void clockSetDuringAGame();
    void killedGamesLeaveNothing();
};

void RobustShapesTest::initTestCase() {
    // What the program block does first; the size limit cases die without it.
    std::signal(SIGXFSZ, SIG_DFL);
    safefile::ignoreFileSizeSignal();
}

void RobustShapesTest::hostileShapes_data() {
    QTest::addColumn<Shape>("shape");
    QTest::addColumn<QString>("name");
    QTest::addColumn<Step>("step");
    QTest::addColumn<QString>("cause"); // in the one message naming `name`; "" for none
    QTest::addColumn<After>("after");
    const QString link = QStringLiteral("is a link to");
    const QString fifo = QStringLiteral("FIFO");
    const QString more = QStringLiteral("holds more than the game can read");
    const QString lock = QStringLiteral("highscore.txt.lock");
    const QString counterLock = QStringLiteral("nog.txt.lock");
    const QString back = QStringLiteral("empty.bmp");
    const QString face = QStringLiteral("img19.bmp");
    const struct {
        Shape shape;
        QString name;
        Step step;
        QString cause;
        After after;
    } rows[] = {
        {Shape::LinkOutToNothing, counterName, Step::StartUp, link, After::Kept},
        {Shape::LinkOut, listName, Step::Show, link, After::Kept},
        {Shape::LinkOut, listName, Step::Ok, link, After::Kept},
        {Shape::LinkOut, listName, Step::NewList, link, After::Kept},
        {Shape::LinkOut, QStringLiteral("highscore2.txt"), Step::NewList, link, After::Kept},
        {Shape::LinkOut, listName, Step::Ending, link, After::Kept},
        {Shape::LinkOut, lock, Step::SortOnTime, link, After::Kept},
        {Shape::LinkOut, counterLock, Step::NewGame, link, After::Kept},
        {Shape::LinkOut, back, Step::StartUp, {}, After::Replaced},
        {Shape::LinkOut, face, Step::CardTurn, {}, After::Kept},
        {Shape::LinkOut, face, Step::End, {}, After::Removed},
        {Shape::LinkIn, counterName, Step::StartUp, link, After::Kept},
        {Shape::LinkIn, listName, Step::Ending, link, After::Kept},
        {Shape::LinkIn, back, Step::StartUp, {}, After::Replaced},
        {Shape::LinkToList, QStringLiteral("me.bmp"), Step::StartUp, {}, After::Replaced},
        {Shape::LinkToList, counterName, Step::StartUp, link, After::Kept},
        {Shape::LinkToList, QStringLiteral("highscore2.txt"), Step::NewList, link, After::Kept},
        {Shape::Fifo, counterName, Step::StartUp, fifo, After::Kept},
        {Shape::Fifo, listName, Step::Show, fifo, After::Kept},
        {Shape::Fifo, listName, Step::Ok, fifo, After::Kept},
        {Shape::Fifo, listName, Step::SortOnTime, fifo, After::Kept},
        {Shape::Fifo, listName, Step::NewList, fifo, After::Kept},
        {Shape::Fifo, listName, Step::Ending, fifo, After::Kept},
        {Shape::Fifo, lock, Step::Show, fifo, After::Kept},
        {Shape::Fifo, counterLock, Step::NewGame, fifo, After::Kept},
        {Shape::Fifo, back, Step::StartUp, fifo, After::Kept},
        {Shape::Fifo, face, Step::CardTurn, {}, After::Kept},
        {Shape::Fifo, face, Step::End, {}, After::Kept},
        {Shape::Socket, counterName, Step::StartUp, QStringLiteral("socket"), After::Kept},
        {Shape::Socket, listName, Step::Show, QStringLiteral("socket"), After::Kept},
        {Shape::Socket, face, Step::CardTurn, {}, After::Kept},
        {Shape::Folder, counterLock, Step::StartUp, QStringLiteral("folder"), After::Kept},
        {Shape::Folder, face, Step::StartUp, QStringLiteral("folder"), After::Kept},
        {Shape::Folder, face, Step::CardTurn, {}, After::Kept},
        {Shape::SizeLimit, back, Step::StartUp, QStringLiteral("file size limit"), After::Removed},
        {Shape::SizeLimit, listName, Step::Ending, QStringLiteral("file size limit"), After::Kept},
        {Shape::HugeSparse, counterName, Step::StartUp, {}, After::Kept},
        {Shape::HugeSparse, listName, Step::Show, more, After::Kept},
        {Shape::HugeSparse, listName, Step::SortOnTime, more, After::Kept},
        {Shape::HugeSparse, listName, Step::Ending, more, After::Kept},
        {Shape::HugeSparse, listName, Step::NewList, QStringLiteral("far more"), After::Kept},
        {Shape::HugeSparse, lock, Step::Show, {}, After::Removed},
        {Shape::Vanished, counterName, Step::StartUp, {}, After::Removed},
        {Shape::UnknownLock, lock, Step::Show, {}, After::Removed},
        {Shape::UnknownLock, counterLock, Step::NewGame, {}, After::Removed},
        {Shape::ForeignLock, lock, Step::Show, {}, After::Removed},
        {Shape::ForeignLock, counterLock, Step::StartUp, {}, After::Removed},
        {Shape::CrOnlyList, listName, Step::Show, {}, After::Rewritten},
        {Shape::CrOnlyList, listName, Step::SortOnTime, {}, After::Rewritten},
        {Shape::CrOnlyList, listName, Step::NewList, {}, After::Rewritten},
        {Shape::CrOnlyList, listName, Step::Ending, {}, After::Rewritten},
        {Shape::PaddedList, listName, Step::Show, {}, After::Rewritten},
        {Shape::PaddedList, listName, Step::NewList, {}, After::Rewritten},
        {Shape::PaddedList, listName, Step::Ending, {}, After::Rewritten},
        {Shape::FullDisk, listName, Step::Ending, QStringLiteral("the disk is full"), After::Kept},
        {Shape::LimitNoRoom, listName, Step::Ending, QStringLiteral("size limit"), After::Kept},
        {Shape::SetIdMode, listName, Step::Show, {}, After::Rewritten},
        {Shape::LinkedLock, lock, Step::Show, {}, After::Removed},
        {Shape::OldLeftover, QStringLiteral("me.bmp.Ab12Cd"), Step::StartUp, {}, After::Removed},
        {Shape::NewLeftover, QStringLiteral("img19.bmp.Ab12Cd"), Step::StartUp, {}, After::Kept},
        {Shape::ForeignLeftover,
         QStringLiteral("img20.bmp.Ab12Cd"),
         Step::StartUp,
         {},
         After::Kept},
        {Shape::LeftoverFifo, QStringLiteral("me.bmp.Ab12Cd"), Step::StartUp, {}, After::Kept},
        {Shape::ReadOnlyDir, listName, Step::Show, QStringLiteral("cannot write"), After::Kept},
    };
    const char* steps[] = {"start-up", "new game", "card turn", "OK", "show",
                           "sort",     "new list", "ending",    "end"};
    for (const auto& r : rows) {
        QTest::addRow("%s, %s, %s", qPrintable(hostile::shapeName(r.shape)), qPrintable(r.name),
                      steps[static_cast<int>(r.step)])
            << r.shape << r.name << r.step << r.cause << r.after;
    }
}

void RobustShapesTest::hostileShapes() {
    QFETCH(Shape, shape);
    QFETCH(QString, name);
    QFETCH(Step, step);
    QFETCH(QString, cause);
    QFETCH(After, after);

    QTemporaryDir outsideDir;
    QVERIFY(outsideDir.isValid());
    const QString victim = outsideDir.filePath(QStringLiteral("victim"));
    QVERIFY(hostile::writeAll(victim, victimBytes()));
    const QString target = shape == Shape::LinkOutToNothing
                               ? outsideDir.filePath(QStringLiteral("made-by-the-game"))
                               : victim;
    const auto outsideBefore = hostile::snapshot(outsideDir.path());
    QFileDevice::Permissions victimMode;
    const QStringList rootBefore = QDir(QStringLiteral("/")).entryList(QDir::AllEntries);
    const bool listShape =
        shape == Shape::HugeSparse || shape == Shape::CrOnlyList || shape == Shape::PaddedList;
    const QByteArray planted =
        listShape ? (name == counterName ? QByteArray("  10") : rankedList()) : QByteArray("old");

    QMap<QString, QByteArray> dataBefore;
    QByteArray plantedAs;
    QString dir;
    auto data = [&dir] {
        QMap<QString, QByteArray> files;
        const auto inner = hostile::snapshot(dir + QStringLiteral("/inner"));
        for (auto it = inner.cbegin(); it != inner.cend(); ++it) {
            files.insert(QStringLiteral("inner/") + it.key(), it.value());
        }
        for (const QString& file : dataNames) {
            files.insert(file, hostile::describe(dir + QLatin1Char('/') + file));
        }
        return files;
    };
    // Unmounted before the harness removes its folder.
    std::optional<GameHarness> harness;
    std::optional<hostile::SmallDisk> disk;
    auto prepare = [&](const QString& folder) {
        dir = folder;
        if (shape == Shape::FullDisk || shape == Shape::ReadOnlyDir ||
            shape == Shape::LimitNoRoom) {
            disk.emplace(folder);
            // Into the small file system, which now covers the folder.
            QDir::setCurrent(folder);
        }
        if (shape == Shape::ForeignLock) {
            // A folder shared by all, as /tmp: only an entry's owner removes it.
            ::chmod(QFile::encodeName(folder).constData(), 01777);
        }
        const QString slash = folder + QLatin1Char('/');
        QVERIFY(hostile::writeAll(slash + listName, rankedList()));
        QVERIFY(hostile::writeAll(slash + dataNames[1], scores::encodeLines(scores::freshList())));
        QVERIFY(hostile::writeAll(slash + counterName, "  41\r\n"));
        if (shape != Shape::SizeLimit) {
            QVERIFY(assets::extractAll(hostile::folderAt(folder)).isEmpty());
        }
    };
    auto plant = [&] {
        const QString at = dir + QLatin1Char('/') + name;
        if (shape == Shape::LinkIn && name.endsWith(QLatin1String(".bmp"))) {
            QVERIFY(hostile::writeAll(at, "old")); // so that a rewrite shows
        }
        QVERIFY(hostile::plant(shape, at, target, planted));
        victimMode = QFileInfo(victim).permissions();
        dataBefore = data();
        plantedAs = hostile::describe(at);
    };

    std::optional<hostile::FileSizeLimit> limit;
    const quint64 smallFile = 600; // above a lock file, below a list or a picture
    QElapsedTimer timer;
    bool blocked = false;
    {
        Watchdog watchdog(10);
        if (step == Step::StartUp) {
            harness.emplace(0, [&](const QString& folder) {
                prepare(folder);
                plant();
                watchdog.watch(folder + QLatin1Char('/') + name);
                if (shape == Shape::Vanished) {
                    QVERIFY(QDir(folder).removeRecursively());
                }
                if (shape == Shape::SizeLimit) {
                    limit.emplace(smallFile);
                }
                timer.start();
            });
        } else {
            harness.emplace(0, prepare);
        }
        blocked = watchdog.fired();
    }
    if (disk && !disk->mounted()) {
        QSKIP("no small file system can be mounted here");
    }
    GameHarness& h = *harness;
    TForm1& window = h.window();
    const QString path = h.path(name);
    const int faceCard = h.pairOf(19).first;
    if (step != Step::StartUp) {
        if (step != Step::Ok) {
            window.Edit1->setText(QStringLiteral("Ann"));
            window.Panel1->click();
        }
        int last = 0;
        if (step == Step::Ending) {
            last = h.findAllButTheLastCard();
        }
        h.fakes.dialogs.shown.clear();
        plant();
        if (shape == Shape::FullDisk || shape == Shape::LimitNoRoom) {
            disk->fill(shape == Shape::FullDisk ? 0 : 16 * 1024);
        }
        if (shape == Shape::ReadOnlyDir) {
            QVERIFY(disk->makeReadOnly());
        }
        if (shape == Shape::SizeLimit || shape == Shape::LimitNoRoom) {
            limit.emplace(smallFile);
        }
        Watchdog watchdog(10);
        watchdog.watch(path);
        timer.start();
        switch (step) {
        case Step::NewGame:
            window.start1->trigger();
            break;
        case Step::CardTurn:
            emit h.image(faceCard)->clicked();
            break;
        case Step::Ok:
            window.Panel1->click();
            break;
        case Step::Show:
            window.currenthighscores1->trigger();
            break;
        case Step::SortOnTime:
            window.sortontime1->trigger();
            break;
        case Step::NewList:
            window.newlst1->trigger();
            break;
        case Step::Ending:
            emit h.image(last)->clicked();
            break;
        default:
            window.end1->trigger();
            break;
        }
        blocked = watchdog.fired();
    }
    const qint64 elapsed = timer.elapsed();
    limit.reset();

    QVERIFY2(!blocked, "the step waited on a FIFO");
    // Reading all of the huge file would take seconds; the first lines take none.
    // A lock of no known owner is taken over within a second, not after the
    // five seconds a held lock is waited for.
    QVERIFY2((shape != Shape::HugeSparse && shape != Shape::UnknownLock &&
              shape != Shape::ForeignLock) ||
                 elapsed < 3000,
             qPrintable(QStringLiteral("the step took %1 ms").arg(elapsed)));
    QCOMPARE(hostile::snapshot(outsideDir.path()), outsideBefore);
    QCOMPARE(hostile::readAll(victim), victimBytes());
    QCOMPARE(QFileInfo(victim).permissions(), victimMode); // not widened through a link

    QStringList messages = window.startupProblems() + QStringList();
    for (const FakeDialogs::Shown& shown : h.fakes.dialogs.shown) {
        messages << shown.text;
    }
    if (shape == Shape::Vanished) {
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(QLatin1String("no longer exists")),
                 qPrintable(messages.first()));
        QCOMPARE(h.image(1)->picture(),
                 QImage::fromData(assets::embeddedImage(QStringLiteral("empty")), "BMP"));
        for (int picture = game::FirstPicture; picture <= game::LastPicture; ++picture) {
            const auto [a, b] = h.pairOf(picture);
            emit h.image(a)->clicked();
            emit h.image(b)->clicked();
        }
        QVERIFY(h.state.ended);
        QVERIFY(h.fakes.dialogs.shown.isEmpty());
        QVERIFY(h.label(2)->text().startsWith(QLatin1String("finish: ")));
        QCOMPARE(QDir(QStringLiteral("/")).entryList(QDir::AllEntries), rootBefore);
        return;
    }
    const QStringList naming = messages.filter(name);
    if (cause.isEmpty()) {
        QVERIFY2(naming.isEmpty(), qPrintable(naming.join(QLatin1Char('\n'))));
    } else {
        QCOMPARE(naming.size(), 1);
        QVERIFY2(naming.first().contains(cause), qPrintable(naming.first()));
        if (step == Step::Ending) {
            QVERIFY2(naming.first().endsWith(QLatin1String("The result was not saved.")),
                     qPrintable(naming.first()));
            QVERIFY(h.label(2)->text().startsWith(QLatin1String("finish: ")));
        }
    }

    // Data files: only the counter may move on, and only at a step that counts
    // a game whose counter (or its lock) is not what was planted, or whose lock
    // is taken over.
    QMap<QString, QByteArray> dataAfter = data();
    const bool counts = (step == Step::StartUp || step == Step::NewGame) &&
                        (!name.startsWith(counterName) || shape == Shape::UnknownLock ||
                         shape == Shape::ForeignLock);
    if (counts) {
        // Start-up counts 41 to 42; a new game after it counts on to 43.
        QCOMPARE(dataAfter.take(counterName),
                 QByteArray(step == Step::StartUp ? "  42\r\n" : "  43\r\n"));
        dataBefore.remove(counterName);
    }
    if (shape == Shape::HugeSparse && name == counterName) {
        // The first line is all the counter needs.
        QCOMPARE(dataAfter.take(name), QByteArray("  11\r\n"));
        dataBefore.remove(name);
    }
    if (after == After::Rewritten) {
        // Every entry was read: none is lost, the lines end in CR LF again.
        const QByteArray list = dataAfter.take(listName);
        dataBefore.remove(listName);
        if (step == Step::NewList) {
            QCOMPARE(dataAfter.take(dataNames[1]), plantedAs);
            dataBefore.remove(dataNames[1]);
            QCOMPARE(list, scores::encodeLines(scores::freshList()));
        } else if (step == Step::Ending) {
            QCOMPARE(hostile::listProblem(path), QString());
            QCOMPARE(list.count("\r\n"), 12);
        } else {
            QCOMPARE(list, rankedList());
        }
    }
    QCOMPARE(dataAfter, dataBefore);

    switch (after) {
    case After::Kept:
        // A huge counter is rewritten small, as checked above.
        if (shape != Shape::HugeSparse || name != counterName) {
            QCOMPARE(hostile::describe(path), plantedAs);
        }
        break;
    case After::Rewritten:
        break;
    case After::Replaced:
        QCOMPARE(hostile::describe(path), assets::embeddedImage(name.chopped(4)));
        break;
    case After::Removed:
        QCOMPARE(hostile::describe(path), QByteArray("<missing>"));
        break;
    }
    if (shape == Shape::SetIdMode) // rw-r----- of 6751, as QFile gives it
        QCOMPARE(int(QFile::permissions(path)), 0x6640);
    if (shape == Shape::ReadOnlyDir)
        QCOMPARE(window.StringGrid1->item(0, 1)->text().trimmed(), QStringLiteral("Robin"));
    if (step == Step::CardTurn) {
        QCOMPARE(h.image(faceCard)->picture(),
                 QImage::fromData(assets::embeddedImage(QStringLiteral("img19")), "BMP"));
    }
    // Nothing half written is left behind, but what was planted.
    QCOMPARE(QDir(h.dir())
                 .entryList({QStringLiteral("*.bmp.*"), QStringLiteral("*.txt.*")},
                            QDir::Files | QDir::Hidden | QDir::System)
                 .filter(QRegularExpression(QStringLiteral("\\.[A-Za-z0-9]{6}$"))),
             after == After::Kept && name.contains(QLatin1String(".Ab12Cd")) ? QStringList{name}
                                                                             : QStringList());
}

using FolderStep = std::function<void(const safefile::Folder&)>;
Q_DECLARE_METATYPE(FolderStep)

void RobustShapesTest::nameSwappedDuringWrites_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<FolderStep>("write");
    QTest::newRow("nog.txt") << counterName << FolderStep([](const safefile::Folder& folder) {
        FakeServices fakes;
        scores::advanceGameCounter(folder, fakes.pause);
    });
    QTest::newRow("highscore2.txt")
        << dataNames[1] << FolderStep([](const safefile::Folder& folder) {
               scores::HighScoreStore(folder).newList();
           });
}

void RobustShapesTest::nameSwappedDuringWrites() {
    // A racer exchanges the name with a link to a victim outside, back and
    // forth, while the game writes it again and again: whatever the moment,
    // nothing is written through the link.
    QFETCH(QString, name);
    QFETCH(FolderStep, write);
    QTemporaryDir outside;
    QTemporaryDir tmp;
    QVERIFY(outside.isValid() && tmp.isValid());
    const QString victim = outside.filePath(QStringLiteral("victim"));
    QVERIFY(hostile::writeAll(victim, victimBytes()));
    const QString dir = tmp.path() + QLatin1Char('/');
    QVERIFY(hostile::writeAll(dir + listName, rankedList()));
    QVERIFY(hostile::writeAll(dir + name, QByteArray("  41\r\n")));
    const QByteArray from = QFile::encodeName(dir + name);
    const QByteArray to = QFile::encodeName(dir + QStringLiteral("swap"));
    const QByteArray fresh = to + ".new";
    std::atomic<bool> stop{false};
    std::atomic<int> swaps{0};
    std::thread racer([&] {
        while (!stop) {
            // A link at "swap" again (the game may have renamed over it), then
            // in the name's place and back.
            ::unlink(fresh.constData());
            if (::symlink(QFile::encodeName(victim).constData(), fresh.constData()) != 0 ||
                ::rename(fresh.constData(), to.constData()) != 0) {
                continue;
            }
            for (int i = 0; i < 2; ++i) {
                if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(),
                                RENAME_EXCHANGE) == 0) {
                    ++swaps;
                }
            }
            std::this_thread::yield();
        }
    });
    const safefile::Folder folder = hostile::folderAt(dir);
    int failed = 0;
    for (int i = 0; i < 60; ++i) {
        try {
            write(folder);
        } catch (const GameError&) {
            ++failed; // a link found in the name's place is reported
        }
    }
    stop = true;
    racer.join();
    QVERIFY(swaps > 0);
    QVERIFY(failed < 60);
    // Nor does the file written take a link's mode (rwx for all) for its own.
    for (const QByteArray& entry : {from, to}) {
        struct stat status {};
        QVERIFY(::lstat(entry.constData(), &status) == 0);
        QVERIFY(!S_ISREG(status.st_mode) || (status.st_mode & 0111) == 0);
    }
    QCOMPARE(hostile::readAll(victim), victimBytes());
    QCOMPARE(QDir(outside.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("victim")});
}

void RobustShapesTest::folderRenamedOrNotUtf8_data() {
    QTest::addColumn<bool>("latin1"); // else renamed during the game
    QTest::newRow("named in Latin-1 beside its U+FFFD twin") << true;
    QTest::newRow("renamed during a game") << false;
}

void RobustShapesTest::folderRenamedOrNotUtf8() {
    QFETCH(bool, latin1);
    // "café" in Latin-1 reads as "caf\uFFFD", which is the name of the twin.
    const QByteArray name("caf\xe9");
    const QByteArray twin("caf\xef\xbf\xbd");
    QByteArray parent;
    std::optional<GameHarness> harness;
    harness.emplace(0, [&](const QString& dir) {
        parent = QFile::encodeName(dir) + '/';
        if (latin1) {
            QVERIFY(::mkdir((parent + name).constData(), 0755) == 0);
            QVERIFY(::mkdir((parent + twin).constData(), 0755) == 0);
            QVERIFY(::chdir((parent + name).constData()) == 0);
        }
    });
    GameHarness& h = *harness;
    // The folder the game works in, and where it is afterwards.
    const QByteArray started = latin1 ? parent + name : parent.chopped(1);
    const QByteArray now = latin1 ? started : started + "-moved";
    TForm1& window = h.window();
    window.Edit1->setText(QStringLiteral("Ann"));
    window.Panel1->click();
    const int last = h.findAllButTheLastCard();
    if (!latin1) {
        QVERIFY(::rename(started.constData(), now.constData()) == 0);
    }
    emit h.image(last)->clicked();
    window.currenthighscores1->trigger();
    window.newlst1->trigger();
    QVERIFY2(h.fakes.dialogs.shown.isEmpty(), qPrintable(h.fakes.dialogs.shown.value(0).text));
    // Looked at through a handle of its own: its name may be no valid text.
    const safefile::Folder there = safefile::Folder::open(now);
    auto read = [&there](const QString& file) { return there.readPrefix(file, 1 << 20); };
    QCOMPARE(read(counterName), QByteArray("   1\r\n"));
    QVERIFY(read(dataNames[1]).contains("Ann"));
    QCOMPARE(read(listName), scores::encodeLines(scores::freshList()));
    QVERIFY(there.exists(QStringLiteral("me.bmp")));
    window.end1->trigger();
    for (const QString& picture : assets::imageNames()) {
        QVERIFY(!there.exists(picture + QStringLiteral(".bmp")));
    }
    if (latin1) {
        QCOMPARE(::rmdir((parent + twin).constData()), 0); // still empty
    } else {
        QVERIFY(!QFileInfo::exists(QFile::decodeName(started)));
        QVERIFY(::rename(now.constData(), started.constData()) == 0);
    }
}

void RobustShapesTest::fullDiskNamedByTheWriter() {
    // The writer alone, no lock file made first: the cause is its own.
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    hostile::SmallDisk disk(tmp.path());
    if (!disk.mounted())
        QSKIP("no small file system can be mounted here");
    QVERIFY(hostile::writeAll(tmp.filePath(counterName), "  41\r\n"));
    disk.fill();
    const safefile::Folder folder = hostile::folderAt(tmp.path() + QLatin1Char('/'));
    QString reason;
    try {
        folder.write(counterName, QByteArray(64 * 1024, 'x'), safefile::Durability::Synced,
                     safefile::AtLink::Report);
    } catch (const safefile::FileError& error) {
        reason = error.reason();
    }
    QCOMPARE(reason, QStringLiteral("the disk is full"));
    QCOMPARE(hostile::readAll(tmp.filePath(counterName)), QByteArray("  41\r\n"));
}

void RobustShapesTest::clockSetDuringAGame() {
    // The time needed comes from the steady clock: setting the wall clock
    // during a game changes neither the time stored nor the ranking.
    QByteArray expected;
    for (const qint64 stepMs : {qint64(0), qint64(-3) * 3600 * 1000, qint64(3) * 3600 * 1000}) {
        GameHarness h;
        h.window().Edit1->setText(QStringLiteral("Ann"));
        h.window().Panel1->click();
        const int last = h.findAllButTheLastCard();
        h.fakes.clock.current = h.fakes.clock.current.addMSecs(stepMs);
        emit h.image(last)->clicked();
        const QByteArray list = h.read(listName);
        const qsizetype at = list.indexOf("Ann");
        QVERIFY(at >= 0);
        const QByteArray entry = list.mid(at - 3, 3 + 24 + 8);
        QVERIFY2(!entry.endsWith("00:00:00"), entry.constData());
        if (expected.isEmpty()) {
            expected = entry;
        }
        QCOMPARE(entry, expected);
    }
    // The program's own clock is the monotonic one, which no clock setting moves.
    timespec monotonic{};
    ::clock_gettime(CLOCK_MONOTONIC, &monotonic);
    QVERIFY(qAbs(LocalClock().steadyMs() -
                 (qint64(monotonic.tv_sec) * 1000 + monotonic.tv_nsec / 1'000'000)) < 1000);
}

void RobustShapesTest::killedGamesLeaveNothing() {
    // The built game killed while its start-up writes the counter and pictures.
    QTemporaryDir tmp;
    QDir dir(tmp.path());
    for (int run = 0; run < 12; ++run) {
        for (const QString& picture : dir.entryList({QStringLiteral("*.bmp")}))
            QVERIFY(dir.remove(picture));
        QProcess game;
        game.setWorkingDirectory(tmp.path());
        game.start(QCoreApplication::applicationDirPath() + QStringLiteral("/" GAME_BINARY), {});
        QVERIFY(game.waitForStarted());
        QTest::qWait(100 + 40 * run);
        game.kill();
        QVERIFY(game.waitForFinished());
    }
    const QStringList left = dir.entryList(QDir::Files).filter(QRegularExpression("\\.\\w{6}$"));
    QVERIFY2(left.size() <= 1, qPrintable(left.join(QLatin1Char(' '))));
}

QTEST_MAIN(RobustShapesTest)
#include "tst_robust_shapes.moc"
