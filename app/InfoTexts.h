#pragma once

// Texts and links behind the information menu items. Pure functions, no widgets.

#include <QString>
#include <QUrl>

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

// Free memory in whole MiB (rounded down), with a point before the last three digits
// and " MB" appended: 4095 MiB -> "4.095 MB", 87 MiB -> ".87 MB".
QString freeMemoryText(std::uint64_t bytes);

} // namespace info
