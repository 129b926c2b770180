#pragma once

// Qt
#include <QDateTime>
#include <QString>
#include <QTimeZone>
#include <QUrl>

// std
#include <cstdint>

// Small interfaces over what the platform gives. The program block builds the
// real ones (RealServices), tests build fakes, so a test can run a 2500 ms
// pause in no time or play a game without a sound card.

// Waiting that keeps the window handling events.
class Pause {
  public:
    virtual ~Pause() = default;
    virtual void pause(int ms) = 0;
};

// Blocking playback of a named embedded sound ("1tro", "4hrf").
class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString& name) = 0;
};

// Modal message boxes.
class Dialogs {
  public:
    enum class Icon { None, Information, Warning };
    virtual ~Dialogs() = default;
    virtual void message(const QString& caption, const QString& text, Icon icon) = 0;
};

// Opening a web address or a mail target with the user's default programs.
class Desktop {
  public:
    virtual ~Desktop() = default;
    virtual void openUrl(const QUrl& url) = 0;
};

// Facts about the machine.
class SystemInfo {
  public:
    virtual ~SystemInfo() = default;
    virtual std::uint64_t availablePhysicalMemory() const = 0; // bytes
    virtual unsigned processorCount() const = 0;
};

// The local date and time, with the zone the player is in, and a steady count
// of milliseconds for measuring how long something took: the date and time
// may be set back or forward at any moment, the count only goes on.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    virtual qint64 steadyMs() const = 0;
};

// The set of services one main window uses; the objects belong to whoever
// builds the set and outlive the window.
struct Services {
    Pause& pause;
    SoundPlayer& sound;
    Dialogs& dialogs;
    Desktop& desktop;
    SystemInfo& system;
    Clock& clock;
};
