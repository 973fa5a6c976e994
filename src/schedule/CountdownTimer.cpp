#include "schedule/CountdownTimer.h"

namespace tidewick {

CountdownTimer::CountdownTimer(QObject *parent) : QObject(parent)
{
    connect(&m_timer, &QTimer::timeout, this, &CountdownTimer::tick);
}

void CountdownTimer::setPeriod(int milliseconds)
{
    m_period = std::max(0, milliseconds);
    update();
}

void CountdownTimer::setEnabled(bool enabled)
{
    m_enabled = enabled;
    update();
}

void CountdownTimer::update()
{
    if (m_enabled && m_period > 0) {
        if (!m_timer.isActive() || m_timer.interval() != m_period)
            m_timer.start(m_period);
    } else {
        m_timer.stop();
    }
}

} // namespace tidewick
