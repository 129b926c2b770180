#pragma once

// own
#include "platform/Services.h"

// Qt
#include <QPointer>

// std
#include <memory>

class QWidget;

// Waits in a local event loop: the window keeps handling events and the
// processor sleeps until the timer fires.
class EventLoopPause : public Pause {
  public:
    void pause(int ms) override;
};

// Message boxes over the main window.
class WidgetDialogs : public Dialogs {
  public:
    void setParent(QWidget* parent) { m_parent = parent; }
    void message(const QString& caption, const QString& text, Icon icon) override;

  private:
    QPointer<QWidget> m_parent;
};

class QtDesktop : public Desktop {
  public:
    void openUrl(const QUrl& url) override;
};

class HostSystemInfo : public SystemInfo {
  public:
    std::uint64_t availablePhysicalMemory() const override;
    unsigned processorCount() const override;
};

class LocalClock : public Clock {
  public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    qint64 steadyMs() const override;
};
