#pragma once

#include "core/Clock.h"

#include <QList>
#include <QPointer>

namespace tidewick::test {

// A clock that stands still until a test or a wait moves it. A wait comes due
// on the next turn of the event loop, the clock jumping forward to it, so no
// test sleeps. A test that holds the waits moves the clock itself.
class FakeClock final : public QObject, public Clock {
    Q_OBJECT

public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2026, 3, 2), QTime(10, 0)));

    QDateTime now() const override { return m_now; }
    qint64 monotonicMs() const override { return m_monotonicMs; }
    void callAfter(qint64 ms, QObject *context, std::function<void()> action) override;

    void setNow(const QDateTime &now) { m_now = now; }
    // Moves the clock on, running the waits that come due on the way.
    void advanceMs(qint64 ms);
    // While true, waits come due only as advanceMs() passes them.
    bool holdWaits = false;
    // Waits asked for and not yet come due, leaving out those whose context
    // has gone.
    int pendingWaits() const;

    // Everything that waited: the durations asked for, in order.
    QList<qint64> waits() const { return m_waits; }

private:
    struct Wait {
        qint64 due;
        QPointer<QObject> context;
        std::function<void()> action;
    };
    void jumpTo(qint64 monotonicMs);
    bool runNextWait(qint64 notAfter);

    QDateTime m_now;
    qint64 m_monotonicMs = 0;
    QList<qint64> m_waits;
    QList<Wait> m_pending;
};

} // namespace tidewick::test
