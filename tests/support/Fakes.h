#pragma once

// own
#include "platform/Services.h"

// Qt
#include <QDateTime>
#include <QList>
#include <QStringList>
#include <QUrl>

// std
#include <functional>
#include <map>

// A clock that stands still until a test or a pause moves it. A test may
// also set current alone, as a player setting the date and time would.
class FakeClock : public Clock {
  public:
    QDateTime now() const override { return current; }
    qint64 steadyMs() const override { return steady; }
    void advance(int ms) {
        current = current.addMSecs(ms);
        steady += ms;
    }
    QDateTime current{QDate(2026, 12, 7), QTime(16, 58, 14)};
    qint64 steady = 1'000'000;
};

// A pause that takes no real time: it moves a virtual time (and the fake
// clock), runs the actions a test scheduled for the moments it passes - which
// stand for events arriving during the wait - and handles pending events.
class FakePause : public Pause {
  public:
    explicit FakePause(FakeClock& clock) : m_clock(clock) {}
    void pause(int ms) override;
    // Runs `action` when the virtual time reaches `at` (ms) inside some pause.
    void at(qint64 at, std::function<void()> action);
    // Runs `action` once, inside the next pause that starts.
    void duringNextPause(std::function<void()> action);
    qint64 now() const { return m_now; }
    QList<int> calls;

  private:
    FakeClock& m_clock;
    qint64 m_now = 0;
    std::multimap<qint64, std::function<void()>> m_scheduled;
};

class FakeSound : public SoundPlayer {
  public:
    void play(const QString& name) override {
        played << name;
        if (whilePlaying) {
            whilePlaying(name);
        }
    }
    QStringList played;
    std::function<void(const QString&)> whilePlaying;
};

class FakeDialogs : public Dialogs {
  public:
    struct Shown {
        QString caption;
        QString text;
        Icon icon;
    };
    void message(const QString& caption, const QString& text, Icon icon) override {
        shown.append({caption, text, icon});
    }
    QList<Shown> shown;
};

class FakeDesktop : public Desktop {
  public:
    void openUrl(const QUrl& url) override { opened << url; }
    QList<QUrl> opened;
};

class FakeSystem : public SystemInfo {
  public:
    std::uint64_t availablePhysicalMemory() const override { return memory; }
    unsigned processorCount() const override { return processors; }
    std::uint64_t memory = std::uint64_t{4095} << 20;
    unsigned processors = 8;
};

// All fakes of one window, wired to each other.
struct FakeServices {
    FakeClock clock;
    FakePause pause{clock};
    FakeSound sound;
    FakeDialogs dialogs;
    FakeDesktop desktop;
    FakeSystem system;
    Services services() { return Services{pause, sound, dialogs, desktop, system, clock}; }
};
