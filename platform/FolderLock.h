#pragma once

// own
#include "platform/SafeFile.h"

// Qt
#include <QByteArray>
#include <QString>

class Pause;

namespace safefile {

// A kernel lock (flock) on the lock file "<guarded name>.lock" in the folder,
// held while alive. It guards a read-change-write of a file that several
// games in one folder share, also games of different users. The kernel drops
// the lock with its process, so a crashed game's lock file, of whatever
// owner and content, blocks nothing: only a live holder does. The lock file
// is opened without following a link and without blocking; anything but a
// regular file in its place throws at once.
class FolderLock {
  public:
    // Longest wait for a lock a live game holds.
    static constexpr int defaultTimeoutMs = 1000;
    // The wait between two attempts; the waiting itself is pause's.
    static constexpr int retryMs = 50;

    // Throws GameError naming guardedName when the lock is not had within
    // timeoutMs, and NoFolderError without a folder.
    FolderLock(const Folder& folder, const QString& guardedName, Pause& pause,
               int timeoutMs = defaultTimeoutMs);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

  private:
    Descriptor open(int dir) const;
    // True when the name in the folder still is the file open as fd.
    bool stillNamed(int dir, int fd) const;

    const Folder& m_folder;
    QString m_guarded;
    QByteArray m_name;
    Descriptor m_fd;
};

} // namespace safefile
