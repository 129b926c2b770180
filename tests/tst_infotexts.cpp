#include "app/InfoTexts.h"
#include "app/Publisher.h"

#include <QUrlQuery>
#include <QtTest>

#include <cstdint>
#include <limits>

class TstInfoTexts : public QObject {
    Q_OBJECT

  private slots:
    void joinedTexts_data();
    void joinedTexts();
    void captions();
    void webSiteUrl();
    void mailUrlDecodesToPresetTexts();
    void processorsText_data();
    void processorsText();
    void freeMemoryText_data();
    void freeMemoryText();
};

void TstInfoTexts::joinedTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("instructions")
        << info::instructionsText() << QStringLiteral("\n\r")
        << QStringList{
               QStringLiteral("Please carry on as follows:"),
               QStringLiteral("1. At first enter your name on the bottom line,"),
               QStringLiteral("   then click OK!"),
               QStringLiteral("2. Click on the icons and try to find pairs."),
               QStringLiteral("3. Switch the sound on or off, as you please."),
               QStringLiteral("4. When you have found all the pairs,"),
               QStringLiteral("   the highscores will be displayed."),
               QStringLiteral("5. If you want to resume, click \"start\","),
               QStringLiteral("   otherwise terminate and click \"end\"."),
               QStringLiteral("6. Highscores can be sorted on time or clicks."),
               QStringLiteral("   Near the top right corner you see T(time) or C(clicks)."),
               QStringLiteral("   Have much fun."),
           };

    QTest::newRow("version") << info::versionText() << QStringLiteral("\r\n")
                             << QStringList{
                                    QStringLiteral("Version 1.0 2019"),
                                    QString(),
                                    QString(),
                                    publisher::authorName.toString(),
                                    publisher::authorLocality.toString(),
                                    QStringLiteral("Kontakt: "),
                                    publisher::contactMail.toString(),
                                };

    QTest::newRow("donation")
        << info::donationText() << QStringLiteral("\n\r")
        << QStringList{
               QStringLiteral("Dear appreciated customer,"),
               QStringLiteral("         if you like this game, "),
               QStringLiteral("         you may wish to support"),
               QStringLiteral("         ") + publisher::companyName.toString() + u' ' +
                   publisher::companyCity.toString(),
               QStringLiteral("         in order to enable the development of more free"),
               QStringLiteral("         computer- and mobile games."),
               QStringLiteral("         Please contribute to "),
               QStringLiteral("         ") + publisher::accountNumber.toString() + u'.',
               QStringLiteral("         Have much pleasure."),
           };
}

void TstInfoTexts::joinedTexts() {
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(QStringList, lines);

    // Exactly one separator between lines, none at the end, and no stray breaks of the
    // other order or single CR/LF characters.
    QCOMPARE(text.count(separator), lines.size() - 1);
    QCOMPARE(text.count(u'\n'), lines.size() - 1);
    QCOMPARE(text.count(u'\r'), lines.size() - 1);
    QVERIFY(!text.endsWith(u'\n'));
    QVERIFY(!text.endsWith(u'\r'));
    QCOMPARE(text.split(separator), lines);
}

void TstInfoTexts::captions() {
    QCOMPARE(info::instructionsCaption(), QStringLiteral("Kestrelon Memory"));
    QCOMPARE(info::donationCaption(), QStringLiteral("D o n a t i o n"));
}

void TstInfoTexts::webSiteUrl() {
    const QUrl url = info::webSiteUrl();
    QVERIFY(url.isValid());
    QCOMPARE(url.scheme(), QStringLiteral("https"));
    QCOMPARE(url.toString(), publisher::webSite.toString());
}

void TstInfoTexts::mailUrlDecodesToPresetTexts() {
    const QUrl url = info::mailUrl();
    QVERIFY(url.isValid());
    QCOMPARE(url.scheme(), QStringLiteral("mailto"));
    QCOMPARE(url.path(), publisher::contactMail.toString());

    const QUrlQuery query(url);
    QCOMPARE(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
             QStringLiteral("Kestrelon Pairvista 2019"));
    QCOMPARE(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded),
             QStringLiteral("Dear Sir!"));

    // What a mail program receives: spaces percent-encoded, never raw.
    const QByteArray encoded = url.toEncoded();
    QVERIFY2(!encoded.contains(' '), encoded.constData());

    // Round trip through the encoded form, as a mail program would parse it.
    const QUrlQuery reparsed(QUrl::fromEncoded(encoded, QUrl::StrictMode));
    QCOMPARE(reparsed.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
             QStringLiteral("Kestrelon Pairvista 2019"));
    QCOMPARE(reparsed.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded),
             QStringLiteral("Dear Sir!"));
}

void TstInfoTexts::processorsText_data() {
    QTest::addColumn<unsigned>("count");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one") << 1u << QStringLiteral("number of processors: 1");
    QTest::newRow("max") << 4294967295u << QStringLiteral("number of processors: 4294967295");
}

void TstInfoTexts::processorsText() {
    QFETCH(unsigned, count);
    QFETCH(QString, expected);
    QCOMPARE(info::processorsText(count), expected);
}

void TstInfoTexts::freeMemoryText_data() {
    QTest::addColumn<quint64>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QLocale>("locale");

    constexpr quint64 mib = quint64{1} << 20;
    const QLocale english(QLocale::English);
    QTest::newRow("4095 MiB") << 4095 * mib << QStringLiteral("4.095 MB") << english;
    QTest::newRow("1000 MiB") << 1000 * mib << QStringLiteral("1.000 MB") << english;
    QTest::newRow("999 MiB") << 999 * mib << QStringLiteral(".999 MB") << english;
    QTest::newRow("512 MiB") << 512 * mib << QStringLiteral(".512 MB") << english;
    QTest::newRow("87 MiB") << 87 * mib << QStringLiteral(".87 MB") << english;
    QTest::newRow("zero") << quint64{0} << QStringLiteral(".0 MB") << english;
    QTest::newRow("12345 MiB") << 12345 * mib << QStringLiteral("12.345 MB") << english;
    QTest::newRow("rounds down") << (2 * mib - 1) << QStringLiteral(".1 MB") << english;
    QTest::newRow("under one MiB") << (mib - 1) << QStringLiteral(".0 MB") << english;
    QTest::newRow("64 GiB") << 65536 * mib << QStringLiteral("65.536 MB") << english;
    QTest::newRow("max 64-bit") << std::numeric_limits<quint64>::max()
                                << QStringLiteral("17592186044.415 MB") << english;
    // Other languages group the digits their own way; a figure under a
    // thousand is never written as a fraction.
    QTest::newRow("de 87 MiB") << 87 * mib << QStringLiteral("87 MB") << QLocale(QLocale::German);
    QTest::newRow("de 8191 MiB") << 8191 * mib << QStringLiteral("8.191 MB")
                                 << QLocale(QLocale::German);
    QTest::newRow("fr 8191 MiB") << 8191 * mib << QStringLiteral("8\u202F191 MB")
                                 << QLocale(QLocale::French);
    // The player's region where it speaks the game's language, in Western digits.
    QTest::newRow("pt game, Portugal") << 15872 * mib << QStringLiteral("15\u00a0872 MB")
                                       << info::textLocale(QLocale("pt"), QLocale("pt_PT"));
    QTest::newRow("ar game, Morocco") << 8191 * mib << QStringLiteral("8.191 MB")
                                      << info::textLocale(QLocale("ar_AE"), QLocale("ar_MA"));
    QTest::newRow("ar game, Egypt") << 8191 * mib << QStringLiteral("8,191 MB")
                                    << info::textLocale(QLocale("ar_AE"), QLocale("ar_EG"));
    QTest::newRow("de game, English player") << 8191 * mib << QStringLiteral("8.191 MB")
                                             << info::textLocale(QLocale("de"), QLocale("en_US"));
}

void TstInfoTexts::freeMemoryText() {
    QFETCH(quint64, bytes);
    QFETCH(QString, expected);
    QFETCH(QLocale, locale);
    QCOMPARE(info::freeMemoryText(std::uint64_t{bytes}, locale), expected);
}

QTEST_APPLESS_MAIN(TstInfoTexts)
#include "tst_infotexts.moc"
