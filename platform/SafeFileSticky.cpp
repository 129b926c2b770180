// A data file in a shared folder with the sticky bit (like /tmp) that belongs
// to another player: the game may not rename over it, so it rewrites it in
// place, room first, and only the file it looked at.

// own
#include "platform/SafeFile.h"
#include "platform/SafeFileDetail.h"

// Qt
#include <QCoreApplication>

// std
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace safefile {

using detail::native;
using detail::writeAll;

QString Folder::stickyReason() {
    return QCoreApplication::translate("safefile", "the folder's sticky bit lets only the file's "
                                                   "owner replace it, and the player may not "
                                                   "write it");
}

bool Folder::stickyFolder() const {
    struct stat status {};
    return ::fstat(m_fd.get(), &status) == 0 && (status.st_mode & S_ISVTX) != 0;
}

void Folder::rewriteInPlace(const QString& name, const QByteArray& bytes,
                            const Entry& looked) const {
    constexpr FileAction write = FileAction::Write;
    const Descriptor fd(::openat(m_fd.get(), native(name).constData(),
                                 O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat status {};
    if (!fd.valid() || ::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_nlink != 1 || status.st_dev != looked.device || status.st_ino != looked.inode) {
        throw FileError(FileAction::Write, name, stickyReason());
    }
    // Room first, so a full disk or the size limit leaves the old bytes.
    if (::fallocate(fd.get(), 0, 0, static_cast<off_t>(bytes.size())) != 0 && errno != EOPNOTSUPP) {
        throw FileError(write, name, writeFailure(bytes.size(), errno));
    }
    if (::lseek(fd.get(), 0, SEEK_SET) != 0 || !writeAll(fd.get(), bytes) ||
        ::ftruncate(fd.get(), static_cast<off_t>(bytes.size())) != 0 || ::fsync(fd.get()) != 0) {
        throw FileError(write, name, writeFailure(bytes.size(), errno));
    }
}

} // namespace safefile
