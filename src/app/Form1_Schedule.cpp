#include "app/Form1.h"

#include "app/Clock.h"
#include "app/Dialogs.h"
#include "app/Globals.h"
#include "app/ReportList.h"
#include "app/SettingsStore.h"
#include "fetch/IntervalSave.h"
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

void Form1::connectScheduleHandlers()
{
    connect(Timer1, &CountdownTimer::tick, this, &Form1::Timer1_Timer);
    connect(PushButton5, &QPushButton::clicked, this, &Form1::PushButton5_Click);
    connect(PushButton6, &QPushButton::clicked, this, &Form1::PushButton6_Click);
    // A choice made with the keyboard counts like a click.
    const auto click = [this] {
        if (!Loading)
            runReported("ListView2_Click", [this] { ListView2_Click(); });
    };
    connect(ListView2, &QAbstractItemView::clicked, this, click);
    connect(ListView2->selectionModel(), &QItemSelectionModel::selectionChanged, this, click);
}

void Form1::tellFetchAlreadyRunning()
{
    m_services.dialogs->showMessage(appTitle(),
                                    QStringLiteral("A news fetch is already running. The new one was not started."),
                                    MessageIcon::None);
}

void Form1::restoreAutomaticFetch(Trap &trap, const QString &startStopState)
{
    if (startStopState == kOff) {
        trap(194, [&] { PushButton5->setText(kTurnOn); });
        trap(196, [&] { Timer1->setPeriod(0); });
    } else if (startStopState == kOn) {
        trap(200, [&] { PushButton5->setText(kTurnOff); });
        trap(202, [&] { Timer1->setPeriod(kTickMs); });
        trap(204, [&] { m_services.globals->TestFetch = false; });
        trap(206, [&] { m_news->FetchNewsNow(); });
    }
}

void Form1::Timer1_Timer()
{
    Trap trap(m_reporter, QStringLiteral("Form1"), QStringLiteral("Timer1_Timer"));
    Globals &globals = *m_services.globals;

    bool off = false;
    trap(100, [&] { off = Timer1->period() == 0; });
    if (off) {
        trap(144, [&] { Frame1->setTitle(QStringLiteral("Automatic news fetch is Off.")); });
        return;
    }
    trap(102, [&] { globals.FetchIntervalSeconds = IntervalSeconds(*ListView2); });
    trap(104, [&] {
        if (globals.ElapsedSeconds == std::numeric_limits<qint32>::max())
            throw AppError::overflow();
        ++globals.ElapsedSeconds;
    });
    trap(106, [&] { ProgressBar1->setMaximum(globals.FetchIntervalSeconds); });
    bool withinInterval = false;
    trap(108, [&] { withinInterval = globals.ElapsedSeconds <= globals.FetchIntervalSeconds; });
    if (withinInterval)
        trap(110, [&] { ProgressBar1->setValue(globals.ElapsedSeconds); });
    trap(112, [&] {
        Frame1->setTitle(kCountdownCaption + SecondsToHMS(globals.FetchIntervalSeconds - globals.ElapsedSeconds));
    });
    trap(114, [&] { pumpEvents(); });

    bool due = false;
    trap(116, [&] { due = globals.ElapsedSeconds == globals.FetchIntervalSeconds; });
    if (!due)
        return;
    trap(118, [&] { Timer1->setPeriod(0); });
    trap(120, [&] { Timer1->setEnabled(false); });
    trap(122, [&] { pumpEvents(); });
    if (!m_news->isRunning()) {
        trap(124, [&] { globals.TestFetch = false; });
        trap(126, [&] { m_news->FetchNewsNow(); });
    }
    trap(128, [&] { pumpEvents(); });
    trap(130, [&] { globals.ElapsedSeconds = 0; });
    trap(132, [&] { ProgressBar1->setValue(0); });
    // A "Turn Off" made while the fetch ran is honoured: no countdown runs
    // while the button offers to turn it on.
    trap(140, [&] { Timer1->setPeriod(PushButton5->text() == kTurnOn ? 0 : kTickMs); });
    trap(142, [&] { Timer1->setEnabled(true); });
}

void Form1::PushButton5_Click()
{
    Trap trap(m_reporter, QStringLiteral("Form1"), QStringLiteral("PushButton5_Click"));
    bool turnOn = false;
    trap(100, [&] { turnOn = PushButton5->text() == kTurnOn; });
    if (turnOn) {
        trap(102, [&] { PushButton5->setText(kTurnOff); });
        // Stored before the first fetch: a close during that fetch ends the
        // program there and then, and the choice must survive it.
        trap(110, [&] { m_services.settings->write(SettingKeys::StartStopState, kOn); });
        if (m_news->isRunning()) {
            tellFetchAlreadyRunning();
        } else {
            trap(104, [&] { m_services.globals->TestFetch = false; });
            trap(106, [&] { m_news->FetchNewsNow(); });
        }
        trap(108, [&] { Timer1->setPeriod(kTickMs); });
        return;
    }
    bool turnOff = false;
    trap(112, [&] { turnOff = PushButton5->text() == kTurnOff; });
    if (turnOff) {
        trap(114, [&] { PushButton5->setText(kTurnOn); });
        trap(116, [&] { Timer1->setPeriod(0); });
        trap(118, [&] { m_services.settings->write(SettingKeys::StartStopState, kOff); });
    }
}

void Form1::PushButton6_Click()
{
    if (m_news->isRunning()) {
        tellFetchAlreadyRunning();
        return;
    }
    Trap trap(m_reporter, QStringLiteral("Form1"), QStringLiteral("PushButton6_Click"));
    bool wasEnabled = true;
    trap(100, [&] { wasEnabled = Timer1->enabled(); });
    trap(104, [&] { Timer1->setEnabled(false); });
    trap(106, [&] { Timer1->setPeriod(0); });
    trap(108, [&] { pumpEvents(); });
    trap(110, [&] { setMousePointer(Pointer::Busy); });
    trap(112, [&] { m_services.globals->TestFetch = true; });
    trap(114, [&] { m_news->FetchNewsNow(); });
    trap(116, [&] { setMousePointer(Pointer::Default); });
    trap(120, [&] { Timer1->setEnabled(wasEnabled); });
    // The countdown comes back as the toggle now says: the user may have
    // turned automatic fetching on or off while the test fetch ran.
    trap(122, [&] { Timer1->setPeriod(PushButton5->text() == kTurnOn ? 0 : kTickMs); });
    trap(124, [&] { m_services.dialogs->showMessage(appTitle(), QStringLiteral("Done."), MessageIcon::None); });
}

void Form1::ListView2_Click()
{
    const int row = ListView2->selectedRow();
    if (row < 0)
        return;
    Globals &globals = *m_services.globals;
    m_services.settings->write(SettingKeys::OftenIndex, QString::number(row + 1));
    globals.FetchIntervalSeconds = IntervalSeconds(*ListView2);
    globals.ElapsedSeconds = 0;
}

} // namespace tidewick
