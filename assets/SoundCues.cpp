// own
#include "assets/SoundCues.h"
#include "platform/GameError.h"

// Qt
#include <QCoreApplication>
#include <QFile>
#include <QtEndian>

// std
#include <algorithm>

namespace assets {

namespace {

QString soundPath(const QString& name) {
    return QStringLiteral(":/sounds/%1.wav").arg(name);
}

// The fmt and data chunks of the game's sounds follow the 12-byte RIFF
// header; a few hundred bytes cover them and any small chunk before them.
constexpr qint64 HeadBytes = 512;

} // namespace

QUrl soundUrl(const QString& name) {
    return QUrl(QStringLiteral("qrc") + soundPath(name));
}

std::optional<int> wavLengthMs(const QByteArray& head, qint64 fileSize) {
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE") {
        return std::nullopt;
    }
    const qint64 size = fileSize < 0 ? head.size() : fileSize;
    quint32 byteRate = 0;
    qint64 at = 12;
    while (at + 8 <= head.size()) {
        const QByteArray id = head.mid(at, 4);
        const quint32 declared = qFromLittleEndian<quint32>(head.constData() + at + 4);
        const qint64 bodyAt = at + 8;
        if (id == "fmt " && declared >= 16 && bodyAt + 16 <= head.size()) {
            byteRate = qFromLittleEndian<quint32>(head.constData() + bodyAt + 8);
        } else if (id == "data") {
            if (byteRate == 0) {
                return std::nullopt; // no format, or one that plays nothing
            }
            const qint64 bytes = std::clamp<qint64>(size - bodyAt, 0, declared);
            return int(bytes * 1000 / byteRate);
        }
        // Chunks are padded to an even length.
        at = bodyAt + qint64(declared) + (declared & 1U);
    }
    return std::nullopt;
}

int soundLengthMs(const QString& name) {
    QFile file(soundPath(name));
    if (!file.open(QIODevice::ReadOnly)) {
        throw GameError(
            QCoreApplication::translate("assets", "The sound %1 is missing from the program.")
                .arg(file.fileName()));
    }
    const QByteArray head = file.read(HeadBytes);
    const qint64 size = file.size();
    file.close();
    const std::optional<int> length = wavLengthMs(head, size);
    if (!length) {
        throw GameError(
            QCoreApplication::translate("assets", "The sound %1 is damaged.").arg(file.fileName()));
    }
    return *length;
}

} // namespace assets
