#include "FakeRunner.h"
#include "TestWindow.h"
#include "app/ReportList.h"
#include "schedule/Countdown.h"
#include "schedule/CountdownTimer.h"
#include "schedule/IntervalTable.h"

#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

using namespace tidewick;
using test::FakeRunner;
using test::TestWindow;

namespace {
const QString kTurnOn = QStringLiteral("Turn On Automatic News Fetch");
const QString kTurnOff = QStringLiteral("Turn Off Automatic News Fetch");

struct SchedulerWindow {
    SchedulerWindow() : runner(&window.useFakeRunner()) {}
    Form1 &create()
    {
        window.create();
        return window.form();
    }
    int queries() const { return int(runner->targets().size()); }
    QString countdown() { return window.form().Frame1->title(); }

    TestWindow window;
    FakeRunner *runner;
};
} // namespace

class SchedulerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void secondsToHms_dropsWholeDays_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0 << "00:00:00";
        QTest::newRow("29:59") << 1799 << "00:29:59";
        QTest::newRow("last of day") << 86399 << "23:59:59";
        QTest::newRow("whole day") << 86400 << "00:00:00";
        QTest::newRow("negative") << -1 << "23:59:59";
    }
    void secondsToHms_dropsWholeDays()
    {
        QFETCH(int, seconds);
        QFETCH(QString, text);
        QCOMPARE(SecondsToHMS(seconds), text);
    }

    void intervalTable_matchesCaptionsExactly()
    {
        QCOMPARE(intervalSecondsForCaption(QStringLiteral("Fetch every 12 hours")), 43200);
        QCOMPARE(intervalSecondsForCaption(QStringLiteral("Fetch every 1 second")), 1);
        QCOMPARE(intervalSecondsForCaption(QStringLiteral("fetch every 12 hours")), 0);
        QCOMPARE(offeredIntervalCaptions().size(), 5);
    }

    void intervalClick_storesTheChoiceAndRestartsTheCount()
    {
        SchedulerWindow scheduler;
        Form1 &form = scheduler.create();
        scheduler.window.globals.ElapsedSeconds = 99;
        form.ListView2->selectRow(3); // as the keyboard would
        QCOMPARE(scheduler.window.settings.read(SettingKeys::OftenIndex, QString()), QStringLiteral("4"));
        QCOMPARE(scheduler.window.globals.FetchIntervalSeconds, 43200);
        QCOMPARE(scheduler.window.globals.ElapsedSeconds, 0);

        SchedulerWindow restarted;
        restarted.window.settings.write(SettingKeys::OftenIndex, QStringLiteral("4"));
        QCOMPARE(restarted.create().ListView2->selectedRow(), 3);
    }

    void thirtyMinutes_countsDownAndFetchesOnThe1800thTick()
    {
        SchedulerWindow scheduler;
        Form1 &form = scheduler.create();
        form.ListView2->selectRow(0);
        form.PushButton5_Click();
        QCOMPARE(form.PushButton5->text(), kTurnOff);
        QCOMPARE(scheduler.window.settings.read(SettingKeys::StartStopState, QString()), QStringLiteral("On"));
        QCOMPARE(scheduler.queries(), 1); // the immediate fetch
        QCOMPARE(form.Timer1->period(), 1000);

        form.Timer1_Timer();
        QCOMPARE(scheduler.countdown(), QStringLiteral("Next news fetch will occur in 00:29:59"));
        QCOMPARE(form.ProgressBar1->maximum(), 1800);
        QCOMPARE(form.ProgressBar1->value(), 1);
        for (int tick = 2; tick < 1800; ++tick)
            form.Timer1_Timer();
        QCOMPARE(scheduler.countdown(), QStringLiteral("Next news fetch will occur in 00:00:01"));
        QCOMPARE(scheduler.queries(), 1);
        form.Timer1_Timer();
        QCOMPARE(scheduler.countdown(), QStringLiteral("Next news fetch will occur in 00:00:00"));
        QCOMPARE(scheduler.queries(), 2);
        QVERIFY(!scheduler.window.globals.TestFetch);
        QCOMPARE(scheduler.window.globals.ElapsedSeconds, 0);
        QCOMPARE(form.ProgressBar1->value(), 0);
        QVERIFY(form.Timer1->enabled() && form.Timer1->period() == 1000 && form.Timer1->isTicking());
        QVERIFY(scheduler.window.dialogs.shown.isEmpty());
    }

    void toggleOffAndOn_keepsTheCount()
    {
        SchedulerWindow scheduler;
        Form1 &form = scheduler.create();
        form.PushButton5_Click();
        for (int tick = 0; tick < 10; ++tick)
            form.Timer1_Timer();
        form.PushButton5_Click();
        QCOMPARE(form.PushButton5->text(), kTurnOn);
        QCOMPARE(form.Timer1->period(), 0);
        QVERIFY(!form.Timer1->isTicking());
        QCOMPARE(scheduler.window.settings.read(SettingKeys::StartStopState, QString()), QStringLiteral("Off"));
        QCOMPARE(scheduler.countdown(), QStringLiteral("Next news fetch will occur in 00:59:50"));
        form.Timer1_Timer();
        QCOMPARE(scheduler.countdown(), QStringLiteral("Automatic news fetch is Off."));
        form.PushButton5_Click();
        form.Timer1_Timer();
        QCOMPARE(scheduler.countdown(), QStringLiteral("Next news fetch will occur in 00:59:49"));
    }

    void turnOn_storesTheChoiceBeforeItsFirstQuery()
    {
        // Closing the window during that first fetch ends the program at
        // once; turning on must not be lost with it.
        SchedulerWindow scheduler;
        Form1 &form = scheduler.create();
        form.ListView5->rows().append(QStringList{QStringLiteral("tesla")});
        QString storedDuringQuery;
        scheduler.runner->whileRunning = [&] {
            storedDuringQuery = scheduler.window.settings.read(SettingKeys::StartStopState, QString());
        };
        form.PushButton5_Click();
        QVERIFY(scheduler.queries() > 0);
        QCOMPARE(storedDuringQuery, QStringLiteral("On"));
    }

    void testFetch_endsWithDoneAndLeavesTheCountdown()
    {
        SchedulerWindow scheduler;
        Form1 &form = scheduler.create();
        form.PushButton5_Click();
        form.Timer1_Timer();
        bool busyDuringFetch = false;
        scheduler.runner->whileRunning = [&] { busyDuringFetch = form.isBusy() && !form.Timer1->isTicking(); };
        form.PushButton6_Click();
        QVERIFY(busyDuringFetch);
        QVERIFY(!form.isBusy());
        QCOMPARE(scheduler.window.dialogs.messageTexts(), QStringList({"Done."}));
        QCOMPARE(scheduler.window.dialogs.messages().first().title, QStringLiteral("Tidewick"));
        QCOMPARE(scheduler.window.globals.ElapsedSeconds, 1);
        QVERIFY(form.Timer1->isTicking());

        SchedulerWindow off;
        Form1 &offForm = off.create();
        offForm.PushButton6_Click();
        QCOMPARE(offForm.Timer1->period(), 0);
        QVERIFY(!offForm.Timer1->isTicking());
    }

    void turnOffDuringAScheduledFetch_isHonoured()
    {
        SchedulerWindow scheduler;
        Form1 &form = scheduler.create();
        form.ListView2->selectRow(0);
        form.PushButton5_Click();
        scheduler.window.globals.ElapsedSeconds = 1799;
        scheduler.runner->whileRunning = [&] {
            scheduler.runner->whileRunning = nullptr;
            form.PushButton5_Click();
        };
        form.Timer1_Timer();
        QCOMPARE(form.PushButton5->text(), kTurnOn);
        QCOMPARE(form.Timer1->period(), 0);
        QVERIFY(!form.Timer1->isTicking());
    }

    void buttonsDuringAFetch_startNoSecondRun()
    {
        SchedulerWindow scheduler;
        Form1 &form = scheduler.create();
        scheduler.runner->whileRunning = [&] {
            scheduler.runner->whileRunning = nullptr;
            form.PushButton6_Click();
            form.PushButton5_Click();
        };
        form.PushButton6_Click();
        QCOMPARE(scheduler.queries(), 1);
        const QStringList texts = scheduler.window.dialogs.messageTexts();
        QCOMPARE(texts.count(QStringLiteral("A news fetch is already running. The new one was not started.")), 2);
        QCOMPARE(texts.last(), QStringLiteral("Done."));
        QCOMPARE(form.PushButton5->text(), kTurnOff); // the switch itself took effect
    }

    void startWithAutomaticFetchingOn_fetchesDuringTheLoad()
    {
        SchedulerWindow scheduler;
        scheduler.window.settings.write(SettingKeys::StartStopState, QStringLiteral("On"));
        Form1 &form = scheduler.create();
        QCOMPARE(scheduler.queries(), 1);
        QCOMPARE(form.PushButton5->text(), kTurnOff);
        QCOMPARE(form.Timer1->period(), 1000);
        QVERIFY(!form.isVisible());
    }
};

QTEST_MAIN(SchedulerTest)
#include "Scheduler_test.moc"
