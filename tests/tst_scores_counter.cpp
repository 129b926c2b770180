// The game counter nog.txt.

#include "support/ErrorOf.h"
#include "support/Fakes.h"
#include "support/HostileFiles.h"
#include "scores/GameCounter.h"

#include "platform/GameError.h"

// Qt
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// std
#include <optional>

using namespace scores;
using namespace Qt::StringLiterals;

namespace {

// The counter of the folder dir, counted on as a game there would.
CounterResult countIn(const QString& dir) {
    FakeClock clock;
    FakePause pause(clock);
    return advanceGameCounter(hostile::folderAt(dir), pause);
}

using hostile::readAll;
using hostile::writeAll;

} // namespace

class TestScoresCounter : public QObject {
    Q_OBJECT

  private slots:
    void advance_data();
    void advance();
    void unreadableOrUnwritable();
};

void TestScoresCounter::advance_data() {
    QTest::addColumn<std::optional<QByteArray>>("before");
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("show");
    QTest::addColumn<QString>("notNumber"); // the text the warning names
    using Bytes = std::optional<QByteArray>;
    QTest::newRow("missing") << Bytes() << u"   1"_s << false << u""_s;
    QTest::newRow("1") << Bytes("   1\r\n") << u"   2"_s << true << u""_s;
    QTest::newRow("left-aligned 1") << Bytes("1   \r\n") << u"   2"_s << true << u""_s;
    QTest::newRow("four spaces") << Bytes("    \r\n") << u"   2"_s << true << u""_s;
    QTest::newRow("space in 4th place") << Bytes(" 12 \r\n") << u"   2"_s << true << u""_s;
    QTest::newRow("two digits, short line") << Bytes("12\r\n") << u"  13"_s << true << u""_s;
    QTest::newRow("long line") << Bytes("123456\r\n") << u"1235"_s << true << u""_s;
    QTest::newRow("five digits keep four") << Bytes("9999\r\n") << u"1000"_s << true << u""_s;
    QTest::newRow("no line end") << Bytes("   3") << u"   4"_s << true << u""_s;
    QTest::newRow("LF, more lines") << Bytes("  41\nxyz\n") << u"  42"_s << true << u""_s;
    QTest::newRow("plus sign") << Bytes("  +7\r\n") << u"   8"_s << true << u""_s;
    QTest::newRow("minus sign") << Bytes("  -5\r\n") << u"  -4"_s << true << u""_s;
    QTest::newRow("empty first line") << Bytes("\r\n   7\r\n") << u""_s << false << u""_s;
    QTest::newRow("empty file") << Bytes("") << u""_s << false << u""_s;
    QTest::newRow("letters") << Bytes("ab12\r\n") << u"   1"_s << false << u"ab12"_s;
    QTest::newRow("space inside") << Bytes("12 3\r\n") << u"   1"_s << false << u"12 3"_s;
    QTest::newRow("trailing space") << Bytes("12 \r\n") << u"   1"_s << false << u"12 "_s;
    QTest::newRow("sign only") << Bytes(" -\r\n") << u"   1"_s << false << u" -"_s;
    QTest::newRow("tab") << Bytes("\t12\r\n") << u"   1"_s << false << u"\t12"_s;
    QTest::newRow("8-bit") << Bytes("\xe9\r\n") << u"   1"_s << false << u"\u00e9"_s;
}

void TestScoresCounter::advance() {
    QFETCH(std::optional<QByteArray>, before);
    QFETCH(QString, field);
    QFETCH(bool, show);
    QFETCH(QString, notNumber);
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString dir = tmp.path() + "/";
    if (before)
        QVERIFY(writeAll(dir + "nog.txt", *before));
    const CounterResult result = countIn(dir);
    QCOMPARE(result.field, field);
    QCOMPARE(result.show, show);
    if (notNumber.isEmpty())
        QCOMPARE(result.warning, QString());
    else
        QCOMPARE(result.warning, "The game counter nog.txt holds \"" + notNumber +
                                     "\", which is not a number; counting starts again at 1.");
    QCOMPARE(readAll(dir + "nog.txt"), field.toLatin1() + "\r\n");
    QVERIFY(!QFile::exists(dir + "nog.txt.lock"));
    QCOMPARE(gameNumberText(result.field), "game no: " + field);
}

void TestScoresCounter::unreadableOrUnwritable() {
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString dir = tmp.path() + "/";

    QVERIFY(QDir().mkdir(dir + "nog.txt"));
    QString message = errorOf([&] { countIn(dir); });
    QVERIFY2(message.startsWith("Could not read nog.txt: "), qPrintable(message));
    QVERIFY(QFileInfo(dir + "nog.txt").isDir());

    QVERIFY(writeAll(dir + "plain", "x"));
    message = errorOf([&] { countIn(dir + "plain"); });
    QVERIFY2(message.contains("nog.txt"), qPrintable(message));
    QCOMPARE(readAll(dir + "plain"), QByteArray("x"));
}

QTEST_GUILESS_MAIN(TestScoresCounter)
#include "tst_scores_counter.moc"
