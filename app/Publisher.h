#pragma once

// Publisher data shown in the information dialogs, the status bar and the mail link.
// These are illustrative values to be replaced by the publisher before release;
// they do not describe any real person, company or bank account.

#include <QStringView>

namespace publisher {

inline constexpr QStringView webSite = u"https://kestrelon.example/";
inline constexpr QStringView contactMail = u"studio@kestrelon.example";
inline constexpr QStringView authorName = u"Kestrelon Studio";
inline constexpr QStringView authorLocality = u"Example Town";
inline constexpr QStringView companyName = u"Kestrelon Games Studio";
inline constexpr QStringView companyCity = u"Example City";
// Placeholder in IBAN layout (groups of four); deliberately not a valid account.
inline constexpr QStringView accountNumber = u"XX00 0000 0000 0000 0000 00";

} // namespace publisher
