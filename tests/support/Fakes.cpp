// own
#include "support/Fakes.h"

// Qt
#include <QCoreApplication>

void FakePause::pause(int ms) {
    calls << ms;
    const qint64 end = m_now + ms;
    while (!m_scheduled.empty() && m_scheduled.begin()->first <= end) {
        auto next = m_scheduled.begin();
        const qint64 when = std::max(next->first, m_now);
        auto action = std::move(next->second);
        m_scheduled.erase(next);
        m_clock.advance(static_cast<int>(when - m_now));
        m_now = when;
        action();
    }
    if (end > m_now) {
        m_clock.advance(static_cast<int>(end - m_now));
        m_now = end;
    }
    QCoreApplication::processEvents();
}

void FakePause::at(qint64 when, std::function<void()> action) {
    m_scheduled.emplace(when, std::move(action));
}

void FakePause::duringNextPause(std::function<void()> action) {
    m_scheduled.emplace(m_now, std::move(action));
}
