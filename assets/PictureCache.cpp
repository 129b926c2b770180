// own
#include "assets/PictureCache.h"
#include "assets/AssetFiles.h"
#include "platform/GameError.h"

// Qt
#include <QCoreApplication>
#include <QFileInfo>

namespace assets {

QImage PictureCache::picture(const QString& dir, const QString& fileName) {
    const QString name = fileName.chopped(4);
    if (dir.isEmpty()) {
        return loadPicture(QString(), name);
    }
    const QString path = dir + fileName;
    const QFileInfo file(path);
    const qint64 size = file.exists() ? file.size() : -1;
    const QDateTime modified = file.exists() ? file.lastModified() : QDateTime();
    const auto cached = m_entries.constFind(fileName);
    if (cached != m_entries.cend() && cached->size == size && cached->modified == modified) {
        return cached->image;
    }
    QImage image = loadPicture(path, name);
    if (image.width() > maxSide || image.height() > maxSide) {
        image = image.scaled(maxSide, maxSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    if (imageNames().contains(name)) {
        m_entries.insert(fileName, {size, modified, image});
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
