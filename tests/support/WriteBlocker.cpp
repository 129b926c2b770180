// own
#include "support/WriteBlocker.h"

// std
#include <csignal>

WriteBlocker::WriteBlocker(const QString& dir, rlim_t maxFileBytes) : m_dir(dir) {
    m_permissions = QFile::permissions(dir);
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadUser |
                                   QFile::ExeUser | QFile::ReadGroup | QFile::ExeGroup);
    QFile probe(dir + QStringLiteral("/.write-probe"));
    if (!probe.open(QIODevice::WriteOnly)) {
        return;
    }
    probe.close();
    probe.remove();
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    m_oldLimit = limit;
    limit.rlim_cur = maxFileBytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

WriteBlocker::~WriteBlocker() {
    if (m_oldLimit) {
        setrlimit(RLIMIT_FSIZE, &*m_oldLimit);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    QFile::setPermissions(m_dir, m_permissions);
}
