#include "scores/TextFile.h"

#include "platform/GameError.h"

// Qt
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

// std
#include <cstring>

namespace scores {

namespace {

constexpr qint64 chunkSize = 64 * 1024;
// A lock older than this is taken as left behind even when its process
// cannot be checked (another machine on a shared folder).
constexpr int staleLockMs = 10'000;

// Gathers lines from 8-bit text fed in pieces.
class LineCollector {
  public:
    explicit LineCollector(qsizetype maxLines) : m_maxLines(maxLines) {}

    bool full() const { return m_lines.size() >= m_maxLines; }

    void feed(const char* data, qsizetype size) {
        const char* const end = data + size;
        while (data < end && !full()) {
            const auto* lineEnd = static_cast<const char*>(std::memchr(data, '\n', end - data));
            append(data, (lineEnd ? lineEnd : end) - data);
            if (!lineEnd)
                break;
            endLine();
            data = lineEnd + 1;
        }
    }

    QStringList finish() {
        if (m_pending && !full()) {
            m_lines << QString::fromLatin1(m_current);
            m_current.clear();
            m_pending = false;
        }
        return m_lines;
    }

  private:
    void append(const char* data, qsizetype size) {
        if (size == 0)
            return;
        m_pending = true;
        const qsizetype room = maxLineLength - m_current.size();
        if (size > room) {
            m_cut = true;
            size = room;
        }
        m_current.append(data, size);
    }

    void endLine() {
        if (!m_cut && m_current.endsWith('\r'))
            m_current.chop(1);
        m_lines << QString::fromLatin1(m_current);
        m_current.clear();
        m_pending = false;
        m_cut = false;
    }

    qsizetype m_maxLines;
    QStringList m_lines;
    QByteArray m_current;
    bool m_pending = false; // characters seen since the last line end
    bool m_cut = false;     // the current line ran past maxLineLength
};

QString folderInPlace() {
    return QStringLiteral("a folder is in its place");
}

QString fileName(const QString& path) {
    return QFileInfo(path).fileName();
}

// Opens path for reading; a folder in the file's place is an error too.
void openForReading(QFile& file) {
    if (QFileInfo(file.fileName()).isDir())
        throw GameError(fileError(QStringLiteral("read"), file.fileName(), folderInPlace()));
    if (!file.open(QIODevice::ReadOnly))
        throw GameError(fileError(QStringLiteral("read"), file.fileName(), file.errorString()));
}

void throwReadError(const QFile& file) {
    throw GameError(fileError(QStringLiteral("read"), file.fileName(), file.errorString()));
}

} // namespace

QString fileError(const QString& action, const QString& path, const QString& reason) {
    return QStringLiteral("Could not %1 %2: %3").arg(action, fileName(path), reason);
}

QStringList readTextLines(const QString& path, qsizetype maxLines) {
    QFile file(path);
    openForReading(file);
    LineCollector collector(maxLines);
    QByteArray chunk(chunkSize, Qt::Uninitialized);
    while (!collector.full()) {
        const qint64 got = file.read(chunk.data(), chunkSize);
        if (got < 0)
            throwReadError(file);
        if (got == 0)
            break;
        collector.feed(chunk.constData(), got);
    }
    return collector.finish();
}

QByteArray readFileBytes(const QString& path) {
    QFile file(path);
    openForReading(file);
    QByteArray bytes;
    QByteArray chunk(chunkSize, Qt::Uninitialized);
    for (;;) {
        const qint64 got = file.read(chunk.data(), chunkSize);
        if (got < 0)
            throwReadError(file);
        if (got == 0)
            break;
        bytes.append(chunk.constData(), got);
    }
    return bytes;
}

QByteArray encodeLines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

void writeFileAtomically(const QString& path, const QByteArray& bytes) {
    const QString write = QStringLiteral("write");
    if (QFileInfo(path).isDir())
        throw GameError(fileError(write, path, folderInPlace()));
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        throw GameError(fileError(write, path, file.errorString()));
    // commit() would flush the buffer itself, but Qt 6.4 ignores an error
    // there (a full disk) and renames a cut-off file over the old one. So the
    // buffer is flushed and checked first.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw GameError(fileError(write, path, reason));
    }
    // commit() closes and renames; on failure it removes the temporary file
    // and the old one stays.
    if (!file.commit())
        throw GameError(fileError(write, path, file.errorString()));
}

FileLock::FileLock(const QString& guardedPath, int timeoutMs)
    : m_lock(guardedPath + QStringLiteral(".lock")) {
    m_lock.setStaleLockTime(staleLockMs);
    // A folder in the lock file's place does not go away by waiting.
    if (QFileInfo(m_lock.fileName()).isDir())
        throw GameError(fileError(QStringLiteral("lock"), guardedPath,
                                  QStringLiteral("a folder is in the place of its lock file %1")
                                      .arg(fileName(m_lock.fileName()))));
    if (m_lock.tryLock(timeoutMs))
        return;
    QString reason;
    switch (m_lock.error()) {
    case QLockFile::LockFailedError:
        reason = QStringLiteral("another game is using it, please try again");
        break;
    case QLockFile::PermissionError:
        reason = QStringLiteral("no permission to create the lock file %1")
                     .arg(fileName(m_lock.fileName()));
        break;
    default:
        reason =
            QStringLiteral("the lock file %1 cannot be created").arg(fileName(m_lock.fileName()));
        break;
    }
    throw GameError(fileError(QStringLiteral("lock"), guardedPath, reason));
}

FileLock::~FileLock() {
    m_lock.unlock();
}

} // namespace scores
