#include "app/InfoTexts.h"

#include "app/Publisher.h"

#include <QStringList>
#include <QUrlQuery>

namespace info {

namespace {

// Line break used by the instructions and donation boxes (LF, then CR).
constexpr QStringView lfCr = u"\n\r";
// Line break used by the version box (CR, then LF).
constexpr QStringView crLf = u"\r\n";
// Indentation of the donation text body.
constexpr QStringView indent = u"         ";

} // namespace

QString instructionsCaption() {
    return QStringLiteral("Kestrelon Memory");
}

QString instructionsText() {
    const QStringList lines{
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
    return lines.join(lfCr);
}

QString versionText() {
    const QStringList lines{
        QStringLiteral("Version 1.0 2019"),
        QString(),
        QString(),
        publisher::authorName.toString(),
        publisher::authorLocality.toString(),
        QStringLiteral("Kontakt: "),
        publisher::contactMail.toString(),
    };
    return lines.join(crLf);
}

QString donationCaption() {
    return QStringLiteral("D o n a t i o n");
}

QString donationText() {
    // The company line reads "<company> <city>", separated by a single space.
    const QString company = indent.toString() + publisher::companyName.toString() + u' ' +
                            publisher::companyCity.toString();
    const QStringList lines{
        QStringLiteral("Dear appreciated customer,"),
        QStringLiteral("         if you like this game, "),
        QStringLiteral("         you may wish to support"),
        company,
        QStringLiteral("         in order to enable the development of more free"),
        QStringLiteral("         computer- and mobile games."),
        QStringLiteral("         Please contribute to "),
        indent.toString() + publisher::accountNumber.toString() + u'.',
        QStringLiteral("         Have much pleasure."),
    };
    return lines.join(lfCr);
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
    return QStringLiteral("number of processors: ") + QString::number(count);
}

QString freeMemoryText(std::uint64_t bytes) {
    const std::uint64_t mebibytes = bytes >> 20;
    const QString digits = QString::number(static_cast<qulonglong>(mebibytes));
    // Up to three digits everything goes after the point (".87 MB").
    const qsizetype whole = digits.size() > 3 ? digits.size() - 3 : 0;
    return digits.left(whole) + u'.' + digits.mid(whole) + QStringLiteral(" MB");
}

} // namespace info
