#include "FakeClock.h"

#include <QCoreApplication>

namespace tidewick::test {

FakeClock::FakeClock(QDateTime start) : m_now(std::move(start)) {}

void FakeClock::advanceMs(qint64 ms)
{
    m_now = m_now.addMSecs(ms);
    m_monotonicMs += ms;
}

void FakeClock::pumpFor(qint64 ms, const std::function<bool()> &stop)
{
    m_waits.append(ms);
    QCoreApplication::processEvents();
    if (duringWait)
        duringWait();
    if (stop && stop())
        return;
    advanceMs(ms);
    m_totalWaited += ms;
}

} // namespace tidewick::test
