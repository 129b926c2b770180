#pragma once

#include "scores/Ranking.h"
#include "scores/ScoreLine.h"
#include "scores/TextFile.h"

// Qt
#include <QString>
#include <QStringList>

// The high-score list file highscore.txt in the game's folder, and its backup
// highscore2.txt. None of these functions locks the list: whoever reads,
// changes and writes it holds a ListLock across all three steps.
namespace scores {

class HighScoreStore {
  public:
    // dir is the folder with a trailing "/", or "" when the game has none.
    explicit HighScoreStore(QString dir);

    QString path() const;
    QString backupPath() const;
    // True when anything, even a folder, has the list's name.
    bool exists() const;

    // The first 12 lines. Throws GameError naming the file when it cannot be
    // read (a folder in its place included).
    QStringList readLines() const;
    // Replaces the list in one step, CR LF after every line. Throws GameError;
    // the old file is then left exactly as it was.
    void writeLines(const QStringList& lines) const;

    // For the viewers: an empty list where there is none (and nothing when
    // the game has no folder).
    void createEmptyIfMissing() const;

    // The list for entering a result. Without a list the three seed entries
    // are written and no lines are returned, so the grid is left as it is.
    QStringList readForResultEntry() const;

    // Ranks the list by key and writes it back. A missing list ends up as an
    // empty file; an empty list becomes the single line "1 ".
    RankResult sort(SortKey key) const;

    // Starts a new list: the current one (if any) is kept byte for byte as
    // highscore2.txt, replacing an older backup, then the fresh list is
    // written. When the backup cannot be written nothing else happens.
    void newList() const;

  private:
    QString m_dir;
};

// Holds the list's lock file (highscore.txt.lock) while alive, so that two
// games finishing at once in one folder do not overwrite each other's result.
class ListLock {
  public:
    static constexpr int defaultTimeoutMs = 5000;

    explicit ListLock(const QString& dir);
    // Throws GameError naming the list when the lock is not had within
    // timeoutMs.
    ListLock(const QString& dir, int timeoutMs);
    ~ListLock() = default;
    ListLock(const ListLock&) = delete;
    ListLock& operator=(const ListLock&) = delete;

  private:
    FileLock m_lock;
};

} // namespace scores
