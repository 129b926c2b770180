// Start-up's clean-up of a killed game's leftovers: temporary files of the
// player's own, old enough, beside the names the game writes.

// own
#include "platform/SafeFile.h"

// Qt
#include <QFile>

// std
#include <algorithm>
#include <cctype>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace safefile {

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

} // namespace safefile
