#pragma once

// own
#include "platform/SafeFile.h"

// Qt
#include <QByteArray>
#include <QMap>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

// File contents a game folder may hold after a crash, a full disk, a hand
// edit or another program's doing, and checks on what the game writes.
namespace hostile {

enum class Kind {
    Empty,
    RandomBytes,    // any byte value, short or long
    NulBytes,       // mostly NUL, with line ends and digits between
    CrWithoutLf,    // list lines ended by CR alone
    NoFinalLineEnd, // a list whose last line has no line end
    HundredsOfLines,
    Utf8Text,     // list lines with names in multi-byte UTF-8
    MutatedList,  // a well-formed list with a few bytes flipped, added or dropped
    MegabyteLine, // lines around the reader's line limit and byte budget, up to megabytes
};

// Every kind, for data-driven tests.
QList<Kind> allKinds();
QString kindName(Kind kind);

// One content of the kind, drawn from random.
QByteArray make(Kind kind, QRandomGenerator& random);

// A name as a player might type it, UTF-8 letters, controls and all.
QString typedName(QRandomGenerator& random);

// The lines a reader of the scores' files must return for bytes, taking at
// most maxLines from the first maxBytes bytes: a line ends at LF, CR LF or a
// lone CR, a last line without a line end counts, and each line keeps only
// its first maxLength characters. Written plainly, as a second opinion on the
// reader.
QStringList expectedLines(const QByteArray& bytes, qsizetype maxLines, qsizetype maxLength,
                          qsizetype maxBytes);
// Whether those lines are all the file holds: it ends within maxBytes and
// every line after the first maxLines is blank (spaces and tabs).
bool expectedWhole(const QByteArray& bytes, qsizetype maxLines, qsizetype maxBytes);

// What is wrong with the high-score list at path as the game writes it, or ""
// when nothing is: every line ends in CR LF, at most 12 lines, none longer than
// 51 characters (the widest line the save and the ranking can produce).
QString listProblem(const QString& path);

// Every entry under dir, by relative path, as describe() gives it. Lets a
// test see that a failed write changed nothing at all.
QMap<QString, QByteArray> snapshot(const QString& dir);

// What stands at path, looked at without following a link or opening anything
// that could block: the bytes of a regular file (its size and first bytes when
// it is larger than a megabyte), "<folder>", "<link to TARGET>", "<fifo>",
// "<socket>", "<missing>".
QByteArray describe(const QString& path);

// The shapes a name in the game's folder can take besides a plain file.
enum class Shape {
    LinkOut,          // a link to a file outside the folder
    LinkOutToNothing, // a link to a name outside the folder where nothing is yet
    LinkIn,           // a link to a file in a folder inside the game's folder
    Fifo,
    Socket,
    Folder,
    SizeLimit,       // the process may write no file past a few kilobytes
    HugeSparse,      // a file of many gigabytes, nearly all of it a hole
    Vanished,        // the working folder is removed before the game starts
    UnknownLock,     // a fresh lock file that names no process
    FullDisk,        // the folder is a small file system of its own, filled up
    LinkToList,      // a link to the game's own highscore.txt beside it
    ForeignLock,     // a lock file of a dead process, owned by another user (when root)
    CrOnlyList,      // the list planted with lines ending in CR alone
    PaddedList,      // the list planted with thousands of blanks after every line
    SetIdMode,       // a data file of mode 6751 (set-id, sticky bits, execute)
    LinkedLock,      // a lock file that is a hard link to the private victim outside
    OldLeftover,     // a temporary file of a game killed an hour ago
    NewLeftover,     // a temporary file a running game may be writing
    ForeignLeftover, // an hour-old temporary file of another user's game (when root)
    LeftoverFifo,    // an hour-old FIFO bearing a temporary file's name
    ReadOnlyDir,     // the folder's own file system, made read-only
    LimitNoRoom,     // a file size limit on a disk with 16 KiB left
};
QString shapeName(Shape shape);

// Puts shape at path. A link out points at outside; a link in points at
// "inner/<name>" beside path, which takes over what path held (or bytes); a
// huge sparse file starts with bytes, and so do the CR-only and padded lists
// (bytes being a list with CR LF line ends). False when it could not be made.
bool plant(Shape shape, const QString& path, const QString& outside, const QByteArray& bytes);

// Mounts a small file system of its own on folder while alive (root only;
// mounted() tells), and fills it up on fill().
class SmallDisk {
  public:
    explicit SmallDisk(const QString& folder);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    bool mounted() const { return m_mounted; }
    // Writes a file beside the rest until no more than leave bytes fit.
    void fill(qint64 leave = 0);
    bool makeReadOnly();

  private:
    QString m_folder;
    bool m_mounted = false;
};

// Lowers the process's file size limit while alive. Unlike WriteBlocker it
// leaves SIGXFSZ as it is, so what the game does with it shows.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(quint64 maxFileBytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    quint64 m_old = 0;
};

// The folder at dir, opened as the game opens its own.
safefile::Folder folderAt(const QString& dir);

QByteArray readAll(const QString& path);
bool writeAll(const QString& path, const QByteArray& bytes);

} // namespace hostile
