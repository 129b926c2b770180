#pragma once

// own
#include "platform/SafeFile.h"

// Qt
#include <QByteArray>
#include <QString>

// std
#include <functional>

class Pause;

namespace safefile {

// How long a lock is waited for, and what the window shows meanwhile.
struct LockWait {
    // The wait of the menu's list actions, which the player can try again.
    static constexpr int defaultTimeoutMs = 1000;
    // The wait of a finished game's result and of the game counter: as long
    // as a busy folder can take (many games, a slow disk), not for ever.
    static constexpr int patientTimeoutMs = 120'000;

    LockWait(int timeout = defaultTimeoutMs, std::function<void()> onWait = {})
        : timeoutMs(timeout), started(std::move(onWait)) {}

    int timeoutMs;
    // Called once, when another game holds the lock and the wait begins.
    std::function<void()> started;
};

// A kernel lock (flock) on the lock file "<guarded name>.lock" in the folder,
// held while alive. It guards a read-change-write of a file that several
// games in one folder share, also games of different users. The kernel drops
// the lock with its process, so a crashed game's lock file, of whatever
// owner and content, blocks nothing: only a live holder does. A lock counts
// only while the lock file's name still leads to the file locked: one
// removed or replaced by hand is locked anew. The lock file is opened without
// following a link and without blocking; anything but a regular file in its
// place throws at once.
//
// In a folder where not even the lock file can be made (no permission, a
// read-only file system) the lock is not held, reading goes on without it
// (every write replaces a file whole, so a read sees one whole file) and
// checkHeld() refuses every write.
class FolderLock {
  public:
    static constexpr int defaultTimeoutMs = LockWait::defaultTimeoutMs;
    // The wait between two attempts; the waiting itself is pause's.
    static constexpr int retryMs = 50;

    // Throws GameError naming guardedName when the lock is not had within
    // wait.timeoutMs, and NoFolderError without a folder.
    FolderLock(const Folder& folder, const QString& guardedName, Pause& pause,
               const LockWait& wait = {});
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Before writing the file written under the lock: throws
    // ReadOnlyFolderError when the folder cannot be written, LockLostError
    // when the lock file no longer is the one locked.
    void checkHeld(const QString& written) const;

  private:
    enum class Opened { Locked, Busy, Unreadable, ReadOnly };
    Opened attempt(int dir);
    Descriptor open(int dir, Opened& outcome);
    // True when the name in the folder still is the file open as fd.
    bool stillNamed(int dir, int fd) const;

    const Folder& m_folder;
    QString m_guarded;
    QByteArray m_name;
    Descriptor m_fd;
    QString m_readOnly; // why the folder cannot be written, when it cannot
};

} // namespace safefile
