// own
#include "platform/FolderLock.h"
#include "platform/Services.h"

// Qt
#include <QCoreApplication>
#include <QFile>

// std
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace safefile {

namespace {

// The lock's failures, each naming the guarded file.
GameError lockError(const QString& guarded, const QString& reason) {
    return GameError(fileError(FileAction::Lock, guarded, reason));
}

bool refused(int error) {
    return error == EACCES || error == EPERM || error == EROFS;
}

} // namespace

FolderLock::FolderLock(const Folder& folder, const QString& guardedName, Pause& pause,
                       const LockWait& wait)
    : m_folder(folder), m_guarded(guardedName),
      m_name(QFile::encodeName(guardedName + QStringLiteral(".lock"))) {
    const int dir = folder.handle(guardedName);
    bool told = false;
    for (int waited = 0;; waited += retryMs) {
        const Opened outcome = attempt(dir);
        if (outcome == Opened::ReadOnly) {
            return;
        }
        if (outcome == Opened::Locked) {
            // A lock file left behind does not make a folder writable.
            if (::faccessat(dir, ".", W_OK, AT_EACCESS) != 0 && refused(errno)) {
                m_readOnly = errnoText(errno);
            }
            return;
        }
        // Another user's lock file that cannot be read is no live game's
        // alone: it is reported after a short wait, never a long one.
        const int limit = outcome == Opened::Unreadable
                              ? std::min(wait.timeoutMs, int(defaultTimeoutMs))
                              : wait.timeoutMs;
        if (waited >= limit) {
            throw lockError(guardedName,
                            outcome == Opened::Busy
                                ? QCoreApplication::translate(
                                      "safefile", "another game is using it, please try again")
                                : QCoreApplication::translate(
                                      "safefile", "no permission to open its lock file %1")
                                      .arg(QFile::decodeName(m_name)));
        }
        if (!told && wait.started) {
            told = true;
            wait.started();
        }
        pause.pause(retryMs);
    }
}

FolderLock::~FolderLock() {
    // Removed while still held, and only when the name is still this file,
    // so no other game's lock file goes; a game waiting on this one finds
    // it gone and opens the name again.
    const int dir = m_fd.valid() && m_folder.isOpen() ? m_folder.handle(m_guarded) : -1;
    if (dir >= 0 && stillNamed(dir, m_fd.get())) {
        ::unlinkat(dir, m_name.constData(), 0);
    }
}

void FolderLock::checkHeld(const QString& written) const {
    if (!m_readOnly.isEmpty()) {
        throw ReadOnlyFolderError(FileAction::Write, written, m_readOnly);
    }
    if (!m_fd.valid() || !m_folder.isOpen() ||
        !stillNamed(m_folder.handle(m_guarded), m_fd.get())) {
        throw LockLostError(FileAction::Write, written,
                            QCoreApplication::translate(
                                "safefile",
                                "its lock file %1 was removed or replaced while the game held it, "
                                "so another game may be writing it")
                                .arg(QFile::decodeName(m_name)));
    }
}

FolderLock::Opened FolderLock::attempt(int dir) {
    Opened outcome = Opened::Busy;
    Descriptor fd = open(dir, outcome);
    if (outcome != Opened::Locked) {
        return outcome;
    }
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK) {
            throw lockError(m_guarded, errnoText(errno));
        }
        return Opened::Busy;
    }
    // A lock on a lock file removed or replaced meanwhile does not count.
    if (!stillNamed(dir, fd.get())) {
        return Opened::Busy;
    }
    m_fd = std::move(fd);
    return Opened::Locked;
}

Descriptor FolderLock::open(int dir, Opened& outcome) {
    const QString lockName = QFile::decodeName(m_name);
    constexpr int flags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    outcome = Opened::Locked;
    bool made = true;
    Descriptor fd(::openat(dir, m_name.constData(), O_RDWR | O_CREAT | O_EXCL | flags, 0666));
    int error = fd.valid() ? 0 : errno;
    if (error == EEXIST) {
        made = false;
        fd = Descriptor(::openat(dir, m_name.constData(), O_RDWR | flags));
        error = fd.valid() ? 0 : errno;
        if (error == ENOENT) {
            outcome = Opened::Busy; // removed meanwhile: tried again at once
            return fd;
        }
    }
    if (refused(error)) {
        // Another user's lock file: reading is enough for a lock.
        const int createError = error;
        const bool createRefused = made;
        made = false;
        fd = Descriptor(::openat(dir, m_name.constData(), O_RDONLY | flags));
        error = fd.valid() ? 0 : errno;
        if (error == EACCES || error == EPERM) {
            outcome = Opened::Unreadable;
            return fd;
        }
        if (error == ENOENT) {
            // Not even the lock file can be made: the folder is read only.
            // (Or it was removed just now: tried again at once.)
            if (createRefused) {
                m_readOnly = errnoText(createError);
            }
            outcome = createRefused ? Opened::ReadOnly : Opened::Busy;
            return fd;
        }
    }
    if (!fd.valid()) {
        const Entry entry = m_folder.look(lockName);
        if (!entry.reason.isEmpty()) {
            throw lockError(m_guarded, QCoreApplication::translate(
                                           "safefile", "its lock file %1 is not used: %2")
                                           .arg(lockName, entry.reason));
        }
        throw lockError(m_guarded, error == ENOSPC || error == EDQUOT
                                       ? m_folder.writeFailure(0, error)
                                       : QCoreApplication::translate(
                                             "safefile", "the lock file %1 cannot be created (%2)")
                                             .arg(lockName, errnoText(error)));
    }
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        throw lockError(m_guarded,
                        QCoreApplication::translate("safefile", "its lock file %1 is not used: %2")
                            .arg(lockName, m_folder.look(lockName).reason));
    }
    // The umask decides who may write it; everyone may read it, which is all
    // a lock needs, so a game of another user in a shared folder can wait.
    // Only a file just made here: a lock file found in place may be a hard
    // link to some other file, whose mode is not the game's to change.
    if (made && status.st_nlink == 1 && status.st_size == 0) {
        ::fchmod(fd.get(), (status.st_mode & 0666) | S_IRUSR | S_IRGRP | S_IROTH);
    }
    return fd;
}

bool FolderLock::stillNamed(int dir, int fd) const {
    struct stat named {};
    struct stat held {};
    return ::fstatat(dir, m_name.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
           ::fstat(fd, &held) == 0 && named.st_dev == held.st_dev && named.st_ino == held.st_ino;
}

} // namespace safefile
