// A rough user: awkward and enormous keywords, a close at the worst moment,
// every control pressed while a fetch runs. Each case states what must hold.
#include "FakeRunner.h"
#include "LocalNewsService.h"
#include "ScopedEnvironment.h"
#include "ProcessChecks.h"
#include "TestPaths.h"
#include "TestWindow.h"
#include "core/KeywordLimits.h"
#include "ui/ReportList.h"
#include "fetch/HelperTools.h"
#include "fetch/FetchRun.h"
#include "fetch/RequestTarget.h"
#include "results/ExportFormat.h"
#include "schedule/FetchScheduler.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include <csignal>
#include <memory>

using namespace tidewick;
using test::entriesOf;
using test::ScopedEnvironment;
using test::TestWindow;
using Kind = test::RecordingTrayBackend::Kind;

namespace {

const QString kAlreadyRunning = QStringLiteral("A news fetch is already running. The new one was not started.");
const QString kTurnOff = QStringLiteral("Turn Off Automatic News Fetch");
const QString kTurnOn = QStringLiteral("Turn On Automatic News Fetch");

QByteArray threeArticles()
{
    return test::readFile(test::listingFixturesDir() + QStringLiteral("/01-three-articles.clean.txt"));
}


// Drops local files on a widget as a file manager does.
void dropFiles(QWidget *target, const QStringList &paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls.append(QUrl::fromLocalFile(path));
    data.setUrls(urls);
    const QPointF where(5, 5);
    QDragEnterEvent enter(where.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
}

} // namespace

class UserUnderLoadTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::NewsService> m_service;
    QTemporaryDir m_files;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        m_service = std::make_unique<test::NewsService>();
    }
    void cleanupTestCase() { m_service.reset(); }

    // --- Keywords ----------------------------------------------------------------

    // The longest keyword a query can carry goes to curl as one argument,
    // unchanged (blanks as "+"), and the window's lists and the export keep a
    // row of 100,000 characters whole.
    void longestKeyword_isOneArgumentAndKeptWhole()
    {
        const auto awkwardText = [](qsizetype size) {
            QString text;
            text.reserve(size);
            const QString piece = QStringLiteral("Ab c\u00e9\u65b0[]{}#?%.. -");
            while (text.size() < size)
                text += piece;
            text.truncate(size);
            return text;
        };
        const QString keyword = awkwardText(kLongestKeyword);

        TestWindow window;
        test::FakeRunner &runner = window.useFakeRunner();
        runner.listing = threeArticles();
        MainWindow &form = window.create();
        window.dialogs.textAnswers.enqueue(keyword);
        test::ui(form).addKeywordButton->click();
        QCOMPARE(test::ui(form).keywordList->rows().texts(), QStringList{keyword});

        test::ui(form).testFetchButton->click();
        QTRY_VERIFY(!form.isFetching());
        QCOMPARE(runner.runs.first().arguments.size(), curlArguments(QStringLiteral("x"), QStringLiteral("y")).size());
        QCOMPARE(runner.targets().first(),
                 urlSafeTarget(QStringLiteral("localhost:9/") + keywordInPath(keyword.trimmed())));

        // A row of 100,000 characters, saved and read back byte for byte.
        test::ui(form).resultsList->rows().append(awkwardText(100000));
        const QString path = m_files.filePath(QStringLiteral("long.txt"));
        window.dialogs.saveAnswers.enqueue(path);
        test::ui(form).saveResultsButton->click();
        QTRY_VERIFY(!form.isBusy());
        QCOMPARE(test::readFile(path), exportText(QStringLiteral("News"), test::ui(form).resultsList->rows().texts()).toUtf8());
        QVERIFY(window.dialogs.errorReports().isEmpty());
    }

    void awkwardKeyword_reachesTheServiceAsTyped_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::newRow("tab") << QStringLiteral("tab\tinside");
        QTest::newRow("quotes") << QStringLiteral("\"double\" 'single'");
        QTest::newRow("brackets") << QStringLiteral("[1-500]");
        QTest::newRow("braces") << QStringLiteral("{x}");
        QTest::newRow("hash") << QStringLiteral("c#sharp");
        QTest::newRow("question mark") << QStringLiteral("why?");
        QTest::newRow("percent") << QStringLiteral("100% %41");
        QTest::newRow("plus") << QStringLiteral("C++ a+b %2B");
        QTest::newRow("ampersand") << QStringLiteral("Procter & Gamble AT&T");
        QTest::newRow("slash") << QStringLiteral("AC/DC");
        QTest::newRow("comma and a category") << QStringLiteral("a,category=sports");
        QTest::newRow("query part") << QStringLiteral("x&y=z");
        QTest::newRow("dots climbing") << QStringLiteral("../up");
        QTest::newRow("dots alone") << QStringLiteral("..");
        QTest::newRow("leading dash") << QStringLiteral("-v");
        QTest::newRow("leading double dash") << QStringLiteral("--output /tmp/x");
        QTest::newRow("Cyrillic") << QStringLiteral("новости");
        QTest::newRow("Chinese") << QStringLiteral("新闻");
        QTest::newRow("Arabic and emoji") << QStringLiteral("أخبار 😀");
    }
    // Each awkward keyword makes exactly one request (never an option, never
    // a glob), the service reads back the very keyword with the category
    // after it, and curl is left nothing in its work folder.
    void awkwardKeyword_reachesTheServiceAsTyped()
    {
        QFETCH(QString, keyword);
        TestWindow window;
        window.services.newsHost = QStringLiteral("localhost:%1").arg(m_service->port);
        window.services.queryTimeLimitSeconds = 5;
        MainWindow &form = window.create();
        test::ui(form).keywordList->rows().append(keyword);
        test::ui(form).categoryList->rows().setChecked(test::ui(form).categoryList->rows().texts().indexOf(QStringLiteral("science")), true);
        const qsizetype before = m_service->requests().size();
        QVERIFY(window.fetch(FetchRun::Kind::Test));

        const QList<QJsonObject> requests = m_service->requests();
        QCOMPARE(requests.size(), before + 1);
        QCOMPARE(requests.last().value(QStringLiteral("keyword")).toString(), keyword.trimmed());
        QCOMPARE(requests.last().value(QStringLiteral("category")).toString(), QStringLiteral("science"));
        QCOMPARE(window.settings.read(SettingKeys::DailyRecs, QString()), QStringLiteral("1"));
        QVERIFY(entriesOf(window.globals.workFolder).isEmpty());
    }

    // --- Closing at the worst moment ------------------------------------------

    // The window is closed while curl (here a script that sleeps) is running:
    // the helper is stopped, the work folder goes, nothing else is queried.
    void closeDuringAFetch_stopsTheHelperAndLeavesNoWorkFolder()
    {
        QTemporaryDir helpers;
        const QString pidFile = helpers.filePath(QStringLiteral("curl.pid"));
        test::writeFile(helpers.filePath(QStringLiteral("curl")),
                        QStringLiteral("#!/bin/sh\necho $$ > '%1'\nexec sleep 1000\n").arg(pidFile).toUtf8());
        QFile::setPermissions(helpers.filePath(QStringLiteral("curl")), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        ScopedEnvironment environment;
        environment.set("PATH", (helpers.path() + QStringLiteral(":") + qEnvironmentVariable("PATH")).toLocal8Bit());
        TestWindow window;
        MainWindow &form = window.create();
        test::ui(form).keywordList->rows().append({QStringLiteral("a"), QStringLiteral("b")});
        const QString workFolder = window.globals.workFolder;
        qint64 curlPid = 0;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            curlPid = test::readFile(pidFile).trimmed().toLongLong();
            if (curlPid > 0) {
                closer.stop();
                form.close();
            }
        });
        closer.start(20);
        QElapsedTimer elapsed;
        elapsed.start();
        test::ui(form).testFetchButton->click();
        QTRY_COMPARE_WITH_TIMEOUT(window.programEnded, 1, 5000);
        QVERIFY(curlPid > 0 && test::processIsGone(curlPid));
        QVERIFY(!window.runner->isRunning());
        QVERIFY(!QFileInfo::exists(workFolder));
        QCOMPARE(entriesOf(window.tempFolder()), QStringList());
        QCOMPARE(window.tray.requests.last().kind, Kind::DeleteIcon);
        QCOMPARE(window.settings.read(SettingKeys::DailyRecs, QString()), QStringLiteral("1"));
    }

    // The window is closed while a long save yields to it. At the moment the
    // program ends, the saved file is the earlier one whole or the new one
    // whole, and no half-written file lies beside it.
    void closeDuringASave_leavesNoHalfFile()
    {
        const QString folder = m_files.filePath(QStringLiteral("save-close"));
        QDir().mkpath(folder);
        const QString path = folder + QStringLiteral("/results.txt");
        const QByteArray earlier = "the earlier results\r\n";
        test::writeFile(path, earlier);

        TestWindow window;
        QStringList atEnd;
        QByteArray savedAtEnd;
        window.services.endProgram = [&] {
            ++window.programEnded;
            atEnd = entriesOf(folder);
            savedAtEnd = test::readFile(path);
        };
        MainWindow &form = window.create();
        QStringList rows;
        for (int i = 0; i < 50000; ++i)
            rows.append(QStringLiteral("Article %1 with some text to make the file long").arg(i));
        test::ui(form).resultsList->rows().append(rows);
        bool closedDuringSave = false;
        QTimer::singleShot(0, &form, [&] {
            closedDuringSave = form.isBusy();
            form.close();
        });
        window.dialogs.saveAnswers.enqueue(path);
        window.dialogs.yesNoAnswers.enqueue(true);
        test::ui(form).saveResultsButton->click();

        QTRY_VERIFY(closedDuringSave);
        QCOMPARE(window.programEnded, 1);
        QCOMPARE(atEnd, QStringList{QStringLiteral("results.txt")});
        QVERIFY(savedAtEnd == earlier || savedAtEnd == exportText(QStringLiteral("News"), rows).toUtf8());
        QVERIFY(window.dialogs.errorReports().isEmpty());
    }

    // The window is closed while an article's balloon is up: no further
    // balloon, row or query, the icon leaves the tray, the work folder goes.
    void closeDuringABalloon_addsNothingMore()
    {
        TestWindow window;
        test::FakeRunner &runner = window.useFakeRunner();
        runner.listing = threeArticles();
        MainWindow &form = window.create();
        test::ui(form).keywordList->rows().append({QStringLiteral("a"), QStringLiteral("b")});
        const QString workFolder = window.globals.workFolder;
        window.clock.holdWaits = true;
        test::ui(form).testFetchButton->click();
        QTRY_COMPARE(window.clock.pendingWaits(), 1);
        form.close();
        window.clock.advanceMs(10000); // the balloon's time and the wait after it
        QTest::qWait(20);
        QCOMPARE(window.programEnded, 1);
        QCOMPARE(window.tray.kinds().count(QStringLiteral("balloon")), 1);
        QCOMPARE(test::ui(form).resultsList->count(), 0);
        QCOMPARE(runner.targets().size(), 1);
        // Nothing shows in the tray once the icon has left it.
        const QStringList kinds = window.tray.kinds();
        const qsizetype removed = kinds.indexOf(QStringLiteral("delete"));
        QVERIFY(removed > 0);
        QVERIFY(!kinds.mid(removed).contains(QStringLiteral("balloon")) && !kinds.mid(removed).contains(QStringLiteral("add")));
        QVERIFY(!QFileInfo::exists(workFolder));
    }

    // --- Every control during a fetch -------------------------------------------

    // While a test fetch waits for curl, the user presses every button, the
    // Delete key, double-clicks and drops a file on the keyword list. Each is
    // refused with the program's message or acts safely, no second fetch
    // starts, and the automatic fetching ends as its button says.
    void everyControlDuringATestFetch_isRefusedOrSafe()
    {
        const QString listFile = m_files.filePath(QStringLiteral("dropped.txt"));
        test::writeFile(listFile, "dropped one\ndropped two\n");
        const QString openedFile = m_files.filePath(QStringLiteral("opened.txt"));
        test::writeFile(openedFile, "opened\n");
        const QString savePath = m_files.filePath(QStringLiteral("during-fetch.txt"));

        TestWindow window;
        test::FakeRunner &runner = window.useFakeRunner();
        runner.listing = threeArticles();
        MainWindow &form = window.create();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        test::ui(form).keywordList->rows().append({QStringLiteral("alpha"), QStringLiteral("beta")});
        test::ui(form).resultsList->rows().append(QStringLiteral("an earlier result"));
        test::ui(form).keywordList->selectRow(0);

        runner.holdRuns = true;
        test::ui(form).testFetchButton->click();
        QTRY_VERIFY(runner.isRunning());
        {
            QVERIFY(form.isBusy());
            test::ui(form).testFetchButton->click(); // refused
            test::ui(form).automaticFetchButton->click(); // turns on; says the fetch is already running
            window.dialogs.textAnswers.enqueue(QStringLiteral("typed"));
            test::ui(form).addKeywordButton->click(); // added
            test::ui(form).sampleKeywordsButton->click(); // samples added
            test::ui(form).clearKeywordsButton->click(); // refused while busy
            QTest::keyClick(test::ui(form).keywordList, Qt::Key_Delete); // refused while busy
            const QPoint first = test::ui(form).keywordList->visualRect(test::ui(form).keywordList->rows().index(0)).center();
            QTest::mouseDClick(test::ui(form).keywordList->viewport(), Qt::LeftButton, Qt::NoModifier, first); // refused
            window.dialogs.openAnswers.enqueue({openedFile});
            test::ui(form).importKeywordsButton->click(); // imported
            dropFiles(test::ui(form).keywordList->viewport(), {listFile}); // imported once the drop is done
            window.dialogs.saveAnswers.enqueue(savePath);
            test::ui(form).saveResultsButton->click(); // saves the results as they are now
            test::ui(form).clearResultsButton->click(); // empties the results
            test::ui(form).intervalList->selectRow(0); // another interval, stored
        }
        runner.holdRuns = false;
        runner.finishRun();
        QTRY_VERIFY(!form.isFetching());

        // One box at a time: the second refusal comes while the first is up.
        QCOMPARE(window.dialogs.messageTexts().count(kAlreadyRunning), 1);
        QVERIFY(window.dialogs.errorReports().isEmpty());
        // One run only: every query target differs.
        const QStringList targets = runner.targets();
        QCOMPARE(QSet<QString>(targets.cbegin(), targets.cend()).size(), targets.size());
        QCOMPARE(test::ui(form).keywordList->rows().texts(),
                 QStringList({"alpha", "beta", "typed", "Tesla", "Perseverance", "COVID-19", "opened", "dropped one",
                              "dropped two"}));
        QCOMPARE(test::readFile(savePath), exportText(QStringLiteral("News"), {QStringLiteral("an earlier result")}).toUtf8());
        QVERIFY(!test::ui(form).resultsList->rows().texts().contains(QStringLiteral("an earlier result")));
        QVERIFY(test::ui(form).resultsList->count() > 0);
        QCOMPARE(window.settings.read(SettingKeys::OftenIndex, QString()), QStringLiteral("1"));
        QCOMPARE(form.mousePointer(), MainWindow::Pointer::Default);
        // Turned on during the fetch: on it stays, with its countdown running.
        QCOMPARE(test::caption(test::ui(form).automaticFetchButton), kTurnOff);
        QCOMPARE(window.settings.read(SettingKeys::StartStopState, QString()), kOn);
        QVERIFY(form.scheduler().nextWakeUpMs());
    }

    // Automatic fetching turned off while a test fetch runs stays off: the
    // countdown that ran before the test fetch does not come back.
    void turnOffDuringATestFetch_staysOff()
    {
        TestWindow window;
        window.settings.write(SettingKeys::StartStopState, kOn);
        test::FakeRunner &runner = window.useFakeRunner();
        MainWindow &form = window.create();
        QVERIFY(form.scheduler().nextWakeUpMs());
        runner.holdRuns = true;
        test::ui(form).testFetchButton->click();
        QTRY_VERIFY(runner.isRunning());
        test::ui(form).automaticFetchButton->click();
        runner.holdRuns = false;
        runner.finishRun();
        QTRY_VERIFY(!form.isFetching());
        QCOMPARE(test::caption(test::ui(form).automaticFetchButton), kTurnOn);
        QCOMPARE(window.settings.read(SettingKeys::StartStopState, QString()), kOff);
        QVERIFY(!form.scheduler().nextWakeUpMs());
    }
};

QTEST_MAIN(UserUnderLoadTest)
#include "UserUnderLoad_test.moc"
