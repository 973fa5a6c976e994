// The program on a hostile machine: settings it cannot read or write, a
// temporary folder it cannot use or that fills up, helper programs that are
// missing, killed or never end. Each case states what must still hold.
#include "FolderLocks.h"
#include "LocalNewsService.h"
#include "ScopedEnvironment.h"
#include "ProcessChecks.h"
#include "TestPaths.h"
#include "TestWindow.h"
#include "ui/ReportList.h"
#include "fetch/HelperTools.h"
#include "fetch/FetchRun.h"
#include "fetch/ListingParser.h"
#include "results/ArticleHistory.h"
#include "keywords/WatchListFile.h"
#include "desktop/AutostartEntry.h"
#include "schedule/FetchScheduler.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>
#include <QtTest>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

using namespace tidewick;
using test::entriesOf;
using test::ScopedEnvironment;
using test::TestWindow;

namespace {

constexpr int kFourHoursRow = 3; // OftenIndex 4
constexpr int kDefaultIntervalRow = 1; // OftenIndex 2, one hour

QString iniPath(const TestWindow &window)
{
    return window.configFolder() + QStringLiteral("/Kestrow/Tidewick.ini");
}

// A folder of stand-ins for the helper programs, put first on PATH: `curl`
// is the given shell script (or absent), `ansifilter` the real one (or absent).
class HelperFolder {
public:
    HelperFolder(const QString &curlScript, bool withAnsifilter)
    {
        if (!curlScript.isEmpty()) {
            const QString curl = m_folder.filePath(QStringLiteral("curl"));
            test::writeFile(curl, ("#!/bin/sh\n" + curlScript + "\n").toUtf8());
            QFile::setPermissions(curl, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        }
        if (withAnsifilter)
            QFile::link(QStandardPaths::findExecutable(QStringLiteral("ansifilter")),
                        m_folder.filePath(QStringLiteral("ansifilter")));
    }
    QString path() const { return m_folder.path(); }
    QString file(const QString &name) const { return m_folder.filePath(name); }

private:
    QTemporaryDir m_folder;
};

// The shell lines that find the --output argument of a curl command line.
const QString kFindOutput = QStringLiteral(
    "out=; while [ $# -gt 0 ]; do [ \"$1\" = --output ] && out=$2; shift; done");

qint64 pidFrom(const QString &file)
{
    return test::readFile(file).trimmed().toLongLong();
}

// Makes every file this process (and what it starts) writes stop growing at
// `bytes`, as on a full disk; a write past it fails instead of killing.
class FileSizeCap {
public:
    explicit FileSizeCap(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit cap = m_previous;
        cap.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &cap);
    }
    ~FileSizeCap()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
};

// Opens a named pipe for writing every few milliseconds, so that a reader
// stuck on it gets an end of file and counts: a case that must never open the
// pipe then fails instead of hanging.
class PipeWriterNowAndThen {
public:
    explicit PipeWriterNowAndThen(const QString &path) : m_path(QFile::encodeName(path)), m_thread([this] { run(); }) {}
    ~PipeWriterNowAndThen()
    {
        m_stop = true;
        m_thread.join();
    }
    int readersFreed() const { return m_readersFreed; }

private:
    void run()
    {
        while (!m_stop) {
            if (const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK); fd >= 0) {
                ::close(fd);
                ++m_readersFreed;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }

    const QByteArray m_path;
    std::atomic<bool> m_stop = false;
    std::atomic<int> m_readersFreed = 0;
    std::thread m_thread;
};

} // namespace

class MachineFaultsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // --- Settings --------------------------------------------------------------

    // A file where the settings folder should be: the program starts with the
    // defaults, and each choice that cannot be stored is reported, not lost
    // from the window.
    void settingsFolderIsAFile_startsWithDefaultsAndReportsEachFailedWrite()
    {
        TestWindow window;
        test::writeFile(window.configFolder() + QStringLiteral("/Kestrow"), "not a folder");
        MainWindow &form = window.create();
        QCOMPARE(test::ui(form).intervalList->selectedRow(), kDefaultIntervalRow);
        QVERIFY(!form.scheduler().nextWakeUpMs());
        QVERIFY(window.dialogs.errorReports().isEmpty());

        test::ui(form).intervalList->selectRow(kFourHoursRow);
        test::ui(form).startAtLogonBox->setChecked(true);
        const QStringList reports = window.dialogs.errorReports();
        QCOMPARE(reports.size(), 2);
        for (const QString &report : reports)
            QVERIFY2(report.startsWith(QStringLiteral("Permission denied: ") + iniPath(window)), qPrintable(report));
        QCOMPARE(test::ui(form).intervalList->selectedRow(), kFourHoursRow);
        QVERIFY(test::ui(form).startAtLogonBox->isChecked());
        QVERIFY(!test::ui(form).startInTrayBox->isHidden());
    }

    void corruptSettingsFile_startsWithWhatCanBeRead_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("intervalRow");
        QByteArray garbage(4096, Qt::Uninitialized);
        QRandomGenerator random(7);
        for (char &byte : garbage)
            byte = char(random.bounded(256));
        QTest::newRow("binary garbage") << garbage << kDefaultIntervalRow;
        QTest::newRow("cut in the middle of a line")
            << QByteArray("[Tidewick]\nOftenIndex=4\nWindows Startup=On\nMinimized=O") << kFourHoursRow;
        QTest::newRow("cut in the middle of a key") << QByteArray("[Tidewick]\nOftenIndex=4\nStartSto") << kFourHoursRow;
        QTest::newRow("empty file") << QByteArray() << kDefaultIntervalRow;
        QTest::newRow("cut in the group header") << QByteArray("[Tidew") << kDefaultIntervalRow;
    }
    // A settings file broken by a crash or a full disk: the program starts,
    // reads what it can, uses the defaults for the rest, and the next choice
    // stored keeps every setting it could read.
    void corruptSettingsFile_startsWithWhatCanBeRead()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, intervalRow);
        TestWindow window;
        test::writeFile(iniPath(window), content);
        MainWindow &form = window.create();
        QCOMPARE(test::ui(form).intervalList->selectedRow(), intervalRow);
        QVERIFY(!form.scheduler().nextWakeUpMs());
        QVERIFY2(window.dialogs.errorReports().isEmpty(), qPrintable(window.dialogs.errorReports().join(u'|')));

        test::ui(form).automaticFetchButton->click(); // turn automatic fetching on: stores StartStopState
        QTRY_VERIFY(!form.isFetching());
        QCOMPARE(window.settings.read(SettingKeys::StartStopState, QString()), kOn);
        QCOMPARE(window.settings.read(SettingKeys::OftenIndex, QStringLiteral("2")).toInt(), intervalRow + 1);
        if (content.contains("Windows Startup=On"))
            QCOMPARE(window.settings.read(SettingKeys::WindowsStartup, QString()), kOn);
    }

    // A write that fails (the disk is full) leaves the settings file as it
    // was: the other choices stored earlier are all still there.
    void failedSettingsWrite_keepsTheOtherSettings()
    {
        TestWindow window;
        const QByteArray before = "[Tidewick]\nOftenIndex=4\nWindows Startup=On\nMinimized=On\nDailyRecs=7\n"
                                  "StartDate=46083\nStartStopState=Off\n";
        test::writeFile(iniPath(window), before);
        MainWindow &form = window.create();
        {
            FileSizeCap full(16);
            test::ui(form).intervalList->selectRow(0);
            test::ui(form).startInTrayBox->setChecked(false);
        }
        QCOMPARE(window.dialogs.errorReports().size(), 2);
        QCOMPARE(entriesOf(window.configFolder() + QStringLiteral("/Kestrow")), QStringList{"Tidewick.ini"});
        const auto storedEarlier = [&] {
            QCOMPARE(window.settings.read(SettingKeys::WindowsStartup, QString()), kOn);
            QCOMPARE(window.settings.read(SettingKeys::DailyRecs, QString()), QStringLiteral("7"));
            QCOMPARE(window.settings.read(SettingKeys::StartDate, QString()), QStringLiteral("46083"));
            QCOMPARE(window.settings.read(SettingKeys::StartStopState, QString()), kOff);
        };
        storedEarlier();
        // Once there is room again, the next choice is stored beside the others.
        test::ui(form).intervalList->selectRow(2);
        QCOMPARE(window.settings.read(SettingKeys::OftenIndex, QString()), QStringLiteral("3"));
        storedEarlier();
    }

    void pathNotARegularFile_isSaidOnceAndLeftAlone_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("kind");
        for (const char *file : {"Tidewick.ini", "Tidewick-watch-list.json", "Tidewick-budget.lock"}) {
            for (const char *kind : {"pipe", "link to a pipe", "folder", "device"})
                QTest::addRow("%s, %s", file, kind) << file << kind;
        }
        QTest::addRow("Tidewick-budget.lock, 1 GB without a line end") << "Tidewick-budget.lock" << "large";
    }
    // A named pipe where the settings file, the watch list or the budget's
    // lock should be would hold the start for ever once opened, a link to a
    // device must not become a file, and a large file must not be read. Each,
    // like a folder there, is said once (the settings file once at the start
    // and once by the run, which then queries nothing: its count could not
    // be stored); the program starts with the defaults, and later changes
    // leave it alone.
    void pathNotARegularFile_isSaidOnceAndLeftAlone()
    {
        QFETCH(QString, file);
        QFETCH(QString, kind);
        TestWindow window;
        const QString path = window.configFolder() + QStringLiteral("/Kestrow/") + file;
        QVERIFY(QDir().mkpath(kind == QLatin1String("folder") ? path : QFileInfo(path).absolutePath()));
        const QByteArray node = QFile::encodeName(window.root() + QStringLiteral("/node"));
        std::optional<PipeWriterNowAndThen> writer;
        if (kind.contains(QLatin1String("pipe"))) {
            const bool linked = kind.startsWith(QLatin1String("link"));
            const QString pipe = linked ? QFile::decodeName(node) : path;
            QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
            QVERIFY(!linked || QFile::link(pipe, path));
            writer.emplace(pipe);
        } else if (kind == QLatin1String("large")) {
            QFile large(path);
            QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(qint64(1) << 30));
        } else if (kind == QLatin1String("device")) {
            if (::mknod(node.constData(), S_IFCHR | 0600, makedev(1, 3)) != 0)
                QSKIP("device nodes cannot be made here");
            QVERIFY(QFile::link(QFile::decodeName(node), path));
        }
        MainWindow &form = window.create();
        test::ui(form).intervalList->selectRow(kFourHoursRow);
        test::ui(form).automaticFetchButton->click();
        test::ui(form).sampleKeywordsButton->click();
        QTRY_VERIFY(!form.isFetching());

        const QStringList said = window.dialogs.messageTexts();
        const bool settingsFile = file == QLatin1String("Tidewick.ini");
        QCOMPARE(said.size(), settingsFile ? 2 : 1);
        QVERIFY2(said[0].contains(path), qPrintable(said[0]));
        QCOMPARE(test::ui(form).keywordList->count(), 3);
        QVERIFY(QFileInfo::exists(path) && QFileInfo(path).isFile() == (kind == QLatin1String("large")));
        if (file != QLatin1String("Tidewick-watch-list.json")) {
            QVERIFY2(said.last().contains(QStringLiteral("FetchNewsNow at line 100\r")), qPrintable(said.last()));
            QCOMPARE(window.settings.read(SettingKeys::DailyRecs, QStringLiteral("none")), QStringLiteral("none"));
        }
        struct stat status {};
        QVERIFY(kind != QLatin1String("device") || (::stat(node.constData(), &status) == 0 && S_ISCHR(status.st_mode)));
        if (settingsFile) {
            QVERIFY(said[0].contains(QStringLiteral("Form_Load at line 184\r")));
            QCOMPARE(window.settings.read(SettingKeys::OftenIndex, QStringLiteral("2")), QStringLiteral("2"));
            QVERIFY(!window.settings.readFromGroup(QStringLiteral("Service"), QStringLiteral("NewsHost")));
        }
        if (writer)
            QCOMPARE(writer->readersFreed(), 0);
    }

    // --- The temporary folder ---------------------------------------------------

    void unusableTemporaryFolder_isReportedAndTheFetchAddsNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<bool>("reported");
        QTest::newRow("TEMP a file") << QStringLiteral("file") << QByteArray("TEMP") << true;
        QTest::newRow("TEMP missing") << QStringLiteral("missing") << QByteArray("TEMP") << true;
        QTest::newRow("TMPDIR a file") << QStringLiteral("file") << QByteArray("TMPDIR") << true;
        // Qt itself falls back to /tmp for a TMPDIR that does not exist.
        QTest::newRow("TMPDIR missing") << QStringLiteral("missing") << QByteArray("TMPDIR") << false;
    }
    // The temporary folder (TEMP, or TMPDIR without it) names a file or a
    // folder that does not exist: start-up says so naming the path (or
    // carries on in the system's folder), a fetch later runs no helper on a
    // missing file and adds nothing, nothing crashes.
    void unusableTemporaryFolder_isReportedAndTheFetchAddsNothing()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, variable);
        QFETCH(bool, reported);
        TestWindow window;
        const QString temp = window.root() + QStringLiteral("/no-temp");
        if (kind == QLatin1String("file"))
            test::writeFile(temp, "a file");
        ScopedEnvironment environment;
        if (variable != "TEMP")
            environment.unset("TEMP");
        environment.set(variable.constData(), temp.toLocal8Bit());
        MainWindow &form = window.create();
        if (!reported) {
            QVERIFY(window.dialogs.errorReports().isEmpty());
            QVERIFY(QFileInfo(window.globals.workFolder).isDir());
            QVERIFY(!window.globals.workFolder.startsWith(temp));
            deleteAnsiFilter(window.globals);
            return;
        }
        const QStringList reports = window.dialogs.errorReports();
        QCOMPARE(reports.size(), 2);
        QVERIFY2(reports[0].startsWith(QStringLiteral("Path/File access error: ")) && reports[0].contains(temp),
                 qPrintable(reports[0]));
        QVERIFY(reports[0].contains(QStringLiteral("line 180\r")));

        window.dialogs.shown.clear();
        test::ui(form).keywordList->rows().append(QStringLiteral("mars"));
        test::ui(form).testFetchButton->click();
        QTRY_VERIFY(!form.isFetching());
        QCOMPARE(test::ui(form).resultsList->count(), 0);
        QCOMPARE(window.dialogs.messageTexts(), QStringList{QStringLiteral("Done.")});
        QCOMPARE(kind == QLatin1String("file"), QFileInfo(temp).isFile());
        QVERIFY(!QFileInfo(QDir::currentPath() + QStringLiteral("/message.txt")).exists());
    }

    // The temporary folder fills up (a 64 KiB tmpfs) while curl writes a
    // long answer: the half-written answer counts as none, the work files go.
    void fullTemporaryFolder_halfAnswerCountsAsNone()
    {
        const QString mounted = test::mountedFolder("TIDEWICK_TEST_FULL_TEMP");
        if (mounted.isEmpty()) {
            const test::MountedRun run = test::runOnSmallTmpfs("TIDEWICK_TEST_FULL_TEMP", QStringLiteral("64k"),
                                                               QStringLiteral("fullTemporaryFolder_halfAnswerCountsAsNone"));
            if (!run.possible)
                QSKIP("a tmpfs cannot be mounted here (no user namespaces): the full temporary folder case is skipped");
            QVERIFY2(run.passed, run.output.constData());
            return;
        }

        test::NewsService service({QStringLiteral("--mode"), QStringLiteral("many-articles"), QStringLiteral("--count"),
                                   QStringLiteral("3000"), QStringLiteral("--max-articles"), QStringLiteral("3000")});
        TestWindow window;
        ScopedEnvironment environment;
        environment.set("TEMP", mounted.toLocal8Bit());
        window.services.newsHost = QStringLiteral("localhost:%1").arg(service.port);
        window.services.queryTimeLimitSeconds = 10;
        MainWindow &form = window.create();
        QVERIFY(window.dialogs.errorReports().isEmpty());
        // Fill the folder but for a little room.
        test::writeFile(mounted + QStringLiteral("/ballast"), QByteArray(40 * 1024, 'x'));
        QVERIFY(window.fetch(FetchRun::Kind::Test));
        QCOMPARE(service.requests().size(), 1);
        QCOMPARE(test::ui(form).resultsList->rows().texts(), QStringList());
        QVERIFY(entriesOf(window.globals.workFolder).isEmpty());
        QVERIFY(window.dialogs.errorReports().isEmpty());
    }

    // The disk fills up while the results are saved: the report says so in
    // the system's own words, and the file saved there earlier stays whole.
    // So do the watch list and the log-on entry on a disk that is full.
    void fullDiskDuringASave_saysSoAndKeepsTheEarlierFile()
    {
        const QString mounted = test::mountedFolder("TIDEWICK_TEST_FULL_DISK");
        if (mounted.isEmpty()) {
            const test::MountedRun run = test::runOnSmallTmpfs(
                "TIDEWICK_TEST_FULL_DISK", QStringLiteral("256k"),
                QStringLiteral("fullDiskDuringASave_saysSoAndKeepsTheEarlierFile"));
            if (!run.possible)
                QSKIP("a tmpfs cannot be mounted here (no user namespaces): the full disk case is skipped");
            QVERIFY2(run.passed, run.output.constData());
            return;
        }

        // The history first: its database and its write-ahead log take room.
        ArticleHistory history(mounted + QStringLiteral("/history.sqlite"));
        QCOMPARE(history.open(QDateTime::currentDateTime()), QString());
        QVERIFY(history.record(QStringLiteral("earlier"), {}, QDateTime::currentDateTime()));
        TestWindow window;
        MainWindow &form = window.create();
        for (int i = 0; i < 20000; ++i)
            test::ui(form).resultsList->rows().append(QStringLiteral("Article %1 on a subject of some length").arg(i));
        const QString path = mounted + QStringLiteral("/results.txt");
        test::writeFile(path, "earlier");
        window.dialogs.saveAnswers.enqueue(path);
        window.dialogs.yesNoAnswers.enqueue(true);

        test::ui(form).saveResultsButton->click();
        QTRY_VERIFY(!form.isBusy());

        const QStringList reports = window.dialogs.errorReports();
        QCOMPARE(reports.size(), 1);
        QVERIFY2(reports[0].contains(QString::fromLocal8Bit(std::strerror(ENOSPC))) && reports[0].contains(path)
                     && reports[0].contains(QStringLiteral("PushButton1_Click at line 130\r")),
                 qPrintable(reports[0]));
        QCOMPARE(test::readFile(path), QByteArray("earlier"));
        QCOMPARE(entriesOf(mounted),
                 QStringList({"history.sqlite", "history.sqlite-shm", "history.sqlite-wal", "results.txt"}));
        QCOMPARE(form.mousePointer(), MainWindow::Pointer::Default);

        // Small files: Qt takes them into its buffer, so only the flush fails.
        const WatchListFile list(mounted + QStringLiteral("/list.json"));
        list.save({{QStringLiteral("earlier")}, {}, {}});
        QVERIFY(addAutostartEntry(mounted, QStringLiteral("/usr/bin/tidewick")));
        const QByteArray entry = test::readFile(autostartEntryPath(mounted));
        QFile filler(mounted + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        while (filler.write(QByteArray(4096, 'x')) > 0 && filler.flush()) {
        }
        QVERIFY_THROWS_EXCEPTION(AppError, list.save({{QStringLiteral("later")}, {}, {}}));
        QCOMPARE(list.load().keywords, QStringList{QStringLiteral("earlier")});
        QString problem;
        QVERIFY(!addAutostartEntry(mounted, QStringLiteral("/opt/tidewick"), &problem));
        QVERIFY2(problem.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))), qPrintable(problem));
        // The history keeps what it held before.
        const QString later = QStringLiteral("later ") + QString(20000, u'x');
        QVERIFY_THROWS_EXCEPTION(AppError, history.record(later, {}, QDateTime::currentDateTime()));
        QCOMPARE(history.listed(QDateTime::currentDateTime().addSecs(1), 0, 10), QStringList{"earlier"});
        QCOMPARE(test::readFile(autostartEntryPath(mounted)), entry);
    }

    // --- The helper programs ----------------------------------------------------

    void oneHelperMissing_isReportedNamingIt_data()
    {
        QTest::addColumn<bool>("withCurl");
        QTest::addColumn<QString>("missing");
        QTest::newRow("curl") << false << QStringLiteral("\"curl\"");
        QTest::newRow("ansifilter") << true << QStringLiteral("\"ansifilter\"");
    }
    // PATH without one of the helpers: start-up names exactly that one, and
    // a test fetch afterwards ends with "Done." and adds nothing.
    void oneHelperMissing_isReportedNamingIt()
    {
        QFETCH(bool, withCurl);
        QFETCH(QString, missing);
        HelperFolder helpers(withCurl ? QStringLiteral("exit 7") : QString(), !withCurl);
        TestWindow window;
        {
            ScopedEnvironment environment;
            environment.set("PATH", helpers.path().toLocal8Bit());
            window.create();
        }
        const QStringList reports = window.dialogs.errorReports();
        QCOMPARE(reports.size(), 1);
        QVERIFY2(reports[0].contains(missing) && reports[0].contains(QStringLiteral("not on PATH")), qPrintable(reports[0]));
        window.dialogs.shown.clear();
        test::ui(window.form()).testFetchButton->click();
        QTRY_VERIFY(!window.form().isFetching());
        QCOMPARE(test::ui(window.form()).resultsList->count(), 0);
        QCOMPARE(window.dialogs.messageTexts(), QStringList{QStringLiteral("Done.")});
    }

    void helperOutcome_decidesWhetherItsOutputCounts_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("kept");
        QTest::newRow("ends well") << QStringLiteral("printf whole > \"$0\"") << true;
        QTest::newRow("fails as curl on a full disk") << QStringLiteral("printf half > \"$0\"; exit 23") << false;
        QTest::newRow("killed from outside") << QStringLiteral("printf half > \"$0\"; kill -9 $$") << false;
        QTest::newRow("stopped at the time limit") << QStringLiteral("printf half > \"$0\"; exec sleep 1000") << false;
    }
    // A helper's output file counts only when the helper ended well: after a
    // failure, a kill or the time limit no half-written file is left to read.
    void helperOutcome_decidesWhetherItsOutputCounts()
    {
        QFETCH(QString, script);
        QFETCH(bool, kept);
        QTemporaryDir folder;
        const QString output = folder.filePath(QStringLiteral("answer.txt"));
        QProcessRunner runner;
        runner.setTimeLimit(1);
        QVERIFY(test::runToEnd(runner, QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script, output},
                               OutputLimit{output, 0}));
        QCOMPARE(QFileInfo::exists(output), kept);
        QVERIFY(!runner.isRunning());
    }

    // curl is killed (SIGKILL from outside) after it wrote half of a listing
    // that holds whole articles: that half is no answer, so no row and no
    // balloon come of it; the run ends and the work folder is empty.
    void curlKilledHalfWay_halfAnswerAddsNothing()
    {
        QTemporaryDir scratch;
        const QByteArray listing = test::readFile(test::listingFixturesDir() + QStringLiteral("/05-twenty.ans"));
        const QString half = scratch.filePath(QStringLiteral("half.ans"));
        test::writeFile(half, listing.left(listing.indexOf('\n', listing.size() / 2) + 1));
        QVERIFY2(articlesIn(half) > 0, "the half listing must hold whole articles for this case to mean anything");

        const QString pidFile = scratch.filePath(QStringLiteral("curl.pid"));
        HelperFolder helpers(kFindOutput + QStringLiteral("\ncat '%1' > \"$out\"\necho $$ > '%2'\nexec sleep 1000")
                                 .arg(half, pidFile),
                             true);
        ScopedEnvironment environment;
        environment.set("PATH", (helpers.path() + QStringLiteral(":") + qEnvironmentVariable("PATH")).toLocal8Bit());
        TestWindow window;
        MainWindow &form = window.create();
        QTimer killer;
        QObject::connect(&killer, &QTimer::timeout, [&] {
            if (const qint64 pid = pidFrom(pidFile); pid > 0) {
                ::kill(pid_t(pid), SIGKILL);
                killer.stop();
            }
        });
        killer.start(20);
        QElapsedTimer elapsed;
        elapsed.start();
        QVERIFY(window.fetch(FetchRun::Kind::Test));
        QVERIFY(elapsed.elapsed() < 5000);
        QCOMPARE(test::ui(form).resultsList->rows().texts(), QStringList());
        QCOMPARE(window.tray.kinds().count(QStringLiteral("balloon")), 0);
        QVERIFY(entriesOf(window.globals.workFolder).isEmpty());
        QCOMPARE(window.settings.read(SettingKeys::DailyRecs, QString()), QStringLiteral("1"));
    }

    // A "curl" first on PATH that never ends (a script whose child sleeps):
    // the runner's time limit ends it and its child, the window answers all
    // the while, and the run goes on to its end.
    void curlThatNeverEnds_isStoppedAtTheTimeLimit()
    {
        QTemporaryDir scratch;
        const QString pidFile = scratch.filePath(QStringLiteral("sleep.pid"));
        HelperFolder helpers(QStringLiteral("sleep 1000 &\necho $! > '%1'\nwait").arg(pidFile), true);
        ScopedEnvironment environment;
        environment.set("PATH", (helpers.path() + QStringLiteral(":") + qEnvironmentVariable("PATH")).toLocal8Bit());
        TestWindow window;
        window.services.queryTimeLimitSeconds = 1;
        MainWindow &form = window.create();
        QCOMPARE(window.runner->timeLimit(), 3);

        QElapsedTimer sinceTick;
        qint64 longestGap = 0;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&] { longestGap = std::max(longestGap, sinceTick.restart()); });
        ticker.start(20);
        sinceTick.start();
        QElapsedTimer elapsed;
        elapsed.start();
        QVERIFY(window.fetch(FetchRun::Kind::Test));
        ticker.stop();
        const qint64 took = elapsed.elapsed();
        QVERIFY2(took >= 2500 && took < 8000, qPrintable(QString::number(took)));
        QVERIFY2(longestGap < 1000, qPrintable(QString::number(longestGap)));
        QVERIFY(!window.runner->isRunning());
        const qint64 sleeper = pidFrom(pidFile);
        QVERIFY(sleeper > 0);
        QTRY_VERIFY_WITH_TIMEOUT(test::processIsGone(sleeper), 2000);
        QCOMPARE(test::ui(form).resultsList->count(), 0);
        QVERIFY(entriesOf(window.globals.workFolder).isEmpty());
    }

private:
    static int articlesIn(const QString &ansiFile)
    {
        QTemporaryDir folder;
        const QString clean = folder.filePath(QStringLiteral("clean.txt"));
        QProcess::execute(QStringLiteral("ansifilter"), {QStringLiteral("-c"), QStringLiteral("-i"), ansiFile,
                                                         QStringLiteral("-o"), clean});
        const QStringList lines = QString::fromUtf8(test::readFile(clean)).split(QLatin1Char('\n'));
        return int(parseListing(lines).articles.size());
    }
};

QTEST_MAIN(MachineFaultsTest)
#include "MachineFaults_test.moc"
