// own
#include "game/GameState.h"
#include "game/Shuffle.h"

// Qt
#include <QtTest>

class ShuffleTest : public QObject {
    Q_OBJECT

  private slots:
    void firstDrawsOfSeedZero();
    void layoutOfSeedZero_data();
    void layoutOfSeedZero();
    void everyLayoutHoldsEachPictureTwice_data();
    void everyLayoutHoldsEachPictureTwice();
    void shuffleRecordsTheClocksSeconds();
    void saltTestsAreStrict_data();
    void saltTestsAreStrict();
    void differentSeedsDealDifferently_data();
    void differentSeedsDealDifferently();
};

namespace {

std::function<QDateTime()> fixedClock(int seconds) {
    return [seconds] { return QDateTime(QDate(2026, 12, 7), QTime(16, 58, seconds)); };
}

QList<int> layout(const game::GameState& state) {
    return QList<int>(state.cards.begin() + 1, state.cards.end());
}

QList<int> dealt(std::uint32_t seed, int seconds) {
    game::GameState state;
    state.seed = seed;
    game::shuffle(state, fixedClock(seconds));
    return layout(state);
}

} // namespace

void ShuffleTest::firstDrawsOfSeedZero() {
    std::uint32_t seed = 0;
    QList<int> draws;
    for (int range : {36, 35, 34, 33, 32}) {
        draws << game::random(seed, range);
    }
    QCOMPARE(draws, (QList<int>{0, 1, 29, 6, 8}));
}

void ShuffleTest::layoutOfSeedZero_data() {
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QList<int>>("expected");
    const QList<int> calm{19, 21, 32, 28, 31, 26, 34, 30, 19, 21, 23, 23, 32, 33, 25, 22, 35, 24,
                          20, 25, 27, 34, 29, 27, 24, 29, 31, 30, 35, 36, 26, 22, 36, 33, 28, 20};
    const QList<int> salted{36, 22, 27, 33, 21, 24, 35, 22, 20, 23, 36, 31, 24, 27, 34, 34, 19, 28,
                            28, 23, 32, 25, 33, 30, 20, 26, 29, 35, 26, 25, 31, 29, 32, 21, 19, 30};
    QTest::newRow("seconds 0, no block exchange") << 0 << calm;
    QTest::newRow("seconds 5, tests are strict") << 5 << calm;
    QTest::newRow("seconds 36, all four blocks") << 36 << salted;
    QTest::newRow("seconds 59, all four blocks") << 59 << salted;
}

void ShuffleTest::layoutOfSeedZero() {
    QFETCH(int, seconds);
    QFETCH(QList<int>, expected);
    game::GameState state;
    game::shuffle(state, fixedClock(seconds));
    QCOMPARE(layout(state), expected);
}

void ShuffleTest::everyLayoutHoldsEachPictureTwice_data() {
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("seconds");
    for (quint32 seed : {0U, 1U, 12345U, 0xFFFFFFFFU}) {
        for (int seconds : {0, 6, 16, 30, 36, 59}) {
            QTest::addRow("seed %u, seconds %d", seed, seconds) << seed << seconds;
        }
    }
}

void ShuffleTest::everyLayoutHoldsEachPictureTwice() {
    QFETCH(quint32, seed);
    QFETCH(int, seconds);
    game::GameState state;
    state.seed = seed;
    game::shuffle(state, fixedClock(seconds));
    std::map<int, int> counts;
    for (int k = 1; k <= game::CardCount; ++k) {
        ++counts[state.cards[k]];
    }
    QCOMPARE(counts.size(), std::size_t{18});
    for (const auto& [picture, count] : counts) {
        QVERIFY2(picture >= 19 && picture <= 36, qPrintable(QString::number(picture)));
        QCOMPARE(count, 2);
    }
}

void ShuffleTest::shuffleRecordsTheClocksSeconds() {
    game::GameState state;
    game::shuffle(state, fixedClock(42));
    QCOMPARE(state.timetext, QStringLiteral("42"));
    QCOMPARE(state.secs, 42);
    QCOMPARE(state.starttime.time(), QTime(16, 58, 42));
}

void ShuffleTest::saltTestsAreStrict_data() {
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("sameAs");      // the same blocks run
    QTest::addColumn<int>("differsFrom"); // one block more runs
    QTest::newRow("5") << 5 << 0 << 6;
    QTest::newRow("15") << 15 << 6 << 16;
    QTest::newRow("29") << 29 << 16 << 30;
    QTest::newRow("35") << 35 << 30 << 36;
}

void ShuffleTest::saltTestsAreStrict() {
    QFETCH(int, seconds);
    QFETCH(int, sameAs);
    QFETCH(int, differsFrom);
    QCOMPARE(dealt(0, seconds), dealt(0, sameAs));
    QVERIFY(dealt(0, seconds) != dealt(0, differsFrom));
}

void ShuffleTest::differentSeedsDealDifferently_data() {
    QTest::addColumn<int>("seconds");
    QTest::newRow("no block") << 0;
    QTest::newRow("all blocks") << 59;
}

void ShuffleTest::differentSeedsDealDifferently() {
    QFETCH(int, seconds);
    const QList<std::uint32_t> seeds{0U, 1U, 2U, 12345U, 0x9E3779B9U, 0xFFFFFFFFU};
    for (qsizetype a = 0; a < seeds.size(); ++a) {
        for (qsizetype b = a + 1; b < seeds.size(); ++b) {
            QVERIFY2(dealt(seeds[a], seconds) != dealt(seeds[b], seconds),
                     qPrintable(QStringLiteral("seeds %1 and %2").arg(seeds[a]).arg(seeds[b])));
        }
    }
    // The same seed deals the same layout again.
    QCOMPARE(dealt(12345U, seconds), dealt(12345U, seconds));
}

QTEST_APPLESS_MAIN(ShuffleTest)
#include "tst_shuffle.moc"
