#include "FakeClock.h"
#include "TestPaths.h"
#include "core/Clock.h"
#include "core/ProgramState.h"
#include "core/FileHelpers.h"
#include "fetch/HelperTools.h"
#include "fetch/ProcessRunner.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace tidewick;

class ProcessRunnerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void programThatCannotStart_returnsAtOnce()
    {
        QProcessRunner runner;
        QElapsedTimer elapsed;
        elapsed.start();
        runner.runAndWait(QStringLiteral("/nonexistent/curl"), {QStringLiteral("x")});
        runner.runAndWait(QStringLiteral("no-such-program-anywhere"), {});
        QVERIFY(elapsed.elapsed() < 1000);
        QVERIFY(!runner.isRunning());
    }

    void argumentsWithBlanksTabsAndQuotes_reachTheProgramUnchanged()
    {
        QTemporaryDir folder;
        const QString output = folder.filePath(QStringLiteral("args.txt"));
        const QStringList arguments{QStringLiteral("a b"), QStringLiteral("tab\there"), QStringLiteral("\"quoted\""),
                                    QStringLiteral("$HOME;ls"), QStringLiteral("新闻")};
        QProcessRunner runner;
        runner.runAndWait(QStringLiteral("/bin/sh"),
                            QStringList{QStringLiteral("-c"), QStringLiteral("printf '%s\\n' \"$@\" > \"$0\""),
                                        output} + arguments);
        QCOMPARE(QString::fromUtf8(test::readFile(output)), arguments.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    }

    // The window keeps handling events while a helper runs: a 10 ms timer
    // keeps firing during a child that runs 2 s.
    void childRunning2s_leavesTheEventLoopAnswering()
    {
        QProcessRunner runner;
        QElapsedTimer sinceLastTick;
        qint64 longestGap = 0;
        int ticks = 0;
        QTimer timer;
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            longestGap = std::max(longestGap, sinceLastTick.restart());
            ++ticks;
        });
        timer.start(10);
        sinceLastTick.start();
        QElapsedTimer elapsed;
        elapsed.start();
        runner.runAndWait(QStringLiteral("/bin/sleep"), {QStringLiteral("2")});
        const qint64 took = elapsed.elapsed();
        qInfo("child ran %lld ms; %d ticks, longest gap between ticks %lld ms", took, ticks, longestGap);
        QVERIFY(took >= 1900);
        QVERIFY(ticks > 50);
        QVERIFY2(longestGap < 500, "the event loop was held up");
    }

    void stopAll_endsAProgramStillRunning()
    {
        QProcessRunner runner;
        bool stopped = false;
        QTimer::singleShot(100, [&] {
            QVERIFY(runner.isRunning());
            runner.stopAll();
            stopped = true;
        });
        QElapsedTimer elapsed;
        elapsed.start();
        runner.runAndWait(QStringLiteral("/bin/sleep"), {QStringLiteral("30")});
        QVERIFY(stopped);
        QVERIFY(elapsed.elapsed() < 10000);
        QVERIFY(!runner.isRunning());
    }

    void fileExists_seesFilesAndFoldersOnly()
    {
        QTemporaryDir folder;
        test::writeFile(folder.filePath(QStringLiteral("f")), "x");
        QVERIFY(fileExists(folder.filePath(QStringLiteral("f"))));
        QVERIFY(fileExists(folder.path()));
        QVERIFY(!fileExists(folder.filePath(QStringLiteral("missing"))));
        QVERIFY(!fileExists(QString()));
    }

    void deleteFileSafe_removesReadOnlyFilesAndIgnoresMissingOnes()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("readonly.txt"));
        test::writeFile(path, "x");
        QFile::setPermissions(path, QFileDevice::ReadOwner);
        deleteFileSafe(path);
        QVERIFY(!QFileInfo::exists(path));
        deleteFileSafe(path);
        deleteFileSafe(QString());
    }

    void waitSeconds_waitsOnTheClock()
    {
        test::FakeClock clock;
        waitSeconds(clock, 2);
        QCOMPARE(clock.waits(), QList<qint64>{2000});
        QCOMPARE(clock.monotonicMs(), 2000);
    }

    void systemClockWait_endsEarlyWhenAskedAndAnswersEvents()
    {
        SystemClock clock;
        bool fired = false;
        QTimer::singleShot(30, [&] { fired = true; });
        QElapsedTimer elapsed;
        elapsed.start();
        clock.pumpFor(5000, [&] { return fired; });
        QVERIFY(fired);
        QVERIFY(elapsed.elapsed() < 2000);
        elapsed.restart();
        clock.pumpFor(120);
        QVERIFY(elapsed.elapsed() >= 115);
    }

    void temporaryFolder_isTempWhenSetElseThePlatforms()
    {
        const QByteArray previous = qgetenv("TEMP");
        qputenv("TEMP", "/some/where");
        QCOMPARE(temporaryFolder(), QStringLiteral("/some/where"));
        qunsetenv("TEMP");
        QCOMPARE(temporaryFolder(), QDir::tempPath());
        QVERIFY(temporaryFolder() != QStringLiteral("/") && !temporaryFolder().isEmpty());
        if (!previous.isNull())
            qputenv("TEMP", previous);
    }

    void workFolder_isPrivateAndRemovedWithItsFiles()
    {
        QTemporaryDir temp;
        const QByteArray previous = qgetenv("TEMP");
        qputenv("TEMP", temp.path().toLocal8Bit());
        ProgramState first;
        ProgramState second;
        writeCurlFiles(first);
        writeAnsiFilter(first);
        writeCurlFiles(second);
        writeAnsiFilter(second);
        QVERIFY(first.workFolder != second.workFolder); // two copies never share work files
        QCOMPARE(QFileInfo(first.messagePath).absolutePath(), first.workFolder);
        QCOMPARE(QFileInfo(first.cleanPath).absolutePath(), first.workFolder);
        test::writeFile(first.messagePath, "raw");
        test::writeFile(first.cleanPath, "clean");
        deleteCurlFiles(first);
        deleteAnsiFilter(first);
        QVERIFY(!QFileInfo::exists(first.workFolder));
        QVERIFY(QFileInfo::exists(second.workFolder));
        deleteAnsiFilter(second);
        QCOMPARE(QDir(temp.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
        if (previous.isNull())
            qunsetenv("TEMP");
        else
            qputenv("TEMP", previous);
    }

    void commandLines_useArgumentListsAndStripColoursExactly()
    {
        QCOMPARE(curlArguments(QStringLiteral("us.localhost:1/mars+rover"), QStringLiteral("/w/message.txt")).constLast(),
                 QStringLiteral("/w/message.txt"));
        QCOMPARE(ansiFilterArguments(QStringLiteral("/w/message.txt"), QStringLiteral("/w/clean.txt")),
                 QStringList({"-c", "-i", "/w/message.txt", "-o", "/w/clean.txt"}));
    }
};

QTEST_MAIN(ProcessRunnerTest)
#include "ProcessRunner_test.moc"
