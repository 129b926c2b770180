// own
#include "scores/ResultTexts.h"
#include "scores/Characters.h"

// Qt
#include <QCoreApplication>

namespace scores {

namespace {

constexpr int nameWidth = 24;
constexpr qint64 secondsPerDay = 24 * 60 * 60;

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QString clockText(int hours, int minutes, int seconds) {
    return twoDigits(hours) + QLatin1Char(':') + twoDigits(minutes) + QLatin1Char(':') +
           twoDigits(seconds);
}

bool isLineBreak(char32_t c) {
    return c == 0x2028 || c == 0x2029; // line and paragraph separator
}

// C0 controls, DEL and the C1 controls of Latin-1.
bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7f && c <= 0x9f);
}

// The marks, embeddings, overrides and isolates that set the direction of
// text. The joiners (U+200C, U+200D), which scripts and emoji need, are no
// such control.
bool isBidiControl(char32_t c) {
    return c == 0x061c || c == 0x200e || c == 0x200f || (c >= 0x202a && c <= 0x202e) ||
           (c >= 0x2066 && c <= 0x2069);
}

} // namespace

QString clickText(int clicks) {
    const QString digits = QString::number(clicks);
    if (clicks >= 10 && clicks <= 99)
        return QLatin1Char(' ') + digits;
    return digits;
}

QString savedClickText(int clicks) {
    if (clicks > 999)
        return QStringLiteral("999");
    return clickText(clicks);
}

QString elapsedText(const QDateTime& start, const QDateTime& now) {
    return elapsedText(start.msecsTo(now));
}

QString elapsedText(qint64 ms) {
    const qint64 seconds = ms / 1000;
    if (seconds < 0)
        return QStringLiteral("00:00:00");
    if (seconds >= secondsPerDay)
        return QStringLiteral("23:59:59");
    const int s = static_cast<int>(seconds);
    return clockText(s / 3600, s / 60 % 60, s % 60);
}

QString timeText(const QTime& time) {
    if (!time.isValid())
        return QStringLiteral("00:00:00");
    return clockText(time.hour(), time.minute(), time.second());
}

QString dateText(const QDate& date) {
    if (!date.isValid())
        return QStringLiteral("00.00.0000");
    return twoDigits(date.day()) + QLatin1Char('.') + twoDigits(date.month()) + QLatin1Char('.') +
           QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
}

QString playerName(const QString& typed) {
    QString name;
    // Walk by code points: a lone surrogate comes as U+FFFD.
    for (const char32_t c : typed.toUcs4()) {
        if (isControl(c) || isLineBreak(c))
            name += QLatin1Char(' ');
        else if (!isBidiControl(c))
            name += QString::fromUcs4(&c, 1);
    }
    // Cut whole characters only; what stands at the cut's ends must not join
    // the list's columns around the name.
    return fitCharacters(standingAlone(leftCharacters(standingAlone(name), nameWidth)), nameWidth);
}

QString resultLine(const QString& finishTime, const QString& elapsed, const QString& clickText) {
    return QCoreApplication::translate("scores", "finish: %1 | total time: %2 | clicks: %3")
        .arg(finishTime, elapsed, clickText);
}

QList<HeadingWord> headingWords() {
    // Each word is translated alone; the runs of blanks between them stay.
    const auto word = [](const char* english, const QString& translated, int blanks) {
        return HeadingWord{QString::fromLatin1(english), translated, blanks};
    };
    return {
        word("name", QCoreApplication::translate("scores", "name"), 6),
        word("time needed", QCoreApplication::translate("scores", "time needed"), 41),
        word("date", QCoreApplication::translate("scores", "date"), 11),
        word("clicks",
             QCoreApplication::translate("scores", "clicks", "the heading's last word: one word"),
             13)};
}

QString heading() {
    QString text;
    for (const HeadingWord& word : headingWords()) {
        text += QString(word.blanks, QLatin1Char(' ')) + word.translated;
    }
    return text;
}

} // namespace scores
