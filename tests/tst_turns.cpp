// The turn rules without a window: what may be turned, what a turn makes,
// and the life of a game around the turns.

// own
#include "game/GameState.h"
#include "game/Life.h"
#include "game/Turns.h"

// Qt
#include <QtTest>

class TurnsTest : public QObject {
    Q_OBJECT

  private slots:
    void whatMayBeTurned_data();
    void whatMayBeTurned();
    void verdictOfTwoCards_data();
    void verdictOfTwoCards();
    void endingComesOnceAtTheLastPair();
    void newGameForgetsTheOldOne();
    void rankingChoiceAndMark_data();
    void rankingChoiceAndMark();
    void endPictureFollowsStartSeconds_data();
    void endPictureFollowsStartSeconds();
};

namespace {

// Positions 1 and 2 show picture 19, position 3 picture 20, position 4 picture 21.
game::GameState board() {
    game::GameState state;
    state.cards[1] = 19;
    state.cards[2] = 19;
    state.cards[3] = 20;
    state.cards[4] = 21;
    return state;
}

} // namespace

void TurnsTest::whatMayBeTurned_data() {
    QTest::addColumn<QList<int>>("picks");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("a face-down card") << QList<int>{} << 3 << true;
    QTest::newRow("the turn's first card again") << QList<int>{1} << 1 << false;
    QTest::newRow("a second card") << QList<int>{1} << 3 << true;
    QTest::newRow("a third card while two wait") << QList<int>{1, 3} << 4 << false;
    QTest::newRow("position 0") << QList<int>{} << 0 << false;
    QTest::newRow("position 37") << QList<int>{} << 37 << false;
}

void TurnsTest::whatMayBeTurned() {
    QFETCH(QList<int>, picks);
    QFETCH(int, position);
    QFETCH(bool, allowed);
    game::GameState state = board();
    for (int pick : picks) {
        game::recordPick(state, pick);
    }
    QCOMPARE(game::canTurn(state, position), allowed);
}

void TurnsTest::verdictOfTwoCards_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("verdict");
    QTest::addColumn<bool>("bothStayUp");
    QTest::newRow("equal pictures") << 1 << 2 << int(game::Verdict::Match) << true;
    QTest::newRow("different pictures") << 1 << 3 << int(game::Verdict::Mismatch) << false;
}

void TurnsTest::verdictOfTwoCards() {
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, verdict);
    QFETCH(bool, bothStayUp);
    game::GameState state = board();
    game::recordPick(state, first);
    QCOMPARE(game::verdict(state), game::Verdict::NothingYet);
    game::recordPick(state, second);
    QCOMPARE(int(game::verdict(state)), verdict);
    QCOMPARE(state.clicks, 2);
    if (game::verdict(state) == game::Verdict::Match) {
        game::takePair(state);
    } else {
        game::turnBack(state);
    }
    QCOMPARE(state.faceUp[first], bothStayUp);
    QCOMPARE(state.faceUp[second], bothStayUp);
    QCOMPARE(state.pairs, bothStayUp ? 1 : 0);
    QCOMPARE(state.firstpos + state.secondpos + state.firstcard + state.secondcard, 0);
}

void TurnsTest::endingComesOnceAtTheLastPair() {
    game::GameState state;
    state.pairs = 17;
    QVERIFY(!game::ending(state));
    state.pairs = 18;
    QVERIFY(game::ending(state));
    state.ended = true;
    QVERIFY(!game::ending(state));

    state.ended = false;
    QVERIFY(game::takeEnding(state));
    QVERIFY(!game::takeEnding(state));
    state.pairs = 19; // a pair clicked again after the ending
    QVERIFY(!game::takeEnding(state));
}

void TurnsTest::newGameForgetsTheOldOne() {
    game::GameState state = board();
    game::recordPick(state, 1);
    game::recordPick(state, 2);
    game::takePair(state);
    state.ended = true;
    game::switchSound(state, false);
    const int generation = state.generation;
    const QDateTime now(QDate(2026, 12, 8), QTime(9, 1, 2));
    game::newGame(state, now, 4711);
    QCOMPARE(state.clicks, 0);
    QCOMPARE(state.starttime, now);
    QCOMPARE(state.startSteadyMs, 4711);
    QVERIFY(!state.soundoff);
    QCOMPARE(state.pairs, 0);
    QVERIFY(!state.faceUp[1]);
    QVERIFY(!state.ended);
    QCOMPARE(state.generation, generation + 1);
    QVERIFY(game::canTurn(state, 1));
}

void TurnsTest::rankingChoiceAndMark_data() {
    QTest::addColumn<QList<int>>("choices"); // 0 time, 1 clicks, in this order
    QTest::addColumn<QString>("mark");
    QTest::newRow("start-up") << QList<int>{} << QStringLiteral("C");
    QTest::newRow("time") << QList<int>{0} << QStringLiteral("T");
    QTest::newRow("clicks") << QList<int>{1} << QStringLiteral("C");
    QTest::newRow("clicks after time") << QList<int>{0, 1} << QStringLiteral("C");
    QTest::newRow("time after clicks") << QList<int>{1, 0} << QStringLiteral("T");
}

void TurnsTest::rankingChoiceAndMark() {
    QFETCH(QList<int>, choices);
    QFETCH(QString, mark);
    game::GameState state;
    game::startUp(state, safefile::Folder());
    for (int choice : choices) {
        if (choice == 0)
            game::rankByTime(state);
        else
            game::rankByClicks(state);
    }
    QCOMPARE(game::rankingMark(state), mark);
    // Exactly one key is chosen.
    QCOMPARE(state.sorttime, mark == QLatin1String("T"));
    QCOMPARE(state.sortclick, mark == QLatin1String("C"));
}

void TurnsTest::endPictureFollowsStartSeconds_data() {
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("picture");
    QTest::newRow("00") << 0 << QStringLiteral("metoo.bmp");
    QTest::newRow("09") << 9 << QStringLiteral("metoo.bmp");
    QTest::newRow("10") << 10 << QStringLiteral("kaeptn.bmp");
    QTest::newRow("19") << 19 << QStringLiteral("kaeptn.bmp");
    QTest::newRow("20") << 20 << QStringLiteral("metoo.bmp");
    QTest::newRow("35") << 35 << QStringLiteral("kaeptn.bmp");
    QTest::newRow("42") << 42 << QStringLiteral("metoo.bmp");
    QTest::newRow("59") << 59 << QStringLiteral("kaeptn.bmp");
}

void TurnsTest::endPictureFollowsStartSeconds() {
    QFETCH(int, seconds);
    QFETCH(QString, picture);
    game::GameState state;
    game::stampStartUp(state, QDateTime(QDate(2026, 12, 8), QTime(23, 41, seconds)), 0);
    QCOMPARE(state.starttext, QStringLiteral("23:41:%1").arg(seconds, 2, 10, QLatin1Char('0')));
    QCOMPARE(game::endPicture(state), picture);
    // A new game started at seconds of the other parity keeps the picture.
    const int other = (seconds / 10) % 2 == 1 ? 0 : 10;
    game::newGame(state, QDateTime(QDate(2026, 12, 8), QTime(23, 45, other)), 0);
    QCOMPARE(game::endPicture(state), picture);
}

QTEST_APPLESS_MAIN(TurnsTest)
#include "tst_turns.moc"
