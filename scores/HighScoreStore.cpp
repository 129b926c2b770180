#include "scores/HighScoreStore.h"

// Qt
#include <QFileInfo>

// std
#include <utility>

namespace scores {

namespace {

constexpr QLatin1String listName("highscore.txt");
constexpr QLatin1String backupName("highscore2.txt");

} // namespace

HighScoreStore::HighScoreStore(QString dir) : m_dir(std::move(dir)) {}

QString HighScoreStore::path() const {
    return m_dir + listName;
}

QString HighScoreStore::backupPath() const {
    return m_dir + backupName;
}

bool HighScoreStore::exists() const {
    return QFileInfo::exists(path());
}

QStringList HighScoreStore::readLines() const {
    return readTextLines(path(), maxEntries);
}

void HighScoreStore::writeLines(const QStringList& lines) const {
    writeFileAtomically(path(), encodeLines(lines));
}

void HighScoreStore::createEmptyIfMissing() const {
    // Without a folder (the working folder was gone at start-up) there is
    // nowhere to keep one, and the player has been told so.
    if (!m_dir.isEmpty() && !exists())
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
    if (exists())
        writeFileAtomically(backupPath(), readFileBytes(path()));
    writeLines(freshList());
}

ListLock::ListLock(const QString& dir) : ListLock(dir, defaultTimeoutMs) {}

ListLock::ListLock(const QString& dir, int timeoutMs) : m_lock(dir + listName, timeoutMs) {}

} // namespace scores
