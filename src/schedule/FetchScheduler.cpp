#include "schedule/FetchScheduler.h"

#include "core/AppError.h"

#include <limits>
#include <utility>

namespace tidewick {

namespace {
constexpr int kTickMs = 1000;
} // namespace

FetchScheduler::FetchScheduler(std::function<bool(FetchKind)> startRun, QObject *parent)
    : QObject(parent), m_startRun(std::move(startRun))
{
    m_timer.setObjectName(QStringLiteral("countdownTimer"));
}

void FetchScheduler::setAutomaticOn(bool on)
{
    if (std::exchange(m_automaticOn, on) != on)
        emit automaticChanged(on);
}

void FetchScheduler::setInterval(std::optional<qint32> seconds)
{
    m_interval = seconds;
    m_elapsed = 0;
}

void FetchScheduler::armCountdown()
{
    m_timer.setPeriod(m_automaticOn ? kTickMs : 0);
}

void FetchScheduler::countSecond()
{
    if (m_elapsed == std::numeric_limits<qint32>::max())
        throw AppError::overflow();
    ++m_elapsed;
}

void FetchScheduler::requestRun(FetchKind kind, std::function<void()> afterwards)
{
    m_waiting.append({kind, std::move(afterwards)});
    if (!m_running)
        startNext();
}

void FetchScheduler::startNext()
{
    while (!m_waiting.isEmpty()) {
        WaitingRun next = m_waiting.takeFirst();
        m_afterRun = next.afterwards ? std::move(next.afterwards) : [] {};
        m_running = true;
        if (m_startRun(next.kind))
            return;
        m_running = false;
        if (const auto afterwards = std::exchange(m_afterRun, {}))
            afterwards();
    }
}

void FetchScheduler::runEnded()
{
    m_running = false;
    if (const auto afterwards = std::exchange(m_afterRun, {}))
        afterwards();
    if (!m_running)
        startNext();
}

void FetchScheduler::stop()
{
    m_waiting.clear();
    m_timer.setEnabled(false);
}

} // namespace tidewick
