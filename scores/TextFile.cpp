// own
#include "scores/TextFile.h"
#include "platform/GameError.h"
#include "platform/SafeFile.h"

// Qt
#include <QFile>
#include <QFileInfo>
#include <QDateTime>
#include <QSaveFile>
#include <QSysInfo>

// std
#include <cstring>

namespace scores {

namespace {

// A lock older than this is taken as left behind even when its process
// cannot be checked (another machine on a shared folder).
constexpr int staleLockMs = 10'000;
// A lock file that does not say which process on this machine holds it (cut
// off, emptied, written by something else) is left behind once this old.
constexpr int unknownOwnerStaleMs = 1000;
// The lock files the game writes are a few dozen bytes.
constexpr qint64 maxLockFileBytes = 1024;

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

QString fileName(const QString& path) {
    return QFileInfo(path).fileName();
}

// True when the lock file names a process on this machine, so that whether it
// still runs can be checked: "<pid>\n<application>\n<host>\n...".
bool ownerKnown(const QString& path) {
    QByteArray bytes;
    try {
        bytes = safefile::readPrefix(path, maxLockFileBytes);
    } catch (const GameError&) {
        return false;
    }
    const QList<QByteArray> lines = bytes.split('\n');
    bool isNumber = false;
    const qint64 pid = lines.value(0).toLongLong(&isNumber);
    const QString host = QString::fromUtf8(lines.value(2));
    return isNumber && pid > 0 && lines.size() >= 3 &&
           (host.isEmpty() || host == QSysInfo::machineHostName());
}

} // namespace

QString fileError(const QString& action, const QString& path, const QString& reason) {
    return safefile::fileError(action, path, reason);
}

QStringList readTextLines(const QString& path, qsizetype maxLines) {
    const QByteArray bytes = safefile::readPrefix(path, maxLines * bytesPerLine);
    LineCollector collector(maxLines);
    collector.feed(bytes.constData(), bytes.size());
    return collector.finish();
}

QByteArray readFileBytes(const QString& path) {
    QByteArray bytes = safefile::readPrefix(path, maxFileBytes + 1);
    if (bytes.size() > maxFileBytes) {
        throw GameError(fileError(QStringLiteral("keep"), path,
                                  QStringLiteral("it holds more than %1 bytes, far more than a "
                                                 "list; move it away to start a new list")
                                      .arg(maxFileBytes)));
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
    const safefile::Entry entry = safefile::inspect(path);
    if (entry.kind == safefile::Entry::Kind::LinkOutside ||
        entry.kind == safefile::Entry::Kind::NotAFile)
        throw GameError(fileError(write, path, entry.reason));
    // QSaveFile would follow a link itself; it gets where the link leads.
    QSaveFile file(entry.path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        throw GameError(fileError(write, path, file.errorString()));
    // commit() would flush the buffer itself, but Qt 6.4 ignores an error
    // there (a full disk) and renames a cut-off file over the old one. So the
    // buffer is flushed and checked first.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = safefile::writeFailure(QFileInfo(entry.path).absolutePath(),
                                                      bytes.size(), file.errorString());
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
    const QString lock = QStringLiteral("lock");
    const QString lockName = fileName(m_lock.fileName());
    const safefile::Entry entry = safefile::inspect(m_lock.fileName());
    // Neither goes away by waiting.
    if (entry.kind == safefile::Entry::Kind::LinkOutside)
        throw GameError(fileError(
            lock, guardedPath,
            QStringLiteral("its lock file %1 is not used: %2").arg(lockName, entry.reason)));
    if (entry.kind == safefile::Entry::Kind::NotAFile)
        throw GameError(
            fileError(lock, guardedPath,
                      QString(entry.reason)
                          .replace(QStringLiteral("its place"),
                                   QStringLiteral("the place of its lock file ") + lockName)));
    m_lock.setStaleLockTime(staleLockMs);
    if (entry.kind == safefile::Entry::Kind::Regular && !ownerKnown(entry.path)) {
        // QLockFile would read all of a huge file before judging it, so one
        // that is no game's lock is removed here once it is too old or too big.
        const QFileInfo info(entry.path);
        const qint64 age = qAbs(info.lastModified().msecsTo(QDateTime::currentDateTime()));
        if (info.size() > maxLockFileBytes || age > unknownOwnerStaleMs)
            safefile::removeFileOrLink(m_lock.fileName());
        m_lock.setStaleLockTime(unknownOwnerStaleMs);
    }
    if (m_lock.tryLock(timeoutMs))
        return;
    QString reason;
    switch (m_lock.error()) {
    case QLockFile::LockFailedError:
        reason = QStringLiteral("another game is using it, please try again");
        break;
    case QLockFile::PermissionError:
        reason = QStringLiteral("no permission to create the lock file %1").arg(lockName);
        break;
    default:
        reason = safefile::diskFull(QFileInfo(guardedPath).absolutePath())
                     ? QStringLiteral("the disk is full")
                     : QStringLiteral("the lock file %1 cannot be created").arg(lockName);
        break;
    }
    throw GameError(fileError(lock, guardedPath, reason));
}

FileLock::~FileLock() {
    m_lock.unlock();
}

} // namespace scores
