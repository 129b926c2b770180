// own
#include "scores/ScoreList.h"
#include "scores/HighScoreStore.h"
#include "scores/ResultTexts.h"
#include "scores/TextFile.h"

// Qt
#include <QDateTime>

// std
#include <optional>

namespace scores {

namespace {

// The lines as a list written with them reads back.
QStringList readBack(const QStringList& lines) {
    return parseTextLines(encodeLines(lines), maxEntries).lines;
}

// Ranks entries as read; an empty list still counts as one (empty) entry.
RankResult rankEntries(QStringList entries, SortKey key) {
    if (entries.isEmpty())
        entries << QString();
    return rank(entries, key);
}

} // namespace

ScoreList::ScoreList() : m_rows(maxEntries) {}

ListChange ScoreList::finishGame(const HighScoreStore& store, Pause& pause, const Row& result,
                                 SortKey key) {
    const ListLock lock(store.folder(), pause);
    const std::optional<TextLines> list = store.read();
    const int rowsRead = fillForResultEntry(list ? list->lines : QStringList(), m_rows);
    ListChange change;
    change.row = scores::enterResult(m_rows, rowsRead, result, key);
    const RankResult saved = rank(readBack(saveLines(m_rows)), key);
    fillAsStored(readBack(saved.lines), m_rows);
    const RankResult shown = rankEntries(readBack(saved.lines), key);
    store.replace(list, shown.lines);
    change.rankedText = rankedListText(saved.lines) + rankedListText(shown.lines);
    return change;
}

ListChange ScoreList::show(const HighScoreStore& store, Pause& pause, SortKey key) {
    const ListLock lock(store.folder(), pause);
    const std::optional<TextLines> list = store.read();
    if (list)
        fillAsStored(list->lines, m_rows);
    const RankResult shown = rankEntries(list ? list->lines : QStringList(), key);
    store.replace(list, shown.lines);
    return {-1, rankedListText(shown.lines)};
}

void ScoreList::takeNames(const HighScoreStore& store, Pause& pause) {
    if (!store.hasFolder())
        return;
    const ListLock lock(store.folder(), pause);
    const std::optional<TextLines> list = store.read();
    if (list)
        fillForLoadList(list->lines, m_rows);
    else
        store.replace(list, {});
}

RankResult sortList(const HighScoreStore& store, Pause& pause, SortKey key) {
    const ListLock lock(store.folder(), pause);
    return store.sort(key);
}

void startNewList(const HighScoreStore& store, Pause& pause) {
    const ListLock lock(store.folder(), pause);
    store.newList();
}

void keepList(const HighScoreStore& store, Pause& pause) {
    const ListLock lock(store.folder(), pause);
    if (!store.exists())
        store.newList();
}

Row resultRow(const QString& name, qint64 elapsedMs, const QDateTime& finish, int clicks) {
    return {QString(), name, elapsedText(elapsedMs), dateText(finish.date()),
            savedClickText(clicks)};
}

} // namespace scores
