#pragma once

// Texts of the status bar: a fixed notice, the date and the clock with its zone.
// Pure functions, no widgets, independent of the default locale.

// Qt
#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTime>

namespace statusclock {

// Fixed notice for status panel 0, e.g. "© 2019 Kestrelon Games Studio".
QString noticeText();

// English month name for 1..12; every name but "December" carries a trailing space.
// Returns an empty string outside 1..12.
QString monthText(int month);

// monthText + " " + two-digit day + ", " + four-digit year, e.g. "December 07, 2026"
// or "March  05, 2027". Empty for an invalid date.
QString dateText(const QDate& date);

// The date in the language of `locale`: English as dateText above, whatever
// the country; any other language names the month in its own words and
// order, without the weekday ("7. Dezember 2026", "7 décembre 2026").
QString dateText(const QDate& date, const QLocale& locale);

// The longest date dateText(date, locale) writes (the longest month name,
// a two-digit day), as a text to measure: the status bar keeps its width.
QString widestDateText(const QLocale& locale);

// "UTC" for offset 0, otherwise "UTC+hh:mm" / "UTC-hh:mm" for the given offset in seconds.
QString utcOffsetText(int offsetSeconds);

// Abbreviation of the zone in force at that moment ("CET", "CEST", "EDT", or whatever
// the platform reports such as "+04"); never empty, falling back to utcOffsetText.
QString zoneAbbreviation(const QDateTime& local);

// "hh:mm:ss" on the 24-hour clock + " " + zoneAbbreviation, e.g. "16:58:14 CET".
QString timeText(const QDateTime& local);

// Interval for a plain repeating clock timer. Short enough that the shown second never
// skips, at the cost of changing up to this late after the real boundary.
int tickIntervalMs();

// Extra delay past the second boundary, so a timer never fires just before it.
inline constexpr int boundaryMarginMs = 5;

// Delay from `now` until boundaryMarginMs after the next whole second, in
// (boundaryMarginMs, 1000 + boundaryMarginMs]. Falls back to tickIntervalMs() when
// `now` is invalid.
//
// Preferred use by the window: after each update, re-arm a single-shot timer with
//   QTimer::singleShot(msToNextSecond(QTime::currentTime()), Qt::PreciseTimer, ...)
// so the clock changes right after each second, never skipping or repeating one.
int msToNextSecond(const QTime& now);

} // namespace statusclock
