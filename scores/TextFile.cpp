// own
#include "scores/TextFile.h"
#include "platform/GameError.h"

// Qt
#include <QCoreApplication>

namespace scores {

namespace {

// Gathers lines from 8-bit text fed in pieces, and tells whether anything
// but blanks and line ends follows the lines it wants.
class LineCollector {
  public:
    explicit LineCollector(qsizetype maxLines) : m_maxLines(maxLines) {}

    // False once the answer is known: more than blanks follow the lines.
    bool feed(const char* data, qsizetype size) {
        for (const char* end = data + size; data < end; ++data) {
            const char c = *data;
            const bool lfAfterCr = m_afterCr && c == '\n';
            m_afterCr = c == '\r';
            if (lfAfterCr) {
                continue;
            }
            if (full()) {
                if (c != '\r' && c != '\n' && c != ' ' && c != '\t') {
                    m_more = true;
                    return false;
                }
            } else if (c == '\r' || c == '\n') {
                endLine();
            } else {
                m_pending = true;
                if (m_current.size() < maxLineLength) {
                    m_current.append(c);
                }
            }
        }
        return true;
    }

    TextLines finish(bool ended) {
        if (m_pending && !full()) {
            endLine();
        }
        return {m_lines, ended && !m_more};
    }

  private:
    bool full() const { return m_lines.size() >= m_maxLines; }

    void endLine() {
        m_lines << QString::fromLatin1(m_current);
        m_current.clear();
        m_pending = false;
    }

    qsizetype m_maxLines;
    QStringList m_lines;
    QByteArray m_current;
    bool m_pending = false; // characters seen since the last line end
    bool m_afterCr = false; // the last byte was a CR, so an LF now ends nothing
    bool m_more = false;    // more than blanks follow the lines taken
};

} // namespace

QString notWholeError(const QString& name, qsizetype maxLines) {
    return safefile::fileError(
        safefile::FileAction::Write, name,
        QCoreApplication::translate("scores",
                                    "it holds more than the game can read (more than %n lines or "
                                    "more than %1 MB), so it is left as it is",
                                    nullptr, int(maxLines))
            .arg(maxReadBytes >> 20));
}

TextLines readTextLines(const safefile::Folder& folder, const QString& name, qsizetype maxLines) {
    LineCollector collector(maxLines);
    const bool ended =
        folder.readPieces(name, maxReadBytes, [&collector](const char* data, qsizetype size) {
            return collector.feed(data, size);
        });
    return collector.finish(ended);
}

TextLines parseTextLines(const QByteArray& bytes, qsizetype maxLines) {
    LineCollector collector(maxLines);
    collector.feed(bytes.constData(), bytes.size());
    return collector.finish(true);
}

QByteArray readFileBytes(const safefile::Folder& folder, const QString& name) {
    QByteArray bytes = folder.readPrefix(name, maxFileBytes + 1);
    if (bytes.size() > maxFileBytes) {
        throw GameError(safefile::fileError(
            safefile::FileAction::Keep, name,
            QCoreApplication::translate("scores",
                                        "it holds more than %n bytes, far more than a list; move "
                                        "it away to start a new list",
                                        nullptr, int(maxFileBytes))));
    }
    return bytes;
}

QByteArray encodeLines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

void writeDataFile(const safefile::Folder& folder, const QString& name, const QByteArray& bytes,
                   const safefile::FolderLock* lock) {
    if (lock == nullptr) {
        folder.write(name, bytes, safefile::Durability::Synced, safefile::AtLink::Report);
        return;
    }
    lock->checkHeld(name);
    // Once more right before the file is named, narrowing the moment a lock
    // file removed by hand could let a second game in.
    folder.write(name, bytes, safefile::Durability::Synced, safefile::AtLink::Report,
                 [lock, &name] { lock->checkHeld(name); });
}

} // namespace scores
