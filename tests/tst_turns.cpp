// The turn rules without a window: what may be turned, what a turn makes.

// own
#include "game/GameState.h"
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
}

void TurnsTest::newGameForgetsTheOldOne() {
    game::GameState state = board();
    game::recordPick(state, 1);
    game::recordPick(state, 2);
    game::takePair(state);
    state.ended = true;
    const int generation = state.generation;
    game::resetGame(state);
    QCOMPARE(state.pairs, 0);
    QVERIFY(!state.faceUp[1]);
    QVERIFY(!state.ended);
    QCOMPARE(state.generation, generation + 1);
    QVERIFY(game::canTurn(state, 1));
}

QTEST_APPLESS_MAIN(TurnsTest)
#include "tst_turns.moc"
