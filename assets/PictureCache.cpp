// own
#include "assets/PictureCache.h"
#include "assets/AssetFiles.h"
#include "platform/GameError.h"

// Qt
#include <QCoreApplication>

namespace assets {

QImage PictureCache::picture(const safefile::Folder& folder, const QString& fileName) {
    const QString name = fileName.chopped(4);
    if (!folder.isOpen()) {
        return loadPicture(folder, name);
    }
    const safefile::Entry file = folder.look(fileName);
    const auto cached = m_entries.constFind(fileName);
    if (cached != m_entries.cend() && cached->size == file.size &&
        cached->modifiedNs == file.modifiedNs) {
        return cached->image;
    }
    QImage image = loadPicture(folder, name);
    if (image.width() > maxSide || image.height() > maxSide) {
        image = image.scaled(maxSide, maxSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    if (imageNames().contains(name)) {
        m_entries.insert(fileName, {file.size, file.modifiedNs, image});
    }
    return image;
}

QImage PictureCache::builtIn(const QString& fileName) {
    const auto cached = m_builtIn.constFind(fileName);
    if (cached != m_builtIn.cend()) {
        return *cached;
    }
    const QString name = fileName.chopped(4);
    const QImage image = QImage::fromData(embeddedImage(name), "BMP");
    if (image.isNull()) {
        throw GameError(
            QCoreApplication::translate("assets", "The picture %1 is damaged in the program.")
                .arg(fileName));
    }
    if (imageNames().contains(name)) {
        m_builtIn.insert(fileName, image);
    }
    return image;
}

} // namespace assets
