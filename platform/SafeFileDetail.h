#pragma once

// own
#include "platform/SafeFile.h"

// Qt
#include <QByteArray>
#include <QString>

// std
#include <sys/types.h>

// What the rooms of the game's folder share (SafeFile.cpp, SafeFileRead.cpp,
// SafeFileWrite.cpp, SafeFileSticky.cpp, SafeFileLeftovers.cpp): a name as
// the file system takes it, the phrase for what stands in a file's place,
// and a write that writes all.
namespace safefile::detail {

QByteArray native(const QString& name);

// "a folder is in its place": a whole phrase for each kind, so a
// translation can make the words agree.
QString inPlace(mode_t mode);

// Writes all of bytes; false with errno set when that fails.
bool writeAll(int fd, const QByteArray& bytes);

} // namespace safefile::detail
