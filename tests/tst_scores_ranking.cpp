// Ranking the high-score list by time or by clicks.

#include "scores/Ranking.h"

// Qt
#include <QTest>

using namespace scores;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(scores::SortKey)

namespace {

QString entry(const QString& rank, const QString& name, const QString& time,
              const QString& clicks) {
    return (rank + "  ").left(3) + name.leftJustified(24, u' ') + time + " 01.02.2024  " + clicks;
}

} // namespace

class TestScoresRanking : public QObject {
    Q_OBJECT

  private slots:
    void rank_data();
    void rank();
    void rankedListText();
};

void TestScoresRanking::rank_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<SortKey>("key");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<bool>("compared");

    QTest::newRow("fresh list by clicks")
        << freshList() << SortKey::Clicks
        << QStringList{"1  ....................... 10:10:09 ..........  195",
                       "2  ....................... 10:10:08 ..........  197",
                       "3  ....................... 10:10:07 ..........  198",
                       "4  ....................... 10:10:06 ..........  199",
                       "5  ....................... 10:10:10 ..........  200",
                       "6  ....................... 10:11:00 ..........  201",
                       "7  ....................... 10:11:10 ..........  202",
                       "8  ....................... 10:10:00 ..........  222",
                       "9  ....................... 10:10:04 ..........  234",
                       "10 ....................... 10:10:01 ..........  333",
                       "11 ....................... 10:10:05 ..........  345",
                       "12 ....................... 10:10:02 ..........  444"}
        << true;
    QTest::newRow("fresh list by time keeps its order")
        << freshList() << SortKey::Time << freshList() << true;

    const QString a = entry("1", "A", "00:10:00", "200");
    const QString b = entry("2", "B", "00:09:00", "200");
    const QString c = entry("3", "C", "00:10:00", "100");
    QTest::newRow("equal clicks keep their order")
        << QStringList{a, b, c} << SortKey::Clicks
        << QStringList{entry("1", "C", "00:10:00", "100"), entry("2", "A", "00:10:00", "200"),
                       entry("3", "B", "00:09:00", "200")}
        << true;
    QTest::newRow("equal times keep their order")
        << QStringList{a, b, c} << SortKey::Time
        << QStringList{entry("1", "B", "00:09:00", "200"), entry("2", "A", "00:10:00", "200"),
                       entry("3", "C", "00:10:00", "100")}
        << true;
    QTest::newRow("two-digit clicks before three-digit ones")
        << QStringList{entry("1", "A", "00:10:00", "100"), entry("2", "B", "00:10:00", " 57")}
        << SortKey::Clicks
        << QStringList{entry("1", "B", "00:10:00", " 57"), entry("2", "A", "00:10:00", "100")}
        << true;

    // Entry 10 has the third-best time, entry 3 the tenth.
    QStringList twelve;
    const QStringList times{"00:01:00", "00:02:00", "00:10:30", "00:04:00", "00:05:00", "00:06:00",
                            "00:07:00", "00:08:00", "00:09:00", "00:02:30", "00:11:00", "00:12:00"};
    for (qsizetype i = 0; i < times.size(); ++i)
        twelve << entry(QString::number(i + 1), QString(QChar(u'a' + static_cast<int>(i))),
                        times.at(i), "100");
    const QStringList ranked{
        entry("1", "a", "00:01:00", "100"),  entry("2", "b", "00:02:00", "100"),
        entry("3", "j", "00:02:30", "100"),  entry("4", "d", "00:04:00", "100"),
        entry("5", "e", "00:05:00", "100"),  entry("6", "f", "00:06:00", "100"),
        entry("7", "g", "00:07:00", "100"),  entry("8", "h", "00:08:00", "100"),
        entry("9", "i", "00:09:00", "100"),  entry("10", "c", "00:10:30", "100"),
        entry("11", "k", "00:11:00", "100"), entry("12", "l", "00:12:00", "100")};
    QTest::newRow("10th to 3rd, 3rd to 10th") << twelve << SortKey::Time << ranked << true;

    QStringList thirteen = twelve;
    thirteen << entry("13", "z", "00:00:01", "100");
    QTest::newRow("only twelve entries are taken") << thirteen << SortKey::Time << ranked << true;

    QTest::newRow("empty file") << QStringList{""} << SortKey::Time << QStringList{"1 "} << false;
    QTest::newRow("no entries") << QStringList{} << SortKey::Clicks << QStringList{} << false;
    QTest::newRow("one entry is only renumbered")
        << QStringList{"7xyz"} << SortKey::Clicks << QStringList{"1 yz"} << false;

    const QString longEntry = entry("1", "Long", "00:10:00", "123") + "tail";
    QTest::newRow("entry longer than 51 is cut")
        << QStringList{longEntry} << SortKey::Time << QStringList{longEntry.left(51)} << false;

    QTest::newRow("blank entry becomes the placeholder")
        << QStringList{entry("1", "A", "00:12:00", "100"), QString(29, u' ')} << SortKey::Time
        << QStringList{"1  Novice                  00:11:11 11.11.1111  111",
                       entry("2", "A", "00:12:00", "100")}
        << true;
    QTest::newRow("four spaces become the placeholder")
        << QStringList{"    "} << SortKey::Time << QStringList{placeholderEntry()} << false;
    QTest::newRow("three spaces are kept")
        << QStringList{"   ", entry("1", "A", "00:12:00", "100")} << SortKey::Time
        << QStringList{"1  ", entry("2", "A", "00:12:00", "100")} << true;
    const QString spaceName = "2   Zed                    00:09:00 01.02.2024  100";
    QTest::newRow("name starting with a space is kept")
        << QStringList{entry("1", "A", "00:12:00", "100"), spaceName} << SortKey::Time
        << QStringList{"1   Zed                    00:09:00 01.02.2024  100",
                       entry("2", "A", "00:12:00", "100")}
        << true;
    QTest::newRow("8-bit characters sort after ASCII")
        << QStringList{entry("1", "A", "\u00e900:00", "100"), entry("2", "B", "99:00:00", "100")}
        << SortKey::Time
        << QStringList{entry("1", "B", "99:00:00", "100"), entry("2", "A", "\u00e900:00", "100")}
        << true;
    // Beyond 8 bits a character is written as "?", and ranks as one: after
    // ">" (0x3e), before "@" (0x40), level with "?" itself.
    QTest::newRow("key above Latin-1 ranks as ?")
        << QStringList{entry("1", "A", "0@:00:00", "100"), entry("2", "B", "0\u20ac:00:00", "100"),
                       entry("3", "C", "0>:00:00", "100")}
        << SortKey::Time
        << QStringList{entry("1", "C", "0>:00:00", "100"), entry("2", "B", "0\u20ac:00:00", "100"),
                       entry("3", "A", "0@:00:00", "100")}
        << true;
    QTest::newRow("key above Latin-1 level with ?")
        << QStringList{entry("1", "A", "00:00:00", "1\u0100"), entry("2", "B", "00:00:00", "1?")}
        << SortKey::Clicks
        << QStringList{entry("1", "A", "00:00:00", "1\u0100"), entry("2", "B", "00:00:00", "1?")}
        << true;
    QTest::newRow("names above Latin-1 keep their columns")
        << QStringList{entry("1", "Zo\u00eb \u20ac\u0141", "00:09:00", "100"),
                       entry("2", "\u0416\u0416", "00:08:00", "100")}
        << SortKey::Time
        << QStringList{entry("1", "\u0416\u0416", "00:08:00", "100"),
                       entry("2", "Zo\u00eb \u20ac\u0141", "00:09:00", "100")}
        << true;
}

void TestScoresRanking::rank() {
    QFETCH(QStringList, entries);
    QFETCH(SortKey, key);
    QFETCH(QStringList, expected);
    QFETCH(bool, compared);
    const RankResult result = scores::rank(entries, key);
    QCOMPARE(result.lines, expected);
    QCOMPARE(result.compared, compared);
}

void TestScoresRanking::rankedListText() {
    QCOMPARE(scores::rankedListText({}), QString());
    QCOMPARE(scores::rankedListText({"1 ", "2  x"}), "\n\r1 \n\r2  x");
}

QTEST_GUILESS_MAIN(TestScoresRanking)
#include "tst_scores_ranking.moc"
