// own
#include "support/HostileFiles.h"

// Qt
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTextBoundaryFinder>

// std
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <cstring>
#include <sys/un.h>
#include <unistd.h>

namespace hostile {

namespace {

constexpr qsizetype lineLimit = 256;    // the reader's line limit
constexpr qsizetype budget = 12 * 4096; // the list reader's byte budget
constexpr qsizetype chunk = 64 * 1024;  // a read's chunk size

const char* const wellFormed[] = {
    "1  Robin                   00:00:12 07.12.2026   40",
    "2  King Lear               00:10:01 01.02.1592  223",
    "3  ....................... 10:10:00 ..........  222",
    "4  Santa Claus             00:10:02 01.02.1692  324",
    "5  Novice                  00:11:11 11.11.1111  111",
    "6  Ann                     00:01:59 31.12.2025  999",
    "7  Bo                      23:59:59 29.02.2024    7",
    "8  ....................... 10:11:10 ..........  202",
    "9  ....................... 10:10:09 ..........  195",
    "10 Long Name Right To The E00:00:30 01.01.2027   36",
    "11 ....................... 10:11:00 ..........  201",
    "12 ....................... 10:10:10 ..........  200",
};

const char* const utf8Names[] = {
    "J\xc3\xbcrgen M\xc3\xbcller",          // Jürgen Müller
    "\xe5\x90\x8d\xe5\x89\x8d",             // two CJK characters
    "\xf0\x9f\x98\x80 smile",               // an emoji, four bytes
    "Zo\xc3\xab \xe2\x80\x93 \xe2\x82\xac", // Zoë – €
    "\xd0\x9c\xd0\xb0\xd1\x88\xd0\xb0",     // Cyrillic
    "\xc3",                                 // a cut-off sequence
};

QByteArray randomBytes(QRandomGenerator& random, qsizetype size) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& c : bytes) {
        c = static_cast<char>(random.bounded(256));
    }
    return bytes;
}

char pick(QRandomGenerator& random, const QByteArray& from) {
    return from.at(random.bounded(static_cast<int>(from.size())));
}

QList<QByteArray> someListLines(QRandomGenerator& random) {
    QList<QByteArray> lines;
    const int count = random.bounded(1, 16);
    const int first = random.bounded(12);
    for (int i = 0; i < count; ++i) {
        lines << QByteArray(wellFormed[(first + i) % 12]);
    }
    return lines;
}

QByteArray joined(const QList<QByteArray>& lines, const QByteArray& end) {
    QByteArray bytes;
    for (const QByteArray& line : lines) {
        bytes += line + end;
    }
    return bytes;
}

QByteArray mutated(QRandomGenerator& random) {
    QByteArray bytes = joined(someListLines(random), "\r\n");
    const QByteArray specials("\r\n\0 :.0123456789\xff\x7f\t", 17);
    const int mutations = random.bounded(1, 9);
    for (int m = 0; m < mutations && !bytes.isEmpty(); ++m) {
        const int at = random.bounded(static_cast<int>(bytes.size()));
        switch (random.bounded(7)) {
        case 0: // any byte in place of one
            bytes[at] = static_cast<char>(random.bounded(256));
            break;
        case 1: // a special byte added
            bytes.insert(at, pick(random, specials));
            break;
        case 2: // a byte lost
            bytes.remove(at, 1);
            break;
        case 3: // cut off, as by a full disk
            bytes.truncate(at);
            break;
        case 4: // a run of spaces, making a line wider or blank
            bytes.insert(at, QByteArray(random.bounded(1, 80), ' '));
            break;
        case 5: // a line end added or turned into a lone CR
            bytes.insert(at, random.bounded(2) ? "\r" : "\n");
            break;
        default: // a piece repeated
            bytes.insert(at, bytes.mid(random.bounded(static_cast<int>(bytes.size())),
                                       random.bounded(1, 120)));
            break;
        }
    }
    return bytes;
}

QByteArray megabyteLine(QRandomGenerator& random) {
    const qsizetype lengths[] = {lineLimit - 1, lineLimit, lineLimit + 1, lineLimit + 2,
                                 4095,          4096,      budget - 53,   budget - 52,
                                 budget - 2,    budget,    chunk + 1,     3 << 20};
    const qsizetype length = lengths[random.bounded(static_cast<int>(std::size(lengths)))];
    QByteArray bytes;
    if (random.bounded(2)) {
        bytes += QByteArray(wellFormed[0]) + "\r\n"; // the long line is not the first one
    }
    switch (random.bounded(3)) {
    case 0:
        bytes += QByteArray(length, 'x');
        break;
    case 1:
        bytes += QByteArray(length, ' '); // blank: the ranking puts a placeholder there
        break;
    default:
        bytes += randomBytes(random, length).replace('\n', 'n');
        break;
    }
    // A CR LF whose CR is the last byte of a 64 KiB chunk, or the line limit's edge.
    switch (random.bounded(4)) {
    case 0:
        bytes += "\r\n";
        break;
    case 1:
        bytes += "\n";
        break;
    case 2:
        bytes += "\r";
        break;
    default:
        break;
    }
    if (random.bounded(2)) {
        bytes += joined(someListLines(random), "\r\n");
    }
    return bytes;
}

} // namespace

namespace {

const struct {
    Kind kind;
    const char* name;
} kinds[] = {
    {Kind::Empty, "empty file"},
    {Kind::RandomBytes, "random bytes"},
    {Kind::NulBytes, "NUL bytes"},
    {Kind::CrWithoutLf, "CR without LF"},
    {Kind::NoFinalLineEnd, "no final line end"},
    {Kind::HundredsOfLines, "hundreds of lines"},
    {Kind::Utf8Text, "UTF-8 text"},
    {Kind::MutatedList, "mutated list"},
    {Kind::MegabyteLine, "megabyte line"},
};

} // namespace

QList<Kind> allKinds() {
    QList<Kind> all;
    for (const auto& k : kinds) {
        all << k.kind;
    }
    return all;
}

QString kindName(Kind kind) {
    for (const auto& k : kinds) {
        if (k.kind == kind) {
            return QString::fromLatin1(k.name);
        }
    }
    return {};
}

QByteArray make(Kind kind, QRandomGenerator& random) {
    switch (kind) {
    case Kind::Empty:
        return {};
    case Kind::RandomBytes:
        return randomBytes(random, random.bounded(random.bounded(2) ? 64 : 4096));
    case Kind::NulBytes: {
        const QByteArray alphabet("\0\0\0\0\0\0\r\n 1", 10);
        QByteArray bytes(random.bounded(1, 2000), Qt::Uninitialized);
        for (char& c : bytes) {
            c = pick(random, alphabet);
        }
        return bytes;
    }
    case Kind::CrWithoutLf:
        return joined(someListLines(random), "\r");
    case Kind::NoFinalLineEnd: {
        QByteArray bytes = joined(someListLines(random), random.bounded(2) ? "\r\n" : "\n");
        bytes.chop(random.bounded(2) ? 2 : 1);
        return bytes.endsWith('\r') ? bytes.chopped(1) : bytes;
    }
    case Kind::HundredsOfLines: {
        QByteArray bytes;
        const int lines = random.bounded(100, 900);
        for (int i = 0; i < lines; ++i) {
            bytes += random.bounded(3) ? QByteArray(wellFormed[random.bounded(12)])
                                       : randomBytes(random, random.bounded(90)).replace('\n', 'n');
            bytes += random.bounded(4) ? "\r\n" : "\n";
        }
        return bytes;
    }
    case Kind::Utf8Text: {
        QList<QByteArray> lines = someListLines(random);
        for (QByteArray& line : lines) {
            // The name column holds UTF-8 bytes, so the line's columns shift.
            const QByteArray name(
                utf8Names[random.bounded(static_cast<int>(std::size(utf8Names)))]);
            line = line.left(3) + name + line.mid(3 + name.size() / 2);
        }
        return joined(lines, "\r\n");
    }
    case Kind::MutatedList:
        return mutated(random);
    case Kind::MegabyteLine:
        return megabyteLine(random);
    }
    return {};
}

QString typedName(QRandomGenerator& random) {
    switch (random.bounded(5)) {
    case 0:
        return QString::fromUtf8(utf8Names[random.bounded(static_cast<int>(std::size(utf8Names)))]);
    case 1:
        return QStringLiteral("Tab\tand\nline\r\nbreak");
    case 2:
        return QString(random.bounded(60), QChar(0x263a)); // beyond 8 bits, longer than the column
    case 3:
        return {};
    default:
        return QString::fromLatin1(randomBytes(random, random.bounded(40)));
    }
}

namespace {

// The lines of bytes with every line end (CR LF, LF, lone CR) made one LF.
QList<QByteArray> plainLines(const QByteArray& bytes) {
    QByteArray text = bytes;
    text.replace("\r\n", "\n").replace('\r', '\n');
    QList<QByteArray> pieces = text.split('\n');
    // The piece after the last line end is a line only when it holds something.
    if (pieces.last().isEmpty()) {
        pieces.removeLast();
    }
    return pieces;
}

// The lines as UTF-8 when each is UTF-8 (a cut one may lose an unfinished
// character at its end) and one holds more than ASCII, else as Latin-1.
QStringList decoded(const QList<QByteArray>& lines, const QList<bool>& cut) {
    QStringList utf8;
    bool wide = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray& line = lines.at(i);
        wide = wide || QString::fromLatin1(line) != QString::fromUtf8(line);
        qsizetype keep = line.size();
        while (QString::fromUtf8(line.left(keep)).toUtf8() != line.left(keep) && cut.at(i) &&
               keep > line.size() - 3) {
            --keep;
        }
        if (QString::fromUtf8(line.left(keep)).toUtf8() != line.left(keep)) {
            wide = false;
            break;
        }
        utf8 << QString::fromUtf8(line.left(keep));
    }
    if (wide) {
        return utf8;
    }
    QStringList latin1;
    for (const QByteArray& line : lines) {
        latin1 << QString::fromLatin1(line);
    }
    return latin1;
}

qsizetype characters(const QString& text) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype count = 0;
    while (finder.toNextBoundary() > 0) {
        ++count;
    }
    return count;
}

} // namespace

QStringList expectedLines(const QByteArray& all, qsizetype maxLines, qsizetype maxLength,
                          qsizetype maxBytes) {
    const QList<QByteArray> pieces = plainLines(all.left(maxBytes));
    QList<QByteArray> lines;
    QList<bool> cut;
    for (qsizetype i = 0; i < pieces.size() && lines.size() < maxLines; ++i) {
        lines << pieces.at(i).left(maxLength);
        cut << (pieces.at(i).size() > maxLength);
    }
    return decoded(lines, cut);
}

bool expectedWhole(const QByteArray& all, qsizetype maxLines, qsizetype maxBytes) {
    if (all.size() > maxBytes) {
        return false;
    }
    const QList<QByteArray> pieces = plainLines(all);
    for (qsizetype i = maxLines; i < pieces.size(); ++i) {
        if (!pieces.at(i).trimmed().isEmpty() || pieces.at(i).contains('\v') ||
            pieces.at(i).contains('\f')) {
            return false;
        }
    }
    return true;
}

QString listProblem(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || info.isDir()) {
        return {};
    }
    const QByteArray bytes = readAll(path);
    if (bytes.isEmpty()) {
        return {};
    }
    if (!bytes.endsWith("\r\n")) {
        return QStringLiteral("the last line has no CR LF");
    }
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast();
    if (lines.size() > 12) {
        return QStringLiteral("%1 lines").arg(lines.size());
    }
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines.at(i).endsWith('\r')) {
            return QStringLiteral("line %1 ends in LF alone").arg(i + 1);
        }
        lines[i].chop(1);
    }
    const QStringList texts = decoded(lines, QList<bool>(lines.size(), false));
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const qsizetype length = characters(texts.at(i));
        if (length > 51) {
            return QStringLiteral("line %1 has %2 characters").arg(i + 1).arg(length);
        }
    }
    return {};
}

QMap<QString, QByteArray> snapshot(const QString& dir) {
    QMap<QString, QByteArray> entries;
    QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    const QDir base(dir);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = base.relativeFilePath(path);
        entries.insert(name, describe(path));
    }
    return entries;
}

QByteArray describe(const QString& path) {
    struct stat status {};
    const QByteArray native = QFile::encodeName(path);
    if (::lstat(native.constData(), &status) != 0) {
        return "<missing>";
    }
    if (S_ISLNK(status.st_mode)) {
        return "<link to " + QFile::encodeName(QFile::symLinkTarget(path)) + ">";
    }
    if (S_ISDIR(status.st_mode)) {
        return "<folder>";
    }
    if (S_ISFIFO(status.st_mode)) {
        return "<fifo>";
    }
    if (S_ISSOCK(status.st_mode)) {
        return "<socket>";
    }
    if (!S_ISREG(status.st_mode)) {
        return "<device>";
    }
    if (status.st_size > (1 << 20)) {
        QFile file(path);
        const QByteArray head = file.open(QIODevice::ReadOnly) ? file.read(256) : QByteArray();
        return "<" + QByteArray::number(qint64(status.st_size)) + " bytes: " + head + ">";
    }
    return readAll(path);
}

QString shapeName(Shape shape) {
    switch (shape) {
    case Shape::LinkOut:
        return QStringLiteral("link out");
    case Shape::LinkOutToNothing:
        return QStringLiteral("link out to nothing");
    case Shape::LinkIn:
        return QStringLiteral("link in");
    case Shape::Fifo:
        return QStringLiteral("FIFO");
    case Shape::Socket:
        return QStringLiteral("socket");
    case Shape::Folder:
        return QStringLiteral("folder");
    case Shape::SizeLimit:
        return QStringLiteral("size limit");
    case Shape::HugeSparse:
        return QStringLiteral("huge sparse file");
    case Shape::Vanished:
        return QStringLiteral("vanished folder");
    case Shape::UnknownLock:
        return QStringLiteral("lock of no known owner");
    case Shape::FullDisk:
        return QStringLiteral("full disk");
    case Shape::LinkToList:
        return QStringLiteral("link to the list");
    case Shape::ForeignLock:
        return QStringLiteral("another user's stale lock");
    case Shape::CrOnlyList:
        return QStringLiteral("CR-only list");
    case Shape::PaddedList:
        return QStringLiteral("padded list");
    case Shape::SetIdMode:
        return QStringLiteral("set-id mode");
    case Shape::LinkedLock:
        return QStringLiteral("hard-linked lock");
    case Shape::OldLeftover:
        return QStringLiteral("old leftover");
    case Shape::NewLeftover:
        return QStringLiteral("fresh leftover");
    case Shape::ForeignLeftover:
        return QStringLiteral("another user's old leftover");
    case Shape::LeftoverFifo:
        return QStringLiteral("old FIFO with a leftover's name");
    case Shape::ReadOnlyDir:
        return QStringLiteral("read-only folder");
    case Shape::LimitNoRoom:
        return QStringLiteral("size limit, disk nearly full");
    }
    return {};
}

namespace {

bool makeSocket(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    sockaddr_un address{};
    if (native.size() >= qsizetype(sizeof address.sun_path)) {
        return false;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, native.constData(), static_cast<std::size_t>(native.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound =
        fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0) {
        ::close(fd);
    }
    return bound;
}

} // namespace

bool plant(Shape shape, const QString& path, const QString& outside, const QByteArray& bytes) {
    const QByteArray native = QFile::encodeName(path);
    const QFileInfo info(path);
    switch (shape) {
    case Shape::LinkOut:
    case Shape::LinkOutToNothing:
        QFile::remove(path);
        return QFile::link(outside, path);
    case Shape::LinkIn: {
        const QString inner = info.absolutePath() + QStringLiteral("/inner/") + info.fileName();
        QDir().mkpath(info.absolutePath() + QStringLiteral("/inner"));
        if (!(info.exists() ? QFile::rename(path, inner) : writeAll(inner, bytes))) {
            return false;
        }
        return ::symlink(QFile::encodeName(QStringLiteral("inner/") + info.fileName()).constData(),
                         native.constData()) == 0;
    }
    case Shape::Fifo:
        QFile::remove(path);
        return ::mkfifo(native.constData(), 0644) == 0;
    case Shape::Socket:
        QFile::remove(path);
        return makeSocket(path);
    case Shape::Folder:
        QFile::remove(path);
        return QDir().mkdir(path) && writeAll(path + QStringLiteral("/inside"), "kept");
    case Shape::HugeSparse: {
        if (!writeAll(path, bytes)) {
            return false;
        }
        return ::truncate(native.constData(), qint64(64) << 30) == 0;
    }
    case Shape::UnknownLock:
        return writeAll(path, "written by no game");
    case Shape::LinkToList:
        QFile::remove(path);
        return ::symlink("highscore.txt", native.constData()) == 0;
    case Shape::ForeignLock: {
        // As an older game wrote it: a process id that has ended, the
        // program and the host. Only root can give it to another user.
        if (!writeAll(path, "2147483646\nkestrelon-memory\n\n")) {
            return false;
        }
        return ::geteuid() != 0 || ::chown(native.constData(), 65534, 65534) == 0;
    }
    case Shape::CrOnlyList:
        return writeAll(path, QByteArray(bytes).replace("\r\n", "\r"));
    case Shape::PaddedList:
        return writeAll(path, QByteArray(bytes).replace("\r\n", QByteArray(4000, ' ') + "\r\n"));
    case Shape::SetIdMode:
        return ::chmod(native.constData(), 06751) == 0;
    case Shape::LinkedLock:
        return ::chmod(QFile::encodeName(outside).constData(), 0600) == 0 &&
               ::link(QFile::encodeName(outside).constData(), native.constData()) == 0;
    case Shape::OldLeftover:
    case Shape::NewLeftover:
    case Shape::ForeignLeftover:
    case Shape::LeftoverFifo: {
        const timespec hourAgo[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
        const bool made =
            shape == Shape::LeftoverFifo
                ? ::mkfifo(native.constData(), 0600) == 0
                : writeAll(path, "half") && (shape != Shape::ForeignLeftover || ::geteuid() != 0 ||
                                             ::chown(native.constData(), 65534, 65534) == 0);
        return made && (shape == Shape::NewLeftover ||
                        ::utimensat(AT_FDCWD, native.constData(), hourAgo, 0) == 0);
    }
    case Shape::SizeLimit:
    case Shape::Vanished:
    case Shape::FullDisk:
    case Shape::ReadOnlyDir:
    case Shape::LimitNoRoom:
        return true; // set up by the test around the step
    }
    return false;
}

SmallDisk::SmallDisk(const QString& folder) : m_folder(folder) {
    m_mounted = ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=4m") == 0;
}

SmallDisk::~SmallDisk() {
    if (m_mounted) {
        ::umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH);
    }
}

void SmallDisk::fill(qint64 leave) {
    QFile filler(m_folder + QStringLiteral("/filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return;
    }
    for (qint64 size = 64 * 1024; size > 0; size /= 2) {
        const QByteArray block(size, 'f');
        while (filler.write(block) == size) {
        }
    }
    filler.resize(qMax<qint64>(0, filler.size() - leave));
}

bool SmallDisk::makeReadOnly() {
    return m_mounted && ::mount(nullptr, QFile::encodeName(m_folder).constData(), nullptr,
                                MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

FileSizeLimit::FileSizeLimit(quint64 maxFileBytes) {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    m_old = limit.rlim_cur;
    limit.rlim_cur = maxFileBytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = m_old;
    setrlimit(RLIMIT_FSIZE, &limit);
}

safefile::Folder folderAt(const QString& dir) {
    return safefile::Folder::open(QFile::encodeName(dir));
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QByteArrayLiteral("<unreadable>");
    }
    return file.readAll();
}

bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace hostile
