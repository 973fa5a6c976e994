#include "FakeRunner.h"
#include "TestNews.h"
#include "TestPaths.h"
#include "core/KeywordLimits.h"
#include "core/SettingsLock.h"
#include "core/ValueConversion.h"
#include "fetch/FetchRun.h"
#include "fetch/RequestBudget.h"

#include <QDirIterator>
#include <QTimer>
#include <QtTest>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace tidewick;
using test::FakeClock;
using test::FakeRunner;

namespace {

// The news watch with a fake runner answering with `listing`.
struct FetchModel : test::TestNews {
    explicit FetchModel(const QByteArray &listing = {}, const QString &host = QStringLiteral("localhost:9"))
        : fake(&useFakeRunner())
    {
        fake->listing = listing;
        services.newsHost = host;
        create();
    }
    void addKeywords(const QStringList &keywords) { watch().keywords().append(keywords); }
    bool run(bool testFetch = false) { return fetch(testFetch ? FetchKind::Test : FetchKind::Scheduled); }
    QString stored(const QString &key) { return settings.read(key, QStringLiteral("absent")); }

    FakeRunner *fake;
};

// Another copy of the program on the same settings, with its own runner.
struct AnotherCopy : ArticleAnnouncer {
    explicit AnotherCopy(test::TestSeams &seams) : services(seams.services), news(withRunner(), *this)
    {
        runner.listing = test::readFile(test::listingFixturesDir() + QStringLiteral("/01-three-articles.clean.txt"));
        news.watch().setIntervalRow(1);
        news.found().openHistory();
    }
    Services &withRunner()
    {
        services.runner = &runner;
        return services;
    }
    void announce(const QString &text, const QString &, qint32, std::function<void()> seen) override
    {
        shown.append(text);
        QTimer::singleShot(0, std::move(seen));
    }

    FakeRunner runner;
    Services services;
    NewsWatch news;
    QStringList shown;
};

QByteArray fixture(const char *name)
{
    return test::readFile(test::listingFixturesDir() + QLatin1Char('/') + QLatin1String(name));
}

QStringList manyKeywords(int count)
{
    QStringList keywords;
    for (int i = 0; i < count; ++i)
        keywords << QStringLiteral("k%1").arg(i);
    return keywords;
}

// A listing as the service lays it out, with one row for each article.
QByteArray listingOf(const QStringList &articles)
{
    const QString top = "┌" + QString(78, u'─') + "┐\n";
    const QString separator = "├" + QString(78, u'─') + "┤\n";
    const QString bottom = "└" + QString(78, u'─') + "┘\n";
    const auto row = [](const QString &text) { return "│ " + text.leftJustified(76) + " │\n"; };
    QString text = top + row(QStringLiteral("Articles")) + separator;
    for (const QString &article : articles)
        text += row(article) + separator;
    return (text + row(QStringLiteral("Footer")) + bottom).toUtf8();
}

} // namespace

class FetchRunTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void freshWindow_sharesTheBudgetOverTheInterval_data()
    {
        QTest::addColumn<int>("intervalRow");
        QTest::addColumn<int>("queries");
        QTest::newRow("30 minutes") << 0 << 3;
        QTest::newRow("1 hour") << 1 << 5;
        QTest::newRow("6 hours") << 2 << 26;
        QTest::newRow("12 hours") << 3 << 51;
        QTest::newRow("24 hours") << 4 << 51;
    }
    void freshWindow_sharesTheBudgetOverTheInterval()
    {
        QFETCH(int, intervalRow);
        QFETCH(int, queries);
        FetchModel fetch;
        fetch.watch().setIntervalRow(intervalRow);
        fetch.addKeywords(manyKeywords(80));
        QVERIFY(fetch.run());
        QCOMPARE(fetch.fake->targets().size(), queries);
        QCOMPARE(fetch.stored(SettingKeys::DailyRecs), QString::number(queries));
        QCOMPARE(fromDayNumber(parseDayNumber(fetch.stored(SettingKeys::StartDate))), fetch.clock.now());
    }

    void windowCheck_countsWholeHours_data()
    {
        QTest::addColumn<QTime>("start");
        QTest::addColumn<QTime>("now");
        QTest::addColumn<bool>("newWindow");
        QTest::newRow("11:59 later keeps") << QTime(10, 0) << QTime(21, 59) << false;
        QTest::newRow("10:59 to 22:00 ends") << QTime(10, 59) << QTime(22, 0) << true;
        QTest::newRow("10:30 to 21:59 keeps") << QTime(10, 30) << QTime(21, 59) << false;
    }
    void windowCheck_countsWholeHours()
    {
        QFETCH(QTime, start);
        QFETCH(QTime, now);
        QFETCH(bool, newWindow);
        const QDate day(2026, 3, 2);
        QCOMPARE(budget::windowHasEnded(QDateTime(day, start), QDateTime(day, now)), newWindow);

        FetchModel fetch;
        fetch.settings.write(SettingKeys::StartDate, dayNumberText(toDayNumber(QDateTime(day, start))));
        fetch.settings.write(SettingKeys::DailyRecs, QStringLiteral("7"));
        fetch.clock.setNow(QDateTime(day, now));
        fetch.run(true);
        // A test run makes three queries (quota 2) from whatever was counted.
        QCOMPARE(fetch.stored(SettingKeys::DailyRecs), newWindow ? QStringLiteral("1") : QStringLiteral("8"));
    }

    // The clock set back inside a window keeps the window and its count, by
    // a little or by more than a window: a full window stays full.
    void clockSetBack_keepsTheFullWindow_data()
    {
        QTest::addColumn<int>("minutesBack");
        QTest::newRow("1 hour") << 60;
        QTest::newRow("6 hours") << 360;
        QTest::newRow("11 hours") << 660;
        QTest::newRow("13 hours") << 780;
        QTest::newRow("a day") << 1440;
    }
    void clockSetBack_keepsTheFullWindow()
    {
        QFETCH(int, minutesBack);
        FetchModel fetch;
        const QDateTime start = fetch.clock.now();
        fetch.settings.write(SettingKeys::StartDate, dayNumberText(toDayNumber(start)));
        fetch.settings.write(SettingKeys::DailyRecs, QStringLiteral("50"));
        fetch.watch().setIntervalRow(4);
        fetch.addKeywords(manyKeywords(80));
        fetch.run();
        QCOMPARE(fetch.fake->targets().size(), 1);
        fetch.clock.setNow(start.addSecs(-60 * minutesBack));
        fetch.run();
        fetch.run(true);
        QCOMPARE(fetch.fake->targets().size(), 1);
        QCOMPARE(fetch.stored(SettingKeys::DailyRecs), QStringLiteral("51"));
        QCOMPARE(fromDayNumber(parseDayNumber(fetch.stored(SettingKeys::StartDate))), start);
    }

    // A count or a window start that cannot be read, or could not be true,
    // never gives a window more than its budget: with 48 counted, one report
    // and three requests at most (none where the damage came before this
    // program read the window) until a readable window begins, 12 hours on.
    void damagedBudgetValue_neverRefillsTheWindow_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("readBefore");
        const QList<std::pair<QString, QString>> damage{
            {SettingKeys::DailyRecs, "abc"},   {SettingKeys::DailyRecs, "70000"},   {SettingKeys::DailyRecs, "-1"},
            {SettingKeys::StartDate, "abc"},   {SettingKeys::StartDate, "1e308"},   {SettingKeys::StartDateUtc, "abc"},
            {SettingKeys::StartDateUtc, "2026-03-02T10:00:00"}};
        for (const bool readBefore : {true, false}) {
            for (const auto &[key, value] : damage)
                QTest::addRow("%s=%s%s", qPrintable(key), qPrintable(value), readBefore ? ", read before" : "")
                    << key << value << readBefore;
        }
    }
    void damagedBudgetValue_neverRefillsTheWindow()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(bool, readBefore);
        FetchModel fetch;
        const QDateTime start = fetch.clock.now();
        fetch.settings.write({{SettingKeys::StartDate, dayNumberText(toDayNumber(start))},
                                     {SettingKeys::DailyRecs, QStringLiteral("48")}});
        fetch.watch().setIntervalRow(4);
        fetch.addKeywords(manyKeywords(80));
        if (readBefore)
            fetch.run();
        fetch.settings.write(key, value);
        for (int hour = 1; hour < 12; hour += 3) {
            fetch.clock.setNow(start.addSecs(hour * 3600));
            fetch.run();
            fetch.run(true);
        }
        const qsizetype inTheWindow = readBefore ? 3 : 0;
        QCOMPARE(fetch.fake->targets().size(), inTheWindow);
        QCOMPARE(fetch.dialogs.errorReports().size(), 1);
        fetch.clock.setNow(start.addSecs(15 * 3600));
        fetch.run();
        QCOMPARE(fetch.fake->targets().size(), inTheWindow + 51);
    }

    // Copies in other time zones read "StartDate" as their own local time:
    // the UTC start beside it wins, and a start that lies ahead (another
    // copy's clock, a clock set back) never ends the window.
    void windowStartedInAnotherZone_keepsTheWindow_data()
    {
        QTest::addColumn<int>("localShiftHours");
        QTest::addColumn<bool>("withUtc");
        QTest::newRow("14 hours behind, UTC beside") << -14 << true;
        QTest::newRow("14 hours ahead, UTC beside") << 14 << true;
        QTest::newRow("14 hours ahead, alone") << 14 << false;
    }
    void windowStartedInAnotherZone_keepsTheWindow()
    {
        QFETCH(int, localShiftHours);
        QFETCH(bool, withUtc);
        FetchModel fetch;
        const QDateTime start = fetch.clock.now();
        const QString local = dayNumberText(toDayNumber(start.addSecs(localShiftHours * 3600)));
        fetch.settings.write({{SettingKeys::StartDate, local}, {SettingKeys::DailyRecs, QStringLiteral("50")}});
        if (withUtc)
            fetch.settings.write(SettingKeys::StartDateUtc, start.toUTC().toString(Qt::ISODate));
        fetch.watch().setIntervalRow(4);
        fetch.addKeywords(manyKeywords(80));
        fetch.clock.setNow(start.addSecs(2 * 3600));
        fetch.run();
        QCOMPARE(fetch.fake->targets().size(), 1);
        QCOMPARE(fetch.stored(SettingKeys::DailyRecs), QStringLiteral("51"));
    }

    // A copy whose clock is far behind (a dead clock battery before the time
    // is set) finds the window's start far ahead of it: the start stays as
    // it is and the window counts as spent, said once; a copy with the right
    // clock then finds the window as it was.
    void clockFarBehind_leavesTheWindowAsItIs_data()
    {
        QTest::addColumn<QDateTime>("behind");
        QTest::newRow("39 hours") << FakeClock().now().addSecs(-39 * 3600);
        QTest::newRow("the year 2000") << QDateTime(QDate(2000, 1, 1), QTime(0, 0));
    }
    void clockFarBehind_leavesTheWindowAsItIs()
    {
        QFETCH(QDateTime, behind);
        FetchModel fetch(fixture("01-three-articles.clean.txt"));
        const QDateTime start = fetch.clock.now();
        budget::writeWindow(fetch.settings, start, 10);
        const QString storedStart = fetch.stored(SettingKeys::StartDateUtc);
        fetch.clock.setNow(behind);
        fetch.run(true);
        fetch.run(true);
        QCOMPARE(fetch.fake->targets(), QStringList());
        QCOMPARE(fetch.dialogs.errorReports().size(), 1);
        QCOMPARE(fetch.stored(SettingKeys::StartDateUtc), storedStart);
        QCOMPARE(fetch.stored(SettingKeys::DailyRecs), QStringLiteral("10"));
        fetch.clock.setNow(start.addSecs(3600));
        fetch.create(); // the copy with the right clock
        fetch.run(true);
        QCOMPARE(fetch.stored(SettingKeys::DailyRecs), QStringLiteral("11"));
    }

    // Another copy stopped while it holds the budget lock: the run looks for
    // it a while without holding up the window, then stops with one report
    // before the query it could not count; the next run begins with that one.
    void budgetLockHeldElsewhere_stopsTheRunWithOneReportAndSkipsNothing()
    {
        FetchModel fetch;
        fetch.addKeywords({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        fetch.fake->holdRuns = true;
        fetch.scheduler().requestRun(FetchKind::Test);
        QTRY_COMPARE(fetch.fake->runs.size(), 1);
        const QByteArray lockPath = QFile::encodeName(SettingsLock::lockPath(fetch.settings.filePath()));
        const int held = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        QVERIFY(held >= 0 && ::flock(held, LOCK_EX) == 0);
        fetch.fake->finishRun();
        QTRY_VERIFY(!fetch.scheduler().isFetching());
        ::close(held);
        const QStringList reports = fetch.dialogs.errorReports();
        QCOMPARE(reports.size(), 1);
        QVERIFY2(reports[0].contains(QStringLiteral("another copy"))
                     && reports[0].contains(QStringLiteral("AddNews at line 104\r")),
                 qPrintable(reports[0]));
        fetch.fake->holdRuns = false;
        QVERIFY(fetch.run(true));
        QCOMPARE(fetch.fake->targets(),
                 QStringList({"localhost:9/a", "localhost:9/b", "localhost:9/c", "localhost:9/a"}));
    }

    // A test run's first answer is taken whole, and its articles then close
    // that run's gate; the next test run queries again.
    void testRuns_queryAnnounceAndHandOn()
    {
        FetchModel fetch(fixture("01-three-articles.clean.txt"));
        fetch.addKeywords({QStringLiteral("a"), QStringLiteral("b")});
        QVERIFY(fetch.run(true));
        QCOMPARE(fetch.fake->targets(), QStringList{QStringLiteral("localhost:9/a")});
        QCOMPARE(fetch.news().results().count(), 3);
        QCOMPARE(fetch.news().results().texts(), fetch.shown);
        QCOMPARE(fetch.news().run().budget().testArticleCount, 3);
        QCOMPARE(fetch.stored(SettingKeys::DailyRecs), QStringLiteral("1"));
        QVERIFY(fetch.dialogs.shown.isEmpty());
        QVERIFY(fetch.run(true));
        QCOMPARE(fetch.fake->targets(), QStringList({"localhost:9/a", "localhost:9/b"}));
        QCOMPARE(fetch.news().results().count(), 6);
    }

    // Two copies that announce only new articles, finding the same ones at
    // once, announce each one once between them: the memory is taken and
    // written under the budget lock both share.
    void twoRunsAnnouncingOnlyNew_announceEachArticleOnce()
    {
        FetchModel one(fixture("01-three-articles.clean.txt"));
        AnotherCopy other(one);
        one.watch().setAnnounceOnlyNew(true);
        other.news.watch().setAnnounceOnlyNew(true);
        one.scheduler().requestRun(FetchKind::Test);
        other.news.scheduler().requestRun(FetchKind::Test);
        QTRY_VERIFY(!one.scheduler().isFetching() && !other.news.scheduler().isFetching());
        QCOMPARE(one.fake->targets().size() + other.runner.targets().size(), 2);
        QCOMPARE(one.shown.size() + other.shown.size(), 3);
        QStringList all = one.shown + other.shown;
        all.removeDuplicates();
        QCOMPARE(all.size(), 3);
        // The history they share holds each once.
        QCOMPARE(one.news().found().history().listed(one.clock.now().addSecs(1), 0, 10).size(), 3);
    }

    // An article is remembered as announced once it is, never before: a
    // program that quits during the second announcement leaves the third to
    // the next start.
    void runStoppedPartWay_leavesWhatItDidNotShowToTheNext()
    {
        FetchModel fetch(fixture("01-three-articles.clean.txt"));
        fetch.watch().setAnnounceOnlyNew(true);
        fetch.quitAtAnnouncement = 2;
        fetch.scheduler().requestRun(FetchKind::Test);
        QTRY_COMPARE(fetch.shown.size(), 2);
        const QStringList shownBefore = std::exchange(fetch.shown, {});
        fetch.quitAtAnnouncement = 0;
        fetch.create(); // the next start
        fetch.watch().setAnnounceOnlyNew(true);
        QVERIFY(fetch.run(true));
        QCOMPARE(fetch.shown.size(), 1);
        QVERIFY(!shownBefore.contains(fetch.shown.first()));
    }

    // Only a listing of the service gives rows, whatever its footer says, and
    // at most 100 of them; anything else (cut off, an error page, a web page)
    // gives none, with a warning, but counts. The refusal is the service's
    // own box, not an article quoting it.
    void answer_givesRowsOnlyAsAListing_data()
    {
        QTest::addColumn<QByteArray>("listing");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("dailyRecs");
        QTest::addColumn<QString>("warning");
        const QString notAListing = QStringLiteral("not a listing");
        const QByteArray three = fixture("01-three-articles.clean.txt");
        const auto cutBeforeFooter = [](const QByteArray &whole) {
            return whole.left(whole.indexOf("Powered by the News API"));
        };
        QTest::newRow("cut off") << cutBeforeFooter(three) << 0 << "1" << notAListing;
        QTest::newRow("cut off after a border") << three.left(three.indexOf("│ Reuters")) << 0 << "1" << notAListing;
        QTest::newRow("refusal, cut off") << cutBeforeFooter(fixture("09-refused.clean.txt")) << 0 << "101"
                                          << notAListing;
        QTest::newRow("the service's error page") << fixture("07-error.clean.txt") << 0 << "1" << notAListing;
        QTest::newRow("a web page") << QByteArray("<html><body><h1>502 Bad Gateway</h1></body></html>\n") << 0 << "1"
                                    << notAListing;
        QTest::newRow("footer reworded")
            << QByteArray(three).replace("Powered by the News API", "Powered by the News-API") << 3 << "1" << QString();
        QTest::newRow("a footer of other words")
            << listingOf({"first", "second"}) << 2 << "1" << QString();
        QTest::newRow("an article quoting the refusal")
            << QByteArray(three).replace("Open-source text editor reaches version 2.0 after five years",
                                         "You have made too many requests recently, says an editor  ")
            << 3 << "1" << QString();
        QStringList stories;
        for (int i = 1; i <= 150; ++i)
            stories << QStringLiteral("Story %1").arg(i);
        QTest::newRow("150 articles") << listingOf(stories) << 100 << "1" << QStringLiteral("150 articles.*50 left out");
    }
    void answer_givesRowsOnlyAsAListing()
    {
        QFETCH(QByteArray, listing);
        QFETCH(int, rows);
        QFETCH(QString, dailyRecs);
        QFETCH(QString, warning);
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
        FetchModel fetch(listing);
        fetch.run(true);
        const QStringList texts = fetch.news().results().texts();
        QCOMPARE(texts.size(), rows);
        if (rows == 100)
            QCOMPARE(texts.last(), QStringLiteral("Story 100 "));
        QCOMPARE(fetch.stored(SettingKeys::DailyRecs), dailyRecs);
        QCOMPARE(QDir(fetch.globals.workFolder).entryList(QDir::Files), QStringList());
    }

    void refusedWindow_queriesNothingUntilItEnds()
    {
        FetchModel fetch;
        const QDateTime start = fetch.clock.now();
        fetch.settings.write(SettingKeys::StartDate, dayNumberText(toDayNumber(start)));
        fetch.settings.write(SettingKeys::DailyRecs, QStringLiteral("101"));
        fetch.run();
        fetch.scheduler().testFetch();
        QTRY_VERIFY(!fetch.scheduler().isFetching());
        QVERIFY(fetch.fake->runs.isEmpty());
        const QString expectedEnd = QLocale().toString(start.addSecs(12 * 3600), QLocale::ShortFormat);
        QCOMPARE(fetch.dialogs.messageTexts(),
                 QStringList("No news was fetched: the news service has refused further requests. Tidewick asks "
                             "again after " + expectedEnd + "."));
        fetch.clock.setNow(start.addSecs(12 * 3600));
        fetch.run();
        QCOMPARE(fetch.fake->targets().size(), 1);
        QCOMPARE(fetch.stored(SettingKeys::DailyRecs), QStringLiteral("1"));
    }

    void testFetchWith49Made_stopsAtTheRequestWindowBudget()
    {
        FetchModel fetch;
        fetch.settings.write(SettingKeys::StartDate, dayNumberText(toDayNumber(fetch.clock.now())));
        fetch.settings.write(SettingKeys::DailyRecs, QStringLiteral("49"));
        fetch.addKeywords(manyKeywords(5));
        fetch.run(true);
        QCOMPARE(fetch.fake->targets().size(), 2);
        QCOMPARE(fetch.stored(SettingKeys::DailyRecs), QStringLiteral("51"));
        // The button's next press queries nothing, and says why rather than "Done.".
        fetch.scheduler().testFetch();
        QTRY_VERIFY(!fetch.scheduler().isFetching());
        QCOMPARE(fetch.fake->targets().size(), 2);
        QCOMPARE(fetch.dialogs.messageTexts().size(), 1);
        QVERIFY2(fetch.dialogs.messageTexts()[0].startsWith("No news was fetched: the news service allows"),
                 qPrintable(fetch.dialogs.messageTexts()[0]));
    }

    void walk_goesCountriesThenKeywordsThenCategories()
    {
        FetchModel fetch;
        fetch.tick(fetch.watch().countries(), QStringLiteral("ar"));
        fetch.tick(fetch.watch().countries(), QStringLiteral("us"));
        fetch.addKeywords({QStringLiteral("a"), QStringLiteral(" solar  power ")});
        fetch.watch().setIntervalRow(4);
        fetch.run();
        QCOMPARE(fetch.fake->targets(),
                 QStringList({"ar.localhost:9/a", "ar.localhost:9/solar++power", "us.localhost:9/a",
                              "us.localhost:9/solar++power"}));

        FetchModel withCategory;
        withCategory.tick(withCategory.watch().categories(), QStringLiteral("science"));
        withCategory.addKeywords({QStringLiteral("mars rover")});
        withCategory.run(true);
        QCOMPARE(withCategory.fake->targets(), QStringList({"localhost:9/mars+rover,category=science"}));

        // Only blanks go from the ends: a keyword of tabs is no bare query.
        FetchModel tabs;
        tabs.addKeywords({QStringLiteral(" \t\t "), QStringLiteral("\nnews\n")});
        tabs.run(true);
        QCOMPARE(tabs.fake->targets(), QStringList({"localhost:9/%09%09", "localhost:9/%0Anews%0A"}));
    }

    // A keyword longer than a query can carry is skipped, uncounted, and
    // named once however many countries the run walks.
    void keywordTooLongToSend_isSkippedUncountedAndNamedOnce()
    {
        FetchModel fetch;
        fetch.tick(fetch.watch().countries(), QStringLiteral("ar"));
        fetch.tick(fetch.watch().countries(), QStringLiteral("us"));
        const QString tooLong = QStringLiteral("long") + QString(kLongestKeyword, u'x');
        fetch.addKeywords({QStringLiteral("a"), tooLong, QStringLiteral("b")});
        fetch.watch().setIntervalRow(4);
        fetch.run();
        QCOMPARE(fetch.fake->targets(),
                 QStringList({"ar.localhost:9/a", "ar.localhost:9/b", "us.localhost:9/a", "us.localhost:9/b"}));
        QCOMPARE(fetch.stored(SettingKeys::DailyRecs), QStringLiteral("4"));
        const QStringList messages = fetch.dialogs.messageTexts();
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].contains(QStringLiteral("\"longxxxx")));
        QVERIFY(messages[0].size() < 300);
    }

    // A share too small for every keyword still reaches each in turn: a run
    // goes on where the last one stopped, also after a restart.
    void runs_goOnWhereTheLastOneStopped()
    {
        FetchModel fetch;
        fetch.addKeywords(manyKeywords(10));
        QCoreApplication::processEvents(); // the watch list is saved
        for (int run = 0; run < 3; ++run)
            fetch.run(true);
        fetch.create(); // a restart
        QCOMPARE(fetch.watch().keywords().count(), 10);
        fetch.run(true);
        QCOMPARE(fetch.fake->targets().mid(8), QStringList({"localhost:9/k8", "localhost:9/k9", "localhost:9/k0",
                                                              "localhost:9/k1"}));
    }

    // A country cannot go in front of an address: those queries are left out
    // uncounted, said once.
    void countriesWithAnAddressAsHost_areLeftOutAndSaidOnce()
    {
        FetchModel fetch({}, QStringLiteral("[2001:db8::1]:8080"));
        fetch.tick(fetch.watch().countries(), QStringLiteral("us"));
        fetch.run(true);
        fetch.run(true);
        QVERIFY(fetch.fake->runs.isEmpty());
        QCOMPARE(fetch.stored(SettingKeys::DailyRecs), QStringLiteral("0"));
        QCOMPARE(fetch.dialogs.messageTexts().size(), 1);
    }

    void nothingTickedAndNoKeyword_makesOneBareQuery()
    {
        FetchModel fetch;
        fetch.run(true);
        QCOMPARE(fetch.fake->targets(), QStringList({"localhost:9"}));
    }

    // A run started while one is in progress is refused and touches nothing;
    // one asked for through the window waits its turn. Each queries the
    // lists as they were when it started.
    void runStartedDuringARun_isRefusedOrWaitsItsTurn()
    {
        FetchModel fetch;
        fetch.addKeywords({QStringLiteral("a"), QStringLiteral("b")});
        fetch.fake->holdRuns = true;
        bool firstEnded = false;
        fetch.scheduler().requestRun(FetchKind::Test, [&] { firstEnded = true; });
        QTRY_VERIFY(fetch.fake->isRunning());
        QVERIFY(!fetch.news().run().start(FetchKind::Test, {}, {}));
        fetch.watch().keywords().removeAt(1);
        fetch.watch().keywords().append(QStringLiteral("c"));
        fetch.fake->holdRuns = false;
        fetch.fake->finishRun();
        QVERIFY(fetch.run(true));
        QVERIFY(firstEnded);
        QCOMPARE(fetch.fake->targets(), QStringList({"localhost:9/a", "localhost:9/b", "localhost:9/a", "localhost:9/c"}));
    }

    // An error report raised during a run waits for the user's answer, and
    // the run goes on with its next step then; nothing goes out uncounted.
    void errorReportDuringARun_waitsForTheAnswer()
    {
        FetchModel fetch;
        fetch.addKeywords({QStringLiteral("a"), QStringLiteral("b")});
        test::writeFile(fetch.configFolder() + QStringLiteral("/Kestrow"), "a file where the folder should be");
        test::ScriptedDialogs &dialogs = fetch.dialogs;
        dialogs.holdMessages = true;
        fetch.scheduler().requestRun(FetchKind::Test);
        QTRY_VERIFY(!dialogs.errorReports().isEmpty());
        QTest::qWait(50);
        QCOMPARE(dialogs.errorReports().size(), 1);
        QVERIFY(dialogs.errorReports().last().contains(QStringLiteral("FetchNewsNow at line 100\r")));
        QVERIFY(fetch.scheduler().isFetching());
        dialogs.answerMessages();
        QTRY_VERIFY(!fetch.scheduler().isFetching());
        QCOMPARE(dialogs.errorReports().size(), 1);
        QVERIFY(fetch.fake->runs.isEmpty());
    }

    void noIntervalSelected_isReportedAndUsesTheQuotaLeft()
    {
        FetchModel fetch;
        fetch.watch().setIntervalRow(std::nullopt);
        fetch.news().run().budget().runQuota = 1;
        fetch.addKeywords(manyKeywords(5));
        fetch.run();
        const QStringList reports = fetch.dialogs.errorReports();
        QCOMPARE(reports.size(), 1);
        QVERIFY(reports[0].contains(QStringLiteral("IntervalSave.FetchNewsNow at line 112\r")));
        QCOMPARE(fetch.fake->targets().size(), 2);
    }

    void answer_becomesRowsBalloonsAndCountedRequests()
    {
        FetchModel fetch(fixture("01-three-articles.clean.txt"));
        // Counted and stored before it goes out: a program killed during the
        // query has spent it all the same.
        fetch.fake->holdRuns = true;
        fetch.scheduler().requestRun(FetchKind::Test);
        QTRY_VERIFY(fetch.fake->isRunning());
        QCOMPARE(fetch.stored(SettingKeys::DailyRecs), QStringLiteral("1"));
        fetch.fake->holdRuns = false;
        fetch.fake->finishRun();
        QTRY_VERIFY(!fetch.news().run().isRunning());
        const QStringList expected =
            QString::fromUtf8(fixture("01-three-articles.expected.txt")).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(fetch.news().results().texts(), expected);
        QCOMPARE(fetch.news().run().budget().testArticleCount, 3);
        // Three announcements, each followed by the 2 s wait.
        QCOMPARE(fetch.shown, expected);
        QCOMPARE(fetch.clock.waits(), QList<qint64>({2000, 2000, 2000}));
        // One query only: the first test query added more than two articles.
        QCOMPARE(fetch.fake->targets().size(), 1);
        QCOMPARE(QDir(fetch.globals.workFolder).entryList(QDir::Files), QStringList());
    }

    void refusal_marksTheWindowAndStopsTheRun()
    {
        FetchModel fetch(fixture("09-refused.clean.txt"));
        fetch.addKeywords(manyKeywords(5));
        fetch.watch().setIntervalRow(4);
        fetch.run();
        QCOMPARE(fetch.fake->targets().size(), 1);
        QCOMPARE(fetch.stored(SettingKeys::DailyRecs), QStringLiteral("101"));
    }
};

QTEST_MAIN(FetchRunTest)
#include "FetchRun_test.moc"
