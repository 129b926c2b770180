// The game's folder: its descriptor, the messages of its file actions,
// opening it, looking at a name in it and removing a file. Reading, writing,
// the rewrite in a sticky folder and the clean-up of leftovers have rooms of
// their own beside this one.

// own
#include "platform/SafeFile.h"
#include "platform/SafeFileDetail.h"

// Qt
#include <QCoreApplication>
#include <QFile>

// std
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace safefile {

namespace detail {

QByteArray native(const QString& name) {
    return QFile::encodeName(name);
}

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

} // namespace detail

using detail::inPlace;
using detail::native;

namespace {

QString linkReason(int dir, const QByteArray& name) {
    char target[PATH_MAX];
    const ssize_t length = ::readlinkat(dir, name.constData(), target, sizeof target - 1);
    const QString to = length < 0 ? QString() : QFile::decodeName(QByteArray(target, length));
    return QCoreApplication::translate("safefile",
                                       "it is a link to %1, and the game follows no links")
        .arg(to);
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

void ignoreFileSizeSignal() {
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace safefile
