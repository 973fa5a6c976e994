#include "app/MainWindow.h"

#include "core/Dialogs.h"
#include "ui/ReportList.h"
#include "core/SettingsStore.h"
#include "schedule/Countdown.h"
#include "schedule/FetchScheduler.h"
#include "schedule/IntervalTable.h"

#include <QGroupBox>
#include <QLocale>
#include <QPointer>
#include <QItemSelectionModel>
#include <QProgressBar>
#include <QPushButton>

namespace tidewick {

void MainWindow::connectScheduleHandlers()
{
    connect(countdownTimer, &CountdownTimer::tick, this, &MainWindow::onCountdownTick);
    connect(automaticFetchButton, &QPushButton::clicked, this, &MainWindow::onAutomaticFetchClicked);
    connect(testFetchButton, &QPushButton::clicked, this, &MainWindow::onTestFetchClicked);
    // The toggle offers the opposite of the state.
    connect(m_scheduler.get(), &FetchScheduler::automaticChanged, this,
            [this](bool on) { automaticFetchButton->setText(on ? tr("Turn Off Automatic News Fetch") : tr("Turn On Automatic News Fetch")); });
    // The interval chosen is the scheduler's, also while the load chooses it.
    connect(intervalList->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const int row = intervalList->selectedRow();
        m_scheduler->setInterval(row >= 0 ? std::optional(offeredIntervalSeconds(row)) : std::nullopt);
    });
    // A choice made with the keyboard counts like a click.
    const auto click = [this] {
        if (!loading)
            runReported("ListView2_Click", [this] { onIntervalChosen(); });
    };
    connect(intervalList, &QAbstractItemView::clicked, this, click);
    connect(intervalList->selectionModel(), &QItemSelectionModel::selectionChanged, this, click);
}

void MainWindow::tellFetchAlreadyRunning()
{
    showNotice(tr("A news fetch is already running. The new one was not started."), MessageIcon::None);
}

// A notice already on screen is not shown again: a tray menu clicked fifty
// times during a fetch gives one box, not fifty.
void MainWindow::showNotice(const QString &text, MessageIcon icon)
{
    if (m_noticesUp.contains(text))
        return;
    m_noticesUp.insert(text);
    const QPointer<MainWindow> alive(this);
    m_services.dialogs->showMessage(appTitle(), text, icon, [alive, text] {
        if (alive)
            alive->m_noticesUp.remove(text);
    });
}

bool MainWindow::restoreAutomaticFetch(Trap &trap, const QString &startStopState)
{
    if (startStopState == kOff) {
        trap(194, [&] { m_scheduler->setAutomaticOn(false); });
        trap(196, [&] { m_scheduler->armCountdown(); });
    } else if (startStopState == kOn) {
        trap(200, [&] { m_scheduler->setAutomaticOn(true); });
        trap(202, [&] { m_scheduler->armCountdown(); });
        // The rest of the load follows the fetch.
        return trap(206, [&] { fetchNews(FetchKind::Scheduled, [this] { finishLoad(); }); });
    }
    return false;
}

void MainWindow::onCountdownTick()
{
    Trap trap(m_reporter, QStringLiteral("Form1"), QStringLiteral("Timer1_Timer"));
    FetchScheduler &scheduler = *m_scheduler;

    bool off = false;
    trap(100, [&] { off = countdownTimer->period() == 0; });
    if (off) {
        trap(144, [&] { countdownGroup->setTitle(tr("Automatic news fetch is Off.")); });
        return;
    }
    // No interval chosen (a stored choice that was not offered): the countdown
    // waits for one instead of failing every second.
    if (!scheduler.interval()) {
        trap(146, [&] { countdownGroup->setTitle(tr("Choose how often to fetch the news.")); });
        return;
    }
    const qint32 interval = *scheduler.interval();
    trap(104, [&] { scheduler.countSecond(); });
    const qint32 elapsed = scheduler.elapsedSeconds();
    trap(106, [&] { countdownBar->setMaximum(interval); });
    if (elapsed <= interval)
        trap(110, [&] { countdownBar->setValue(elapsed); });
    trap(112, [&] { countdownGroup->setTitle(tr("Next news fetch will occur in %1").arg(secondsToHms(interval - elapsed))); });

    if (!scheduler.isDue())
        return;
    trap(118, [&] { countdownTimer->setPeriod(0); });
    trap(120, [&] { countdownTimer->setEnabled(false); });
    // Behind a run still in progress (the start-up fetch) when there is one.
    if (!trap(126, [&] { fetchNews(FetchKind::Scheduled, [this] { afterScheduledFetch(); }); }))
        afterScheduledFetch();
}

// The count starts again once the scheduled fetch has ended.
void MainWindow::afterScheduledFetch()
{
    Trap trap(m_reporter, QStringLiteral("Form1"), QStringLiteral("Timer1_Timer"));
    trap(130, [&] { m_scheduler->restartCount(); });
    trap(132, [&] { countdownBar->setValue(0); });
    trap(140, [&] { m_scheduler->armCountdown(); });
    trap(142, [&] { countdownTimer->setEnabled(true); });
}

void MainWindow::onAutomaticFetchClicked()
{
    Trap trap(m_reporter, QStringLiteral("Form1"), QStringLiteral("PushButton5_Click"));
    if (!m_scheduler->automaticOn()) {
        trap(102, [&] { m_scheduler->setAutomaticOn(true); });
        // Stored before the first fetch: a close during that fetch ends the
        // program there and then, and the choice must survive it.
        trap(110, [&] { m_services.settings->write(SettingKeys::StartStopState, kOn); });
        // After the fetch the countdown runs only if the switch is still on.
        const auto arm = [this] {
            Trap(m_reporter, QStringLiteral("Form1"), QStringLiteral("PushButton5_Click"))(108, [this] {
                m_scheduler->armCountdown();
            });
        };
        if (isFetching()) {
            tellFetchAlreadyRunning();
            arm();
            return;
        }
        // The countdown starts once the first fetch has ended.
        if (!trap(106, [&] { fetchNews(FetchKind::Scheduled, arm); }))
            arm();
        return;
    }
    trap(114, [&] { m_scheduler->setAutomaticOn(false); });
    trap(116, [&] { m_scheduler->armCountdown(); });
    trap(118, [&] { m_services.settings->write(SettingKeys::StartStopState, kOff); });
    // A run under way ends after the article it is showing.
    trap(120, [&] { m_news->cancel(); });
}

void MainWindow::onTestFetchClicked()
{
    if (!m_services.newsHostProblem.isEmpty()) {
        tellNewsServiceProblem();
        return;
    }
    if (isFetching()) {
        tellFetchAlreadyRunning();
        return;
    }
    Trap trap(m_reporter, QStringLiteral("Form1"), QStringLiteral("PushButton6_Click"));
    bool wasEnabled = true;
    trap(100, [&] { wasEnabled = countdownTimer->enabled(); });
    trap(104, [&] { countdownTimer->setEnabled(false); });
    trap(106, [&] { countdownTimer->setPeriod(0); });
    trap(110, [&] { setBusy(true); });
    const auto afterwards = [this, wasEnabled] { afterTestFetch(wasEnabled); };
    if (!trap(114, [&] { fetchNews(FetchKind::Test, afterwards); }))
        afterwards();
}

void MainWindow::afterTestFetch(bool wasEnabled)
{
    Trap trap(m_reporter, QStringLiteral("Form1"), QStringLiteral("PushButton6_Click"));
    trap(116, [&] { setBusy(false); });
    trap(120, [&] { countdownTimer->setEnabled(wasEnabled); });
    trap(122, [&] { m_scheduler->armCountdown(); });
    trap(124, [&] { tellTestFetchOutcome(); });
}

// "Done." only where something was asked of the news service; otherwise why
// nothing was (an error report has said it where one came).
void MainWindow::tellTestFetchOutcome()
{
    if (m_news->queriesSent() > 0) {
        m_services.dialogs->showMessage(appTitle(), tr("Done."), MessageIcon::None);
        return;
    }
    const WindowBudget &budget = m_news->budget();
    const QString nextWindow = QLocale().toString(budget.windowEnd().toLocalTime(), QLocale::ShortFormat);
    if (budget.dailyRecs == budget::kRefusedMark)
        showNotice(tr("No news was fetched: the news service has refused further requests. Tidewick asks again "
                      "after %1.").arg(nextWindow),
                   MessageIcon::None);
    else if (budget.dailyRecs > budget::kRequestsPerWindow)
        showNotice(tr("No news was fetched: the news service allows about 50 requests in 12 hours, and they have "
                      "been made. Tidewick asks again after %1.").arg(nextWindow),
                   MessageIcon::None);
}

void MainWindow::onIntervalChosen()
{
    const int row = intervalList->selectedRow();
    if (row < 0)
        return;
    m_services.settings->write(SettingKeys::OftenIndex, QString::number(row + 1));
    m_scheduler->setInterval(offeredIntervalSeconds(row));
}

} // namespace tidewick
