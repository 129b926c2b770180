// Reading a file of the game's folder: only a regular file, never through a
// link, never blocking on a FIFO, and no more than a bound.

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

using detail::inPlace;
using detail::native;

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

} // namespace safefile
