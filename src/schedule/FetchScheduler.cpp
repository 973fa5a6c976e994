#include "schedule/FetchScheduler.h"

#include "core/Clock.h"
#include "core/Notices.h"
#include "core/SettingsStore.h"
#include "fetch/FetchRun.h"
#include "keywords/WatchListModel.h"
#include "schedule/IntervalTable.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <limits>
#include <utility>

namespace tidewick {

namespace {

constexpr qint64 kSecondMs = 1000;

// The numbered statements of the handlers whose work this is, as error
// reports name them ("Form1.Timer1_Timer" and so on).
const QString kModule = QStringLiteral("Form1");
namespace load {
const QString kProcedure = QStringLiteral("Form_Load");
constexpr int kOff = 194, kOn = 200, kFirstFetch = 206;
} // namespace load
namespace tick {
const QString kProcedure = QStringLiteral("Timer1_Timer");
constexpr int kHold = 118, kRun = 126, kRestartCount = 130, kGoOn = 140;
} // namespace tick
namespace toggle {
const QString kProcedure = QStringLiteral("PushButton5_Click");
constexpr int kTurnOn = 102, kFirstFetch = 106, kGoOn = 108, kStoreOn = 110, kTurnOff = 114, kStoreOff = 118,
              kEndRun = 120;
} // namespace toggle
namespace test {
const QString kProcedure = QStringLiteral("PushButton6_Click");
constexpr int kHold = 104, kBusy = 110, kRun = 114, kIdle = 116, kGoOn = 120, kTell = 124;
} // namespace test
namespace interval {
const QString kProcedure = QStringLiteral("ListView2_Click");
constexpr int kStore = 0;
} // namespace interval

} // namespace

FetchScheduler::FetchScheduler(const Services &services, ErrorReporter &reporter, Notices &notices,
                               WatchListModel &watch, FetchRun &run, QObject *parent)
    : QObject(parent), m_services(services), m_reporter(reporter), m_notices(notices), m_watch(watch), m_run(run),
      m_walk(services, reporter)
{
    m_wake.setSingleShot(true);
    m_wake.setTimerType(Qt::PreciseTimer);
    connect(&m_wake, &QTimer::timeout, this, &FetchScheduler::tick);
    connect(&m_run, &FetchRun::finished, this, &FetchScheduler::runEnded);
    connect(&m_watch, &WatchListModel::automaticOnChanged, this, &FetchScheduler::countdownMoved);
    // A new choice counts from nothing.
    connect(&m_watch, &WatchListModel::intervalChanged, this, [this] {
        restartCount();
        countdownMoved();
    });
}

std::optional<qint32> FetchScheduler::intervalSeconds() const
{
    const std::optional<int> row = m_watch.intervalRow();
    if (!row)
        return std::nullopt;
    try {
        return offeredIntervalSeconds(*row);
    } catch (const AppError &) {
        return std::nullopt;
    }
}

FetchScheduler::Countdown FetchScheduler::countdown() const
{
    Countdown countdown;
    const std::optional<qint32> interval = intervalSeconds();
    if (!m_watch.automaticOn()) {
        countdown.state = Countdown::State::Off;
    } else if (!interval) {
        countdown.state = Countdown::State::NoInterval;
    } else {
        countdown.state = Countdown::State::Counting;
        countdown.intervalSeconds = *interval;
        countdown.elapsedSeconds = std::min(elapsedSeconds(), *interval);
    }
    return countdown;
}

// --- The count -------------------------------------------------------------------

bool FetchScheduler::counting() const
{
    return m_watch.automaticOn() && !m_paused && !m_stopped && intervalSeconds().has_value();
}

qint64 FetchScheduler::countedMs() const
{
    return m_countedMs + (m_countingSinceMs ? m_services.clock->monotonicMs() - *m_countingSinceMs : 0);
}

qint32 FetchScheduler::elapsedSeconds() const
{
    return qint32(std::min<qint64>(countedMs() / kSecondMs, std::numeric_limits<qint32>::max()));
}

void FetchScheduler::setPaused(bool paused)
{
    m_paused = paused;
    countdownMoved();
}

void FetchScheduler::restartCount()
{
    m_countedMs = 0;
    if (m_countingSinceMs)
        m_countingSinceMs = m_services.clock->monotonicMs();
}

// The count follows what decides it (the switch, a run of the scheduler's,
// the interval), and the window learns of it.
void FetchScheduler::countdownMoved()
{
    if (counting() && !m_countingSinceMs) {
        m_countingSinceMs = m_services.clock->monotonicMs();
    } else if (!counting() && m_countingSinceMs) {
        m_countedMs = countedMs();
        m_countingSinceMs.reset();
    }
    planWakeUp();
    // While off, the countdown shows what it showed last; turning it off
    // says so (toggleAutomatic).
    if (m_watch.automaticOn())
        emit countdownChanged();
}

void FetchScheduler::planWakeUp()
{
    const std::optional<qint32> interval = intervalSeconds();
    if (!counting() || !interval) {
        m_wake.stop();
        return;
    }
    const qint64 counted = countedMs();
    const qint64 untilDue = std::max<qint64>(0, qint64(*interval) * kSecondMs - counted);
    const qint64 untilNextSecond = kSecondMs - counted % kSecondMs;
    m_wake.start(int(m_shown ? std::min(untilDue, untilNextSecond) : untilDue));
}

std::optional<qint64> FetchScheduler::nextWakeUpMs() const
{
    return m_wake.isActive() ? std::optional<qint64>(m_wake.remainingTime()) : std::nullopt;
}

void FetchScheduler::setCountdownShown(bool shown)
{
    if (std::exchange(m_shown, shown) == shown)
        return;
    if (shown)
        emit countdownChanged();
    planWakeUp();
}

void FetchScheduler::tick()
{
    if (!counting())
        return planWakeUp();
    emit countdownChanged();
    if (elapsedSeconds() < *intervalSeconds())
        return planWakeUp();
    // The count stands while the run it started lasts, behind a run still in
    // progress (the start-up fetch) when there is one.
    Trap trap(m_reporter, kModule, tick::kProcedure);
    trap(tick::kHold, [&] { setPaused(true); });
    const auto afterRun = [this] {
        afterScheduledRun();
        tellRunEnd();
    };
    if (!trap(tick::kRun, [&] { requestRun(FetchKind::Scheduled, afterRun); }))
        afterScheduledRun();
}

void FetchScheduler::tellRunEnd()
{
    if (m_runStarted && m_run.queriesSent() > 0)
        emit automaticRunEnded(m_run.articlesShown());
}

void FetchScheduler::afterScheduledRun()
{
    Trap trap(m_reporter, kModule, tick::kProcedure);
    trap(tick::kRestartCount, [&] { restartCount(); });
    trap(tick::kGoOn, [&] { setPaused(false); });
}

// --- What the user does ----------------------------------------------------------

bool FetchScheduler::restore(const QString &startStopState, std::function<void()> afterwards)
{
    Trap trap(m_reporter, kModule, load::kProcedure);
    if (startStopState == kOff) {
        trap(load::kOff, [&] { m_watch.setAutomaticOn(false); });
    } else if (startStopState == kOn) {
        // The count runs during the first fetch already.
        trap(load::kOn, [&] { m_watch.setAutomaticOn(true); });
        return trap(load::kFirstFetch, [&] {
            requestRun(FetchKind::Scheduled, [this, afterwards = std::move(afterwards)] {
                if (afterwards)
                    afterwards();
                tellRunEnd();
            });
        });
    }
    return false;
}

void FetchScheduler::toggleAutomatic()
{
    Trap trap(m_reporter, kModule, toggle::kProcedure);
    if (m_watch.automaticOn()) {
        trap(toggle::kTurnOff, [&] { m_watch.setAutomaticOn(false); });
        emit countdownChanged();
        trap(toggle::kStoreOff, [&] { m_services.settings->write(SettingKeys::StartStopState, kOff); });
        // A run under way ends after the article it is showing.
        trap(toggle::kEndRun, [&] { m_run.cancel(); });
        return;
    }
    // The count waits for the first fetch, which comes at once.
    const bool alreadyFetching = isFetching();
    m_paused = !alreadyFetching;
    trap(toggle::kTurnOn, [&] { m_watch.setAutomaticOn(true); });
    // Stored before the first fetch: a close during it ends the program
    // there and then, and the choice must survive it.
    trap(toggle::kStoreOn, [&] { m_services.settings->write(SettingKeys::StartStopState, kOn); });
    const auto goOn = [this] {
        Trap(m_reporter, kModule, toggle::kProcedure)(toggle::kGoOn, [this] { setPaused(false); });
    };
    if (alreadyFetching) {
        tellAlreadyRunning();
        return;
    }
    const auto afterFirstRun = [this, goOn] {
        goOn();
        tellRunEnd();
    };
    if (!trap(toggle::kFirstFetch, [&] { requestRun(FetchKind::Scheduled, afterFirstRun); }))
        goOn();
}

void FetchScheduler::testFetch()
{
    if (!m_services.newsHostProblem.isEmpty()) {
        m_notices.show(m_services.newsHostProblem, MessageIcon::Exclamation);
        return;
    }
    if (isFetching()) {
        tellAlreadyRunning();
        return;
    }
    Trap trap(m_reporter, kModule, test::kProcedure);
    const bool wasCounting = !m_paused;
    trap(test::kHold, [&] { setPaused(true); });
    trap(test::kBusy, [&] { setBusy(true); });
    const auto afterwards = [this, wasCounting] { afterTestRun(wasCounting); };
    if (!trap(test::kRun, [&] { requestRun(FetchKind::Test, afterwards); }))
        afterwards();
}

void FetchScheduler::tellAlreadyRunning()
{
    m_notices.show(
        QCoreApplication::translate("MainWindow", "A news fetch is already running. The new one was not started."));
}

void FetchScheduler::afterTestRun(bool wasCounting)
{
    Trap trap(m_reporter, kModule, test::kProcedure);
    trap(test::kIdle, [&] { setBusy(false); });
    trap(test::kGoOn, [&] { setPaused(!wasCounting); });
    trap(test::kTell, [&] { tellTestOutcome(); });
}

// "Done." only where something was asked of the news service; otherwise why
// nothing was (an error report has said it where one came).
void FetchScheduler::tellTestOutcome()
{
    if (m_run.queriesSent() > 0) {
        m_notices.dialogs().showMessage(m_notices.title(), QCoreApplication::translate("MainWindow", "Done."), MessageIcon::None);
        return;
    }
    const RequestWindowBudget &budget = m_run.budget();
    const QString nextWindow = QLocale().toString(budget.windowEnd().toLocalTime(), QLocale::ShortFormat);
    if (budget.dailyRecs == budget::kRefusedMark)
        m_notices.show(QCoreApplication::translate("MainWindow", "No news was fetched: the news service has refused further requests. Tidewick asks "
                          "again after %1.")
                           .arg(nextWindow));
    else if (budget.dailyRecs > budget::kRequestsPerWindow)
        m_notices.show(QCoreApplication::translate("MainWindow", "No news was fetched: the news service allows about 50 requests in 12 hours, and they "
                          "have been made. Tidewick asks again after %1.")
                           .arg(nextWindow));
}

void FetchScheduler::chooseInterval(int row)
{
    if (m_watch.intervalRow() == row)
        return;
    Trap trap(m_reporter, kModule, interval::kProcedure);
    trap(interval::kStore, [&] {
        offeredIntervalSeconds(row); // an entry that is offered
        m_services.settings->write(SettingKeys::OftenIndex, QString::number(row + 1));
        m_watch.setIntervalRow(row);
    });
}

void FetchScheduler::setBusy(bool busy)
{
    if (std::exchange(m_busy, busy) != busy)
        emit busyChanged(busy);
}

// --- Runs -------------------------------------------------------------------------

// A run of the watch list as it stands now; with an unusable news service
// address nothing is queried at all.
bool FetchScheduler::startRun(FetchKind kind)
{
    if (!m_services.newsHostProblem.isEmpty())
        return false;
    return m_run.start(kind, m_walk.walk(m_watch), intervalSeconds());
}

void FetchScheduler::requestRun(FetchKind kind, std::function<void()> afterwards)
{
    m_waiting.append({kind, std::move(afterwards)});
    if (!m_running)
        startNext();
}

void FetchScheduler::startNext()
{
    while (!m_waiting.isEmpty() && !m_stopped) {
        WaitingRun next = m_waiting.takeFirst();
        m_afterRun = next.afterwards ? std::move(next.afterwards) : [] {};
        m_running = true;
        m_runStarted = startRun(next.kind);
        if (m_runStarted)
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
    m_stopped = true;
    m_waiting.clear();
    m_wake.stop();
}

} // namespace tidewick
