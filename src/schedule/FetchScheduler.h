#pragma once

#include "core/FetchKind.h"
#include "schedule/CountdownTimer.h"

#include <QList>
#include <QObject>
#include <functional>
#include <optional>

namespace tidewick {

// Automatic fetching as the program keeps it: whether it is on, the interval
// and the countdown toward the next run, and the runs waiting their turn.
// The window shows it and forwards the user's clicks; nothing here knows a
// widget or a caption.
class FetchScheduler : public QObject {
    Q_OBJECT

public:
    // `startRun` starts a run and says whether it did; a run it started
    // reports its end through runEnded().
    explicit FetchScheduler(std::function<bool(FetchKind)> startRun, QObject *parent = nullptr);

    bool automaticOn() const { return m_automaticOn; }
    void setAutomaticOn(bool on);

    // The chosen interval in seconds (none when none is chosen). A new
    // choice starts the count again.
    std::optional<qint32> interval() const { return m_interval; }
    void setInterval(std::optional<qint32> seconds);

    // The countdown: one tick a second while it runs. It runs while
    // automatic fetching is on and no run it started is under way.
    CountdownTimer &timer() { return m_timer; }
    // Makes the countdown tick as the switch says (after a run, say).
    void armCountdown();
    qint32 elapsedSeconds() const { return m_elapsed; }
    // Counts one second of the countdown; throws AppError at the count's
    // limit.
    void countSecond();
    bool isDue() const { return m_interval && m_elapsed == *m_interval; }
    void restartCount() { m_elapsed = 0; }

    // Runs take turns: a run asked for while another is under way (the
    // start-up fetch, say) starts once that one has ended. `afterwards`
    // follows the run's end, or at once when it could not start.
    void requestRun(FetchKind kind, std::function<void()> afterwards = {});
    // The run in progress has ended.
    void runEnded();
    // True while a run is in progress or waits its turn.
    bool isFetching() const { return m_running || !m_waiting.isEmpty(); }
    // The program is ending: nothing waiting starts any more.
    void stop();

signals:
    void automaticChanged(bool on);

private:
    void startNext();

    struct WaitingRun {
        FetchKind kind;
        std::function<void()> afterwards;
    };

    std::function<bool(FetchKind)> m_startRun;
    CountdownTimer m_timer;
    bool m_automaticOn = false;
    std::optional<qint32> m_interval;
    qint32 m_elapsed = 0;
    QList<WaitingRun> m_waiting;
    bool m_running = false;
    std::function<void()> m_afterRun;
};

} // namespace tidewick
