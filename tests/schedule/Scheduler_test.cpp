#include "FakeRunner.h"
#include "TestPaths.h"
#include "TestWindow.h"
#include "ui/ReportList.h"
#include "desktop/TrayIcon.h"
#include "schedule/Countdown.h"
#include "schedule/FetchScheduler.h"
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
    MainWindow &create()
    {
        window.create();
        return window.form();
    }
    int queries() const { return int(runner->targets().size()); }
    // Every fetch asked for has ended.
    void settle() { QTRY_VERIFY(!window.form().isFetching()); }
    // Lets the run held at its query go on.
    void release()
    {
        runner->holdRuns = false;
        runner->finishRun();
        settle();
    }
    QString countdown() { return test::ui(window.form()).countdownGroup->title(); }

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
        QCOMPARE(secondsToHms(seconds), text);
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
        MainWindow &form = scheduler.create();
        for (int second = 0; second < 99; ++second)
            form.scheduler().countSecond();
        test::ui(form).intervalList->selectRow(3); // as the keyboard would
        QCOMPARE(scheduler.window.settings.read(SettingKeys::OftenIndex, QString()), QStringLiteral("4"));
        QCOMPARE(form.scheduler().interval(), std::optional<qint32>(43200));
        QCOMPARE(form.scheduler().elapsedSeconds(), 0);

        SchedulerWindow restarted;
        restarted.window.settings.write(SettingKeys::OftenIndex, QStringLiteral("4"));
        QCOMPARE(test::ui(restarted.create()).intervalList->selectedRow(), 3);
    }

    void thirtyMinutes_countsDownAndFetchesOnThe1800thTick()
    {
        SchedulerWindow scheduler;
        MainWindow &form = scheduler.create();
        test::ui(form).intervalList->selectRow(0);
        form.onAutomaticFetchClicked();
        scheduler.settle();
        QCOMPARE(test::ui(form).automaticFetchButton->text(), kTurnOff);
        QCOMPARE(scheduler.window.settings.read(SettingKeys::StartStopState, QString()), QStringLiteral("On"));
        QCOMPARE(scheduler.queries(), 1); // the immediate fetch
        QCOMPARE(test::ui(form).countdownTimer->period(), 1000);

        form.onCountdownTick();
        QCOMPARE(scheduler.countdown(), QStringLiteral("Next news fetch will occur in 00:29:59"));
        QCOMPARE(test::ui(form).countdownBar->maximum(), 1800);
        QCOMPARE(test::ui(form).countdownBar->value(), 1);
        for (int tick = 2; tick < 1800; ++tick)
            form.onCountdownTick();
        QCOMPARE(scheduler.countdown(), QStringLiteral("Next news fetch will occur in 00:00:01"));
        QCOMPARE(scheduler.queries(), 1);
        form.onCountdownTick();
        QCOMPARE(scheduler.countdown(), QStringLiteral("Next news fetch will occur in 00:00:00"));
        QVERIFY(!test::ui(form).countdownTimer->isTicking()); // while the fetch runs
        scheduler.settle();
        QCOMPARE(scheduler.queries(), 2);
        QCOMPARE(form.scheduler().elapsedSeconds(), 0);
        QCOMPARE(test::ui(form).countdownBar->value(), 0);
        QVERIFY(test::ui(form).countdownTimer->enabled() && test::ui(form).countdownTimer->period() == 1000 && test::ui(form).countdownTimer->isTicking());
        QVERIFY(scheduler.window.dialogs.shown.isEmpty());
    }

    void toggleOffAndOn_keepsTheCount()
    {
        SchedulerWindow scheduler;
        MainWindow &form = scheduler.create();
        form.onAutomaticFetchClicked();
        scheduler.settle();
        for (int tick = 0; tick < 10; ++tick)
            form.onCountdownTick();
        form.onAutomaticFetchClicked();
        QCOMPARE(test::ui(form).automaticFetchButton->text(), kTurnOn);
        QCOMPARE(test::ui(form).countdownTimer->period(), 0);
        QVERIFY(!test::ui(form).countdownTimer->isTicking());
        QCOMPARE(scheduler.window.settings.read(SettingKeys::StartStopState, QString()), QStringLiteral("Off"));
        QCOMPARE(scheduler.countdown(), QStringLiteral("Next news fetch will occur in 00:59:50"));
        form.onCountdownTick();
        QCOMPARE(scheduler.countdown(), QStringLiteral("Automatic news fetch is Off."));
        form.onAutomaticFetchClicked();
        scheduler.settle();
        form.onCountdownTick();
        QCOMPARE(scheduler.countdown(), QStringLiteral("Next news fetch will occur in 00:59:49"));
    }

    void turnOn_storesTheChoiceBeforeItsFirstQuery()
    {
        // Closing the window during that first fetch ends the program and
        // writes nothing more; turning on must not be lost with it.
        SchedulerWindow scheduler;
        MainWindow &form = scheduler.create();
        test::ui(form).keywordList->rows().append(QStringList{QStringLiteral("tesla")});
        scheduler.runner->holdRuns = true;
        form.onAutomaticFetchClicked();
        QTRY_VERIFY(scheduler.runner->isRunning());
        QCOMPARE(scheduler.window.settings.read(SettingKeys::StartStopState, QString()), QStringLiteral("On"));
    }

    void testFetch_endsWithDoneAndLeavesTheCountdown()
    {
        SchedulerWindow scheduler;
        MainWindow &form = scheduler.create();
        form.onAutomaticFetchClicked();
        scheduler.settle();
        form.onCountdownTick();
        scheduler.runner->holdRuns = true;
        form.onTestFetchClicked();
        QTRY_VERIFY(scheduler.runner->isRunning());
        QVERIFY(form.isBusy() && !test::ui(form).countdownTimer->isTicking());
        scheduler.release();
        QVERIFY(!form.isBusy());
        QCOMPARE(scheduler.window.dialogs.messageTexts(), QStringList({"Done."}));
        QCOMPARE(scheduler.window.dialogs.messages().first().title, QStringLiteral("Tidewick"));
        QCOMPARE(form.scheduler().elapsedSeconds(), 1);
        QVERIFY(test::ui(form).countdownTimer->isTicking());

        SchedulerWindow off;
        MainWindow &offForm = off.create();
        offForm.onTestFetchClicked();
        off.settle();
        QCOMPARE(test::ui(offForm).countdownTimer->period(), 0);
        QVERIFY(!test::ui(offForm).countdownTimer->isTicking());
    }

    // "Turn Off" during any fetch (the toggle's own first one, a scheduled
    // one, a test fetch), while a query runs or an article is shown: the run
    // ends there, "Off" is stored, and no countdown runs or fetches after it.
    void turnOffDuringAFetch_endsTheRunAndTheCountdown_data()
    {
        QTest::addColumn<QString>("fetch");
        QTest::addColumn<bool>("duringAnArticle");
        for (const char *fetch : {"turn on", "scheduled", "test"}) {
            QTest::addRow("%s, during its query", fetch) << QString::fromLatin1(fetch) << false;
            QTest::addRow("%s, during its first article", fetch) << QString::fromLatin1(fetch) << true;
        }
    }
    void turnOffDuringAFetch_endsTheRunAndTheCountdown()
    {
        QFETCH(QString, fetch);
        QFETCH(bool, duringAnArticle);
        SchedulerWindow scheduler;
        MainWindow &form = scheduler.create();
        test::ui(form).intervalList->selectRow(4); // 24 hours: the budget holds every query
        test::ui(form).keywordList->rows().append(QStringList{"a", "b", "c"});
        scheduler.runner->listing = test::readFile(test::listingFixturesDir() + "/01-three-articles.clean.txt");
        if (fetch != QLatin1String("turn on")) {
            form.onAutomaticFetchClicked(); // on, with a whole first fetch
            scheduler.settle();
        }
        const int queriesBefore = scheduler.queries();
        const int rowsBefore = test::ui(form).resultsList->count();

        test::FakeClock &clock = scheduler.window.clock;
        clock.holdWaits = duringAnArticle;
        scheduler.runner->holdRuns = !duringAnArticle;
        if (fetch == QLatin1String("turn on")) {
            form.onAutomaticFetchClicked();
        } else if (fetch == QLatin1String("scheduled")) {
            for (int second = 0; second < 86399; ++second)
                form.scheduler().countSecond();
            form.onCountdownTick();
        } else {
            form.onTestFetchClicked();
        }
        if (duringAnArticle)
            QTRY_COMPARE(clock.pendingWaits(), 1);
        else
            QTRY_VERIFY(scheduler.runner->isRunning());
        form.onAutomaticFetchClicked(); // Turn Off
        clock.holdWaits = false;
        clock.advanceMs(5000);
        scheduler.release();

        QCOMPARE(scheduler.queries(), queriesBefore + 1);
        // The article on screen is kept; the rest of the run is not shown.
        QCOMPARE(test::ui(form).resultsList->count(), rowsBefore + (duringAnArticle ? 1 : 0));
        QCOMPARE(test::ui(form).automaticFetchButton->text(), kTurnOn);
        QCOMPARE(scheduler.window.settings.read(SettingKeys::StartStopState, QString()), QStringLiteral("Off"));
        QCOMPARE(test::ui(form).countdownTimer->period(), 0);
        QVERIFY(!test::ui(form).countdownTimer->isTicking());
        for (int tick = 0; tick < 3; ++tick)
            form.onCountdownTick();
        QCOMPARE(scheduler.countdown(), QStringLiteral("Automatic news fetch is Off."));
        QCOMPARE(scheduler.queries(), queriesBefore + 1);
        QVERIFY(scheduler.window.dialogs.errorReports().isEmpty());

        // The next run goes ahead as usual.
        form.onAutomaticFetchClicked();
        scheduler.settle();
        QCOMPARE(scheduler.queries(), queriesBefore + 4);
    }

    // The user cannot take the choice away from the interval list.
    void intervalList_keepsItsChoice()
    {
        SchedulerWindow scheduler;
        MainWindow &form = scheduler.create();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        ReportList &list = *test::ui(form).intervalList;
        const QPoint thirdRow = list.visualRect(list.rows().index(2)).center();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, thirdRow);
        QCOMPARE(list.selectedRow(), 2);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, thirdRow);
        QCOMPARE(list.selectedRow(), 2);
        list.setFocus();
        QTest::keyClick(&list, Qt::Key_Space, Qt::ControlModifier);
        QCOMPARE(list.selectedRow(), 2);
        QTest::keyClick(&list, Qt::Key_Up);
        QCOMPARE(list.selectedRow(), 1);
        QCOMPARE(scheduler.window.settings.read(SettingKeys::OftenIndex, QString()), QStringLiteral("2"));
        QVERIFY(scheduler.window.dialogs.shown.isEmpty());
    }

    // A stored choice the list does not offer is reported once at start-up;
    // with automatic fetching on, the countdown then waits for a choice
    // instead of failing every second.
    void storedIntervalNotOffered_isReportedOnceAndTheCountdownWaits_data()
    {
        QTest::addColumn<QString>("oftenIndex");
        for (const char *index : {"-1", "0", "9", "99"})
            QTest::newRow(index) << QString::fromLatin1(index);
    }
    void storedIntervalNotOffered_isReportedOnceAndTheCountdownWaits()
    {
        QFETCH(QString, oftenIndex);
        SchedulerWindow scheduler;
        scheduler.window.settings.write(SettingKeys::OftenIndex, oftenIndex);
        MainWindow &form = scheduler.create();
        QStringList reports = scheduler.window.dialogs.errorReports();
        QCOMPARE(reports.size(), 1);
        QVERIFY(reports[0].contains(QStringLiteral("Form_Load at line 186\r")));
        QCOMPARE(test::ui(form).intervalList->selectedRow(), -1);

        form.onAutomaticFetchClicked();
        scheduler.settle();
        reports = scheduler.window.dialogs.errorReports();
        const int queries = scheduler.queries();
        for (int tick = 0; tick < 29; ++tick)
            form.onCountdownTick();
        QCOMPARE(scheduler.window.dialogs.errorReports(), reports);
        QCOMPARE(form.scheduler().elapsedSeconds(), 0);
        QCOMPARE(scheduler.queries(), queries);
        QVERIFY(test::ui(form).countdownTimer->isTicking());

        test::ui(form).intervalList->selectRow(0);
        form.onCountdownTick();
        QCOMPARE(scheduler.countdown(), QStringLiteral("Next news fetch will occur in 00:29:59"));
    }

    // Fifty presses (the tray menu's entry stays clickable) while the box
    // saying so is up give that one box.
    void buttonsDuringAFetch_startNoSecondRun()
    {
        SchedulerWindow scheduler;
        MainWindow &form = scheduler.create();
        scheduler.runner->holdRuns = true;
        scheduler.window.dialogs.holdMessages = true;
        form.onTestFetchClicked();
        QTRY_VERIFY(scheduler.runner->isRunning());
        for (int press = 0; press < 50; ++press)
            form.onTestFetchClicked();
        form.onAutomaticFetchClicked();
        scheduler.window.dialogs.holdMessages = false;
        scheduler.window.dialogs.answerMessages();
        scheduler.release();
        QCOMPARE(scheduler.queries(), 1);
        const QStringList texts = scheduler.window.dialogs.messageTexts();
        QCOMPARE(texts.count(QStringLiteral("A news fetch is already running. The new one was not started.")), 1);
        QCOMPARE(texts.last(), QStringLiteral("Done."));
        QCOMPARE(test::ui(form).automaticFetchButton->text(), kTurnOff); // the switch itself took effect
    }

    // The start-up fetch comes before the rest of the load (the tray icon
    // comes after it); a countdown that comes due meanwhile is served when
    // that fetch has ended, from the same budget.
    void startWithAutomaticFetchingOn_fetchesDuringTheLoad()
    {
        SchedulerWindow scheduler;
        scheduler.window.settings.write(SettingKeys::StartStopState, QStringLiteral("On"));
        scheduler.runner->holdRuns = true;
        MainWindow &form = scheduler.window.create(false);
        form.startUp();
        QTRY_VERIFY(scheduler.runner->isRunning());
        QVERIFY(form.loading && !test::ui(form).trayIcon->inTray());
        QCOMPARE(test::ui(form).countdownTimer->period(), 1000);
        for (int second = 0; second < 3599; ++second) // one hour, chosen by default
            form.scheduler().countSecond();
        form.onCountdownTick();
        scheduler.release();
        QCOMPARE(scheduler.queries(), 2);
        QCOMPARE(scheduler.window.settings.read(SettingKeys::DailyRecs, QString()), QStringLiteral("2"));
        QVERIFY(!form.loading && test::ui(form).trayIcon->inTray());
        QCOMPARE(test::ui(form).automaticFetchButton->text(), kTurnOff);
        QVERIFY(test::ui(form).countdownTimer->isTicking());
        QVERIFY(!form.isVisible());
    }
};

QTEST_MAIN(SchedulerTest)
#include "Scheduler_test.moc"
