#pragma once

// Qt
#include <QByteArray>
#include <QLockFile>
#include <QString>
#include <QStringList>

// The small text files of the scores: 8-bit text where each byte is one
// character, lines ending in CR LF. Every failure throws GameError with a
// message naming the file.
namespace scores {

// A line longer than this is kept to its first part; no line of the lists
// or the counter is wider than 51 characters.
constexpr qsizetype maxLineLength = 256;
// A reader of n lines looks at no more than the first n * bytesPerLine bytes,
// so a huge file costs no more than a small one. Lines padded with up to this
// many bytes are still read whole.
constexpr qsizetype bytesPerLine = 4096;
// The most a list kept whole (as the backup of a new list) may hold.
constexpr qsizetype maxFileBytes = 64 * 1024;

// The first maxLines lines of the file, read no further than needed and no
// further than maxLines * bytesPerLine bytes (what lies beyond counts as cut
// off). A line ends at LF or CR LF (a CR on its own is an ordinary character);
// a last line without a line end is taken, a file ending in LF has no empty
// line after it. Only regular files are read, never through a link out of the
// folder, and the open never blocks.
QStringList readTextLines(const QString& path, qsizetype maxLines);

// The whole file as it is. Throws GameError for a file of more than
// maxFileBytes.
QByteArray readFileBytes(const QString& path);

// The lines as 8-bit text, each followed by CR LF. A character beyond 8 bits
// is written as "?".
QByteArray encodeLines(const QStringList& lines);

// Replaces the file with bytes in one step: the new content is written to a
// temporary file beside it, synced and renamed over the old one, so a failure
// leaves the old file exactly as it was. A link out of the folder, a FIFO, a
// socket, a device or a folder in the file's place is not written: GameError
// names it. A link that stays in the folder is written through.
void writeFileAtomically(const QString& path, const QByteArray& bytes);

// "Could not <action> <file name>: <reason>"
QString fileError(const QString& action, const QString& path, const QString& reason);

// A lock file guarding a read-change-write of a file that several games in one
// folder share. The lock of a process that died is taken over, and so is a
// lock whose owner cannot be told once it is a second old; a lock that is
// held throws GameError naming the guarded file once timeoutMs have passed.
// Anything but a regular file (or a link to one in the folder) in the lock
// file's place throws at once.
class FileLock {
  public:
    FileLock(const QString& guardedPath, int timeoutMs);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

  private:
    QLockFile m_lock;
};

} // namespace scores
