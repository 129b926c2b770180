#pragma once

// The window's texts: the information menu items' texts and links, the
// prompts of the name entry and the readouts of the side panel. Pure
// functions, no widgets. Each text is in the language of the installed
// translation (context "info"); the English is the source.

// Qt
#include <QLocale>
#include <QString>
#include <QUrl>

// std
#include <cstdint>

namespace info {

// Caption and body of the instructions box. Lines are joined by "\n\r".
QString instructionsCaption();
QString instructionsText();

// Body of the version box. Lines are joined by "\r\n".
QString versionText();

// Caption and body of the donation box. Lines are joined by "\n\r".
QString donationCaption();
QString donationText();

// The publisher's web site.
QUrl webSiteUrl();

// mailto link to the publisher with a preset subject and body, percent-encoded.
QUrl mailUrl();

// "number of processors: <count>"
QString processorsText(unsigned count);

// Free memory in whole MiB (rounded down), in the language of the game's texts.
// English puts a point before the last three digits and appends " MB":
// 4095 MiB -> "4.095 MB", 87 MiB -> ".87 MB"; another language groups the
// digits as it does and uses its own unit: "4 095 Mo", "87 MB".
QString freeMemoryText(std::uint64_t bytes);
QString freeMemoryText(std::uint64_t bytes, const QLocale& locale);

// The caption before the free memory readout: "free memory:".
QString freeMemoryCaption();

// The request above the name box at start-up and when the list is hidden.
QString namePrompt();
// The request above the name box when a new game starts.
QString newGamePrompt();
// The request once the name is taken.
QString playPrompt();

// The locale the status bar's date and the free memory are written in: the
// player's own (its country's grouping and date forms, pt_PT and not pt_BR)
// where it is of the language and script the game speaks, else that of the
// installed translation (English without one).
QLocale textLocale();
QLocale textLocale(const QLocale& spoken, const QLocale& player);

// text with the digits of locale's number system written as 0 to 9, as the
// times, clicks and list beside it are: one window never mixes two.
QString westernDigits(QString text, const QLocale& locale);

// The start line of the side panel: "start : <time>".
QString startLine(const QString& time);

} // namespace info
