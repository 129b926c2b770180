#pragma once

// Qt
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTime>

// The texts of a finished game: the click count, the times, the player's name
// and the lines shown around the high-score table. Every text here is built by
// hand so that neither the locale nor the system settings can change a
// separator or a digit. Only the words of the result line and the heading,
// which no file holds, follow the installed translation (context "scores").
namespace scores {

// The click count as shown in the result line: counts of two digits get one
// leading space (" 57") so they line up under three-digit counts; any other
// count is written as it is ("7", "123", "1234").
QString clickText(int clicks);

// The click count as stored in the table and the list file: like clickText,
// but a count above 999 is stored as "999" (cutting "1234" to three
// characters would give a much better "123").
QString savedClickText(int clicks);

// A time taken, in milliseconds, as hh:nn:ss. A game of 24 hours or more
// shows "23:59:59"; a negative time gives "00:00:00".
QString elapsedText(qint64 ms);
// The time from start to now on the wall clock, as elapsedText(ms) gives it.
QString elapsedText(const QDateTime& start, const QDateTime& now);

// A time of day as hh:nn:ss ("00:00:00" for an invalid time).
QString timeText(const QTime& time);

// A date as dd.mm.yyyy ("00.00.0000" for an invalid date).
QString dateText(const QDate& date);

// The name as it goes into the name column: exactly 24 characters as a
// reader sees them (scores/Characters.h), cut whole or padded with spaces on
// the right. Control characters (line breaks, tabs, ...) become spaces, so a
// name can never break a line of the file; the controls of text direction
// (marks, embeddings, overrides, isolates) are dropped, so a name cannot turn
// the columns of a row around it.
QString playerName(const QString& typed);

// "finish: <time> | total time: <elapsed> | clicks: <clicks>"
QString resultLine(const QString& finishTime, const QString& elapsed, const QString& clickText);

// The heading above the table columns (96 characters in English).
QString heading();

// The heading's words: each in English and in the player's language, with the
// blanks before it in the English heading.
struct HeadingWord {
    QString english;
    QString translated;
    int blanks;
};
QList<HeadingWord> headingWords();

} // namespace scores
