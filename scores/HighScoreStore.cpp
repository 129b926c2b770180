// own
#include "scores/HighScoreStore.h"
#include "platform/GameError.h"

namespace scores {

HighScoreStore::HighScoreStore(const safefile::Folder& folder, const safefile::FolderLock* lock)
    : m_folder(folder), m_lock(lock) {}

bool HighScoreStore::exists() const {
    return m_folder.isOpen() && m_folder.exists(listName);
}

std::optional<TextLines> HighScoreStore::read() const {
    // Without a folder, the look throws NoFolderError naming the list.
    if (!m_folder.exists(listName))
        return std::nullopt;
    return readTextLines(m_folder, listName, maxEntries);
}

void HighScoreStore::replace(const std::optional<TextLines>& read, const QStringList& lines) const {
    if (read && !read->whole)
        throw GameError(notWholeError(listName, maxEntries));
    writeDataFile(m_folder, listName, encodeLines(lines), m_lock);
}

RankResult HighScoreStore::sort(SortKey key) const {
    const std::optional<TextLines> list = read();
    QStringList entries;
    if (list) {
        entries = list->lines;
        // An empty list still counts as one (empty) entry.
        if (entries.isEmpty())
            entries << QString();
    }
    RankResult result = rank(entries, key);
    replace(list, result.lines);
    return result;
}

void HighScoreStore::newList() const {
    // The backup keeps the old list whole, so the fresh one may replace it
    // whatever it held.
    if (exists())
        writeDataFile(m_folder, backupName, readFileBytes(m_folder, listName), m_lock);
    writeDataFile(m_folder, listName, encodeLines(freshList()), m_lock);
}

ListLock::ListLock(const safefile::Folder& folder, Pause& pause, const safefile::LockWait& wait)
    : m_lock(folder, HighScoreStore::listName, pause, wait) {}

} // namespace scores
