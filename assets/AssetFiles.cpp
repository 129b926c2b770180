// own
#include "assets/AssetFiles.h"
#include "platform/GameError.h"
#include "platform/SafeFile.h"
#include "PictureDigests.h"

// Qt
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QBuffer>
#include <QImageReader>
#include <QResource>
#include <QtEndian>

// std
#include <algorithm>
#include <array>
#include <iterator>

namespace assets {

namespace {

// missing: the sentence naming the resource as missing, marked for translation.
QByteArray readResource(const QString& path, const char* missing) {
    const QResource resource(path);
    if (!resource.isValid()) {
        throw GameError(QCoreApplication::translate("assets", missing).arg(path));
    }
    if (resource.compressionAlgorithm() != QResource::NoCompression) {
        return resource.uncompressedData();
    }
    // The bytes stay in the program for its whole run: no copy is needed.
    return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                   static_cast<qsizetype>(resource.size()));
}

QString imageFile(const QString& name) {
    return name + QStringLiteral(".bmp");
}

// Qt's BMP reader fills a cut-off file with garbage rather than failing, so
// check that the file holds as many bytes as its header promises.
bool isWholeBmp(const QByteArray& bytes) {
    constexpr qsizetype headers = 14 + 40;
    if (bytes.size() < headers || !bytes.startsWith("BM")) {
        return false;
    }
    const char* data = bytes.constData();
    const quint32 fileSize = qFromLittleEndian<quint32>(data + 2);
    const quint32 pixelsAt = qFromLittleEndian<quint32>(data + 10);
    const qint64 width = qFromLittleEndian<qint32>(data + 18);
    const qint64 height = qFromLittleEndian<qint32>(data + 22);
    const quint16 bitsPerPixel = qFromLittleEndian<quint16>(data + 28);
    const quint32 compression = qFromLittleEndian<quint32>(data + 30);
    if (fileSize > bytes.size() || pixelsAt > bytes.size()) {
        return false;
    }
    if (compression != 0) {
        return true; // packed pixel data has no size to check against
    }
    const qint64 stride = (width * bitsPerPixel + 31) / 32 * 4;
    return qint64(pixelsAt) + stride * qAbs(height) <= bytes.size();
}

} // namespace

const QStringList& imageNames() {
    static const QStringList names = [] {
        QStringList list = {QStringLiteral("bengerl"), QStringLiteral("empty"),
                            QStringLiteral("engerl")};
        for (int number = 18; number <= 36; ++number) {
            list << QStringLiteral("img%1").arg(number);
        }
        list << QStringLiteral("kaeptn") << QStringLiteral("me") << QStringLiteral("metoo")
             << QStringLiteral("ok");
        return list;
    }();
    return names;
}

QStringList deletionOrder() {
    QStringList names = imageNames();
    const qsizetype me = names.indexOf(QStringLiteral("me"));
    const qsizetype metoo = names.indexOf(QStringLiteral("metoo"));
    names.move(metoo, me);
    return names;
}

QByteArray embeddedImage(const QString& name) {
    return readResource(QStringLiteral(":/images/%1.bmp").arg(name),
                        QT_TRANSLATE_NOOP("assets", "The picture %1 is missing from the program."));
}

QByteArray embeddedSound(const QString& name) {
    return readResource(QStringLiteral(":/sounds/%1.wav").arg(name),
                        QT_TRANSLATE_NOOP("assets", "The sound %1 is missing from the program."));
}

namespace {

// True when the file holds exactly the embedded picture name. Compared by
// size and SHA-1, so the embedded copy is not unpacked for a file that is
// intact. Reads no more of the file than the picture it should hold, and
// never through a link or from a FIFO.
bool sameContent(const safefile::Folder& folder, const QString& name) {
    const auto* digest =
        std::find_if(std::begin(digests::pictures), std::end(digests::pictures),
                     [&name](const digests::Digest& d) { return name == QLatin1String(d.name); });
    if (digest == std::end(digests::pictures)) {
        return false;
    }
    const QString file = imageFile(name);
    const safefile::Entry entry = folder.look(file);
    if (entry.kind != safefile::Entry::Kind::Regular || entry.size != digest->size) {
        return false;
    }
    try {
        const QByteArray bytes = folder.readPrefix(file, digest->size + 1);
        return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex() ==
               QByteArray(digest->sha1);
    } catch (const GameError&) {
        return false;
    }
}

} // namespace

bool holdsBuiltIn(const safefile::Folder& folder, const QString& name) {
    return sameContent(folder, name);
}

QStringList extractAll(const safefile::Folder& folder) {
    QStringList failures;
    for (const QString& name : imageNames()) {
        try {
            // A file that already holds exactly the picture is left as it is.
            if (sameContent(folder, name)) {
                continue;
            }
            // Written to a temporary file and renamed over the old one, so a
            // full disk never leaves a cut-off picture behind. A link in the
            // picture's place is replaced by the picture, never written
            // through. Not synced: the game can write a picture again.
            folder.write(imageFile(name), embeddedImage(name), safefile::Durability::Unsynced,
                         safefile::AtLink::Replace);
        } catch (const safefile::FileError& error) {
            failures << QCoreApplication::translate("assets", "Could not write %1: %2")
                            .arg(folder.displayName() + imageFile(name), error.reason());
        } catch (const GameError& error) {
            failures << error.message();
        }
    }
    return failures;
}

void deleteAll(const safefile::Folder& folder) {
    for (const QString& name : deletionOrder()) {
        // A link goes, its target stays; a file that stays is not worth stopping for.
        folder.remove(imageFile(name));
    }
}

namespace {

// The picture in the file, or a null image when it is missing, unreadable,
// malformed or larger than the budget.
QImage decodeFile(const safefile::Folder& folder, const QString& file) {
    QByteArray bytes;
    try {
        bytes = folder.readPrefix(file, maxPictureBytes + 1);
    } catch (const GameError&) {
        return {};
    }
    if (bytes.size() > maxPictureBytes || !isWholeBmp(bytes)) {
        return {};
    }
    const qint64 width = qFromLittleEndian<qint32>(bytes.constData() + 18);
    const qint64 height = qAbs(qFromLittleEndian<qint32>(bytes.constData() + 22));
    if (width <= 0 || height <= 0 || width * height * 4 > maxPictureBytes) {
        return {};
    }
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "BMP");
    reader.setAllocationLimit(static_cast<int>(maxPictureBytes >> 20));
    return reader.read();
}

} // namespace

QImage loadPicture(const safefile::Folder& folder, const QString& name) {
    const QString file = imageFile(name);
    QImage picture = folder.isOpen() ? decodeFile(folder, file) : QImage();
    if (!picture.isNull()) {
        return picture;
    }
    try {
        picture = QImage::fromData(embeddedImage(name), "BMP");
    } catch (const GameError&) {
        picture = QImage();
    }
    if (picture.isNull()) {
        const bool exists = folder.isOpen() && folder.exists(file);
        const QString reason =
            exists ? QCoreApplication::translate("assets", "it is not a readable BMP picture")
                   : QCoreApplication::translate("assets", "the file does not exist");
        throw GameError(QCoreApplication::translate("assets", "Could not load the picture %1: %2.")
                            .arg(folder.displayName() + file, reason));
    }
    return picture;
}

QString pictureName(int number) {
    static constexpr std::array<const char*, 18> names = {
        QT_TRANSLATE_NOOP("assets", "red circle"),
        QT_TRANSLATE_NOOP("assets", "blue square"),
        QT_TRANSLATE_NOOP("assets", "green triangle"),
        QT_TRANSLATE_NOOP("assets", "yellow star"),
        QT_TRANSLATE_NOOP("assets", "pink heart"),
        QT_TRANSLATE_NOOP("assets", "teal diamond"),
        QT_TRANSLATE_NOOP("assets", "navy moon"),
        QT_TRANSLATE_NOOP("assets", "orange sun"),
        QT_TRANSLATE_NOOP("assets", "purple cross"),
        QT_TRANSLATE_NOOP("assets", "black arrow"),
        QT_TRANSLATE_NOOP("assets", "olive hexagon"),
        QT_TRANSLATE_NOOP("assets", "sky blue drop"),
        QT_TRANSLATE_NOOP("assets", "lime leaf"),
        QT_TRANSLATE_NOOP("assets", "maroon bell"),
        QT_TRANSLATE_NOOP("assets", "grey anchor"),
        QT_TRANSLATE_NOOP("assets", "brown key"),
        QT_TRANSLATE_NOOP("assets", "magenta lightning bolt"),
        QT_TRANSLATE_NOOP("assets", "violet flower"),
    };
    if (number < 19 || number > 36) {
        return {};
    }
    return QCoreApplication::translate("assets", names[static_cast<std::size_t>(number - 19)]);
}

} // namespace assets
