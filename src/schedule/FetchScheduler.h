#pragma once

#include "core/ErrorReport.h"
#include "core/FetchKind.h"
#include "core/Services.h"
#include "fetch/QueryWalk.h"

#include <QList>
#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

namespace tidewick {

class FetchRun;
class Notices;
class WatchListModel;

// Automatic fetching and every run's turn: it follows the watch list's
// choices (automatic fetching on or off, the interval), counts down to the
// next run, starts the runs with the watch list's queries and keeps those
// that wait their turn. The window shows what it signals and forwards the
// user's clicks; nothing here knows a widget or a caption.
//
// The countdown keeps time by the clock, not by counting ticks. While it is
// on screen it wakes once a second, so the window can show it; while it is
// not, it wakes once, when the next run is due.
class FetchScheduler : public QObject {
    Q_OBJECT

public:
    FetchScheduler(const Services &services, ErrorReporter &reporter, Notices &notices, WatchListModel &watch,
                   FetchRun &run, QObject *parent = nullptr);

    // What the countdown has to show.
    struct Countdown {
        enum class State {
            Off,        // automatic fetching is off
            NoInterval, // on, but no interval is chosen
            Counting,   // on: `elapsedSeconds` of `intervalSeconds`
        };
        State state = State::Off;
        qint32 elapsedSeconds = 0;
        qint32 intervalSeconds = 0;
    };
    Countdown countdown() const;
    std::optional<qint32> intervalSeconds() const;

    // --- What the user does ----------------------------------------------------
    // At start-up, as stored: with automatic fetching on, the countdown runs
    // and the first fetch comes at once, `afterwards` following its end
    // (true); otherwise nothing (false).
    bool restore(const QString &startStopState, std::function<void()> afterwards);
    // The switch: on fetches at once and counts down from where the count
    // stood; off stops the count, and the run under way after its article.
    void toggleAutomatic();
    // "News Fetch Now (Test)": a test run with the countdown paused, then a
    // word on how it went.
    void testFetch();
    // Another interval was chosen: stored, and the count starts again.
    void chooseInterval(int row);

    // Whether the countdown is on screen, so worth a look every second.
    void setCountdownShown(bool shown);
    // One look at the countdown: tells what it shows, and starts the run
    // that has come due. The scheduler's timer calls it; a test that moved
    // the clock may too.
    void tick();
    // When the scheduler wakes next, in milliseconds from now; none while it
    // has nothing to wake for.
    std::optional<qint64> nextWakeUpMs() const;

    // --- Runs ------------------------------------------------------------------
    // Runs take turns: one asked for while another is under way (the
    // start-up fetch, say) starts once that one has ended. `afterwards`
    // follows the run's end, or comes at once when it could not start.
    void requestRun(FetchKind kind, std::function<void()> afterwards = {});
    // True while a run is in progress or waits its turn.
    bool isFetching() const { return m_running || !m_waiting.isEmpty(); }
    // True while a test fetch keeps the window busy.
    bool isBusy() const { return m_busy; }
    // The program is ending: nothing waiting starts any more, nothing ticks.
    void stop();

signals:
    // What countdown() gives has changed (once a second while counting on
    // screen).
    void countdownChanged();
    // A test fetch began or ended.
    void busyChanged(bool busy);
    // An automatic run that sent queries has ended, having shown `articles`.
    void automaticRunEnded(qsizetype articles);

private:
    struct WaitingRun {
        FetchKind kind;
        std::function<void()> afterwards;
    };

    bool counting() const;
    qint64 countedMs() const;
    qint32 elapsedSeconds() const;
    void setPaused(bool paused);
    void restartCount();
    void planWakeUp();
    void countdownMoved();
    bool startRun(FetchKind kind);
    void startNext();
    void runEnded();
    void afterScheduledRun();
    void tellRunEnd();
    void afterTestRun(bool wasCounting);
    void tellTestOutcome();
    void tellAlreadyRunning();
    void setBusy(bool busy);

    Services m_services;
    ErrorReporter &m_reporter;
    Notices &m_notices;
    WatchListModel &m_watch;
    FetchRun &m_run;
    QueryWalk m_walk;

    // The count: milliseconds counted before the stretch under way, and since
    // when it runs (none while it stands).
    qint64 m_countedMs = 0;
    std::optional<qint64> m_countingSinceMs;
    // A run of the scheduler's (scheduled or test) holds the count.
    bool m_paused = false;
    bool m_shown = false;
    bool m_stopped = false;
    bool m_busy = false;
    QTimer m_wake;

    QList<WaitingRun> m_waiting;
    bool m_running = false;
    bool m_runStarted = false; // whether the latest run taken from the queue began
    std::function<void()> m_afterRun;
};

} // namespace tidewick
