// Card turns on the real window: what a click shows, records and counts,
// and how a turn is judged.

// own
#include "app/PictureBox.h"
#include "assets/AssetFiles.h"
#include "platform/RealServices.h"
#include "support/GameHarness.h"

// Qt
#include <QLabel>
#include <QProgressBar>
#include <QtTest>

// std
#include <algorithm>
#include <iterator>
#include <set>

class BoardTest : public QObject {
    Q_OBJECT

  private slots:
    void startShowsThirtySixCardBacks();
    void boardIsFourRowsOfNine();
    void matchingTurnKeepsBothFacesUp();
    void mismatchTurnsBackOnlyTheTwoRecordedCards();
    void clickOnFaceUpCardIsIgnored_data();
    void clickOnFaceUpCardIsIgnored();
    void thirdCardWhileTwoAreJudgedIsIgnored();
    void secondClickInsideFirstPauseIsJudgedOnce();
    void newGameDuringMismatchWaitKeepsTheNewTurn();
    void clickIsCountedBeforeTheVerdict();
    void progressFollowsPairs();
    void sixteenthPairShowsItsPicture();
    void firstCardsHideTheInformationLabels();
    void freeMemoryReadout_data();
    void freeMemoryReadout();
    void hostMemoryIsWhatTheKernelCallsAvailable();

  private:
    static QImage back(GameHarness& h) { return h.image(1)->picture(); }
    static QImage face(GameHarness& h, int position) {
        return assets::loadPicture(h.state.folder,
                                   QStringLiteral("img%1").arg(h.state.cards[position]));
    }
};

void BoardTest::startShowsThirtySixCardBacks() {
    GameHarness h;
    const QImage cardBack = assets::loadPicture(h.state.folder, QStringLiteral("empty"));
    QVERIFY(!cardBack.isNull());
    for (int k = 1; k <= 36; ++k) {
        QCOMPARE(h.image(k)->picture(), cardBack);
        QVERIFY(h.image(k)->stretch());
        QVERIFY(!h.image(k)->isHidden());
    }
}

void BoardTest::boardIsFourRowsOfNine() {
    GameHarness h;
    std::set<int> xs;
    std::set<int> ys;
    for (int k = 1; k <= 36; ++k) {
        xs.insert(h.image(k)->x());
        ys.insert(h.image(k)->y());
    }
    QCOMPARE(xs.size(), std::size_t{9});
    QCOMPARE(ys.size(), std::size_t{4});
    const int size = h.image(1)->width();
    QVERIFY(size > 0);
    for (int k = 1; k <= 36; ++k) {
        const QRect cell = h.image(k)->geometry();
        // Position k runs row by row, left to right.
        QCOMPARE(std::distance(xs.begin(), xs.find(cell.x())), (k - 1) % 9);
        QCOMPARE(std::distance(ys.begin(), ys.find(cell.y())), (k - 1) / 9);
        QCOMPARE(cell.size(), QSize(size, size));
    }
    // Neighbours do not overlap, and the board stays left of the side panel.
    QVERIFY(*std::next(xs.begin()) - *xs.begin() > size);
    QVERIFY(*std::next(ys.begin()) - *ys.begin() > size);
    QVERIFY(h.image(9)->geometry().right() < h.label(8)->x());
    QVERIFY(h.image(36)->geometry().bottom() < h.window().Progressbar1->y());
}

void BoardTest::matchingTurnKeepsBothFacesUp() {
    GameHarness h;
    const auto [a, b] = h.pairOf(27);
    h.window().cardClick(a);
    h.window().cardClick(b);
    QCOMPARE(h.state.pairs, 1);
    QCOMPARE(h.image(a)->picture(), face(h, a));
    QCOMPARE(h.image(b)->picture(), face(h, b));
    QCOMPARE(h.state.firstpos + h.state.secondpos + h.state.firstcard + h.state.secondcard, 0);
    QCOMPARE(h.window().Progressbar1->value(), 6);
}

void BoardTest::mismatchTurnsBackOnlyTheTwoRecordedCards() {
    GameHarness h;
    const QImage cardBack = back(h);
    const auto [a, found] = h.pairOf(19);
    h.window().cardClick(a);
    h.window().cardClick(found);
    const int first = h.pairOf(20).first;
    const int second = h.otherThan(first);
    h.fakes.pause.calls.clear();
    h.window().cardClick(first);
    h.window().cardClick(second);
    QCOMPARE(h.fakes.pause.calls, (QList<int>{300, 300, 200}));
    QCOMPARE(h.image(first)->picture(), cardBack);
    QCOMPARE(h.image(second)->picture(), cardBack);
    QCOMPARE(h.image(a)->picture(), face(h, a));
    QCOMPARE(h.image(found)->picture(), face(h, found));
    QCOMPARE(h.state.pairs, 1);
    // Both cards can be turned again.
    h.window().cardClick(first);
    QCOMPARE(h.state.firstpos, first);
}

void BoardTest::clickOnFaceUpCardIsIgnored_data() {
    QTest::addColumn<bool>("foundPair");
    QTest::newRow("the card turned first in this turn") << false;
    QTest::newRow("a card of a pair already found") << true;
}

void BoardTest::clickOnFaceUpCardIsIgnored() {
    QFETCH(bool, foundPair);
    GameHarness h;
    const auto [a, b] = h.pairOf(30);
    if (foundPair) {
        h.window().cardClick(a);
        h.window().cardClick(b);
    } else {
        h.window().cardClick(a);
    }
    const int clicks = h.state.clicks;
    const int pairs = h.state.pairs;
    const int pauses = h.fakes.pause.calls.size();
    h.window().cardClick(a);
    h.window().cardClick(a);
    QCOMPARE(h.state.clicks, clicks);
    QCOMPARE(h.state.pairs, pairs);
    QCOMPARE(h.fakes.pause.calls.size(), pauses);
    QCOMPARE(h.state.secondpos, 0);
}

void BoardTest::thirdCardWhileTwoAreJudgedIsIgnored() {
    GameHarness h;
    const QImage cardBack = back(h);
    const int first = h.pairOf(21).first;
    const int second = h.otherThan(first);
    int third = 0;
    for (int k = 1; k <= 36 && third == 0; ++k) {
        if (k != first && k != second) {
            third = k;
        }
    }
    h.window().cardClick(first);
    h.fakes.pause.duringNextPause([&] { h.window().cardClick(third); });
    h.window().cardClick(second);
    QCOMPARE(h.state.clicks, 2);
    QCOMPARE(h.image(third)->picture(), cardBack);
    QVERIFY(!h.state.faceUp[third]);
    QCOMPARE(h.image(first)->picture(), cardBack);
}

void BoardTest::secondClickInsideFirstPauseIsJudgedOnce() {
    GameHarness h;
    const auto [a, b] = h.pairOf(33);
    h.fakes.pause.duringNextPause([&] { h.window().cardClick(b); });
    h.window().cardClick(a);
    QCOMPARE(h.state.pairs, 1);
    QCOMPARE(h.state.clicks, 2);
    QCOMPARE(h.window().Progressbar1->value(), 6);
    QCOMPARE(h.state.firstpos, 0);
}

void BoardTest::newGameDuringMismatchWaitKeepsTheNewTurn() {
    GameHarness h;
    const QImage cardBack = back(h);
    const int first = h.pairOf(20).first;
    const int second = h.otherThan(first);
    h.window().cardClick(first);
    // Inside the mismatch's 200 ms: a new game begins and its first card is
    // the old turn's first card.
    const qint64 insideMismatchWait = h.fakes.pause.now() + 300 + 100;
    h.fakes.pause.at(insideMismatchWait, [&] {
        h.window().start1Click();
        h.window().cardClick(first);
    });
    h.window().cardClick(second);
    QCOMPARE(h.state.clicks, 1);
    QCOMPARE(h.state.firstpos, first);
    QVERIFY(h.state.faceUp[first]);
    QCOMPARE(h.image(first)->picture(), face(h, first));
    QCOMPARE(h.image(second)->picture(), cardBack);
    QCOMPARE(h.state.pairs, 0);
}

void BoardTest::clickIsCountedBeforeTheVerdict() {
    GameHarness h;
    const auto [a, b] = h.pairOf(25);
    h.window().cardClick(a);
    int clicksWhenJudged = -1;
    h.fakes.pause.duringNextPause([&] { clicksWhenJudged = h.state.clicks; });
    h.window().cardClick(b);
    QCOMPARE(clicksWhenJudged, 2);
}

void BoardTest::progressFollowsPairs() {
    GameHarness h;
    QList<int> positions;
    for (int picture = 19; picture <= 36; ++picture) {
        const auto [a, b] = h.pairOf(picture);
        h.window().cardClick(a);
        h.window().cardClick(b);
        positions << h.window().Progressbar1->value();
    }
    QList<int> expected;
    for (int pairs = 1; pairs <= 18; ++pairs) {
        expected << pairs * 6;
    }
    QCOMPARE(positions, expected);
    QCOMPARE(h.window().Progressbar1->maximum(), 108);
}

void BoardTest::sixteenthPairShowsItsPicture() {
    GameHarness h;
    for (int picture = 19; picture < 19 + 15; ++picture) {
        const auto [a, b] = h.pairOf(picture);
        h.window().cardClick(a);
        h.window().cardClick(b);
    }
    QVERIFY(h.image(38)->isHidden());
    const auto [a, b] = h.pairOf(34);
    h.window().cardClick(a);
    h.window().cardClick(b);
    QVERIFY(!h.image(38)->isHidden());
    QVERIFY(h.image(38)->stretch());
    QCOMPARE(h.image(38)->picture(), assets::loadPicture(h.state.folder, QStringLiteral("engerl")));
}

void BoardTest::firstCardsHideTheInformationLabels() {
    GameHarness h;
    h.window().freememory1Click();
    h.window().versin1Click();
    QVERIFY(!h.label(7)->isHidden());
    h.window().cardClick(1);
    QVERIFY(h.label(3)->isHidden());
    QVERIFY(h.label(7)->isHidden());
    QVERIFY(h.label(6)->isHidden());
    // The turn's own readout shows the memory labels again.
    QVERIFY(!h.label(4)->isHidden());
    QVERIFY(!h.label(5)->isHidden());
}

void BoardTest::freeMemoryReadout_data() {
    QTest::addColumn<quint64>("mebibytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("4095") << quint64{4095} << QStringLiteral("4.095 MB");
    QTest::newRow("1000") << quint64{1000} << QStringLiteral("1.000 MB");
    QTest::newRow("999") << quint64{999} << QStringLiteral(".999 MB");
    QTest::newRow("beyond 32 bits") << quint64{65536} << QStringLiteral("65.536 MB");
}

void BoardTest::freeMemoryReadout() {
    QFETCH(quint64, mebibytes);
    QFETCH(QString, text);
    GameHarness h;
    h.fakes.system.memory = (mebibytes << 20) + 12345;
    h.window().freememory1Click();
    QCOMPARE(h.label(5)->text(), text);
    QCOMPARE(h.label(7)->text(), QStringLiteral("number of processors: 8"));
}

namespace {

// MemAvailable from /proc/meminfo, in bytes (0 when there is none).
quint64 kernelAvailable() {
    QFile meminfo(QStringLiteral("/proc/meminfo"));
    if (!meminfo.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : meminfo.readAll().split('\n')) {
        if (line.startsWith("MemAvailable:"))
            return line.simplified().split(' ').value(1).toULongLong() * 1024;
    }
    return 0;
}

} // namespace

void BoardTest::hostMemoryIsWhatTheKernelCallsAvailable() {
    const quint64 before = kernelAvailable();
    if (before == 0)
        QSKIP("This kernel reports no MemAvailable.");
    const quint64 read = HostSystemInfo().availablePhysicalMemory();
    const quint64 after = kernelAvailable();
    // Other processes move the figure a little between the three readings.
    const quint64 slack = quint64(16) << 20;
    QVERIFY2(
        read + slack >= std::min(before, after) && read <= std::max(before, after) + slack,
        qPrintable(QStringLiteral("%1 read, %2 to %3 available").arg(read).arg(before).arg(after)));
}

QTEST_MAIN(BoardTest)
#include "tst_board.moc"
