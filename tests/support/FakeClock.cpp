#include "FakeClock.h"

#include <QTimer>

#include <limits>

namespace tidewick::test {

FakeClock::FakeClock(QDateTime start) : m_now(std::move(start)) {}

void FakeClock::callAfter(qint64 ms, QObject *context, std::function<void()> action)
{
    m_waits.append(ms);
    m_pending.append({m_monotonicMs + ms, context, std::move(action)});
    if (!holdWaits)
        QTimer::singleShot(0, this, [this] { runNextWait(std::numeric_limits<qint64>::max()); });
}

void FakeClock::advanceMs(qint64 ms)
{
    const qint64 target = m_monotonicMs + ms;
    while (runNextWait(target)) {
    }
    jumpTo(target);
}

int FakeClock::pendingWaits() const
{
    return int(std::count_if(m_pending.cbegin(), m_pending.cend(), [](const Wait &wait) { return wait.context; }));
}

void FakeClock::jumpTo(qint64 monotonicMs)
{
    if (monotonicMs <= m_monotonicMs)
        return;
    m_now = m_now.addMSecs(monotonicMs - m_monotonicMs);
    m_monotonicMs = monotonicMs;
}

// Runs the earliest live wait due by `notAfter`; false when there is none.
bool FakeClock::runNextWait(qint64 notAfter)
{
    m_pending.removeIf([](const Wait &wait) { return !wait.context; });
    const auto next = std::min_element(m_pending.cbegin(), m_pending.cend(),
                                       [](const Wait &a, const Wait &b) { return a.due < b.due; });
    if (next == m_pending.cend() || next->due > notAfter)
        return false;
    const Wait wait = *next;
    m_pending.erase(next);
    jumpTo(wait.due);
    wait.action();
    return true;
}

} // namespace tidewick::test
