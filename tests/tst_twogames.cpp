// Two to four games in one folder at once, as processes: this test program
// runs itself again as each game. All start at the same moment (each counts a
// game in nog.txt) and all find their last pair at the same moment (each
// enters its result in highscore.txt); nothing may be lost. A game that crashed while
// holding a lock leaves the lock file behind; the next game takes it over
// instead of waiting for it.

// own
#include "app/PictureBox.h"
#include "app/Unit1.h"
#include "game/GameState.h"
#include "platform/FolderLock.h"
#include "scores/HighScoreStore.h"
#include "scores/ScoreLine.h"
#include "scores/TextFile.h"
#include "support/Fakes.h"
#include "support/HostileFiles.h"

// Qt
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QThread>
#include <QTemporaryDir>
#include <QtTest>

// std
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

const QString listName = QStringLiteral("highscore.txt");
const QString counterName = QStringLiteral("nog.txt");
constexpr int waitMs = 60'000; // generous: the sanitizer build starts slowly

// ---- The games, each in a process of its own ----

// Tells the test this game is ready and waits for its word to go on.
void awaitGo() {
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    std::string line;
    std::getline(std::cin, line);
}

PictureBox* card(TForm1& window, int position) {
    return window.findChild<PictureBox*>(QStringLiteral("Image%1").arg(position));
}

std::pair<int, int> pairOf(const game::GameState& state, int picture) {
    int first = 0;
    for (int k = 1; k <= game::CardCount; ++k) {
        if (state.cards[static_cast<std::size_t>(k)] == picture) {
            if (first != 0) {
                return {first, k};
            }
            first = k;
        }
    }
    return {first, 0};
}

// The fake services' pauses take no time, so a game waiting for the other's
// lock would give up at once. Here the lock's retry steps take real time, as
// they do in the game, and every other pause none.
class LockWaitingPause : public Pause {
  public:
    explicit LockWaitingPause(Pause& others) : m_others(others) {}
    void pause(int ms) override {
        if (ms == safefile::FolderLock::retryMs) {
            QThread::msleep(static_cast<unsigned long>(ms));
        } else {
            m_others.pause(ms);
        }
    }

  private:
    Pause& m_others;
};

// Starts the real window with fake services in dir on the test's word, types
// the name, clicks OK and finds every pair, the last one on the test's second
// word. The exit code is the number of problems the player was told about.
int playOneGame(const QString& dir, const QString& name, std::uint32_t seed) {
    if (!QDir::setCurrent(dir)) {
        return 100;
    }
    awaitGo();
    FakeServices fakes;
    LockWaitingPause pause(fakes.pause);
    game::GameState state;
    state.seed = seed;
    Services services = fakes.services();
    TForm1 window(state, Services{pause, services.sound, services.dialogs, services.desktop,
                                  services.system, services.clock});
    window.Edit1->setText(name);
    window.Panel1->click();
    for (int picture = game::FirstPicture; picture < game::LastPicture; ++picture) {
        const auto [a, b] = pairOf(state, picture);
        emit card(window, a)->clicked();
        emit card(window, b)->clicked();
    }
    const auto [a, b] = pairOf(state, game::LastPicture);
    emit card(window, a)->clicked();
    awaitGo();
    emit card(window, b)->clicked();

    QStringList told = window.startupProblems();
    for (const FakeDialogs::Shown& shown : fakes.dialogs.shown) {
        told << shown.text;
    }
    if (!state.ended) {
        told << QStringLiteral("the game did not end");
    }
    for (const QString& text : told) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
    return static_cast<int>(told.size());
}

// Takes the lock of file in dir and crashes while holding it.
[[noreturn]] void crashHoldingLock(const QString& dir, const QString& file) {
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    const safefile::Folder folder = hostile::folderAt(dir);
    FakeServices fakes;
    const safefile::FolderLock lock(folder, file, fakes.pause);
    std::fputs("held\n", stdout);
    std::fflush(stdout);
    std::abort();
}

// ---- The test, starting the games ----

class Game {
  public:
    explicit Game(const QStringList& arguments) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_process.setProcessEnvironment(environment);
        m_process.start(QCoreApplication::applicationFilePath(), arguments);
    }
    ~Game() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(waitMs);
        }
    }
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // The next line the game prints, "" when it printed none in time.
    QByteArray nextLine() {
        while (!m_process.canReadLine()) {
            if (!m_process.waitForReadyRead(waitMs)) {
                return {};
            }
        }
        return m_process.readLine().trimmed();
    }
    // Sends the word at once: QProcess would otherwise keep it until the
    // test next waits on this game, and the two games would not run together.
    void go() {
        m_process.write("go\n");
        m_process.waitForBytesWritten(waitMs);
    }
    bool finish() { return m_process.waitForFinished(waitMs); }
    QProcess& process() { return m_process; }

  private:
    QProcess m_process;
};

QStringList playArguments(const QString& dir, const QString& name, int seed) {
    return {QStringLiteral("--play"), dir, name, QString::number(seed)};
}

// A line of the list as the game writes it: rank, 24 characters of name,
// time, date and clicks, 51 characters in all.
const QRegularExpression
    listLine(QStringLiteral(R"(^\d{1,2} {1,2}.{24}\d\d:\d\d:\d\d .{10}  [ \d]{2}\d$)"));

QString listProblem(const QByteArray& bytes) {
    if (!bytes.endsWith("\r\n")) {
        return QStringLiteral("no CR LF at the end");
    }
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast(); // what follows the last line end
    if (lines.size() != scores::maxEntries) {
        return QStringLiteral("%1 lines").arg(lines.size());
    }
    for (const QByteArray& line : lines) {
        const QString text = QString::fromLatin1(line.chopped(1));
        if (!line.endsWith('\r') || text.size() != 51 || !listLine.match(text).hasMatch()) {
            return QStringLiteral("malformed line \"%1\"").arg(text);
        }
    }
    return {};
}

} // namespace

class TwoGamesTest : public QObject {
    Q_OBJECT

  private slots:
    void twoGamesStartAndEndTogether();
    void crashedGameLeavesNoBlockingLock();
};

void TwoGamesTest::twoGamesStartAndEndTogether() {
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString dir = tmp.path();
    QVERIFY(hostile::writeAll(tmp.filePath(listName), scores::encodeLines(scores::freshList())));

    // Rounds of two, three and four games; every result beats the fresh
    // list's worst entries, so all nine must be there in the end.
    QStringList names;
    int counted = 0;
    for (int round = 1; round <= 3; ++round) {
        std::vector<std::unique_ptr<Game>> games;
        for (int g = 0; g <= round; ++g) {
            names << QStringLiteral("Player %1.%2").arg(round).arg(g);
            games.push_back(std::make_unique<Game>(playArguments(dir, names.last(), ++counted)));
        }
        // Start together, then end together.
        for (int step = 0; step < 2; ++step) {
            for (const auto& game : games) {
                QCOMPARE(game->nextLine(), QByteArray("ready"));
            }
            for (const auto& game : games) {
                game->go();
            }
        }
        for (const auto& game : games) {
            QVERIFY(game->finish());
            QVERIFY2(game->process().exitStatus() == QProcess::NormalExit &&
                         game->process().exitCode() == 0,
                     game->process().readAllStandardError().constData());
        }

        const QByteArray list = hostile::readAll(tmp.filePath(listName));
        QVERIFY2(listProblem(list).isEmpty(), qPrintable(listProblem(list)));
        for (const QString& name : names) {
            QVERIFY2(
                list.contains(name.toLatin1().leftJustified(24)),
                qPrintable(name + QLatin1String(" is missing:\n") + QString::fromLatin1(list)));
        }
        QCOMPARE(hostile::readAll(tmp.filePath(counterName)),
                 QByteArray::number(counted).rightJustified(4) + "\r\n");
        QVERIFY(!QFile::exists(tmp.filePath(listName + QStringLiteral(".lock"))));
        QVERIFY(!QFile::exists(tmp.filePath(counterName + QStringLiteral(".lock"))));
    }
}

void TwoGamesTest::crashedGameLeavesNoBlockingLock() {
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString dir = tmp.path() + QLatin1Char('/');
    QVERIFY(hostile::writeAll(dir + counterName, "   7\r\n"));
    for (const QString& file : {listName, counterName}) {
        Game crashing({QStringLiteral("--crash-holding"), dir, file});
        QCOMPARE(crashing.nextLine(), QByteArray("held"));
        QVERIFY(crashing.finish());
        QCOMPARE(crashing.process().exitStatus(), QProcess::CrashExit);
        QVERIFY(QFile::exists(dir + file + QStringLiteral(".lock")));
    }

    // A game that waited for either lock would tell the player it could not
    // get it; this one must start, count and enter its result untroubled.
    Game game(playArguments(tmp.path(), QStringLiteral("Robin"), 1));
    for (int step = 0; step < 2; ++step) {
        QCOMPARE(game.nextLine(), QByteArray("ready"));
        game.go();
    }
    QVERIFY(game.finish());
    QVERIFY2(game.process().exitStatus() == QProcess::NormalExit && game.process().exitCode() == 0,
             game.process().readAllStandardError().constData());
    QCOMPARE(hostile::readAll(dir + counterName), QByteArray("   8\r\n"));
    QVERIFY(hostile::readAll(dir + listName).contains("Robin"));
    QVERIFY(!QFile::exists(dir + listName + QStringLiteral(".lock")));
    QVERIFY(!QFile::exists(dir + counterName + QStringLiteral(".lock")));
}

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.value(1) == QLatin1String("--play") && arguments.size() == 5) {
        return playOneGame(arguments.at(2), arguments.at(3), arguments.at(4).toUInt());
    }
    if (arguments.value(1) == QLatin1String("--crash-holding") && arguments.size() == 4) {
        crashHoldingLock(arguments.at(2), arguments.at(3));
    }
    TwoGamesTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_twogames.moc"
