#include "app/MainWindow.h"

#include "core/Dialogs.h"
#include "core/ProgramState.h"
#include "core/ReportList.h"
#include "core/SettingsStore.h"
#include "schedule/Countdown.h"
#include "schedule/CountdownTimer.h"

#include <QGroupBox>
#include <QItemSelectionModel>
#include <QProgressBar>
#include <QPushButton>
#include <limits>

namespace tidewick {

namespace {
// The toggle's caption is its state.
const QString kTurnOn = QStringLiteral("Turn On Automatic News Fetch");
const QString kTurnOff = QStringLiteral("Turn Off Automatic News Fetch");
const QString kCountdownCaption = QStringLiteral("Next news fetch will occur in ");
constexpr int kTickMs = 1000;
} // namespace

void MainWindow::connectScheduleHandlers()
{
    connect(countdownTimer, &CountdownTimer::tick, this, &MainWindow::onCountdownTick);
    connect(automaticFetchButton, &QPushButton::clicked, this, &MainWindow::onAutomaticFetchClicked);
    connect(testFetchButton, &QPushButton::clicked, this, &MainWindow::onTestFetchClicked);
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
    m_services.dialogs->showMessage(appTitle(),
                                    QStringLiteral("A news fetch is already running. The new one was not started."),
                                    MessageIcon::None);
}

// After every fetch the countdown runs only while the toggle offers to turn
// automatic fetching off: the user may have switched it during the fetch.
void MainWindow::armCountdownAsToggleSays()
{
    countdownTimer->setPeriod(automaticFetchButton->text() == kTurnOff ? kTickMs : 0);
}

bool MainWindow::restoreAutomaticFetch(Trap &trap, const QString &startStopState)
{
    if (startStopState == kOff) {
        trap(194, [&] { automaticFetchButton->setText(kTurnOn); });
        trap(196, [&] { countdownTimer->setPeriod(0); });
    } else if (startStopState == kOn) {
        trap(200, [&] { automaticFetchButton->setText(kTurnOff); });
        trap(202, [&] { countdownTimer->setPeriod(kTickMs); });
        trap(204, [&] { m_services.globals->testFetch = false; });
        // The rest of the load follows the fetch.
        return trap(206, [&] { fetchNews(FetchRun::Kind::Scheduled, [this] { finishLoad(); }); });
    }
    return false;
}

void MainWindow::onCountdownTick()
{
    Trap trap(m_reporter, QStringLiteral("Form1"), QStringLiteral("Timer1_Timer"));
    ProgramState &globals = *m_services.globals;

    bool off = false;
    trap(100, [&] { off = countdownTimer->period() == 0; });
    if (off) {
        trap(144, [&] { countdownGroup->setTitle(QStringLiteral("Automatic news fetch is Off.")); });
        return;
    }
    // No interval chosen (a stored choice that was not offered): the countdown
    // waits for one instead of failing every second.
    if (intervalList->selectedRow() < 0) {
        trap(146, [&] { countdownGroup->setTitle(QStringLiteral("Choose how often to fetch the news.")); });
        return;
    }
    trap(102, [&] { globals.fetchIntervalSeconds = intervalSeconds(*intervalList); });
    trap(104, [&] {
        if (globals.elapsedSeconds == std::numeric_limits<qint32>::max())
            throw AppError::overflow();
        ++globals.elapsedSeconds;
    });
    trap(106, [&] { countdownBar->setMaximum(globals.fetchIntervalSeconds); });
    bool withinInterval = false;
    trap(108, [&] { withinInterval = globals.elapsedSeconds <= globals.fetchIntervalSeconds; });
    if (withinInterval)
        trap(110, [&] { countdownBar->setValue(globals.elapsedSeconds); });
    trap(112, [&] {
        const qint32 secondsLeft = globals.fetchIntervalSeconds - globals.elapsedSeconds;
        countdownGroup->setTitle(kCountdownCaption + secondsToHms(secondsLeft));
    });

    bool due = false;
    trap(116, [&] { due = globals.elapsedSeconds == globals.fetchIntervalSeconds; });
    if (!due)
        return;
    trap(118, [&] { countdownTimer->setPeriod(0); });
    trap(120, [&] { countdownTimer->setEnabled(false); });
    trap(124, [&] { globals.testFetch = false; });
    // Behind a run still in progress (the start-up fetch) when there is one.
    if (!trap(126, [&] { fetchNews(FetchRun::Kind::Scheduled, [this] { afterScheduledFetch(); }); }))
        afterScheduledFetch();
}

// The count starts again once the scheduled fetch has ended.
void MainWindow::afterScheduledFetch()
{
    Trap trap(m_reporter, QStringLiteral("Form1"), QStringLiteral("Timer1_Timer"));
    trap(130, [&] { m_services.globals->elapsedSeconds = 0; });
    trap(132, [&] { countdownBar->setValue(0); });
    trap(140, [&] { armCountdownAsToggleSays(); });
    trap(142, [&] { countdownTimer->setEnabled(true); });
}

void MainWindow::onAutomaticFetchClicked()
{
    Trap trap(m_reporter, QStringLiteral("Form1"), QStringLiteral("PushButton5_Click"));
    bool turnOn = false;
    trap(100, [&] { turnOn = automaticFetchButton->text() == kTurnOn; });
    if (turnOn) {
        trap(102, [&] { automaticFetchButton->setText(kTurnOff); });
        // Stored before the first fetch: a close during that fetch ends the
        // program there and then, and the choice must survive it.
        trap(110, [&] { m_services.settings->write(SettingKeys::StartStopState, kOn); });
        const auto arm = [this] {
            Trap(m_reporter, QStringLiteral("Form1"), QStringLiteral("PushButton5_Click"))(108, [this] {
                armCountdownAsToggleSays();
            });
        };
        if (isFetching()) {
            tellFetchAlreadyRunning();
            arm();
            return;
        }
        trap(104, [&] { m_services.globals->testFetch = false; });
        // The countdown starts once the first fetch has ended.
        if (!trap(106, [&] { fetchNews(FetchRun::Kind::Scheduled, arm); }))
            arm();
        return;
    }
    bool turnOff = false;
    trap(112, [&] { turnOff = automaticFetchButton->text() == kTurnOff; });
    if (turnOff) {
        trap(114, [&] { automaticFetchButton->setText(kTurnOn); });
        trap(116, [&] { countdownTimer->setPeriod(0); });
        trap(118, [&] { m_services.settings->write(SettingKeys::StartStopState, kOff); });
        // A run under way ends after the article it is showing.
        trap(120, [&] { m_news->cancel(); });
    }
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
    trap(110, [&] { setMousePointer(Pointer::Busy); });
    trap(112, [&] { m_services.globals->testFetch = true; });
    const auto afterwards = [this, wasEnabled] { afterTestFetch(wasEnabled); };
    if (!trap(114, [&] { fetchNews(FetchRun::Kind::Test, afterwards); }))
        afterwards();
}

void MainWindow::afterTestFetch(bool wasEnabled)
{
    Trap trap(m_reporter, QStringLiteral("Form1"), QStringLiteral("PushButton6_Click"));
    trap(116, [&] { setMousePointer(Pointer::Default); });
    trap(120, [&] { countdownTimer->setEnabled(wasEnabled); });
    trap(122, [&] { armCountdownAsToggleSays(); });
    trap(124, [&] { m_services.dialogs->showMessage(appTitle(), QStringLiteral("Done."), MessageIcon::None); });
}

void MainWindow::onIntervalChosen()
{
    const int row = intervalList->selectedRow();
    if (row < 0)
        return;
    ProgramState &globals = *m_services.globals;
    m_services.settings->write(SettingKeys::OftenIndex, QString::number(row + 1));
    globals.fetchIntervalSeconds = intervalSeconds(*intervalList);
    globals.elapsedSeconds = 0;
}

} // namespace tidewick
