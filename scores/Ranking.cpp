#include "scores/Ranking.h"

// std
#include <algorithm>
#include <utility>

namespace scores {

namespace {

bool holdsNoResult(const QString& entry) {
    return std::all_of(entry.cbegin(), entry.cend(), [](QChar c) { return c == u' '; });
}

QString rankPrefix(qsizetype place) {
    const QString number = QString::number(place);
    return place <= 9 ? number + QLatin1Char(' ') : number;
}

} // namespace

RankResult rank(const QStringList& entries, SortKey key) {
    QStringList lines = entries.mid(0, maxEntries);
    for (QString& line : lines) {
        if (line.size() >= 4 && holdsNoResult(line))
            line = placeholderEntry();
    }

    const qsizetype n = lines.size();
    RankResult result;
    result.compared = n >= 2;
    if (n >= 2) {
        // Exchanging only on a strictly greater key keeps equal entries in
        // the order they were in.
        for (qsizetype pass = 0; pass < n; ++pass) {
            for (qsizetype j = 0; j + 1 < n; ++j) {
                if (latin1Less(lineKey(lines.at(j + 1), key), lineKey(lines.at(j), key)))
                    lines.swapItemsAt(j, j + 1);
            }
        }
    }

    for (qsizetype i = 0; i < n; ++i)
        lines[i] = rankPrefix(i + 1) + columns(lines.at(i), 3, 51);
    result.lines = std::move(lines);
    return result;
}

QString rankedListText(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += QStringLiteral("\n\r") + line;
    return text;
}

} // namespace scores
