#include "scores/ScoreLine.h"
#include "scores/Characters.h"

// std
#include <algorithm>

namespace scores {

namespace {

constexpr int nameWidth = 24;

// Where the fields of a line sit, 1-based and inclusive.
struct Span {
    int first;
    int last;
};
constexpr Span rankSpan{1, 3};
constexpr Span nameSpan{4, 27};
constexpr Span timeSpan{28, 35};
constexpr Span dateSpan{37, 46};
constexpr Span clickSpan{49, 51};

QString field(const QString& line, Span span) {
    return columns(line, span.first, span.last);
}

char16_t latin1Code(QChar c) {
    return c.unicode() > 0xff ? char16_t('?') : c.unicode();
}

Row splitLine(const QString& line) {
    return {field(line, rankSpan), field(line, nameSpan), field(line, timeSpan),
            field(line, dateSpan), field(line, clickSpan)};
}

// The grid is meant to have its 12 rows already; a smaller one grows rather
// than being written past its end.
void ensureRows(Table& table, qsizetype rows) {
    if (static_cast<qsizetype>(table.size()) < rows)
        table.resize(static_cast<std::size_t>(rows));
}

qsizetype takenLines(const QStringList& lines) {
    return std::min<qsizetype>(lines.size(), maxEntries);
}

} // namespace

QString columns(const QString& line, int first, int last) {
    if (first < 1 || last < first)
        return {};
    return midCharacters(line, first - 1, last - first + 1);
}

bool latin1Less(const QString& a, const QString& b) {
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t ca = latin1Code(a.at(i));
        const char16_t cb = latin1Code(b.at(i));
        if (ca != cb)
            return ca < cb;
    }
    return a.size() < b.size();
}

QString lineKey(const QString& line, SortKey key) {
    return key == SortKey::Time ? field(line, timeSpan) : field(line, clickSpan);
}

const QString& rowKey(const Row& row, SortKey key) {
    return key == SortKey::Time ? row[column::time] : row[column::clicks];
}

QStringList freshList() {
    return {
        QStringLiteral("1  ....................... 10:10:00 ..........  222"),
        QStringLiteral("2  ....................... 10:10:01 ..........  333"),
        QStringLiteral("3  ....................... 10:10:02 ..........  444"),
        QStringLiteral("4  ....................... 10:10:04 ..........  234"),
        QStringLiteral("5  ....................... 10:10:05 ..........  345"),
        QStringLiteral("6  ....................... 10:10:06 ..........  199"),
        QStringLiteral("7  ....................... 10:10:07 ..........  198"),
        QStringLiteral("8  ....................... 10:10:08 ..........  197"),
        QStringLiteral("9  ....................... 10:10:09 ..........  195"),
        QStringLiteral("10 ....................... 10:10:10 ..........  200"),
        QStringLiteral("11 ....................... 10:11:00 ..........  201"),
        QStringLiteral("12 ....................... 10:11:10 ..........  202"),
    };
}

QString placeholderEntry() {
    return QStringLiteral("1  Novice                  00:11:11 11.11.1111  111");
}

int fillForResultEntry(const QStringList& lines, Table& table) {
    const qsizetype count = takenLines(lines);
    ensureRows(table, count);
    for (qsizetype r = 0; r < count; ++r) {
        const QString& line = lines.at(r);
        Row row = splitLine(line);
        if (row[column::time].startsWith(QLatin1String("  ")))
            row[column::time] =
                leftCharacters(QStringLiteral("00:32:0") + leftCharacters(line, 1), 8);
        if (row[column::clicks] == QLatin1String("   "))
            row[column::clicks] = QStringLiteral("999");
        table[static_cast<std::size_t>(r)] = row;
    }
    return static_cast<int>(count);
}

void fillForLoadList(const QStringList& lines, Table& table) {
    if (lines.isEmpty()) {
        ensureRows(table, 1);
        for (int c = column::rank; c <= column::date; ++c)
            table[0][static_cast<std::size_t>(c)].clear();
        return;
    }
    const qsizetype count = takenLines(lines);
    ensureRows(table, count);
    for (qsizetype r = 0; r < count; ++r) {
        const Row row = splitLine(lines.at(r));
        Row& target = table[static_cast<std::size_t>(r)];
        for (int c = column::rank; c <= column::date; ++c)
            target[static_cast<std::size_t>(c)] = row[static_cast<std::size_t>(c)];
    }
}

int fillAsStored(const QStringList& lines, Table& table) {
    const qsizetype count = takenLines(lines);
    ensureRows(table, count);
    for (qsizetype r = 0; r < count; ++r)
        table[static_cast<std::size_t>(r)] = splitLine(lines.at(r));
    return static_cast<int>(count);
}

int enterResult(Table& table, int rowsRead, const Row& result, SortKey key) {
    rowsRead = std::clamp(rowsRead, 0, maxEntries);
    if (rowsRead < maxEntries) {
        ensureRows(table, rowsRead + 1);
        Row& row = table[static_cast<std::size_t>(rowsRead)];
        row = result;
        row[column::rank] = QString::number(rowsRead + 1);
        return rowsRead;
    }

    ensureRows(table, maxEntries);
    int worst = 0;
    for (int r = 1; r < maxEntries; ++r) {
        // "Not less" picks the last of equal worst entries.
        if (!latin1Less(rowKey(table[static_cast<std::size_t>(r)], key),
                        rowKey(table[static_cast<std::size_t>(worst)], key)))
            worst = r;
    }
    Row& row = table[static_cast<std::size_t>(worst)];
    if (!latin1Less(rowKey(result, key), rowKey(row, key)))
        return -1;
    const QString rank = row[column::rank];
    row = result;
    row[column::rank] = rank;
    return worst;
}

QStringList saveLines(const Table& table) {
    QStringList lines;
    lines.reserve(maxEntries);
    const Row empty{};
    for (int r = 0; r < maxEntries; ++r) {
        const Row& row =
            r < static_cast<int>(table.size()) ? table[static_cast<std::size_t>(r)] : empty;
        const QString rank =
            leftCharacters(row[column::rank] + QLatin1String(r < 9 ? "  " : " "), 3);
        const QString& name = row[column::name];
        const QString padding(std::max<qsizetype>(0, nameWidth - characterCount(name)), u' ');
        lines << rank + name + padding + row[column::time] + QLatin1Char(' ') +
                     leftCharacters(row[column::date], 10) + QLatin1String("  ") +
                     leftCharacters(row[column::clicks], 3);
    }
    return lines;
}

} // namespace scores
