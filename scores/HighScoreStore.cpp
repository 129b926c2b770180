// own
#include "scores/HighScoreStore.h"
#include "platform/GameError.h"

namespace scores {

HighScoreStore::HighScoreStore(const safefile::Folder& folder) : m_folder(folder) {}

bool HighScoreStore::exists() const {
    return m_folder.isOpen() && m_folder.exists(listName);
}

QStringList HighScoreStore::readLines() const {
    return readTextLines(m_folder, listName, maxEntries).lines;
}

void HighScoreStore::writeLines(const QStringList& lines) const {
    // Read again under the caller's lock: what is on disk now decides.
    // Anything but a regular file is named by the writer.
    if (m_folder.look(listName).kind == safefile::Entry::Kind::Regular &&
        !readTextLines(m_folder, listName, maxEntries).whole)
        throw GameError(notWholeError(listName, maxEntries));
    writeDataFile(m_folder, listName, encodeLines(lines));
}

void HighScoreStore::createEmptyIfMissing() const {
    // Without a folder (the working folder was gone at start-up) there is
    // nowhere to keep one, and the player has been told so.
    if (m_folder.isOpen() && !exists())
        writeLines({});
}

QStringList HighScoreStore::readForResultEntry() const {
    if (!exists()) {
        writeLines(resultSeedLines());
        return {};
    }
    return readLines();
}

RankResult HighScoreStore::sort(SortKey key) const {
    QStringList entries;
    if (exists()) {
        entries = readLines();
        // An empty list still counts as one (empty) entry.
        if (entries.isEmpty())
            entries << QString();
    }
    RankResult result = rank(entries, key);
    writeLines(result.lines);
    return result;
}

void HighScoreStore::newList() const {
    // The backup keeps the old list whole, so the fresh one may replace it
    // whatever it held.
    if (exists())
        writeDataFile(m_folder, backupName, readFileBytes(m_folder, listName));
    writeDataFile(m_folder, listName, encodeLines(freshList()));
}

ListLock::ListLock(const safefile::Folder& folder, Pause& pause, int timeoutMs)
    : m_lock(folder, HighScoreStore::listName, pause, timeoutMs) {}

} // namespace scores
