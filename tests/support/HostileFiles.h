#pragma once

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
    MegabyteLine, // one line around the reader's 1 MiB line limit, and its chunk edges
};

// Every kind, for data-driven tests.
QList<Kind> allKinds();
QString kindName(Kind kind);

// One content of the kind, drawn from random.
QByteArray make(Kind kind, QRandomGenerator& random);

// A name as a player might type it, UTF-8 letters, controls and all.
QString typedName(QRandomGenerator& random);

// The lines a reader of the scores' files must return for bytes, taking at
// most maxLines: a line ends at LF, a CR right before that LF belongs to the
// line end, a last line without LF counts, and each line keeps only its first
// maxLength characters. Written plainly, as a second opinion on the reader
// that works in chunks.
QStringList expectedLines(const QByteArray& bytes, qsizetype maxLines, qsizetype maxLength);

// What is wrong with the high-score list at path as the game writes it, or ""
// when nothing is: every line ends in CR LF, at most 12 lines, none longer than
// 51 characters (the widest line the save and the ranking can produce).
QString listProblem(const QString& path);

// Every entry under dir, by relative path: the bytes of a file, "<folder>"
// for a folder. Lets a test see that a failed write changed nothing at all.
QMap<QString, QByteArray> snapshot(const QString& dir);

QByteArray readAll(const QString& path);
bool writeAll(const QString& path, const QByteArray& bytes);

} // namespace hostile
