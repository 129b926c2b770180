#pragma once

// own
#include "platform/SafeFile.h"

// Qt
#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

// The pictures and sounds compiled into the game, and the picture files the
// game keeps in its working folder. Pictures live at :/images/<name>.bmp,
// sounds at :/sounds/<name>.wav.
namespace assets {

// A picture file larger than this, or one whose pixels would take more, is
// not decoded: the built-in copy is shown instead.
constexpr qsizetype maxPictureBytes = qsizetype(4) << 20;

// The 26 picture names, in the order they are written: bengerl, empty,
// engerl, img18, img19 ... img36, kaeptn, me, metoo, ok.
const QStringList& imageNames();

// The same names in the order they are removed: "metoo" before "me".
QStringList deletionOrder();

// The bytes of an embedded picture, exactly as stored. Throws GameError when
// there is no picture of that name.
QByteArray embeddedImage(const QString& name);

// Writes every embedded picture as name + ".bmp" into folder, replacing what
// is there. Each file is written whole or not at all; a link in a picture's
// place is replaced by the file (its target is not touched), and a FIFO,
// socket, device or folder there is left alone and reported. Goes on after a
// failure; returns one message per file that could not be written, naming
// the file and the reason. An empty list means all were written.
QStringList extractAll(const safefile::Folder& folder);

// True when the folder's file of picture name ("empty") holds exactly the
// game's built-in copy.
bool holdsBuiltIn(const safefile::Folder& folder, const QString& name);

// Removes name + ".bmp" from folder for every picture name that is a file or
// a link there (a link's target stays). Files that cannot be removed are left
// alone; nothing else is touched.
void deleteAll(const safefile::Folder& folder);

// Loads the BMP file name + ".bmp" of folder. When that file is missing,
// cannot be read, is not a regular file, is malformed or larger than
// maxPictureBytes, or the game has no folder, the embedded picture of that
// name is used instead, so the game stays playable in a folder where nothing
// could be written. Throws GameError naming the file only when neither gives
// a picture.
QImage loadPicture(const safefile::Folder& folder, const QString& name);

// A short name of the card face number 19..36 ("red circle"), for screen
// readers. Empty for any other number.
QString pictureName(int number);

// The bytes of an embedded sound file ("1tro", "4hrf"), exactly as stored.
// Throws GameError when there is no sound of that name.
QByteArray embeddedSound(const QString& name);

} // namespace assets
