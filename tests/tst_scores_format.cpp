// The texts of a result and the way list lines fill the grid, are entered
// into and are saved from it.

#include "scores/ResultTexts.h"
#include "scores/ScoreLine.h"

// Qt
#include <QTest>
#include <QTimeZone>

using namespace scores;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(scores::Row)
Q_DECLARE_METATYPE(scores::SortKey)

namespace {

Table emptyTable() {
    return Table(12);
}

// A row written as its cells separated by "|".
Row cells(const QString& text) {
    const QStringList parts = text.split(u'|');
    Row row;
    for (std::size_t i = 0; i < row.size() && i < std::size_t(parts.size()); ++i)
        row[i] = parts.at(qsizetype(i));
    return row;
}

// A grid filled from a full list, with marks in the cells after it.
Table markedTable() {
    Table table(14, cells("r|n|t|d|c"));
    return table;
}

} // namespace

class TestScoresFormat : public QObject {
    Q_OBJECT

  private slots:
    void clickTexts_data();
    void clickTexts();
    void elapsedText_data();
    void elapsedText();
    void clockAndDateTexts();
    void playerName_data();
    void playerName();
    void fixedTexts();
    void fillForResultEntrySubstitutes_data();
    void fillForResultEntrySubstitutes();
    void fillingTakesTwelveLinesAndLeavesTheRest();
    void fillForLoadList();
    void enterResult_data();
    void enterResult();
    void saveLines();
};

void TestScoresFormat::clickTexts_data() {
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("saved");
    QTest::newRow("one digit") << 7 << u"7"_s << u"7"_s;
    QTest::newRow("two digits") << 57 << u" 57"_s << u" 57"_s;
    QTest::newRow("10") << 10 << u" 10"_s << u" 10"_s;
    QTest::newRow("99") << 99 << u" 99"_s << u" 99"_s;
    QTest::newRow("three digits") << 123 << u"123"_s << u"123"_s;
    QTest::newRow("999") << 999 << u"999"_s << u"999"_s;
    QTest::newRow("1000 is not saved as 100") << 1000 << u"1000"_s << u"999"_s;
    QTest::newRow("1234 is not saved as 123") << 1234 << u"1234"_s << u"999"_s;
}

void TestScoresFormat::clickTexts() {
    QFETCH(int, clicks);
    QFETCH(QString, shown);
    QFETCH(QString, saved);
    QCOMPARE(clickText(clicks), shown);
    QCOMPARE(savedClickText(clicks), saved);
}

void TestScoresFormat::elapsedText_data() {
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("expected");
    const QDateTime start(QDate(2024, 3, 1), QTime(22, 0, 0), QTimeZone::utc());
    QTest::newRow("none") << start << start << u"00:00:00"_s;
    QTest::newRow("h m s") << start << start.addSecs(3600 + 2 * 60 + 3) << u"01:02:03"_s;
    QTest::newRow("over midnight") << start << start.addSecs(3 * 3600) << u"03:00:00"_s;
    QTest::newRow("last second") << start << start.addSecs(86399) << u"23:59:59"_s;
    QTest::newRow("a day") << start << start.addSecs(86400) << u"23:59:59"_s;
    QTest::newRow("days") << start << start.addDays(40) << u"23:59:59"_s;
    QTest::newRow("backwards") << start << start.addSecs(-5) << u"00:00:00"_s;
    // The clock moving forward an hour does not lengthen the game.
    const QDateTime beforeChange(QDate(2024, 3, 31), QTime(1, 30, 0), QTimeZone(3600));
    const QDateTime afterChange(QDate(2024, 3, 31), QTime(3, 40, 0), QTimeZone(7200));
    QTest::newRow("zone offset change") << beforeChange << afterChange << u"01:10:00"_s;
}

void TestScoresFormat::elapsedText() {
    QFETCH(QDateTime, start);
    QFETCH(QDateTime, now);
    QFETCH(QString, expected);
    QCOMPARE(scores::elapsedText(start, now), expected);
}

void TestScoresFormat::clockAndDateTexts() {
    QCOMPARE(timeText(QTime(7, 5, 9)), "07:05:09");
    QCOMPARE(timeText(QTime(23, 59, 59, 999)), "23:59:59");
    QCOMPARE(dateText(QDate(2024, 12, 31)), "31.12.2024");
    QCOMPARE(dateText(QDate(1492, 2, 1)), "01.02.1492");
    QCOMPARE(dateText(QDate(999, 1, 9)), "09.01.0999");
}

void TestScoresFormat::playerName_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("short") << u"Ann"_s << u"Ann                     "_s;
    QTest::newRow("empty") << u""_s << QString(24, u' ');
    QTest::newRow("exactly 24") << u"abcdefghijklmnopqrstuvwx"_s << u"abcdefghijklmnopqrstuvwx"_s;
    QTest::newRow("long") << u"abcdefghijklmnopqrstuvwxyz0123"_s << u"abcdefghijklmnopqrstuvwx"_s;
    QTest::newRow("Latin-1 kept") << u"Jos\u00e9"_s << u"Jos\u00e9                    "_s;
    QTest::newRow("euro") << u"5\u20ac"_s << u"5\u20ac                      "_s;
    QTest::newRow("outside 16 bits") << u"a\U0001F600b"_s << u"a\U0001F600b                     "_s;
    QTest::newRow("line break") << u"a\nb"_s << u"a b                     "_s;
    QTest::newRow("CR and tab") << u"a\r\tb"_s << u"a  b                    "_s;
    QTest::newRow("unicode line break") << u"a\u2028b"_s << u"a b                     "_s;
    QTest::newRow("C1 control") << u"a\u0085b"_s << u"a b                     "_s;
    QTest::newRow("DEL") << u"a\u007fb"_s << u"a b                     "_s;
    QTest::newRow("last character before DEL kept") << u"a~b"_s << u"a~b                     "_s;
    QTest::newRow("first character after the C1 controls kept")
        << u"a\u00a0b"_s << u"a\u00a0b                     "_s;
    QTest::newRow("cut after 24 characters")
        << QString(23, u'x') + "\u20ac\u20ac" << QString(23, u'x') + "\u20ac";
    // Characters as a reader sees them: cut whole, never split.
    QTest::newRow("30 Hangul") << QString(30, u'\ubbfc') << QString(24, u'\ubbfc');
    QTest::newRow("combining accent as the 24th")
        << QString(23, u'x') + "e\u0301yz" << QString(23, u'x') + "e\u0301";
    const QString family = u"\U0001F468\u200D\U0001F469\u200D\U0001F467"_s;
    QTest::newRow("family at the cut")
        << QString(23, u'x') + family + "y" << QString(23, u'x') + family;
    QTest::newRow("flag and skin tone")
        << u"\U0001F1E9\U0001F1EA\U0001F44D\U0001F3FD"_s
        << u"\U0001F1E9\U0001F1EA\U0001F44D\U0001F3FD"_s + QString(22, u' ');
    // Direction controls go; joiners stay; nothing may join the columns beside the name.
    QTest::newRow("bidi controls dropped")
        << u"\u202Ea\u2066b\u200Fc\u061C\u202Ad\u200C"_s << u"abcd\u200C"_s + QString(20, u' ');
    QTest::newRow("leading mark and trailing number sign dropped")
        << u"\u0301ab\u0600"_s << u"ab"_s + QString(22, u' ');
}

void TestScoresFormat::playerName() {
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QCOMPARE(scores::playerName(typed), expected);
}

void TestScoresFormat::fixedTexts() {
    QCOMPARE(resultLine("12:34:56", "00:05:07", " 57"),
             "finish: 12:34:56 | total time: 00:05:07 | clicks:  57");
    const QString head = heading();
    QCOMPARE(head.size(), 96);
    QCOMPARE(head, "      name" + QString(41, u' ') + "time needed" + QString(11, u' ') + "date" +
                       QString(13, u' ') + "clicks");
}

void TestScoresFormat::fillForResultEntrySubstitutes_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<Row>("entered");
    QTest::addColumn<Row>("stored");
    QTest::newRow("full line") << u"3  Santa Claus             00:10:02 01.02.1692  324"_s
                               << cells("3  |Santa Claus             |00:10:02|01.02.1692|324")
                               << cells("3  |Santa Claus             |00:10:02|01.02.1692|324");
    QTest::newRow("time missing") << u"7  Bob                              01.02.1692  324"_s
                                  << cells("7  |Bob                     |00:32:07|01.02.1692|324")
                                  << cells("7  |Bob                     |        |01.02.1692|324");
    // Only the line's first character follows "00:32:0".
    QTest::newRow("time missing, rank 10")
        << u"10 Bob                       :10:02 01.02.1692  324"_s
        << cells("10 |Bob                     |00:32:01|01.02.1692|324")
        << cells("10 |Bob                     |  :10:02|01.02.1692|324");
    QTest::newRow("clicks missing")
        << u"2  Bob                     00:10:02 01.02.1692     "_s
        << cells("2  |Bob                     |00:10:02|01.02.1692|999")
        << cells("2  |Bob                     |00:10:02|01.02.1692|   ");
    QTest::newRow("clicks of one space are kept")
        << u"2  Bob                     00:10:02 01.02.1692   "_s
        << cells("2  |Bob                     |00:10:02|01.02.1692| ")
        << cells("2  |Bob                     |00:10:02|01.02.1692| ");
    QTest::newRow("ten characters")
        << u"1  Novice "_s << cells("1  |Novice ") << cells("1  |Novice ");
    QTest::newRow("empty line") << u""_s << Row{} << Row{};
}

void TestScoresFormat::fillForResultEntrySubstitutes() {
    QFETCH(QString, line);
    QFETCH(Row, entered);
    QFETCH(Row, stored);
    Table forEntry = emptyTable();
    QCOMPARE(fillForResultEntry({line}, forEntry), 1);
    QCOMPARE(forEntry[0], entered);
    Table asStored = emptyTable();
    QCOMPARE(fillAsStored({line}, asStored), 1);
    QCOMPARE(asStored[0], stored);
}

void TestScoresFormat::fillingTakesTwelveLinesAndLeavesTheRest() {
    QStringList fourteen = freshList();
    fourteen << u"13 extra"_s << u"14 extra"_s;
    const Row mark = cells("r|n|t|d|c");

    Table table = markedTable();
    QCOMPARE(fillForResultEntry(fourteen, table), 12);
    QCOMPARE(table[11][0], "12 ");
    QCOMPARE(table[12], mark);

    table = markedTable();
    QCOMPARE(fillAsStored(fourteen, table), 12);
    QCOMPARE(table[12], mark);

    table = markedTable();
    QCOMPARE(fillForResultEntry(freshList().mid(0, 3), table), 3);
    QCOMPARE(table[2][4], "444");
    QCOMPARE(table[3], mark);

    table = markedTable();
    QCOMPARE(fillAsStored({}, table), 0);
    QCOMPARE(fillForResultEntry({}, table), 0);
    QCOMPARE(table[0], mark);
}

void TestScoresFormat::fillForLoadList() {
    Table table = markedTable();
    scores::fillForLoadList({"2  Bob                     00:10:02 01.02.1692     "}, table);
    QCOMPARE(table[0], cells("2  |Bob                     |00:10:02|01.02.1692|c"));
    QCOMPARE(table[1], cells("r|n|t|d|c"));

    // Nothing read still clears the first row (but not its clicks).
    table = markedTable();
    scores::fillForLoadList({}, table);
    QCOMPARE(table[0], cells("||||c"));
    QCOMPARE(table[1], cells("r|n|t|d|c"));
}

void TestScoresFormat::enterResult_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<SortKey>("key");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<int>("entered");
    const QStringList fresh = freshList();
    QTest::newRow("empty list") << QStringList{} << SortKey::Time << u"23:59:59"_s << u"999"_s << 0;
    QTest::newRow("after three") << fresh.mid(0, 3) << SortKey::Clicks << u"23:59:59"_s << u"999"_s
                                 << 3;
    // Worst of the fresh list: by time 10:11:10 (row 11), by clicks 444 (row 2).
    QTest::newRow("time better") << fresh << SortKey::Time << u"10:11:09"_s << u"999"_s << 11;
    QTest::newRow("time equal") << fresh << SortKey::Time << u"10:11:10"_s << u" 10"_s << -1;
    QTest::newRow("time worse") << fresh << SortKey::Time << u"23:59:59"_s << u" 10"_s << -1;
    QTest::newRow("clicks better") << fresh << SortKey::Clicks << u"23:59:59"_s << u"443"_s << 2;
    QTest::newRow("clicks two digits")
        << fresh << SortKey::Clicks << u"23:59:59"_s << u" 99"_s << 2;
    QTest::newRow("clicks equal") << fresh << SortKey::Clicks << u"00:00:01"_s << u"444"_s << -1;
    QTest::newRow("clicks worse") << fresh << SortKey::Clicks << u"00:00:01"_s << u"999"_s << -1;
    QStringList ties = fresh;
    for (const int r : {3, 8, 10})
        ties[r] = ties[r].left(27) + "23:00:00 ..........  999";
    QTest::newRow("last of equal times")
        << ties << SortKey::Time << u"22:59:59"_s << u"999"_s << 10;
    QTest::newRow("last of equal clicks")
        << ties << SortKey::Clicks << u"23:59:59"_s << u"998"_s << 10;
}

void TestScoresFormat::enterResult() {
    QFETCH(QStringList, lines);
    QFETCH(SortKey, key);
    QFETCH(QString, time);
    QFETCH(QString, clicks);
    QFETCH(int, entered);
    Table table = emptyTable();
    const int read = fillForResultEntry(lines, table);
    const Table before = table;
    const Row result{"x", "Ann", time, "05.06.2024", clicks};
    QCOMPARE(scores::enterResult(table, read, result, key), entered);
    for (int r = 0; r < 12; ++r) {
        const std::size_t i = std::size_t(r);
        if (r != entered)
            QCOMPARE(table[i], before[i]);
    }
    if (entered >= 0) {
        // A full list keeps the replaced row's rank, a list with room numbers on.
        const QString rank =
            read == 12 ? before[std::size_t(entered)][0] : QString::number(entered + 1);
        QCOMPARE(table[std::size_t(entered)], (Row{rank, "Ann", time, "05.06.2024", clicks}));
    }
}

void TestScoresFormat::saveLines() {
    Table table = emptyTable();
    table[0] = cells("1|Ann                     |00:20:00|05.06.2024| 57");
    table[1] = cells("2|Bob|00:20:01|05.06.2024XYZ|1234");
    table[2] = cells("3||||");
    table[9] = cells("10|A name longer than 24 chars|00:20:02|05.06.2024|123");
    table[10] = cells("11 |Cy|00:20:03|05.06.2024|999");
    const QStringList expected{
        "1  Ann                     00:20:00 05.06.2024   57",
        "2  Bob                     00:20:01 05.06.2024  123",
        "3  " + QString(24, u' ') + "   ",
        QString(29, u' '),
        QString(29, u' '),
        QString(29, u' '),
        QString(29, u' '),
        QString(29, u' '),
        QString(29, u' '),
        "10 A name longer than 24 chars00:20:02 05.06.2024  123",
        "11 Cy                      00:20:03 05.06.2024  999",
        QString(28, u' '),
    };
    QCOMPARE(scores::saveLines(table), expected);
    QCOMPARE(scores::saveLines(table)[0].size(), 51);

    // Read back as it was saved, the grid comes out the same.
    Table reread = emptyTable();
    fillAsStored(freshList(), reread);
    QCOMPARE(scores::saveLines(reread), freshList());
}

QTEST_GUILESS_MAIN(TestScoresFormat)
#include "tst_scores_format.moc"
