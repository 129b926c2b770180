// own
#include "app/StatusClock.h"
#include "app/InfoTexts.h"
#include "app/Publisher.h"

// Qt

// std
#include <array>
#include <cstdlib>

namespace statusclock {

namespace {

// Two-digit (or wider) decimal number padded with zeros, independent of any locale.
QString padded(int value, int width) {
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

} // namespace

QString noticeText() {
    return QStringLiteral("\u00A9 2019 ") + publisher::companyName.toString();
}

QString monthText(int month) {
    static constexpr std::array<QStringView, 12> names{
        u"January ", u"February ", u"March ",     u"April ",   u"May ",      u"June ",
        u"July ",    u"August ",   u"September ", u"October ", u"November ", u"December",
    };
    if (month < 1 || month > 12) {
        return {};
    }
    return names[static_cast<std::size_t>(month - 1)].toString();
}

QString dateText(const QDate& date) {
    if (!date.isValid()) {
        return {};
    }
    return monthText(date.month()) + u' ' + padded(date.day(), 2) + QStringLiteral(", ") +
           padded(date.year(), 4);
}

QString dateText(const QDate& date, const QLocale& locale) {
    if (locale.language() == QLocale::English || !date.isValid()) {
        return dateText(date);
    }
    // The language's long date without its weekday and the comma beside it:
    // "dddd, d. MMMM yyyy" becomes "d. MMMM yyyy", Arabic "dddd، d MMMM y"
    // becomes "d MMMM y", Japanese "y年M月d日dddd" becomes "y年M月d日".
    // (Without a regular expression: the start-up needs no pattern engine.)
    QString format = locale.dateFormat(QLocale::LongFormat);
    const auto aside = [](QChar c) { return c == u',' || c == u'\u060C' || c.isSpace(); };
    if (const qsizetype at = format.indexOf(QStringLiteral("dddd")); at >= 0) {
        qsizetype from = at;
        qsizetype to = at + 4;
        while (from > 0 && aside(format.at(from - 1))) {
            --from;
        }
        // A word of the weekday's written onto it goes too (Thai's "ที่").
        const auto ofWeekday = [](QChar c) {
            return c.unicode() > 0x7f && (c.isLetter() || c.isMark());
        };
        while (to < format.size() && ofWeekday(format.at(to))) {
            ++to;
        }
        while (to < format.size() && aside(format.at(to))) {
            ++to;
        }
        format.remove(from, to - from);
    }
    return info::westernDigits(locale.toString(date, format.trimmed()), locale);
}

QString widestDateText(const QLocale& locale) {
    // The longest month name gives the widest text; the day with two digits.
    QString widest = dateText(QDate(2026, 9, 30), locale);
    for (int month = 1; month <= 12; ++month) {
        const QString text = dateText(QDate(2026, month, 28), locale);
        if (text.size() > widest.size()) {
            widest = text;
        }
    }
    return widest;
}

QString utcOffsetText(int offsetSeconds) {
    if (offsetSeconds == 0) {
        return QStringLiteral("UTC");
    }
    const int minutes = std::abs(offsetSeconds) / 60;
    return QStringLiteral("UTC") + (offsetSeconds < 0 ? u'-' : u'+') + padded(minutes / 60, 2) +
           u':' + padded(minutes % 60, 2);
}

QString zoneAbbreviation(const QDateTime& local) {
    QString abbreviation = local.timeZoneAbbreviation();
    if (abbreviation.isEmpty()) {
        abbreviation = utcOffsetText(local.offsetFromUtc());
    }
    return abbreviation;
}

QString timeText(const QDateTime& local) {
    const QTime time = local.time();
    return padded(time.hour(), 2) + u':' + padded(time.minute(), 2) + u':' +
           padded(time.second(), 2) + u' ' + zoneAbbreviation(local);
}

int tickIntervalMs() {
    return 250;
}

int msToNextSecond(const QTime& now) {
    if (!now.isValid()) {
        return tickIntervalMs();
    }
    return 1000 - now.msec() + boundaryMarginMs;
}

} // namespace statusclock
