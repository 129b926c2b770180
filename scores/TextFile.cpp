// own
#include "scores/TextFile.h"
#include "scores/Characters.h"
#include "platform/GameError.h"

// Qt
#include <QCoreApplication>
#include <QStringDecoder>

// std
#include <algorithm>
#include <utility>

namespace scores {

namespace {

// The bytes as UTF-8, with the error flag of the decoder. A line cut short
// (cut) may end within a character, which is then left out.
std::pair<QString, bool> fromUtf8(const QByteArray& bytes, bool cut) {
    using Flag = QStringConverter::Flag;
    QStringDecoder decoder(QStringConverter::Utf8, cut ? Flag::ConvertInitialBom
                                                       : Flag::ConvertInitialBom | Flag::Stateless);
    QString text = decoder(bytes);
    return {text, decoder.hasError()};
}

bool isAscii(const QByteArray& bytes) {
    return std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return (c & 0x80) == 0; });
}

// Gathers lines from a file's bytes fed in pieces (8-bit text or UTF-8,
// decided once all are in), and tells whether anything
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
                } else {
                    m_cut = true;
                }
            }
        }
        return true;
    }

    TextLines finish(bool ended) {
        if (m_pending && !full()) {
            endLine();
        }
        // UTF-8 only when every line is UTF-8 and one holds more than ASCII:
        // 8-bit text of earlier versions is seldom valid UTF-8 by chance.
        QList<QString> utf8;
        bool anyWide = false;
        for (const RawLine& line : m_raw) {
            auto [text, error] = fromUtf8(line.bytes, line.cut);
            if (error) {
                utf8.clear();
                anyWide = false;
                break;
            }
            anyWide = anyWide || !isAscii(line.bytes);
            utf8 << text;
        }
        TextLines result{{}, ended && !m_more};
        for (qsizetype i = 0; i < m_raw.size(); ++i)
            result.lines << (anyWide ? utf8.at(i) : QString::fromLatin1(m_raw.at(i).bytes));
        return result;
    }

  private:
    bool full() const { return m_raw.size() >= m_maxLines; }

    void endLine() {
        m_raw.append({m_current, m_cut});
        m_current.clear();
        m_pending = false;
        m_cut = false;
    }

    struct RawLine {
        QByteArray bytes;
        bool cut;
    };

    qsizetype m_maxLines;
    QList<RawLine> m_raw;
    QByteArray m_current;
    bool m_pending = false; // characters seen since the last line end
    bool m_cut = false;     // the current line is longer than maxLineLength
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
    const auto joined = [&lines](bool utf8) {
        QByteArray bytes;
        for (const QString& line : lines)
            bytes += (utf8 ? line.toUtf8() : line.toLatin1()) + "\r\n";
        return bytes;
    };
    const bool latin1 = std::all_of(lines.cbegin(), lines.cend(), fitsLatin1);
    if (latin1) {
        // 8-bit text that would read back as UTF-8 ("Ã©" for an "é") is
        // written as UTF-8 instead, so it reads back as it was.
        QByteArray bytes = joined(false);
        if (isAscii(bytes) || fromUtf8(bytes, false).second)
            return bytes;
    }
    return joined(true);
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
