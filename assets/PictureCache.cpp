// own
#include "assets/PictureCache.h"
#include "assets/AssetFiles.h"

// Qt
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

} // namespace assets
