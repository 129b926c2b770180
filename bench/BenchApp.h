#pragma once

// What the benchmark programs share: an application that notes when a
// window's first frame is on screen, the time since a moment the caller gave,
// and the processor time and peak memory of the process.

// Qt
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>
#include <QWindow>

// std
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <vector>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <time.h>

namespace bench {

// Seconds since the epoch, as bash's $EPOCHREALTIME gives them.
inline double realtimeNow() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// Milliseconds from the moment given as "--since <seconds>" among the
// arguments (the launching shell's $EPOCHREALTIME right before it started the
// program) to now; negative when none was given.
inline double msSinceLaunch(int argc, char* argv[]) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::string(argv[i]) == "--since") {
            return (realtimeNow() - std::stod(argv[i + 1])) * 1000.0;
        }
    }
    return -1.0;
}

// The value after the argument name ("--language ja"), or empty text.
inline std::string argumentValue(int argc, char* argv[], const char* name) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::string(argv[i]) == name) {
            return argv[i + 1];
        }
    }
    return {};
}

inline bool hasArgument(int argc, char* argv[], const char* name) {
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == name) {
            return true;
        }
    }
    return false;
}

// Processor time (user + system) used by this process so far, in ms.
inline double cpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_usec) / 1000.0;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// The peak resident memory of this process so far, in KiB.
inline long maxRssKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// With "--mappings": the resident kibibytes of each file the process maps
// (and of the heap and the anonymous rest), largest first, on stderr, so two
// programs' memory can be told apart by what holds it.
inline void printMappings(int argc, char* argv[]) {
    if (!hasArgument(argc, argv, "--mappings")) {
        return;
    }
    std::FILE* smaps = std::fopen("/proc/self/smaps", "r");
    if (smaps == nullptr) {
        return;
    }
    std::map<std::string, long> resident;
    std::string current = "[anonymous]";
    char line[4096];
    while (std::fgets(line, sizeof line, smaps) != nullptr) {
        long kib = 0;
        if (std::sscanf(line, "Rss: %ld kB", &kib) == 1) {
            resident[current] += kib;
        } else if (const char* dash = std::strchr(line, '-');
                   dash != nullptr && dash < std::strchr(line, ' ')) {
            const char* path = std::strpbrk(line, "/[");
            current = path == nullptr ? "[anonymous]" : std::string(path, std::strcspn(path, "\n"));
        }
    }
    std::fclose(smaps);
    std::vector<std::pair<long, std::string>> sorted;
    for (const auto& [name, kib] : resident) {
        sorted.emplace_back(kib, name);
    }
    std::sort(sorted.rbegin(), sorted.rend());
    for (const auto& [kib, name] : sorted) {
        std::fprintf(stderr, "mapping_kib=%ld %s\n", kib, name.c_str());
    }
}

// An application that calls onFirstFrame once the watched window's first
// frame is done: Qt paints the whole widget tree and hands it to the window
// system while it handles the window's first expose event (or, failing that,
// the update request after it), so the moment that handling returns with at
// least one paint behind it is the moment the window is on screen. It also
// calls onPaintEnd after every paint event of any widget, with the widget.
class App : public QApplication {
  public:
    using QApplication::QApplication;

    void watch(QWidget* window, std::function<void()> onFirstFrame) {
        m_window = window;
        m_onFirstFrame = std::move(onFirstFrame);
    }
    std::function<void(QObject*)> onPaintEnd;

    bool notify(QObject* receiver, QEvent* event) override {
        const QEvent::Type type = event->type();
        const bool result = QApplication::notify(receiver, event);
        if (type == QEvent::Paint) {
            ++m_paints;
            if (onPaintEnd) {
                onPaintEnd(receiver);
            }
        } else if ((type == QEvent::Expose || type == QEvent::UpdateRequest) && m_window &&
                   m_onFirstFrame && receiver == m_window->windowHandle() && m_paints > 0 &&
                   m_window->windowHandle()->isExposed()) {
            auto call = std::move(m_onFirstFrame);
            m_onFirstFrame = nullptr;
            call();
        }
        return result;
    }

  private:
    QWidget* m_window = nullptr;
    std::function<void()> m_onFirstFrame;
    long m_paints = 0;
};

} // namespace bench
