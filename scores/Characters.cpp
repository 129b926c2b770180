// own
#include "scores/Characters.h"

// Qt
#include <QList>
#include <QTextBoundaryFinder>

// std
#include <algorithm>

namespace scores {

namespace {

bool oneUnitPerCharacter(const QString& text) {
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x300; });
}

// Where each character of text starts, and its end.
QList<qsizetype> characterStarts(const QString& text) {
    QList<qsizetype> starts{0};
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary())
        starts << at;
    if (starts.last() != text.size())
        starts << text.size();
    return starts;
}

} // namespace

qsizetype characterCount(const QString& text) {
    if (oneUnitPerCharacter(text))
        return text.size();
    return characterStarts(text).size() - 1;
}

QString midCharacters(const QString& text, qsizetype first, qsizetype count) {
    if (first < 0)
        return {};
    if (oneUnitPerCharacter(text))
        return text.mid(first, count);
    const QList<qsizetype> starts = characterStarts(text);
    const qsizetype characters = starts.size() - 1;
    if (first >= characters)
        return {};
    const qsizetype last = count < 0 ? characters : std::min(characters, first + count);
    return text.mid(starts.at(first), starts.at(last) - starts.at(first));
}

bool fitsLatin1(const QString& text) {
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0xff; });
}

QString fitCharacters(const QString& text, qsizetype width) {
    const QString cut = leftCharacters(text, width);
    return cut + QString(width - characterCount(cut), QLatin1Char(' '));
}

QString standingAlone(QString text) {
    const QString blank(QLatin1Char(' '));
    while (!text.isEmpty() && characterCount(blank + text) == characterCount(text))
        text.remove(0, text.at(0).isHighSurrogate() && text.size() > 1 ? 2 : 1);
    while (!text.isEmpty() && characterCount(text + blank) == characterCount(text))
        text.chop(text.size() > 1 && text.back().isLowSurrogate() ? 2 : 1);
    return text;
}

} // namespace scores
