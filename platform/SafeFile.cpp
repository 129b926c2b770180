// own
#include "platform/SafeFile.h"

// Qt
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryFile>

// std
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace safefile {

namespace {

// More hops than this is a loop or a maze; either way not followed.
constexpr int maxLinkHops = 16;
// Below this much free room a failed write is put down to a full disk.
constexpr qint64 fullDiskBytes = 64 * 1024;

QString tr(const char* text) {
    return QCoreApplication::translate("safefile", text);
}

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

QString errnoText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QString noun(mode_t mode) {
    if (S_ISDIR(mode)) {
        return tr("a folder");
    }
    if (S_ISFIFO(mode)) {
        return tr("a FIFO (named pipe)");
    }
    if (S_ISSOCK(mode)) {
        return tr("a socket");
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return tr("a device");
    }
    return tr("something other than a file");
}

Entry notAFile(const QString& path, mode_t mode) {
    return {Entry::Kind::NotAFile, path, tr("%1 is in its place").arg(noun(mode))};
}

// The real path of a folder, "" when it does not exist.
QString realFolder(const QString& folder) {
    return QFileInfo(folder).canonicalFilePath();
}

bool isWithin(const QString& folder, const QString& root) {
    return folder == root || root == QLatin1String("/") ||
           folder.startsWith(root + QLatin1Char('/'));
}

// Closes a descriptor on every way out.
class Descriptor {
  public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

  private:
    int m_fd;
};

} // namespace

QString fileError(const QString& action, const QString& path, const QString& reason) {
    return tr("Could not %1 %2: %3").arg(action, QFileInfo(path).fileName(), reason);
}

Entry inspect(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || info.isRelative()) {
        throw NoFolderError(fileError(tr("use"), path, tr("the game's folder is unknown")));
    }
    const QString root = realFolder(info.absolutePath());
    QString current = path;
    for (int hop = 0; hop < maxLinkHops; ++hop) {
        struct stat status {};
        if (::lstat(native(current).constData(), &status) != 0) {
            return {Entry::Kind::Missing, current, {}};
        }
        if (S_ISREG(status.st_mode)) {
            return {Entry::Kind::Regular, current, {}};
        }
        if (!S_ISLNK(status.st_mode)) {
            return notAFile(current, status.st_mode);
        }
        char target[PATH_MAX];
        const ssize_t length = ::readlink(native(current).constData(), target, sizeof target - 1);
        if (length < 0) {
            return {Entry::Kind::NotAFile, current, errnoText(errno)};
        }
        const QString linked = QFile::decodeName(QByteArray(target, length));
        const QFileInfo next(QFileInfo(current).absoluteDir(), linked);
        const QString folder = realFolder(next.absolutePath());
        if (root.isEmpty() || folder.isEmpty() || !isWithin(folder, root)) {
            return {Entry::Kind::LinkOutside, current,
                    tr("it is a link to %1, outside the game's folder")
                        .arg(QDir::cleanPath(next.absoluteFilePath()))};
        }
        current = folder + QLatin1Char('/') + next.fileName();
    }
    return {Entry::Kind::NotAFile, current, tr("it is a chain of links too long to follow")};
}

QByteArray readPrefix(const QString& path, qint64 maxBytes) {
    const QString read = tr("read");
    const Entry entry = inspect(path);
    if (entry.kind == Entry::Kind::Missing) {
        throw GameError(fileError(read, path, tr("the file does not exist")));
    }
    if (entry.kind != Entry::Kind::Regular) {
        throw GameError(fileError(read, path, entry.reason));
    }
    // O_NONBLOCK: should a FIFO have taken the file's place since it was
    // looked at, the open returns at once and the check below refuses it.
    const Descriptor fd(
        ::open(native(entry.path).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    if (fd.get() < 0) {
        throw GameError(fileError(read, path, errnoText(errno)));
    }
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        throw GameError(fileError(read, path, notAFile(path, status.st_mode).reason));
    }
    QByteArray bytes;
    constexpr qint64 chunk = 64 * 1024;
    while (bytes.size() < maxBytes) {
        const qint64 want = qMin(chunk, maxBytes - bytes.size());
        const qsizetype had = bytes.size();
        bytes.resize(had + want);
        const ssize_t got = ::read(fd.get(), bytes.data() + had, static_cast<size_t>(want));
        if (got < 0 && errno == EINTR) {
            bytes.resize(had);
            continue;
        }
        if (got < 0) {
            throw GameError(fileError(read, path, errnoText(errno)));
        }
        bytes.resize(had + got);
        if (got == 0) {
            break;
        }
    }
    return bytes;
}

bool replaceFile(const QString& path, const QByteArray& bytes, QString* reason) {
    const Entry entry = inspect(path);
    if (entry.kind == Entry::Kind::NotAFile) {
        *reason = entry.reason;
        return false;
    }
    // A link out of the folder is itself replaced: the rename below puts the
    // new file in the link's place and leaves the target alone.
    QTemporaryFile temporary(entry.path + QStringLiteral(".XXXXXX"));
    if (!temporary.open()) {
        *reason = temporary.errorString();
        return false;
    }
    temporary.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                             QFile::ReadOther);
    if (temporary.write(bytes) != bytes.size() || !temporary.flush()) {
        *reason = writeFailure(QFileInfo(entry.path).absolutePath(), bytes.size(),
                               temporary.errorString());
        return false;
    }
    temporary.close();
    if (::rename(native(temporary.fileName()).constData(), native(entry.path).constData()) != 0) {
        *reason = errnoText(errno);
        return false;
    }
    temporary.setAutoRemove(false);
    return true;
}

bool removeFileOrLink(const QString& path) {
    if (QFileInfo(path).isRelative()) {
        return false;
    }
    struct stat status {};
    if (::lstat(native(path).constData(), &status) != 0 ||
        !(S_ISREG(status.st_mode) || S_ISLNK(status.st_mode))) {
        return false;
    }
    return ::unlink(native(path).constData()) == 0;
}

std::optional<QString> workingFolder(QString* reason) {
    char buffer[PATH_MAX];
    if (::getcwd(buffer, sizeof buffer) == nullptr) {
        const int error = errno;
        if (error == ENOENT) {
            *reason = tr("the folder it was started in no longer exists");
        } else if (error == ERANGE || error == ENAMETOOLONG) {
            *reason = tr("the path of the folder it was started in is too long");
        } else {
            *reason = tr("the folder it was started in cannot be found (%1)").arg(errnoText(error));
        }
        return std::nullopt;
    }
    const QString folder = QFile::decodeName(buffer);
    if (!QFileInfo(folder).isDir()) {
        *reason = tr("the folder it was started in no longer exists");
        return std::nullopt;
    }
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

bool diskFull(const QString& dir) {
    const QStorageInfo storage(dir);
    return storage.isValid() && storage.bytesAvailable() < fullDiskBytes;
}

QString writeFailure(const QString& dir, qint64 size, const QString& otherwise) {
    if (diskFull(dir)) {
        return tr("the disk is full");
    }
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        static_cast<rlim_t>(size) > limit.rlim_cur) {
        return tr("it is larger than the file size limit of %1 bytes").arg(limit.rlim_cur);
    }
    return otherwise;
}

void ignoreFileSizeSignal() {
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace safefile
