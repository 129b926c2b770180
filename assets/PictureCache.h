#pragma once

// own
#include "platform/SafeFile.h"

// Qt
#include <QHash>
#include <QImage>
#include <QString>

namespace assets {

// The pictures of the game's folder, decoded once and again only when their
// file changes on disk: dealing 36 card backs costs 36 look-ups, not 36
// decodings. Holds at most the 26 pictures of imageNames(), none larger than
// maxSide pixels a side, so a hostile folder cannot make it grow.
class PictureCache {
  public:
    // No control shows a picture larger than this (at twice the pixel density).
    static constexpr int maxSide = 400;

    // The picture fileName ("empty.bmp") of folder, as loadPicture gives it
    // (the built-in copy when the game has no folder). Throws GameError only
    // when neither file nor copy gives a picture.
    QImage picture(const safefile::Folder& folder, const QString& fileName);
    // The built-in copy of the picture fileName, decoded once from memory.
    // Throws GameError when the program holds no picture of that name.
    QImage builtIn(const QString& fileName);
    qsizetype size() const { return m_entries.size(); }

  private:
    struct Entry {
        qint64 size = -1; // -1: there was no file
        qint64 modifiedNs = 0;
        QImage image;
    };
    QHash<QString, Entry> m_entries;  // by file name
    QHash<QString, QImage> m_builtIn; // by file name, pictures of imageNames() only
};

} // namespace assets
