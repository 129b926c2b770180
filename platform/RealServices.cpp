// own
#include "platform/RealServices.h"

// Qt
#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFile>
#include <QMessageBox>
#include <QThread>
#include <QTimer>

// std
#include <unistd.h>

void EventLoopPause::pause(int ms) {
    if (ms <= 0) {
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

void WidgetDialogs::message(const QString& caption, const QString& text, Icon icon) {
    QMessageBox box(m_parent);
    box.setWindowTitle(caption);
    // Texts join their lines with LF CR or CR LF; the box wants plain line feeds.
    QString shown = text;
    shown.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box.setText(shown);
    switch (icon) {
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void QtDesktop::openUrl(const QUrl& url) {
    // A missing browser or mail program is not the game's failure to report.
    QDesktopServices::openUrl(url);
}

std::uint64_t HostSystemInfo::availablePhysicalMemory() const {
    // MemAvailable counts what programs can still get without swapping, which
    // is what "free memory" means to a player; older kernels lack it, so fall
    // back to the free page count.
    QFile meminfo(QStringLiteral("/proc/meminfo"));
    if (meminfo.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> lines = meminfo.readAll().split('\n');
        meminfo.close();
        for (const QByteArray& line : lines) {
            if (line.startsWith("MemAvailable:")) {
                const QList<QByteArray> parts = line.simplified().split(' ');
                bool ok = false;
                const std::uint64_t kib = parts.value(1).toULongLong(&ok);
                if (ok) {
                    return kib * 1024;
                }
            }
        }
    }
    const long pages = sysconf(_SC_AVPHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pages < 0 || pageSize < 0) {
        return 0;
    }
    return static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(pageSize);
}

unsigned HostSystemInfo::processorCount() const {
    const int count = QThread::idealThreadCount();
    return count > 0 ? static_cast<unsigned>(count) : 1U;
}

qint64 LocalClock::steadyMs() const {
    // Qt's monotonic clock: not moved when the date and time are set.
    return QDeadlineTimer::current(Qt::PreciseTimer).deadline();
}
