#pragma once

// own
#include "platform/GameError.h"

// Qt
#include <QByteArray>
#include <QString>
#include <QStringList>

// std
#include <functional>

// File access in a folder the game does not control. The folder is opened
// once as a descriptor and every file is reached relative to it, by a plain
// name, without following a link: a folder that is moved or renamed, or whose
// name is not valid text, stays the folder the game works in, and whatever
// stands at a name (a link, a FIFO, a socket, a device, a folder) is never
// read, written, created or removed through. No open can block.
namespace safefile {

// What the game was doing with a file when it failed. Each action has a
// whole sentence of its own, so a translation never fills in a verb.
enum class FileAction {
    Read,  // "Could not read <name>: <reason>"
    Write, // "Could not write <name>: <reason>"
    Lock,  // "Could not lock <name>: <reason>"
    Use,   // "Could not use <name>: <reason>"
    Keep,  // "Could not keep <name>: <reason>"
};

// A file that could not be read or written: the message is the action's
// sentence; reason() is its last part.
class FileError : public GameError {
  public:
    FileError(FileAction action, const QString& name, const QString& reason);
    QString reason() const { return m_reason; }

  private:
    QString m_reason;
};

// Thrown when the game has no folder: it could not be opened at start-up, so
// there is nowhere files may go. The player was told once; handlers drop it
// without a message.
class NoFolderError : public FileError {
  public:
    using FileError::FileError;
};

// Thrown instead of writing when the folder cannot be written at all (its
// lock file cannot even be made): the game reads there but keeps nothing.
// reason() is the platform's cause.
class ReadOnlyFolderError : public FileError {
  public:
    using FileError::FileError;
};

// Thrown instead of writing when the lock a game held was taken from it: its
// lock file was removed or replaced by hand, so another game may lock anew.
class LockLostError : public FileError {
  public:
    using FileError::FileError;
};

// An open file descriptor, closed when it goes.
class Descriptor {
  public:
    Descriptor() = default;
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor();
    Descriptor(Descriptor&& other) noexcept;
    Descriptor& operator=(Descriptor&& other) noexcept;
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    // Closes now; the result of close(2).
    int close();

  private:
    int m_fd = -1;
};

// What stands at a name in the folder, looked at without following a link.
struct Entry {
    enum class Kind {
        Missing,  // nothing: a write creates it
        Regular,  // a regular file
        Link,     // a link, wherever it leads
        NotAFile, // a FIFO, socket, device or folder
    };
    Kind kind = Kind::Missing;
    qint64 size = -1;
    qint64 modifiedNs = 0;    // last change of the content, for caches
    unsigned permissions = 0; // of a regular file: its mode bits
    quint64 device = 0;       // which file it is, to tell it from a later one
    quint64 inode = 0;
    quint64 links = 0;
    // For Link and NotAFile: why it is not used, as the end of
    // "Could not read nog.txt: <reason>".
    QString reason;
};

// How a written file reaches the disk.
enum class Durability {
    Synced,   // data files: on disk before the rename
    Unsynced, // pictures: the game can write them again
};

// What the writer does about a link standing at the name.
enum class AtLink {
    Report,  // data files: the link stays and the write fails naming it
    Replace, // pictures: the file is renamed over the link
};

// The game's working folder, held open for the whole run.
class Folder {
  public:
    // No folder: every file operation throws NoFolderError.
    Folder() = default;
    // The folder the process runs in. When it cannot be opened (or was
    // removed) the result is not open and problem() says why.
    static Folder working();
    // The folder at path, given in the platform's own bytes.
    static Folder open(const QByteArray& path);

    bool isOpen() const { return m_fd.valid(); }
    QString problem() const { return m_problem; }
    // The folder's name as it is shown in messages, ending in "/". Never used
    // to reach a file.
    QString displayName() const { return m_name; }

    Entry look(const QString& name) const;
    bool exists(const QString& name) const { return look(name).kind != Entry::Kind::Missing; }

    // The first maxBytes bytes of the regular file name (or fewer). Throws
    // FileError "Could not read <name>: <reason>".
    QByteArray readPrefix(const QString& name, qint64 maxBytes) const;

    // Hands the regular file name to take in pieces, no more than maxBytes
    // in all, until take returns false. True when the file ended within
    // maxBytes. Throws as readPrefix.
    bool readPieces(const QString& name, qint64 maxBytes,
                    const std::function<bool(const char*, qsizetype)>& take) const;

    // The one way the game writes a file: a file without a name (or, where
    // the file system cannot make one, a temporary name) is written, synced
    // if asked, named and renamed onto name, so a failure or a crash leaves
    // the old file whole, no half-written file behind and nothing is ever
    // written through a name. Afterwards the name must hold the file written,
    // or the write failed. A FIFO, socket, device or folder at name is left
    // alone and named in the FileError thrown; so is a link, unless atLink
    // says to replace it. A data file keeps the read and write bits of the
    // file it replaces, never more; a new one gets 0666 less the umask.
    //
    // In a folder with the sticky bit, another user's data file cannot be
    // replaced; when the player may write it (a regular file of one link, the
    // one looked at) it is rewritten in place, which beforeWriting's caller
    // guards with a lock. beforeWriting runs just before the file is named or
    // rewritten, and may throw to stop the write.
    void write(const QString& name, const QByteArray& bytes, Durability durability, AtLink atLink,
               const std::function<void()>& beforeWriting = {}) const;

    // Removes what a killed game's write left: regular files of the player
    // named "<one of names>.XXXXXX" (the temporary names) that nothing has
    // changed for minAgeSeconds, so a write still running is never touched.
    // Links and other users' files stay. The number removed.
    int removeLeftovers(const QStringList& names, qint64 minAgeSeconds) const;

    // Removes a regular file or a link (never a link's target) at name.
    // Anything else stays. True when something was removed.
    bool remove(const QString& name) const;

    // Why writing size bytes failed with the platform error error: the disk
    // is full, the process's file size limit is below size, or the
    // platform's own words. The error decides; only an error that says
    // nothing clear (EIO) is put down to little free room or the limit.
    QString writeFailure(qint64 size, int error) const;

    // The descriptor; throws NoFolderError "Could not use <name>: ..." when
    // there is no folder.
    int handle(const QString& name) const;

    // How the writer makes a file before the file has its name. Empty
    // functions are the real ones: the kernel's file without a name, and six
    // random letters or digits after "<name>." for a temporary name. A test
    // sets others to walk the ways out that a file system refusing unnamed
    // files, or a killed game's leftover at the temporary name, sends the
    // writer.
    struct TemporaryFiles {
        // A file without a name in the folder dir, open for writing with
        // mode: its descriptor, or -1 with errno set.
        std::function<int(int dir, unsigned mode)> openUnnamed;
        // The characters after "<name>." of the next temporary name tried.
        std::function<QByteArray()> nextSuffix;
    };
    void setTemporaryFiles(TemporaryFiles files) { m_temporary = std::move(files); }

  private:
    bool stickyFolder() const;
    static QString stickyReason();
    // The write of a data file another user owns in a sticky folder.
    void rewriteInPlace(const QString& name, const QByteArray& bytes, const Entry& looked) const;

    Descriptor m_fd;
    QString m_name;
    QString m_problem;
    TemporaryFiles m_temporary;
};

// The platform's words for an error number.
QString errnoText(int error);

// A write beyond the process's file size limit then fails with an error
// instead of ending the process. Call once at process start.
void ignoreFileSizeSignal();

// The action's sentence, e.g. "Could not read <file name>: <reason>", in the
// player's language.
QString fileError(FileAction action, const QString& name, const QString& reason);

// The text of context in the player's language, with %n the count and the
// plural form the language uses for it. Qt counts in int, so a larger count
// picks its form by a stand-in with the same last six digits.
QString countText(const char* context, const char* text, quint64 count);

} // namespace safefile
