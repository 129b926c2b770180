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

// Runs action on the list under its lock, again (up to three times in all)
// when the lock was taken from it before it could write.
template <typename Action>
auto underLock(const HighScoreStore& store, Pause& pause, const safefile::LockWait& wait,
               Action action) {
    for (int round = 1;; ++round) {
        const ListLock lock(store.folder(), pause, wait);
        try {
            return action(HighScoreStore(store.folder(), &lock.lock()));
        } catch (const safefile::LockLostError&) {
            if (round == 3)
                throw;
        }
    }
}

} // namespace

ScoreList::ScoreList() : m_rows(maxEntries) {}

ListChange ScoreList::finishGame(const HighScoreStore& store, Pause& pause, const Row& result,
                                 SortKey key, const safefile::LockWait& wait) {
    return underLock(store, pause, wait, [&](const HighScoreStore& locked) {
        const std::optional<TextLines> list = locked.read();
        // Only what the list holds now: rows shown earlier may be gone.
        Table table(maxEntries);
        const int rowsRead = fillForResultEntry(list ? list->lines : QStringList(), table);
        ListChange change;
        change.row = scores::enterResult(table, rowsRead, result, key);
        const RankResult saved = rank(readBack(saveLines(table)), key);
        fillAsStored(readBack(saved.lines), m_rows);
        const RankResult shown = rankEntries(readBack(saved.lines), key);
        locked.replace(list, shown.lines);
        change.rankedText = rankedListText(saved.lines) + rankedListText(shown.lines);
        return change;
    });
}

ListChange ScoreList::show(const HighScoreStore& store, Pause& pause, SortKey key) {
    return underLock(store, pause, {}, [&](const HighScoreStore& locked) {
        const std::optional<TextLines> list = locked.read();
        if (list)
            fillAsStored(list->lines, m_rows);
        const RankResult shown = rankEntries(list ? list->lines : QStringList(), key);
        ListChange change{-1, rankedListText(shown.lines), std::nullopt};
        try {
            locked.replace(list, shown.lines);
        } catch (const safefile::ReadOnlyFolderError& error) {
            change.unwritable = error;
        }
        return change;
    });
}

void ScoreList::takeNames(const HighScoreStore& store, Pause& pause) {
    if (!store.hasFolder())
        return;
    underLock(store, pause, {}, [&](const HighScoreStore& locked) {
        const std::optional<TextLines> list = locked.read();
        if (list)
            fillForLoadList(list->lines, m_rows);
        else
            locked.replace(list, {});
    });
}

RankResult sortList(const HighScoreStore& store, Pause& pause, SortKey key) {
    return underLock(store, pause, {},
                     [key](const HighScoreStore& locked) { return locked.sort(key); });
}

void startNewList(const HighScoreStore& store, Pause& pause) {
    underLock(store, pause, {}, [](const HighScoreStore& locked) { locked.newList(); });
}

void keepList(const HighScoreStore& store, Pause& pause) {
    underLock(store, pause, {}, [](const HighScoreStore& locked) {
        if (!locked.exists())
            locked.newList();
    });
}

Row resultRow(const QString& name, qint64 elapsedMs, const QDateTime& finish, int clicks) {
    return {QString(), name, elapsedText(elapsedMs), dateText(finish.date()),
            savedClickText(clicks)};
}

} // namespace scores
