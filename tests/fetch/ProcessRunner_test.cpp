#include "ProcessChecks.h"
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

    void programThatCannotStart_endsAtOnce()
    {
        QProcessRunner runner;
        QElapsedTimer elapsed;
        elapsed.start();
        QVERIFY(test::runToEnd(runner, QStringLiteral("/nonexistent/curl"), {QStringLiteral("x")}));
        QVERIFY(test::runToEnd(runner, QStringLiteral("no-such-program-anywhere"), {}));
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
        QVERIFY(test::runToEnd(runner, QStringLiteral("/bin/sh"),
                               QStringList{QStringLiteral("-c"), QStringLiteral("printf '%s\\n' \"$@\" > \"$0\""),
                                           output} + arguments));
        QCOMPARE(QString::fromUtf8(test::readFile(output)), arguments.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    }

    // A program still running is stopped at once, and its end is told as
    // for any other.
    void stopAll_endsAProgramStillRunning()
    {
        QProcessRunner runner;
        QSignalSpy ended(&runner, &ProcessRunner::finished);
        runner.start(QStringLiteral("/bin/sleep"), {QStringLiteral("30")});
        QVERIFY(runner.isRunning());
        QElapsedTimer elapsed;
        elapsed.start();
        runner.stopAll();
        QVERIFY(ended.wait(10000));
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

    // A wait ends on the clock's time, and not at all once its context has gone.
    void systemClockWait_endsOnTimeUnlessItsContextWent()
    {
        SystemClock clock;
        QObject context;
        auto *gone = new QObject;
        bool fired = false;
        bool firedForGone = false;
        QElapsedTimer elapsed;
        elapsed.start();
        clock.callAfter(120, &context, [&] { fired = true; });
        clock.callAfter(10, gone, [&] { firedForGone = true; });
        delete gone;
        QTRY_VERIFY(fired);
        QVERIFY(elapsed.elapsed() >= 115);
        QVERIFY(!firedForGone);
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
