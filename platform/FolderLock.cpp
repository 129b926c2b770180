// own
#include "platform/FolderLock.h"
#include "platform/Services.h"

// Qt
#include <QCoreApplication>
#include <QFile>

// std
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

} // namespace

FolderLock::FolderLock(const Folder& folder, const QString& guardedName, Pause& pause,
                       int timeoutMs)
    : m_folder(folder), m_guarded(guardedName),
      m_name(QFile::encodeName(guardedName + QStringLiteral(".lock"))) {
    const int dir = folder.handle(guardedName);
    // A lock file removed or replaced between the open and the lock is opened
    // again at once; these extra rounds keep that from going on for ever.
    int spareRounds = 16;
    for (int waited = 0;;) {
        Descriptor fd = open(dir);
        if (fd.valid()) {
            if (::flock(fd.get(), LOCK_EX | LOCK_NB) == 0) {
                if (stillNamed(dir, fd.get()) || --spareRounds < 0) {
                    m_fd = std::move(fd);
                    return;
                }
                continue;
            }
            if (errno != EWOULDBLOCK) {
                throw lockError(guardedName, errnoText(errno));
            }
        }
        if (waited >= timeoutMs) {
            throw lockError(guardedName,
                            fd.valid()
                                ? QCoreApplication::translate(
                                      "safefile", "another game is using it, please try again")
                                : QCoreApplication::translate(
                                      "safefile", "no permission to open its lock file %1")
                                      .arg(QFile::decodeName(m_name)));
        }
        pause.pause(retryMs);
        waited += retryMs;
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

Descriptor FolderLock::open(int dir) const {
    const QString lockName = QFile::decodeName(m_name);
    constexpr int flags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    Descriptor fd(::openat(dir, m_name.constData(), O_RDWR | O_CREAT | flags, 0666));
    if (!fd.valid() && (errno == EACCES || errno == EPERM)) {
        // Another user's lock file: reading is enough for a lock.
        fd = Descriptor(::openat(dir, m_name.constData(), O_RDONLY | flags));
        if (!fd.valid() && (errno == EACCES || errno == EPERM)) {
            return fd; // waited on, then reported
        }
        if (!fd.valid() && errno == ENOENT) {
            throw lockError(m_guarded, QCoreApplication::translate(
                                           "safefile", "no permission to create the lock file %1")
                                           .arg(lockName));
        }
    }
    if (!fd.valid()) {
        const int error = errno;
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
    if (status.st_uid == ::geteuid()) {
        ::fchmod(fd.get(), (status.st_mode & 07777) | S_IRUSR | S_IRGRP | S_IROTH);
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
