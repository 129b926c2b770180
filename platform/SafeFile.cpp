// own
#include "platform/SafeFile.h"

// Qt
#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>

// std
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <utility>

namespace safefile {

namespace {

// Below this much free room a failed write is put down to a full disk.
constexpr qint64 fullDiskBytes = 64 * 1024;
// Names tried for a temporary file before giving up.
constexpr int temporaryAttempts = 64;
// Pictures are readable by everyone, as the game has always written them.
constexpr mode_t pictureMode = 0644;
// New data files: read and write for everyone the umask lets in.
constexpr mode_t dataMode = 0666;

QByteArray native(const QString& name) {
    return QFile::encodeName(name);
}

// "a folder is in its place": a whole phrase for each kind, so a
// translation can make the words agree.
QString inPlace(mode_t mode) {
    if (S_ISDIR(mode)) {
        return QCoreApplication::translate("safefile", "a folder is in its place");
    }
    if (S_ISFIFO(mode)) {
        return QCoreApplication::translate("safefile", "a FIFO (named pipe) is in its place");
    }
    if (S_ISSOCK(mode)) {
        return QCoreApplication::translate("safefile", "a socket is in its place");
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return QCoreApplication::translate("safefile", "a device is in its place");
    }
    return QCoreApplication::translate("safefile", "something other than a file is in its place");
}

QString linkReason(int dir, const QByteArray& name) {
    char target[PATH_MAX];
    const ssize_t length = ::readlinkat(dir, name.constData(), target, sizeof target - 1);
    const QString to = length < 0 ? QString() : QFile::decodeName(QByteArray(target, length));
    return QCoreApplication::translate("safefile",
                                       "it is a link to %1, and the game follows no links")
        .arg(to);
}

// Writes all of bytes; false with errno set when that fails.
bool writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t done = ::write(fd, data, static_cast<size_t>(left));
        if (done < 0 && errno == EINTR) {
            continue;
        }
        if (done <= 0) {
            if (done == 0) {
                errno = EIO;
            }
            return false;
        }
        data += done;
        left -= done;
    }
    return true;
}

// "nog.txt.a1B2c3": beside the name it replaces, so a leftover is recognised.
QByteArray temporaryName(const QString& name) {
    static constexpr char letters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray result = native(name) + '.';
    for (int i = 0; i < 6; ++i) {
        result += letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))];
    }
    return result;
}

} // namespace

FileError::FileError(FileAction action, const QString& name, const QString& reason)
    : GameError(fileError(action, name, reason)), m_reason(reason) {}

Descriptor::~Descriptor() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

Descriptor::Descriptor(Descriptor&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept {
    if (this != &other) {
        Descriptor old(std::exchange(m_fd, std::exchange(other.m_fd, -1)));
    }
    return *this;
}

int Descriptor::close() {
    const int fd = std::exchange(m_fd, -1);
    return fd < 0 ? 0 : ::close(fd);
}

QString errnoText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QString fileError(FileAction action, const QString& name, const QString& reason) {
    const char* sentence = nullptr;
    switch (action) {
    case FileAction::Read:
        sentence = QT_TRANSLATE_NOOP("safefile", "Could not read %1: %2");
        break;
    case FileAction::Write:
        sentence = QT_TRANSLATE_NOOP("safefile", "Could not write %1: %2");
        break;
    case FileAction::Lock:
        sentence = QT_TRANSLATE_NOOP("safefile", "Could not lock %1: %2");
        break;
    case FileAction::Use:
        sentence = QT_TRANSLATE_NOOP("safefile", "Could not use %1: %2");
        break;
    case FileAction::Keep:
        sentence = QT_TRANSLATE_NOOP("safefile", "Could not keep %1: %2");
        break;
    }
    return QCoreApplication::translate("safefile", sentence).arg(name, reason);
}

Folder Folder::working() {
    Folder folder = open(QByteArrayLiteral("."));
    // Only for messages: the folder is reached through the descriptor.
    char buffer[PATH_MAX];
    if (::getcwd(buffer, sizeof buffer) != nullptr) {
        folder.m_name = QFile::decodeName(buffer);
        if (!folder.m_name.endsWith(QLatin1Char('/'))) {
            folder.m_name += QLatin1Char('/');
        }
    }
    return folder;
}

Folder Folder::open(const QByteArray& path) {
    Folder folder;
    folder.m_name = QFile::decodeName(path);
    if (!folder.m_name.endsWith(QLatin1Char('/'))) {
        folder.m_name += QLatin1Char('/');
    }
    Descriptor fd(::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    struct stat status {};
    if (!fd.valid() || ::fstat(fd.get(), &status) != 0) {
        const int error = errno;
        folder.m_problem =
            error == ENOENT
                ? QCoreApplication::translate("safefile",
                                              "the folder it was started in no longer exists")
                : QCoreApplication::translate("safefile",
                                              "the folder it was started in cannot be opened (%1)")
                      .arg(errnoText(error));
        return folder;
    }
    // A removed folder can still be opened by whoever stood in it; nothing
    // written there would ever be seen again.
    if (status.st_nlink == 0) {
        folder.m_problem = QCoreApplication::translate(
            "safefile", "the folder it was started in no longer exists");
        return folder;
    }
    folder.m_fd = std::move(fd);
    return folder;
}

int Folder::handle(const QString& name) const {
    if (!m_fd.valid()) {
        throw NoFolderError(
            FileAction::Use, name,
            QCoreApplication::translate("safefile", "the game's folder is unknown"));
    }
    return m_fd.get();
}

Entry Folder::look(const QString& name) const {
    const int dir = handle(name);
    const QByteArray file = native(name);
    struct stat status {};
    if (::fstatat(dir, file.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
        return {};
    }
    Entry entry;
    entry.size = status.st_size;
    entry.modifiedNs = qint64(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec;
    if (S_ISREG(status.st_mode)) {
        entry.kind = Entry::Kind::Regular;
        entry.permissions = status.st_mode & 07777;
    } else if (S_ISLNK(status.st_mode)) {
        entry.kind = Entry::Kind::Link;
        entry.reason = linkReason(dir, file);
    } else {
        entry.kind = Entry::Kind::NotAFile;
        entry.reason = inPlace(status.st_mode);
    }
    return entry;
}

QByteArray Folder::readPrefix(const QString& name, qint64 maxBytes) const {
    QByteArray bytes;
    readPieces(name, maxBytes, [&bytes](const char* data, qsizetype size) {
        bytes.append(data, size);
        return true;
    });
    return bytes;
}

bool Folder::readPieces(const QString& name, qint64 maxBytes,
                        const std::function<bool(const char*, qsizetype)>& take) const {
    constexpr FileAction read = FileAction::Read;
    const int dir = handle(name);
    // O_NONBLOCK: a FIFO opens at once, and the check below refuses it.
    const Descriptor fd(::openat(dir, native(name).constData(),
                                 O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY));
    if (!fd.valid()) {
        const int error = errno;
        const Entry entry = look(name);
        if (entry.kind == Entry::Kind::Missing) {
            throw FileError(read, name,
                            QCoreApplication::translate("safefile", "the file does not exist"));
        }
        throw FileError(read, name, entry.reason.isEmpty() ? errnoText(error) : entry.reason);
    }
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        throw FileError(read, name, inPlace(status.st_mode));
    }
    constexpr qint64 chunk = 64 * 1024;
    QByteArray buffer(chunk, Qt::Uninitialized);
    // One byte past the bound tells a file that ends right there from a longer one.
    for (qint64 left = maxBytes + 1; left > 0;) {
        const ssize_t got = ::read(fd.get(), buffer.data(), static_cast<size_t>(qMin(chunk, left)));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            throw FileError(read, name, errnoText(errno));
        }
        if (got == 0) {
            return true;
        }
        const qsizetype usable = static_cast<qsizetype>(qMin<qint64>(got, left - 1));
        left -= got;
        if ((usable > 0 && !take(buffer.constData(), usable)) || usable < got) {
            return false;
        }
    }
    return false;
}

void Folder::write(const QString& name, const QByteArray& bytes, Durability durability,
                   AtLink atLink) const {
    constexpr FileAction write = FileAction::Write;
    const int dir = handle(name);
    const Entry entry = look(name);
    if (entry.kind == Entry::Kind::NotAFile ||
        (entry.kind == Entry::Kind::Link && atLink == AtLink::Report)) {
        throw FileError(write, name, entry.reason);
    }
    // Taken from the one look above: a second one could find a link there.
    const bool keepMode = durability == Durability::Synced && entry.kind == Entry::Kind::Regular;
    const mode_t mode = keepMode ? static_cast<mode_t>(entry.permissions)
                        : durability == Durability::Unsynced ? pictureMode
                                                             : dataMode;
    QByteArray temporary;
    Descriptor fd;
    for (int attempt = 0; attempt < temporaryAttempts && !fd.valid(); ++attempt) {
        temporary = temporaryName(name);
        fd = Descriptor(::openat(dir, temporary.constData(),
                                 O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, dataMode));
        if (!fd.valid() && errno != EEXIST) {
            break;
        }
    }
    if (!fd.valid()) {
        throw FileError(write, name, writeFailure(bytes.size(), errno));
    }
    // The temporary file goes on every way out but the rename.
    auto fail = [&](int error) {
        ::unlinkat(dir, temporary.constData(), 0);
        throw FileError(write, name, writeFailure(bytes.size(), error));
    };
    if ((durability == Durability::Unsynced || keepMode) && ::fchmod(fd.get(), mode) != 0) {
        fail(errno);
    }
    if (!writeAll(fd.get(), bytes)) {
        fail(errno);
    }
    if (durability == Durability::Synced && ::fsync(fd.get()) != 0) {
        fail(errno);
    }
    // A file system may report a failed write only when the file is closed.
    if (fd.close() != 0) {
        fail(errno);
    }
    if (::renameat(dir, temporary.constData(), dir, native(name).constData()) != 0) {
        fail(errno);
    }
}

bool Folder::remove(const QString& name) const {
    if (!m_fd.valid()) {
        return false;
    }
    const Entry entry = look(name);
    if (entry.kind != Entry::Kind::Regular && entry.kind != Entry::Kind::Link) {
        return false;
    }
    return ::unlinkat(m_fd.get(), native(name).constData(), 0) == 0;
}

QString Folder::writeFailure(qint64 size, int error) const {
    struct statvfs room {};
    if (error == ENOSPC || error == EDQUOT ||
        (m_fd.valid() && ::fstatvfs(m_fd.get(), &room) == 0 &&
         qint64(room.f_bavail) * qint64(room.f_frsize) < fullDiskBytes)) {
        return QCoreApplication::translate("safefile", "the disk is full");
    }
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        (error == EFBIG || static_cast<rlim_t>(size) > limit.rlim_cur)) {
        return QCoreApplication::translate("safefile",
                                           "it is larger than the file size limit of %1 bytes")
            .arg(limit.rlim_cur);
    }
    return errnoText(error);
}

void ignoreFileSizeSignal() {
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace safefile
