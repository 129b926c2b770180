#pragma once

// own
#include "platform/FolderLock.h"
#include "platform/SafeFile.h"

// Qt
#include <QByteArray>
#include <QString>
#include <QStringList>

// The small text files of the scores, lines ending in CR LF: 8-bit text
// where each byte is one character (Latin-1), as every earlier version wrote
// them, and UTF-8 once a line holds a character Latin-1 lacks (a name in
// another script). A file is read as UTF-8 when it is valid UTF-8 with at
// least one character beyond ASCII, else as 8-bit text. Files are reached through the game's
// folder; every failure throws GameError with a message naming the file.
namespace scores {

// A line longer than this many bytes is kept to its first part; no line of
// the lists or the counter is wider than 51 characters, which in UTF-8 with
// the longest name the name box takes is under 250 bytes.
constexpr qsizetype maxLineLength = 256;
// A reader looks at no more than this many bytes, far more than any list
// the game writes, so lines padded with thousands of blanks are still read.
constexpr qint64 maxReadBytes = qint64(4) << 20;
// The most a list kept whole (as the backup of a new list) may hold: what
// every other list action reads, so a list one of them takes is kept too.
constexpr qsizetype maxFileBytes = maxReadBytes;

struct TextLines {
    QStringList lines;
    // False when the file may hold more than lines: something but blanks and
    // line ends follows them, or the file goes on past maxReadBytes. Such a
    // file is not rewritten from lines, or what follows would be lost.
    bool whole = true;
};

// The first maxLines lines of the file name in folder. A line ends at LF, CR
// LF or a lone CR; a last line without a line end is taken, a file ending in
// a line end has no empty line after it. A line is cut to maxLineLength and
// the reader goes on at the next line end. Only regular files are read,
// never through a link, and the open never blocks.
TextLines readTextLines(const safefile::Folder& folder, const QString& name, qsizetype maxLines);

// The first maxLines lines of bytes, split as readTextLines splits a file's
// (what a list written with encodeLines reads back as).
TextLines parseTextLines(const QByteArray& bytes, qsizetype maxLines);

// The whole file as it is. Throws GameError for a file of more than
// maxFileBytes.
QByteArray readFileBytes(const safefile::Folder& folder, const QString& name);

// The lines, each followed by CR LF: as 8-bit text while every character
// fits, and as UTF-8 when one does not or when the 8-bit bytes would read
// back as UTF-8.
QByteArray encodeLines(const QStringList& lines);

// Replaces the data file name with bytes through the folder's one writer:
// synced, renamed into place, a link or anything but a regular file in its
// place left alone and named in the GameError. With a lock, nothing is
// written unless it is still held (see FolderLock::checkHeld).
void writeDataFile(const safefile::Folder& folder, const QString& name, const QByteArray& bytes,
                   const safefile::FolderLock* lock = nullptr);

// "Could not write <name>: it holds more than the game can read ..." for a
// file of maxLines lines that is not whole.
QString notWholeError(const QString& name, qsizetype maxLines);

} // namespace scores
