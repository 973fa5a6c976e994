#include "core/Clock.h"

#include <QDeadlineTimer>
#include <QTimer>

#include <limits>

namespace tidewick {

namespace {
qint64 monotonicNowMs()
{
    return QDeadlineTimer::current(Qt::PreciseTimer).deadline();
}
} // namespace

SystemClock::SystemClock() : m_origin(monotonicNowMs()) {}

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

qint64 SystemClock::monotonicMs() const
{
    return monotonicNowMs() - m_origin;
}

void SystemClock::callAfter(qint64 ms, QObject *context, std::function<void()> action)
{
    const int interval = int(std::clamp<qint64>(ms, 0, std::numeric_limits<int>::max()));
    QTimer::singleShot(interval, Qt::PreciseTimer, context, std::move(action));
}

} // namespace tidewick
