#pragma once

// Qt
#include <QString>

// The list's fixed columns counted in characters as a reader sees them: a
// letter with its combining marks, an emoji sequence (a family, a flag, a
// skin tone) and a pair of UTF-16 surrogates are one character each. Text
// below U+0300, everything a list of earlier versions can hold, has one
// character per UTF-16 unit and is counted without the segmentation.
namespace scores {

qsizetype characterCount(const QString& text);

// count characters of text from character first (both from 0); fewer,
// possibly none, where the text ends earlier. A negative count takes the
// rest.
QString midCharacters(const QString& text, qsizetype first, qsizetype count = -1);

inline QString leftCharacters(const QString& text, qsizetype count) {
    return midCharacters(text, 0, count);
}

// True when every character of text is one of Latin-1's, as every name an
// earlier version kept.
bool fitsLatin1(const QString& text);

// text cut to width characters, or filled with blanks on the right.
QString fitCharacters(const QString& text, qsizetype width);

// text without what would not stay a character of its own beside a blank:
// marks at its start (they would join the blank before them) and characters
// at its end that join what follows them (prefixed number signs). A name
// kept so reads back in the same columns it was written in.
QString standingAlone(QString text);

} // namespace scores
