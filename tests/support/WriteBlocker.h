#pragma once

// Qt
#include <QFile>
#include <QString>

// std
#include <optional>
#include <sys/resource.h>

// Makes writing into a folder fail while it lives. The folder loses its write
// permission, which stops an ordinary user. It does not stop root (tests may
// run as root), so when a probe file can still be written, the process's file
// size limit is lowered as well and SIGXFSZ ignored: a write that would make
// any regular file larger than maxFileBytes then fails with EFBIG. With 0 no
// byte can be written anywhere; empty files can still be created.
//
// The limit holds for the whole process: a test prints nothing while it is in
// force (its output may go to a file) and checks its results afterwards.
class WriteBlocker {
  public:
    explicit WriteBlocker(const QString& dir, rlim_t maxFileBytes = 0);
    ~WriteBlocker();
    WriteBlocker(const WriteBlocker&) = delete;
    WriteBlocker& operator=(const WriteBlocker&) = delete;

    // True when the file size limit, not the permission, does the blocking.
    bool usesSizeLimit() const { return m_oldLimit.has_value(); }

  private:
    QString m_dir;
    QFile::Permissions m_permissions;
    std::optional<rlimit> m_oldLimit;
    void (*m_oldHandler)(int) = nullptr;
};
