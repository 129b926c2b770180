// Writes that fail: no byte can be written (a read-only folder, or for root,
// who ignores the permission, a file size limit of 0), a write cut off part
// way (a small file size limit), a folder where the list's lock file goes, and
// a folder path whose parent is a regular file. Each failure must leave every
// old file byte for byte as it was, leave no temporary or lock file behind and
// give one message naming the file. A game in a folder where nothing can be
// written still starts, tells the player so once, and can be played to its end.

// own
#include "support/ErrorOf.h"
#include "app/PictureBox.h"
#include "assets/AssetFiles.h"
#include "platform/GameError.h"
#include "scores/GameCounter.h"
#include "scores/HighScoreStore.h"
#include "scores/ScoreList.h"
#include "scores/ScoreLine.h"
#include "scores/TextFile.h"
#include "support/GameHarness.h"
#include "support/HostileFiles.h"
#include "support/WriteBlocker.h"

// Qt
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

// std
#include <optional>

using scores::SortKey;

namespace {

const QString listName = QStringLiteral("highscore.txt");
const QString backupName = QStringLiteral("highscore2.txt");
const QString counterName = QStringLiteral("nog.txt");

enum class Blocking {
    NoByte,      // nothing can be written
    CutOff,      // writing stops after a few bytes
    ParentIsFile // the folder's path runs through a regular file
};

enum class Operation { WriteList, SortOnTime, SortOnClicks, NewList, FirstEnding, CountGame };

// A list of finished games, as a player's folder holds it.
QByteArray resultList() {
    QStringList lines = scores::freshList();
    lines[0] = QStringLiteral("1  Robin                   00:00:12 07.12.2026   40");
    lines[1] = QStringLiteral("2  J\u00fcrgen                  00:01:02 08.12.2026   52");
    return scores::encodeLines(lines);
}

// "Could not <action> <file>: <reason>", on one line, with a reason.
bool namesFile(const QString& message, const QString& file) {
    const QString start = QStringLiteral(" %1: ").arg(file);
    const qsizetype at = message.indexOf(start);
    return message.startsWith(QLatin1String("Could not ")) && at > 0 &&
           message.size() > at + start.size() && !message.contains(QLatin1Char('\n'));
}

// The size of a lock file this process writes: a file size limit above it lets
// the locks work while the lists, which are longer, are cut off.
void clickAllPairs(GameHarness& h) {
    for (int picture = game::FirstPicture; picture <= game::LastPicture; ++picture) {
        const auto [a, b] = h.pairOf(picture);
        emit h.image(a)->clicked();
        emit h.image(b)->clicked();
    }
}

} // namespace

Q_DECLARE_METATYPE(Blocking)
Q_DECLARE_METATYPE(Operation)

class RobustFailuresTest : public QObject {
    Q_OBJECT

  private slots:
    void scoreWritesFail_data();
    void scoreWritesFail();
    void picturesWholeOrNotAtAll();
    void folderInPlaceOfTheLockFile();
    void windowWritesFail_data();
    void windowWritesFail();
    void unwritableFolderStillPlays();
};

void RobustFailuresTest::scoreWritesFail_data() {
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<Blocking>("blocking");
    QTest::addColumn<QString>("file"); // the file the message names
    const struct {
        const char* name;
        Operation operation;
        QString file;
    } operations[] = {
        {"write list", Operation::WriteList, listName},
        {"sort on time", Operation::SortOnTime, listName},
        {"sort on clicks", Operation::SortOnClicks, listName},
        {"new list", Operation::NewList, backupName}, // the backup is written first
        {"first ending, no list", Operation::FirstEnding, listName},
        {"count game", Operation::CountGame, counterName},
    };
    const struct {
        const char* name;
        Blocking blocking;
    } blockings[] = {
        {"no byte", Blocking::NoByte},
        {"cut off", Blocking::CutOff},
        {"parent is a file", Blocking::ParentIsFile},
    };
    for (const auto& o : operations) {
        for (const auto& b : blockings) {
            QTest::addRow("%s, %s", o.name, b.name) << o.operation << b.blocking << o.file;
        }
    }
}

void RobustFailuresTest::scoreWritesFail() {
    QFETCH(Operation, operation);
    QFETCH(Blocking, blocking);
    QFETCH(QString, file);
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    QString dir = tmp.path() + QStringLiteral("/game/");
    if (blocking == Blocking::ParentIsFile) {
        QVERIFY(hostile::writeAll(tmp.path() + QStringLiteral("/game"), "a file, not a folder"));
    } else {
        QVERIFY(QDir().mkdir(dir));
        if (operation != Operation::FirstEnding) {
            QVERIFY(hostile::writeAll(dir + listName, resultList()));
        }
        QVERIFY(hostile::writeAll(dir + backupName, scores::encodeLines(scores::freshList())));
        QVERIFY(hostile::writeAll(dir + counterName, "  41\r\n"));
    }
    const auto before = hostile::snapshot(tmp.path());

    const safefile::Folder folder = hostile::folderAt(dir);
    const scores::HighScoreStore store(folder);
    FakeClock clock;
    FakePause pause(clock);
    QString message;
    {
        // The counter's six bytes fit under a limit of 3 only in part.
        std::optional<WriteBlocker> blocker;
        if (blocking != Blocking::ParentIsFile) {
            blocker.emplace(tmp.path() + QStringLiteral("/game"),
                            blocking == Blocking::NoByte ? 0 : 3);
        }
        message = errorOf([&] {
            switch (operation) {
            case Operation::WriteList:
                store.replace(store.read(), scores::freshList());
                break;
            case Operation::SortOnTime:
                store.sort(SortKey::Time);
                break;
            case Operation::SortOnClicks:
                store.sort(SortKey::Clicks);
                break;
            case Operation::NewList:
                store.newList();
                break;
            case Operation::FirstEnding:
                scores::ScoreList().finishGame(store, pause, {"", "Ann", "00:01:00", "", " 40"},
                                               SortKey::Time);
                break;
            case Operation::CountGame:
                scores::advanceGameCounter(folder, pause);
                break;
            }
        });
    }
    if (blocking == Blocking::ParentIsFile && operation == Operation::NewList) {
        file = listName; // no list is found there, so there is nothing to back up
    }
    QVERIFY2(namesFile(message, file), qPrintable(message));
    QCOMPARE(hostile::snapshot(tmp.path()), before);
}

void RobustFailuresTest::picturesWholeOrNotAtAll() {
    // A picture is some 77 KB; a limit of 50000 bytes cuts each one off.
    for (const bool oldPictures : {true, false}) {
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QString dir = tmp.path() + QLatin1Char('/');
        if (oldPictures) {
            QVERIFY(assets::extractAll(hostile::folderAt(dir)).isEmpty());
            // Older pictures than the embedded ones, so a replacement would show.
            for (const QString& name : assets::imageNames()) {
                QVERIFY(hostile::writeAll(dir + name + QStringLiteral(".bmp"),
                                          "old " + name.toLatin1()));
            }
        }
        const auto before = hostile::snapshot(dir);
        QStringList failures;
        {
            const WriteBlocker blocker(dir, 50'000);
            failures = assets::extractAll(hostile::folderAt(dir));
        }
        QCOMPARE(failures.size(), assets::imageNames().size());
        for (const QString& failure : failures) {
            QVERIFY2(failure.startsWith(QLatin1String("Could not write ")) &&
                         failure.contains(QLatin1String(".bmp: ")),
                     qPrintable(failure));
        }
        QCOMPARE(hostile::snapshot(dir), before);
    }
}

void RobustFailuresTest::folderInPlaceOfTheLockFile() {
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString dir = tmp.path() + QLatin1Char('/');
    QVERIFY(hostile::writeAll(dir + listName, resultList()));
    QVERIFY(QDir().mkdir(dir + listName + QStringLiteral(".lock")));
    const auto before = hostile::snapshot(dir);
    FakeClock clock;
    FakePause pause(clock);
    const safefile::Folder folder = hostile::folderAt(dir);
    const QString message = errorOf([&] { scores::ListLock lock(folder, pause, 200); });
    QVERIFY2(namesFile(message, listName), qPrintable(message));
    QCOMPARE(hostile::snapshot(dir), before);
    // A folder does not go away by waiting; the player should be told what is
    // in the way rather than to try again.
    QVERIFY2(message.contains(QLatin1String("folder")), qPrintable(message));
}

void RobustFailuresTest::windowWritesFail_data() {
    QTest::addColumn<QString>("handler");
    QTest::addColumn<bool>("cutOff"); // the locks work, the lists are cut off
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("action"); // with the limit above the lock's size
    for (const bool cutOff : {false, true}) {
        const char* how = cutOff ? "cut off" : "no byte";
        // The lock files hold no bytes, so the locks work either way and the
        // write names its own cause.
        QTest::addRow("game ending, %s", how)
            << QStringLiteral("ending") << cutOff << listName << QStringLiteral("write");
        QTest::addRow("show list, %s", how)
            << QStringLiteral("show list") << cutOff << listName << QStringLiteral("write");
        QTest::addRow("sort on time, %s", how)
            << QStringLiteral("sort on time") << cutOff << listName << QStringLiteral("write");
        QTest::addRow("new list, %s", how)
            << QStringLiteral("new list") << cutOff << backupName << QStringLiteral("write");
    }
    QTest::addRow("new game, no byte")
        << QStringLiteral("new game") << false << counterName << QStringLiteral("write");
}

void RobustFailuresTest::windowWritesFail() {
    QFETCH(QString, handler);
    QFETCH(bool, cutOff);
    QFETCH(QString, file);
    QFETCH(QString, action);
    const rlim_t limit = cutOff ? 64 : 0;
    QVERIFY(limit < 600); // below a whole list's size

    GameHarness h;
    TForm1& window = h.window();
    QVERIFY(hostile::writeAll(h.path(listName), resultList()));
    window.Edit1->setText(QStringLiteral("Robin"));
    window.Panel1->click();
    int last = 0;
    if (handler == QLatin1String("ending")) {
        last = h.findAllButTheLastCard();
    }
    h.fakes.dialogs.shown.clear();
    const auto before = hostile::snapshot(h.dir());
    bool sizeLimit = false;
    {
        const WriteBlocker blocker(h.dir(), limit);
        sizeLimit = blocker.usesSizeLimit();
        if (handler == QLatin1String("ending")) {
            emit h.image(last)->clicked();
        } else if (handler == QLatin1String("show list")) {
            window.currenthighscores1->trigger();
        } else if (handler == QLatin1String("sort on time")) {
            window.sortontime1->trigger();
        } else if (handler == QLatin1String("new list")) {
            window.newlst1->trigger();
        } else {
            window.start1->trigger();
        }
    }
    QCOMPARE(h.fakes.dialogs.shown.size(), 1);
    const QString text = h.fakes.dialogs.shown.first().text;
    QVERIFY2(namesFile(text, file), qPrintable(text));
    if (sizeLimit) {
        QVERIFY2(text.startsWith(QStringLiteral("Could not %1 ").arg(action)), qPrintable(text));
    }
    QCOMPARE(hostile::snapshot(h.dir()), before);
    if (handler == QLatin1String("ending")) {
        QVERIFY(h.state.ended);
    }
}

void RobustFailuresTest::unwritableFolderStillPlays() {
    std::optional<WriteBlocker> blocker;
    // A card back of another picture stands in the folder and cannot be
    // replaced: the backs still come from the one built-in picture.
    const QByteArray otherBack = assets::embeddedImage(QStringLiteral("img18"));
    GameHarness h(0, [&](const QString& dir) {
        QVERIFY(hostile::writeAll(dir + QStringLiteral("/empty.bmp"), otherBack));
        blocker.emplace(dir);
    });
    TForm1& window = h.window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(h.fakes.dialogs.shown.size(), 1);

    // One message at start-up names all three problems.
    const QString text = h.fakes.dialogs.shown.first().text;
    QVERIFY2(text.contains(counterName), qPrintable(text));
    QVERIFY2(text.contains(QLatin1String("built-in copies")), qPrintable(text));
    QVERIFY2(text.contains(listName), qPrintable(text));
    QCOMPARE(h.fakes.dialogs.shown.first().icon, Dialogs::Icon::Warning);

    // The cards show the embedded pictures.
    const QImage back = QImage::fromData(assets::embeddedImage(QStringLiteral("empty")), "BMP");
    for (int k = 1; k <= game::CardCount; ++k) {
        QVERIFY(h.image(k)->picture() == back);
    }

    window.Edit1->setText(QStringLiteral("Robin"));
    window.Panel1->click();
    const int first = h.pairOf(game::FirstPicture).first;
    emit h.image(first)->clicked();
    const QImage face = QImage::fromData(
        assets::embeddedImage(QStringLiteral("img%1").arg(game::FirstPicture)), "BMP");
    QVERIFY(h.image(first)->picture() == face);
    emit h.image(h.otherThan(first))->clicked(); // a miss turns both back
    QVERIFY(h.image(first)->picture() == back);
    clickAllPairs(h);
    QVERIFY(h.state.ended);
    QCOMPARE(h.state.pairs, game::PairCount);
    QVERIFY(!window.StringGrid1->isHidden());
    // The player learns the time and clicks even when the list cannot take them.
    QVERIFY(h.label(2)->text().startsWith(QLatin1String("finish: ")));
    blocker.reset();

    // Past start-up only the list is reported, at most once for the OK click
    // (where it cannot even be created empty) and once for the result.
    const auto later = h.fakes.dialogs.shown.mid(1);
    QVERIFY(later.size() <= 2);
    for (const FakeDialogs::Shown& shown : later) {
        QVERIFY2(namesFile(shown.text, listName), qPrintable(shown.text));
    }
    // Nothing was written: at most empty files were made.
    auto files = hostile::snapshot(h.dir());
    QCOMPARE(files.take(QStringLiteral("empty.bmp")), otherBack);
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        QVERIFY2(it.value().isEmpty(), qPrintable(it.key()));
    }
}

QTEST_MAIN(RobustFailuresTest)
#include "tst_robust_failures.moc"
