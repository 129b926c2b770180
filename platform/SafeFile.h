#pragma once

// own
#include "platform/GameError.h"

// Qt
#include <QByteArray>
#include <QString>

// std
#include <optional>

// File access in a folder the game does not control. Whatever stands at a
// name the game uses (a link out of the folder, a FIFO, a socket, a device, a
// folder) is found before anything is opened: nothing is written, created,
// renamed or deleted outside the folder, and no open can block.
namespace safefile {

// Thrown for a path that is not absolute: the game's folder could not be
// resolved at start-up, so there is nowhere files may go. The player was told
// once; handlers drop it without a message.
class NoFolderError : public GameError {
  public:
    using GameError::GameError;
};

// What stands at a path.
struct Entry {
    enum class Kind {
        Missing,     // nothing: a write creates path
        Regular,     // a regular file at path
        LinkOutside, // a link whose target lies outside the folder
        NotAFile,    // a FIFO, socket, device, folder or a chain of links too long
    };
    Kind kind = Kind::Missing;
    // Where a read or write goes: the path itself, or where links inside the
    // folder lead.
    QString path;
    // For LinkOutside and NotAFile: why it is not used, as the end of
    // "Could not read nog.txt: <reason>".
    QString reason;
};

// Looks at path without opening it. Links are followed as long as their
// targets stay inside the folder holding path (or a folder below it). Throws
// NoFolderError for a relative path.
Entry inspect(const QString& path);

// The first maxBytes bytes of the regular file at path (or fewer). Opens
// without blocking and never through a link out of the folder. Throws
// GameError "Could not read <name>: <reason>".
QByteArray readPrefix(const QString& path, qint64 maxBytes);

// Replaces the file at path by bytes in one step: a temporary file beside it
// is written, then renamed over path. A link in path's place is replaced by the
// file itself, so its target is never touched; a link inside the folder is
// followed. Not synced to disk: for files the game can make again. On failure
// returns false with the reason; path then stays as it was.
bool replaceFile(const QString& path, const QByteArray& bytes, QString* reason);

// Removes a regular file or a link (never a link's target) at path. Anything
// else stays. Returns true when something was removed.
bool removeFileOrLink(const QString& path);

// The working folder with a trailing "/", or nothing; then reason says why.
std::optional<QString> workingFolder(QString* reason);

// True when the file system holding dir has no room left.
bool diskFull(const QString& dir);

// Why writing size bytes into dir failed, when the platform's own words
// (given as otherwise) do not say: the disk is full, or the process's file
// size limit is below size.
QString writeFailure(const QString& dir, qint64 size, const QString& otherwise);

// A write beyond the process's file size limit then fails with an error
// instead of ending the process. Call once at process start.
void ignoreFileSizeSignal();

// "Could not <action> <file name>: <reason>"
QString fileError(const QString& action, const QString& path, const QString& reason);

} // namespace safefile
