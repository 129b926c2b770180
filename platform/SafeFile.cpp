// own
#include "platform/SafeFile.h"

// Qt
#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>

// std
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <ctime>
#include <dirent.h>
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
// New files: read and write for everyone the umask lets in.
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

QString countText(const char* context, const char* text, quint64 count) {
    if (count <= quint64(INT_MAX)) {
        return QCoreApplication::translate(context, text, nullptr, int(count));
    }
    const int standIn = 1000000 + int(count % 1000000);
    return QCoreApplication::translate(context, text, nullptr, standIn)
        .replace(QString::number(standIn), QString::number(count));
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
        //: The file (%1) could not be kept as a copy: a new list keeps the old list as
        //: highscore2.txt, and here it could not be copied. %2 says why.
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
    entry.device = status.st_dev;
    entry.inode = status.st_ino;
    entry.links = status.st_nlink;
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

namespace {

// A file being written: without a name (O_TMPFILE) or under a temporary one.
struct Temporary {
    Descriptor fd;
    QByteArray name; // empty while the file has no name
};

// A file with no name yet, in the folder's file system; an invalid
// descriptor with errno set where the file system or the kernel cannot make
// one, or where it could not be named later (no /proc).
Temporary unnamedFile(int dir) {
    Temporary file;
    if (::access("/proc/self/fd", X_OK) != 0) {
        errno = EOPNOTSUPP;
        return file;
    }
    file.fd = Descriptor(::openat(dir, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, dataMode));
    return file;
}

bool cannotMakeUnnamed(int error) {
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL;
}

// A new file under a temporary name beside name, made with O_EXCL.
Temporary namedFile(int dir, const QString& name) {
    Temporary file;
    for (int attempt = 0; attempt < temporaryAttempts && !file.fd.valid(); ++attempt) {
        file.name = temporaryName(name);
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
bool giveName(int dir, Temporary& file, const QString& name) {
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(file.fd.get());
    for (int attempt = 0; attempt < temporaryAttempts; ++attempt) {
        const QByteArray temporary = temporaryName(name);
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
    Temporary file = unnamedFile(dir);
    if (!file.fd.valid() && cannotMakeUnnamed(errno)) {
        file = namedFile(dir, name);
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
    if (file.name.isEmpty() && !giveName(dir, file, name)) {
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

int Folder::removeLeftovers(const QStringList& names, qint64 minAgeSeconds) const {
    if (!m_fd.valid()) {
        return 0;
    }
    // A descriptor of its own, so reading the entries moves nothing shared.
    const int listing = ::openat(m_fd.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* entries = listing < 0 ? nullptr : ::fdopendir(listing);
    if (entries == nullptr) {
        if (listing >= 0) {
            ::close(listing);
        }
        return 0;
    }
    const qint64 before = qint64(::time(nullptr)) - minAgeSeconds;
    int removed = 0;
    while (const dirent* found = ::readdir(entries)) {
        const QByteArray entry(found->d_name);
        const qsizetype dot = entry.size() - 7;
        if (dot < 1 || entry.at(dot) != '.' ||
            !names.contains(QFile::decodeName(entry.left(dot))) ||
            !std::all_of(entry.cbegin() + dot + 1, entry.cend(),
                         [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; })) {
            continue;
        }
        struct stat status {};
        if (::fstatat(m_fd.get(), found->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode) && status.st_uid == ::geteuid() && status.st_mtime < before &&
            ::unlinkat(m_fd.get(), found->d_name, 0) == 0) {
            ++removed;
        }
    }
    ::closedir(entries);
    return removed;
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

void ignoreFileSizeSignal() {
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace safefile
