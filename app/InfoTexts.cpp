// own
#include "app/InfoTexts.h"
#include "app/Publisher.h"

// Qt
#include <QCoreApplication>
#include <QStringList>
#include <QUrlQuery>

namespace info {

namespace {

// Line break used by the instructions and donation boxes (LF, then CR).
constexpr QStringView lfCr = u"\n\r";
// Line break used by the version box (CR, then LF).
constexpr QStringView crLf = u"\r\n";

// A text written with "\n" between its lines, its lines joined with `lineBreak`.
QString joinLines(const QString& text, QStringView lineBreak) {
    return text.split(QLatin1Char('\n')).join(lineBreak);
}

} // namespace

QString instructionsCaption() {
    return QStringLiteral("Kestrelon Memory");
}

QString instructionsText() {
    return joinLines(QCoreApplication::translate(
                         "info", "Please carry on as follows:\n"
                                 "1. At first enter your name on the bottom line,\n"
                                 "   then click OK!\n"
                                 "2. Click on the icons and try to find pairs.\n"
                                 "3. Switch the sound on or off, as you please.\n"
                                 "4. When you have found all the pairs,\n"
                                 "   the highscores will be displayed.\n"
                                 "5. If you want to resume, click \"start\",\n"
                                 "   otherwise terminate and click \"end\".\n"
                                 "6. Highscores can be sorted on time or clicks.\n"
                                 "   Near the top right corner you see T(time) or C(clicks).\n"
                                 "   Have much fun."),
                     lfCr);
}

QString versionText() {
    const QStringList lines{
        QCoreApplication::translate("info", "Version 1.0 2019"),
        QString(),
        QString(),
        publisher::authorName.toString(),
        publisher::authorLocality.toString(),
        QCoreApplication::translate("info", "Kontakt: "),
        publisher::contactMail.toString(),
    };
    return lines.join(crLf);
}

QString donationCaption() {
    return QCoreApplication::translate("info", "D o n a t i o n");
}

QString donationText() {
    // The company line reads "<company> <city>", separated by a single space.
    const QString company =
        publisher::companyName.toString() + u' ' + publisher::companyCity.toString();
    return joinLines(QCoreApplication::translate(
                         "info", "Dear appreciated customer,\n"
                                 "         if you like this game, \n"
                                 "         you may wish to support\n"
                                 "         %1\n"
                                 "         in order to enable the development of more free\n"
                                 "         computer- and mobile games.\n"
                                 "         Please contribute to \n"
                                 "         %2.\n"
                                 "         Have much pleasure.")
                         .arg(company, publisher::accountNumber.toString()),
                     lfCr);
}

QUrl webSiteUrl() {
    return QUrl(publisher::webSite.toString());
}

QUrl mailUrl() {
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(publisher::contactMail.toString());
    // QUrlQuery keeps the values decoded; QUrl percent-encodes them (spaces as %20)
    // when the link is handed to a mail program via toEncoded().
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), QStringLiteral("Kestrelon Pairvista 2019"));
    query.addQueryItem(QStringLiteral("body"), QStringLiteral("Dear Sir!"));
    url.setQuery(query);
    return url;
}

QString processorsText(unsigned count) {
    return QCoreApplication::translate("info", "number of processors: %1").arg(count);
}

QString freeMemoryText(std::uint64_t bytes) {
    return freeMemoryText(bytes, textLocale());
}

QString freeMemoryText(std::uint64_t bytes, const QLocale& locale) {
    const std::uint64_t mebibytes = bytes >> 20;
    if (locale.language() != QLocale::English) {
        // Every other language groups the digits its own way: "4 095 Mo", "87 MB".
        return QCoreApplication::translate("info", "%1 MB")
            .arg(westernDigits(locale.toString(static_cast<qulonglong>(mebibytes)), locale));
    }
    const QString digits = QString::number(static_cast<qulonglong>(mebibytes));
    // Up to three digits everything goes after the point (".87 MB").
    const qsizetype whole = digits.size() > 3 ? digits.size() - 3 : 0;
    return QCoreApplication::translate("info", "%1 MB")
        .arg(digits.left(whole) + u'.' + digits.mid(whole));
}

QString freeMemoryCaption() {
    return QCoreApplication::translate("info", "free memory:");
}

QString namePrompt() {
    return QCoreApplication::translate("info", "First enter your name below, then click OK!");
}

QString newGamePrompt() {
    return QCoreApplication::translate("info", "Please enter your name below, thn click OK!");
}

QString playPrompt() {
    return QCoreApplication::translate("info", "Now please click on the icons and find pairs!");
}

QLocale textLocale() {
    return textLocale(QLocale(QCoreApplication::translate(
                          "info", "en", "the code of this translation's language: de, fr, ...")),
                      QLocale());
}

QLocale textLocale(const QLocale& spoken, const QLocale& player) {
    const bool same = player.language() == spoken.language() && player.script() == spoken.script();
    // By name: the system's own locale object takes month names and digits
    // from the C library's settings, which may be another language's.
    return same ? QLocale(player.name()) : spoken;
}

QString westernDigits(QString text, const QLocale& locale) {
    const QString zero = locale.zeroDigit();
    if (zero == u"0" || zero.size() != 1) {
        return text;
    }
    for (QChar& c : text) {
        const int digit = c.unicode() - zero.at(0).unicode();
        if (digit >= 0 && digit <= 9) {
            c = QChar(u'0' + digit);
        } else if (c == u'\u066C') { // the Arabic thousands separator
            c = u',';
        } else if (c == u'\u066B') { // the Arabic decimal separator
            c = u'.';
        }
    }
    return text;
}

QString startLine(const QString& time) {
    return QCoreApplication::translate("info", "start : %1").arg(time);
}

} // namespace info
