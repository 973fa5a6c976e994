#include "core/Clock.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace tidewick {

namespace {
qint64 monotonicNowMs()
{
    return QDeadlineTimer::current(Qt::PreciseTimer).deadline();
}
} // namespace

void pumpEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

SystemClock::SystemClock() : m_origin(monotonicNowMs()) {}

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

qint64 SystemClock::monotonicMs() const
{
    return monotonicNowMs() - m_origin;
}

void SystemClock::pumpFor(qint64 ms, const std::function<bool()> &stop)
{
    // Wake at least this often to look at `stop`, which may change through
    // something other than an event (a flag set by a nested handler is seen
    // at once anyway, because handlers run inside processEvents below).
    constexpr qint64 kLongestNap = 50;
    QElapsedTimer elapsed;
    elapsed.start();
    QTimer wakeUp;
    wakeUp.setSingleShot(true);
    wakeUp.setTimerType(Qt::PreciseTimer);
    QEventLoop loop;
    for (;;) {
        pumpEvents();
        if (stop && stop())
            return;
        const qint64 left = ms - elapsed.elapsed();
        if (left <= 0)
            return;
        wakeUp.start(int(std::min(left, kLongestNap)));
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    }
}

} // namespace tidewick
