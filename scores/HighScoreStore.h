#pragma once

// own
#include "platform/FolderLock.h"
#include "platform/SafeFile.h"
#include "scores/Ranking.h"
#include "scores/ScoreLine.h"
#include "scores/TextFile.h"

// Qt
#include <QString>
#include <QStringList>

// std
#include <optional>

// The high-score list file highscore.txt in the game's folder, and its backup
// highscore2.txt. None of these functions locks the list: whoever reads,
// changes and writes it holds a ListLock across all three steps.
namespace scores {

class HighScoreStore {
  public:
    static constexpr QLatin1String listName{"highscore.txt"};
    static constexpr QLatin1String backupName{"highscore2.txt"};

    // The folder (and the lock) outlive the store. Without a folder every
    // step throws NoFolderError. With the list's lock every write checks
    // that it is still held.
    explicit HighScoreStore(const safefile::Folder& folder,
                            const safefile::FolderLock* lock = nullptr);

    const safefile::Folder& folder() const { return m_folder; }
    bool hasFolder() const { return m_folder.isOpen(); }
    // True when anything, even a folder or a link, has the list's name.
    bool exists() const;

    // The list as it stands, read once: nothing when no entry has its name.
    // Throws GameError naming the file when it cannot be read.
    std::optional<TextLines> read() const;
    // Replaces the list read just before (under the same lock) with lines. A
    // list that was not read whole is left alone, or what follows its first
    // 12 lines would be lost: GameError.
    void replace(const std::optional<TextLines>& read, const QStringList& lines) const;

    // Ranks the list by key and writes it back. A missing list ends up as an
    // empty file; an empty list becomes the single line "1 ".
    RankResult sort(SortKey key) const;

    // Starts a new list: the current one (if any) is kept byte for byte as
    // highscore2.txt, replacing an older backup, then the fresh list is
    // written. When the backup cannot be written nothing else happens.
    void newList() const;

  private:
    const safefile::Folder& m_folder;
    const safefile::FolderLock* m_lock;
};

// Holds the list's lock (on highscore.txt.lock) while alive, so that two
// games finishing at once in one folder do not overwrite each other's result.
class ListLock {
  public:
    // Throws GameError naming the list when the lock is not had within
    // wait.timeoutMs; pause does the waiting between attempts.
    ListLock(const safefile::Folder& folder, Pause& pause, const safefile::LockWait& wait = {});
    const safefile::FolderLock& lock() const { return m_lock; }

  private:
    safefile::FolderLock m_lock;
};

} // namespace scores
