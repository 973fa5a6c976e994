#pragma once

#include "core/Clock.h"

namespace tidewick::test {

// A clock that stands still until a test or a wait moves it. A wait handles
// pending events once and then jumps forward, so no test sleeps.
class FakeClock final : public Clock {
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2026, 3, 2), QTime(10, 0)));

    QDateTime now() const override { return m_now; }
    qint64 monotonicMs() const override { return m_monotonicMs; }
    void pumpFor(qint64 ms, const std::function<bool()> &stop = {}) override;

    void setNow(const QDateTime &now) { m_now = now; }
    void advanceMs(qint64 ms);

    // Everything that waits: the durations asked for, in order.
    QList<qint64> waits() const { return m_waits; }
    qint64 totalWaitedMs() const { return m_totalWaited; }
    // Called inside every wait, after events were handled (a test can click a
    // balloon or a button "while" the program waits).
    std::function<void()> duringWait;

private:
    QDateTime m_now;
    qint64 m_monotonicMs = 0;
    QList<qint64> m_waits;
    qint64 m_totalWaited = 0;
};

} // namespace tidewick::test
