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

// A line longer than this is kept to its first part; nothing of the lists
// lies anywhere near that far out.
constexpr qsizetype maxLineLength = qsizetype(1) << 20;

// The first maxLines lines of the file, read no further than needed. A line
// ends at LF or CR LF (a CR on its own is an ordinary character); a last line
// without a line end is taken, a file ending in LF has no empty line after it.
QStringList readTextLines(const QString& path, qsizetype maxLines);

// The whole file as it is.
QByteArray readFileBytes(const QString& path);

// The lines as 8-bit text, each followed by CR LF. A character beyond 8 bits
// is written as "?".
QByteArray encodeLines(const QStringList& lines);

// Replaces the file with bytes in one step: the new content is written to a
// temporary file beside it and renamed over the old one, so a failure leaves
// the old file exactly as it was.
void writeFileAtomically(const QString& path, const QByteArray& bytes);

// "Could not <action> <file name>: <reason>"
QString fileError(const QString& action, const QString& path, const QString& reason);

// A lock file guarding a read-change-write of a file that several games in one
// folder share. The lock of a process that died is taken over; a lock that is
// held throws GameError naming the guarded file once timeoutMs have passed.
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
