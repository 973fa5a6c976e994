#pragma once

#include <QDateTime>
#include <functional>

namespace tidewick {

// Time as the program sees it. Waits go through here too, so tests can stand
// at any moment and let seconds pass without sleeping.
class Clock {
public:
    virtual ~Clock() = default;

    // Local wall-clock time (used for the request window).
    virtual QDateTime now() const = 0;
    // Milliseconds on a monotonic clock; only differences mean anything.
    virtual qint64 monotonicMs() const = 0;
    // Handles window events until `ms` milliseconds have passed or `stop`
    // says true, whichever comes first. Never blocks input.
    virtual void pumpFor(qint64 ms, const std::function<bool()> &stop = {}) = 0;
};

// The real clock: QDateTime and QElapsedTimer; waits sleep in the event loop
// until the next event or timer, never a fixed slice.
class SystemClock final : public Clock {
public:
    SystemClock();
    QDateTime now() const override;
    qint64 monotonicMs() const override;
    void pumpFor(qint64 ms, const std::function<bool()> &stop = {}) override;

private:
    qint64 m_origin;
};

// Handles pending window events once.
void pumpEvents();

} // namespace tidewick
