#include "FakeRunner.h"
#include "TestNews.h"
#include "TestPaths.h"
#include "schedule/Countdown.h"
#include "schedule/IntervalTable.h"

#include <QtTest>

using namespace tidewick;
using Countdown = FetchScheduler::Countdown;

namespace {

// The news watch with a fake runner, counting down as the clock says.
struct Scheduling : test::TestNews {
    Scheduling() : fake(&useFakeRunner()) { create(); }
    int queries() const { return int(fake->targets().size()); }
    // Every fetch asked for has ended.
    void settle() { QTRY_VERIFY(!scheduler().isFetching()); }
    // Lets the run held at its query go on.
    void release()
    {
        fake->holdRuns = false;
        fake->finishRun();
        settle();
    }
    // Seconds pass, and the scheduler takes its look.
    void pass(int seconds)
    {
        clock.advanceMs(qint64(seconds) * 1000);
        scheduler().tick();
    }
    Countdown countdown() { return scheduler().countdown(); }
    QString stored(const QString &key) { return settings.read(key, QString()); }

    test::FakeRunner *fake;
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

    // A choice is stored and counts from nothing; only offered ones are taken.
    void intervalChoice_storesTheChoiceAndRestartsTheCount()
    {
        Scheduling scheduling;
        scheduling.scheduler().toggleAutomatic();
        scheduling.settle();
        scheduling.pass(99);
        QCOMPARE(scheduling.countdown().elapsedSeconds, 99);
        scheduling.scheduler().chooseInterval(3);
        QCOMPARE(scheduling.stored(SettingKeys::OftenIndex), QStringLiteral("4"));
        QCOMPARE(scheduling.scheduler().intervalSeconds(), std::optional<qint32>(43200));
        QCOMPARE(scheduling.countdown().elapsedSeconds, 0);
        QCOMPARE(offeredIntervalCaptions().size(), 5);
        scheduling.scheduler().chooseInterval(5);
        QCOMPARE(scheduling.stored(SettingKeys::OftenIndex), QStringLiteral("4"));
        QCOMPARE(scheduling.dialogs.errorReports().size(), 1);
    }

    void thirtyMinutes_countsDownAndFetchesOnThe1800thSecond()
    {
        Scheduling scheduling;
        QSignalSpy ended(&scheduling.scheduler(), &FetchScheduler::automaticRunEnded);
        scheduling.scheduler().chooseInterval(0);
        scheduling.scheduler().toggleAutomatic();
        scheduling.settle();
        QVERIFY(scheduling.watch().automaticOn());
        QCOMPARE(scheduling.stored(SettingKeys::StartStopState), QStringLiteral("On"));
        QCOMPARE(scheduling.queries(), 1); // the immediate fetch

        scheduling.pass(1);
        QCOMPARE(scheduling.countdown().elapsedSeconds, 1);
        QCOMPARE(scheduling.countdown().intervalSeconds, 1800);
        scheduling.pass(1798);
        QCOMPARE(scheduling.countdown().elapsedSeconds, 1799);
        QCOMPARE(scheduling.queries(), 1);
        scheduling.fake->holdRuns = true;
        scheduling.pass(1);
        QCOMPARE(scheduling.countdown().elapsedSeconds, 1800);
        QVERIFY(!scheduling.scheduler().nextWakeUpMs()); // nothing counts while the fetch runs
        scheduling.release();
        QCOMPARE(scheduling.queries(), 2);
        QCOMPARE(scheduling.countdown().elapsedSeconds, 0);
        QVERIFY(scheduling.scheduler().nextWakeUpMs());
        QVERIFY(scheduling.dialogs.shown.isEmpty());
        // Each run's end is told, with what it listed (nothing here); a test
        // fetch's is not.
        QCOMPARE(ended.size(), 2);
        QCOMPARE(ended.at(1).at(0).value<qsizetype>(), 0);
        scheduling.scheduler().testFetch();
        scheduling.settle();
        QCOMPARE(ended.size(), 2);
    }

    // On screen the countdown wakes once a second; out of sight it wakes
    // once, when the run is due, and reads as before when it is seen again.
    void countdown_wakesEverySecondOnlyWhileShown()
    {
        Scheduling scheduling;
        scheduling.scheduler().toggleAutomatic();
        scheduling.settle();
        QCOMPARE_LE(*scheduling.scheduler().nextWakeUpMs(), 3600 * 1000);
        QCOMPARE_GT(*scheduling.scheduler().nextWakeUpMs(), 3590 * 1000);
        scheduling.scheduler().setCountdownShown(true);
        QCOMPARE_LE(*scheduling.scheduler().nextWakeUpMs(), 1000);
        scheduling.scheduler().setCountdownShown(false);
        scheduling.clock.advanceMs(1800 * 1000);
        scheduling.scheduler().setCountdownShown(true);
        QCOMPARE(scheduling.countdown().elapsedSeconds, 1800);
        QCOMPARE(scheduling.queries(), 1);
        scheduling.pass(1800);
        scheduling.settle();
        QCOMPARE(scheduling.queries(), 2);
    }

    void toggleOffAndOn_keepsTheCount()
    {
        Scheduling scheduling;
        scheduling.scheduler().toggleAutomatic();
        scheduling.settle();
        scheduling.pass(10);
        scheduling.scheduler().toggleAutomatic();
        QCOMPARE(scheduling.countdown().state, Countdown::State::Off);
        QVERIFY(!scheduling.scheduler().nextWakeUpMs());
        QCOMPARE(scheduling.stored(SettingKeys::StartStopState), QStringLiteral("Off"));
        scheduling.pass(100);
        scheduling.scheduler().toggleAutomatic();
        scheduling.settle();
        scheduling.pass(1);
        QCOMPARE(scheduling.countdown().elapsedSeconds, 11);
        QCOMPARE(secondsToHms(3600 - 11), QStringLiteral("00:59:49"));
    }

    void turnOn_storesTheChoiceBeforeItsFirstQuery()
    {
        // Closing the window during that first fetch ends the program and
        // writes nothing more; turning on must not be lost with it.
        Scheduling scheduling;
        scheduling.watch().keywords().append(QStringLiteral("tesla"));
        scheduling.fake->holdRuns = true;
        scheduling.scheduler().toggleAutomatic();
        QTRY_VERIFY(scheduling.fake->isRunning());
        QCOMPARE(scheduling.stored(SettingKeys::StartStopState), QStringLiteral("On"));
    }

    void testFetch_endsWithDoneAndLeavesTheCountdown()
    {
        Scheduling scheduling;
        QSignalSpy busy(&scheduling.scheduler(), &FetchScheduler::busyChanged);
        scheduling.scheduler().toggleAutomatic();
        scheduling.settle();
        scheduling.pass(1);
        scheduling.fake->holdRuns = true;
        scheduling.scheduler().testFetch();
        QTRY_VERIFY(scheduling.fake->isRunning());
        QVERIFY(scheduling.scheduler().isBusy() && !scheduling.scheduler().nextWakeUpMs());
        scheduling.pass(30);
        scheduling.release();
        QVERIFY(!scheduling.scheduler().isBusy());
        QCOMPARE(busy.size(), 2);
        QCOMPARE(scheduling.dialogs.messageTexts(), QStringList({"Done."}));
        QCOMPARE(scheduling.dialogs.messages().first().title, QStringLiteral("Tidewick"));
        QCOMPARE(scheduling.countdown().elapsedSeconds, 1);
        QVERIFY(scheduling.scheduler().nextWakeUpMs());

        Scheduling off;
        off.scheduler().testFetch();
        off.settle();
        QVERIFY(!off.scheduler().nextWakeUpMs());
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
        Scheduling scheduling;
        FetchScheduler &scheduler = scheduling.scheduler();
        scheduler.chooseInterval(4); // 24 hours: the budget holds every query
        scheduling.watch().keywords().append(QStringList{"a", "b", "c"});
        scheduling.fake->listing = test::readFile(test::listingFixturesDir() + "/01-three-articles.clean.txt");
        if (fetch != QLatin1String("turn on")) {
            scheduler.toggleAutomatic(); // on, with a whole first fetch
            scheduling.settle();
        }
        const int queriesBefore = scheduling.queries();
        const int rowsBefore = scheduling.news().results().count();

        test::FakeClock &clock = scheduling.clock;
        clock.holdWaits = duringAnArticle;
        scheduling.fake->holdRuns = !duringAnArticle;
        if (fetch == QLatin1String("turn on"))
            scheduler.toggleAutomatic();
        else if (fetch == QLatin1String("scheduled"))
            scheduling.pass(86400);
        else
            scheduler.testFetch();
        if (duringAnArticle)
            QTRY_COMPARE(clock.pendingWaits(), 1);
        else
            QTRY_VERIFY(scheduling.fake->isRunning());
        scheduler.toggleAutomatic(); // Turn Off
        clock.holdWaits = false;
        clock.advanceMs(5000);
        scheduling.release();

        QCOMPARE(scheduling.queries(), queriesBefore + 1);
        // The article on screen is kept; the rest of the run is not shown.
        QCOMPARE(scheduling.news().results().count(), rowsBefore + (duringAnArticle ? 1 : 0));
        QVERIFY(!scheduling.watch().automaticOn());
        QCOMPARE(scheduling.stored(SettingKeys::StartStopState), QStringLiteral("Off"));
        QVERIFY(!scheduler.nextWakeUpMs());
        scheduling.pass(86400 * 2);
        QCOMPARE(scheduling.countdown().state, Countdown::State::Off);
        QCOMPARE(scheduling.queries(), queriesBefore + 1);
        QVERIFY(scheduling.dialogs.errorReports().isEmpty());

        // The next run goes ahead as usual.
        scheduler.toggleAutomatic();
        scheduling.settle();
        QCOMPARE(scheduling.queries(), queriesBefore + 4);
    }

    // Without a chosen interval the countdown waits for one instead of
    // failing every second.
    void noInterval_countdownWaitsForAChoice()
    {
        Scheduling scheduling;
        scheduling.watch().setIntervalRow(std::nullopt);
        scheduling.scheduler().toggleAutomatic();
        scheduling.settle();
        const int queries = scheduling.queries();
        scheduling.pass(7200);
        QCOMPARE(scheduling.countdown().state, Countdown::State::NoInterval);
        QCOMPARE(scheduling.queries(), queries);
        QVERIFY(!scheduling.scheduler().nextWakeUpMs());
        scheduling.scheduler().chooseInterval(0);
        scheduling.pass(1);
        QCOMPARE(scheduling.countdown().elapsedSeconds, 1);
        QCOMPARE(scheduling.countdown().intervalSeconds, 1800);
    }

    // Fifty presses (the tray menu's entry stays clickable) while the box
    // saying so is up give that one box.
    void buttonsDuringAFetch_startNoSecondRun()
    {
        Scheduling scheduling;
        FetchScheduler &scheduler = scheduling.scheduler();
        scheduling.fake->holdRuns = true;
        scheduling.dialogs.holdMessages = true;
        scheduler.testFetch();
        QTRY_VERIFY(scheduling.fake->isRunning());
        for (int press = 0; press < 50; ++press)
            scheduler.testFetch();
        scheduler.toggleAutomatic();
        scheduling.dialogs.holdMessages = false;
        scheduling.dialogs.answerMessages();
        scheduling.release();
        QCOMPARE(scheduling.queries(), 1);
        const QStringList texts = scheduling.dialogs.messageTexts();
        QCOMPARE(texts.count(QStringLiteral("A news fetch is already running. The new one was not started.")), 1);
        QCOMPARE(texts.last(), QStringLiteral("Done."));
        QVERIFY(scheduling.watch().automaticOn()); // the switch itself took effect
    }
};

QTEST_MAIN(SchedulerTest)
#include "Scheduler_test.moc"
