#pragma once

#include <QDateTime>
#include <QObject>
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
    // Runs `action` from the event loop once `ms` milliseconds have passed,
    // unless `context` is gone by then. Nothing waits meanwhile.
    virtual void callAfter(qint64 ms, QObject *context, std::function<void()> action) = 0;
};

// The real clock: QDateTime, a monotonic clock and single-shot timers.
class SystemClock final : public Clock {
public:
    SystemClock();
    QDateTime now() const override;
    qint64 monotonicMs() const override;
    void callAfter(qint64 ms, QObject *context, std::function<void()> action) override;

private:
    qint64 m_origin;
};

} // namespace tidewick
