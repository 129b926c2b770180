// Writing a file of the game's folder: a file without a name (O_TMPFILE),
// else under a temporary one, written whole, synced, named and renamed into
// place, and checked to be what the name then holds; the cause of a failure
// told as the player can act on it.

// own
#include "platform/SafeFile.h"
#include "platform/SafeFileDetail.h"

// Qt
#include <QCoreApplication>
#include <QRandomGenerator>

// std
#include <cerrno>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace safefile {

using detail::native;
using detail::writeAll;

namespace {

// Below this much free room a failed write is put down to a full disk.
constexpr qint64 fullDiskBytes = 64 * 1024;
// Names tried for a temporary file before giving up.
constexpr int temporaryAttempts = 64;
// Pictures are readable by everyone, as the game has always written them.
constexpr mode_t pictureMode = 0644;
// New files: read and write for everyone the umask lets in.
constexpr mode_t dataMode = 0666;

// "nog.txt.a1B2c3": beside the name it replaces, so a leftover is recognised.
QByteArray temporaryName(const QString& name, const Folder::TemporaryFiles& files) {
    if (files.nextSuffix) {
        return native(name) + '.' + files.nextSuffix();
    }
    static constexpr char letters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray result = native(name) + '.';
    for (int i = 0; i < 6; ++i) {
        result += letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))];
    }
    return result;
}

// A file being written: without a name (O_TMPFILE) or under a temporary one.
struct Temporary {
    Descriptor fd;
    QByteArray name; // empty while the file has no name
};

// A file with no name yet, in the folder's file system; an invalid
// descriptor with errno set where the file system or the kernel cannot make
// one, or where it could not be named later (no /proc).
Temporary unnamedFile(int dir, const Folder::TemporaryFiles& files) {
    Temporary file;
    if (files.openUnnamed) {
        file.fd = Descriptor(files.openUnnamed(dir, dataMode));
        return file;
    }
    if (::access("/proc/self/fd", X_OK) != 0) {
        errno = EOPNOTSUPP;
        return file;
    }
    file.fd = Descriptor(::openat(dir, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, dataMode));
    return file;
}

// The errors by which a kernel or a file system says it makes no file without
// a name (older kernels answer EISDIR, some file systems EINVAL).
bool cannotMakeUnnamed(int error) {
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL;
}

// A new file under a temporary name beside name, made with O_EXCL. A name
// taken (a leftover of a killed write) is passed over for another.
Temporary namedFile(int dir, const QString& name, const Folder::TemporaryFiles& files) {
    Temporary file;
    for (int attempt = 0; attempt < temporaryAttempts && !file.fd.valid(); ++attempt) {
        file.name = temporaryName(name, files);
        file.fd =
            Descriptor(::openat(dir, file.name.constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, dataMode));
        if (!file.fd.valid() && errno != EEXIST) {
            break;
        }
    }
    return file;
}

// Gives the unnamed file a temporary name; false with errno set.
bool giveName(int dir, Temporary& file, const QString& name, const Folder::TemporaryFiles& files) {
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(file.fd.get());
    for (int attempt = 0; attempt < temporaryAttempts; ++attempt) {
        const QByteArray temporary = temporaryName(name, files);
        if (::linkat(AT_FDCWD, self.constData(), dir, temporary.constData(), AT_SYMLINK_FOLLOW) ==
            0) {
            file.name = temporary;
            return true;
        }
        if (errno != EEXIST) {
            return false;
        }
    }
    return false;
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

void Folder::write(const QString& name, const QByteArray& bytes, Durability durability,
                   AtLink atLink, const std::function<void()>& beforeWriting) const {
    constexpr FileAction write = FileAction::Write;
    const int dir = handle(name);
    const Entry entry = look(name);
    if (entry.kind == Entry::Kind::NotAFile ||
        (entry.kind == Entry::Kind::Link && atLink == AtLink::Report)) {
        throw FileError(write, name, entry.reason);
    }
    // Taken from the one look above: a second one could find a link there.
    // Only the read and write bits: never execute, set-id or sticky.
    const bool keepMode = durability == Durability::Synced && entry.kind == Entry::Kind::Regular;
    const mode_t mode = keepMode ? static_cast<mode_t>(entry.permissions & 0666) : pictureMode;
    Temporary file = unnamedFile(dir, m_temporary);
    if (!file.fd.valid() && cannotMakeUnnamed(errno)) {
        file = namedFile(dir, name, m_temporary);
    }
    if (!file.fd.valid()) {
        throw FileError(write, name, writeFailure(bytes.size(), errno));
    }
    // A named temporary file goes on every way out but the rename.
    auto fail = [&](int error) {
        if (!file.name.isEmpty()) {
            ::unlinkat(dir, file.name.constData(), 0);
        }
        throw FileError(write, name, writeFailure(bytes.size(), error));
    };
    if ((durability == Durability::Unsynced || keepMode) && ::fchmod(file.fd.get(), mode) != 0) {
        fail(errno);
    }
    if (!writeAll(file.fd.get(), bytes)) {
        fail(errno);
    }
    if (durability == Durability::Synced && ::fsync(file.fd.get()) != 0) {
        fail(errno);
    }
    struct stat written {};
    if (::fstat(file.fd.get(), &written) != 0) {
        fail(errno);
    }
    if (beforeWriting) {
        try {
            beforeWriting();
        } catch (...) {
            if (!file.name.isEmpty()) {
                ::unlinkat(dir, file.name.constData(), 0);
            }
            throw;
        }
    }
    if (file.name.isEmpty() && !giveName(dir, file, name, m_temporary)) {
        fail(errno);
    }
    // A file system may report a failed write only when the file is closed.
    if (file.fd.close() != 0) {
        fail(errno);
    }
    if (::renameat(dir, file.name.constData(), dir, native(name).constData()) != 0) {
        const int error = errno;
        ::unlinkat(dir, file.name.constData(), 0);
        if ((error == EPERM || error == EACCES) && entry.kind == Entry::Kind::Regular &&
            stickyFolder()) {
            // Pictures the game can do without; a data file is kept in place.
            if (durability == Durability::Unsynced) {
                throw FileError(write, name, stickyReason());
            }
            rewriteInPlace(name, bytes, entry);
            return;
        }
        throw FileError(write, name, writeFailure(bytes.size(), error));
    }
    struct stat named {};
    if (::fstatat(dir, native(name).constData(), &named, AT_SYMLINK_NOFOLLOW) != 0 ||
        !sameFile(named, written)) {
        throw FileError(write, name,
                        QCoreApplication::translate(
                            "safefile", "something else took its place as soon as it was written"));
    }
}

QString Folder::writeFailure(qint64 size, int error) const {
    const QString full = QCoreApplication::translate("safefile", "the disk is full");
    rlimit limit{};
    const bool limited = ::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY;
    const QString tooLarge =
        limited ? countText("safefile",
                            QT_TRANSLATE_N_NOOP(
                                "safefile", "it is larger than the file size limit of %n bytes"),
                            limit.rlim_cur)
                : QString();
    if (error == ENOSPC || error == EDQUOT) {
        return full;
    }
    if (error == EFBIG && limited) {
        return tooLarge;
    }
    if (error != EIO) {
        return errnoText(error);
    }
    // The error says nothing clear: the room left and the limit may.
    struct statvfs room {};
    if (m_fd.valid() && ::fstatvfs(m_fd.get(), &room) == 0 &&
        qint64(room.f_bavail) * qint64(room.f_frsize) < fullDiskBytes) {
        return full;
    }
    if (limited && static_cast<rlim_t>(size) > limit.rlim_cur) {
        return tooLarge;
    }
    return errnoText(error);
}

} // namespace safefile
