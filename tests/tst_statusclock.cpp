#include "app/Publisher.h"
#include "app/StatusClock.h"

#include <QLocale>
#include <QTimeZone>
#include <QtTest>

class TstStatusClock : public QObject {
    Q_OBJECT

  private slots:
    void cleanup();
    void noticeText();
    void monthText_data();
    void monthText();
    void dateText_data();
    void dateText();
    void dateTextIgnoresDefaultLocale_data();
    void dateTextIgnoresDefaultLocale();
    void dateInTheLanguage_data();
    void dateInTheLanguage();
    void timeText_data();
    void timeText();
    void zoneAbbreviationNeverEmpty_data();
    void zoneAbbreviationNeverEmpty();
    void utcOffsetText_data();
    void utcOffsetText();
    void msToNextSecond_data();
    void msToNextSecond();
};

void TstStatusClock::cleanup() {
    QLocale::setDefault(QLocale::c());
}

void TstStatusClock::noticeText() {
    const QString notice = statusclock::noticeText();
    QVERIFY(notice.contains(QChar(0x00A9)));
    QVERIFY(notice.contains(publisher::companyName));
}

void TstStatusClock::monthText_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("expected");
    const QStringList names{
        QStringLiteral("January "), QStringLiteral("February "), QStringLiteral("March "),
        QStringLiteral("April "),   QStringLiteral("May "),      QStringLiteral("June "),
        QStringLiteral("July "),    QStringLiteral("August "),   QStringLiteral("September "),
        QStringLiteral("October "), QStringLiteral("November "), QStringLiteral("December"),
    };
    for (int month = 1; month <= 12; ++month) {
        QTest::addRow("%d", month) << month << names.at(month - 1);
    }
    QTest::newRow("zero") << 0 << QString();
    QTest::newRow("thirteen") << 13 << QString();
}

void TstStatusClock::monthText() {
    QFETCH(int, month);
    QFETCH(QString, expected);
    QCOMPARE(statusclock::monthText(month), expected);
}

void TstStatusClock::dateText_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("expected");
    QTest::newRow("December") << QDate(2026, 12, 7) << QStringLiteral("December 07, 2026");
    QTest::newRow("March, two spaces") << QDate(2027, 3, 5) << QStringLiteral("March  05, 2027");
    QTest::newRow("two-digit day") << QDate(2027, 9, 30) << QStringLiteral("September  30, 2027");
    QTest::newRow("early year padded") << QDate(987, 5, 15) << QStringLiteral("May  15, 0987");
    QTest::newRow("invalid") << QDate() << QString();
}

void TstStatusClock::dateText() {
    QFETCH(QDate, date);
    QFETCH(QString, expected);
    QCOMPARE(statusclock::dateText(date), expected);
}

void TstStatusClock::dateTextIgnoresDefaultLocale_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("de_AT") << QLocale(QLocale::German, QLocale::Austria);
}

void TstStatusClock::dateTextIgnoresDefaultLocale() {
    QFETCH(QLocale, locale);
    QLocale::setDefault(locale);
    QCOMPARE(statusclock::dateText(QDate(2026, 12, 7)), QStringLiteral("December 07, 2026"));
    QCOMPARE(statusclock::dateText(QDate(2027, 3, 5)), QStringLiteral("March  05, 2027"));
    const QDateTime utc(QDate(2026, 12, 7), QTime(16, 58, 14), QTimeZone::utc());
    QVERIFY(statusclock::timeText(utc).startsWith(QStringLiteral("16:58:14 ")));
}

void TstStatusClock::dateInTheLanguage_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");
    // English keeps its own text whatever the country; the others drop the weekday.
    QTest::newRow("en_GB") << QLocale(QLocale::English, QLocale::UnitedKingdom)
                           << QStringLiteral("March  05, 2027");
    QTest::newRow("de") << QLocale(QLocale::German) << QStringLiteral("5. März 2027");
    QTest::newRow("es") << QLocale(QLocale::Spanish) << QStringLiteral("5 de marzo de 2027");
    QTest::newRow("fr") << QLocale(QLocale::French) << QStringLiteral("5 mars 2027");
    QTest::newRow("it") << QLocale(QLocale::Italian) << QStringLiteral("5 marzo 2027");
    QTest::newRow("nl") << QLocale(QLocale::Dutch) << QStringLiteral("5 maart 2027");
    // Arabic writes its own comma after the weekday, and Egypt's digits come in
    // the Western digits of the window's times; Japanese puts the weekday last.
    QTest::newRow("ar") << QLocale(QLocale::Arabic)
                        << QStringLiteral("5 \u0645\u0627\u0631\u0633 2027");
    QTest::newRow("ja") << QLocale(QLocale::Japanese) << QStringLiteral("2027年3月5日");
    QTest::newRow("th") << QLocale(QLocale::Thai) << QStringLiteral("5 มีนาคม 2027");
}

void TstStatusClock::dateInTheLanguage() {
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);
    QCOMPARE(statusclock::dateText(QDate(2027, 3, 5), locale), expected);
    // The status bar keeps room for the longest month of the language.
    QVERIFY(statusclock::widestDateText(locale).size() >=
            statusclock::dateText(QDate(2027, 3, 5), locale).size());
}

void TstStatusClock::timeText_data() {
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Vienna winter") << QByteArray("Europe/Vienna") << QDate(2026, 12, 7)
                                   << QTime(16, 58, 14) << QStringLiteral("16:58:14 CET");
    QTest::newRow("Vienna summer") << QByteArray("Europe/Vienna") << QDate(2026, 7, 15)
                                   << QTime(9, 5, 3) << QStringLiteral("09:05:03 CEST");
    QTest::newRow("Vienna midnight") << QByteArray("Europe/Vienna") << QDate(2026, 12, 8)
                                     << QTime(0, 0, 0) << QStringLiteral("00:00:00 CET");
    // Just after the spring change (02:00 CET becomes 03:00 CEST on 28 Mar 2027).
    QTest::newRow("Vienna after change") << QByteArray("Europe/Vienna") << QDate(2027, 3, 28)
                                         << QTime(3, 0, 1) << QStringLiteral("03:00:01 CEST");
    QTest::newRow("New York winter") << QByteArray("America/New_York") << QDate(2026, 12, 7)
                                     << QTime(10, 58, 14) << QStringLiteral("10:58:14 EST");
    QTest::newRow("New York summer") << QByteArray("America/New_York") << QDate(2026, 7, 4)
                                     << QTime(21, 30, 0) << QStringLiteral("21:30:00 EDT");
}

void TstStatusClock::timeText() {
    QFETCH(QByteArray, zone);
    QFETCH(QDate, date);
    QFETCH(QTime, time);
    QFETCH(QString, expected);

    const QTimeZone timeZone(zone);
    if (!timeZone.isValid()) {
        QSKIP(qPrintable(QStringLiteral("time zone %1 unavailable (install the tzdata package)")
                             .arg(QString::fromLatin1(zone))));
    }
    QCOMPARE(statusclock::timeText(QDateTime(date, time, timeZone)), expected);
}

void TstStatusClock::zoneAbbreviationNeverEmpty_data() {
    QTest::addColumn<QDateTime>("moment");
    const QDate date(2026, 7, 15);
    const QTime time(12, 0);
    QTest::newRow("UTC") << QDateTime(date, time, QTimeZone::utc());
    QTest::newRow("fixed +01:00") << QDateTime(date, time, QTimeZone(3600));
    QTest::newRow("fixed -05:30") << QDateTime(date, time, QTimeZone(-19800));
    QTest::newRow("Dubai") << QDateTime(date, time, QTimeZone("Asia/Dubai"));
    QTest::newRow("machine zone") << QDateTime(date, time);
    QTest::newRow("invalid") << QDateTime();
}

void TstStatusClock::zoneAbbreviationNeverEmpty() {
    QFETCH(QDateTime, moment);
    QVERIFY(!statusclock::zoneAbbreviation(moment).isEmpty());
}

void TstStatusClock::utcOffsetText_data() {
    QTest::addColumn<int>("offsetSeconds");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << 0 << QStringLiteral("UTC");
    QTest::newRow("+1h") << 3600 << QStringLiteral("UTC+01:00");
    QTest::newRow("-5h") << -18000 << QStringLiteral("UTC-05:00");
    QTest::newRow("+5:30") << 19800 << QStringLiteral("UTC+05:30");
}

void TstStatusClock::utcOffsetText() {
    QFETCH(int, offsetSeconds);
    QFETCH(QString, expected);
    QCOMPARE(statusclock::utcOffsetText(offsetSeconds), expected);
}

void TstStatusClock::msToNextSecond_data() {
    QTest::addColumn<QTime>("now");
    QTest::addColumn<int>("expected");
    const int margin = statusclock::boundaryMarginMs;
    QTest::newRow("on the boundary") << QTime(12, 0, 0, 0) << 1000 + margin;
    QTest::newRow("one ms in") << QTime(12, 0, 0, 1) << 999 + margin;
    QTest::newRow("half way") << QTime(12, 0, 0, 500) << 500 + margin;
    QTest::newRow("one ms before") << QTime(12, 0, 0, 999) << 1 + margin;
    QTest::newRow("invalid") << QTime() << statusclock::tickIntervalMs();
}

void TstStatusClock::msToNextSecond() {
    QFETCH(QTime, now);
    QFETCH(int, expected);
    const int delay = statusclock::msToNextSecond(now);
    QCOMPARE(delay, expected);
    if (now.isValid()) {
        // The timer lands in the next second, never the current one nor the one after.
        const QTime fired = now.addMSecs(delay);
        QCOMPARE(fired.second(), (now.second() + 1) % 60);
    }
}

QTEST_APPLESS_MAIN(TstStatusClock)
#include "tst_statusclock.moc"
