// The whole query with the real curl and ansifilter against the local news
// service on 127.0.0.1.
#include "LocalNewsService.h"
#include "ScopedEnvironment.h"
#include "ServiceQuery.h"
#include "TestPaths.h"
#include "fetch/FetchRun.h"

#include <QSet>
#include <QtTest>

using namespace tidewick;
using test::NewsService;
using test::ServiceQuery;

namespace {

// Nothing listens on port 1 of the loopback address.
constexpr int kClosedPort = 1;

} // namespace

class NewsQueryEndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void keywordCategoryAndCountry_reachTheServiceAndBecomeRows()
    {
        NewsService service;
        ServiceQuery query(service.port);
        query.watch().keywords().append(QStringLiteral("mars rover"));
        query.tick(query.watch().categories(), QStringLiteral("science"));
        query.tick(query.watch().countries(), QStringLiteral("us"));
        query.testRun();

        const QList<QJsonObject> requests = service.requests();
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests[0].value(QStringLiteral("host")).toString(), QStringLiteral("us.localhost:%1").arg(service.port));
        QCOMPARE(requests[0].value(QStringLiteral("path")).toString(), QStringLiteral("/mars+rover,category=science"));
        const QStringList rows = query.rows();
        QVERIFY(!rows.isEmpty());
        for (const QString &row : rows) {
            QVERIFY(row.endsWith(QLatin1Char(' ')));
            QVERIFY(!row.contains(QLatin1Char('\x1b')));
        }
        QCOMPARE(query.shown, rows);
        QCOMPARE(query.settings.read(SettingKeys::DailyRecs, QString()), QStringLiteral("1"));
        QVERIFY(query.workFolderEmpty());
    }

    void nonLatinArticles_arriveWhole()
    {
        NewsService service({QStringLiteral("--mode"), QStringLiteral("fixture"), QStringLiteral("--fixture"),
                             test::listingFixturesDir() + QStringLiteral("/03-unicode.ans")});
        ServiceQuery query(service.port);
        query.testRun();
        const QStringList expected = QString::fromUtf8(test::readFile(test::listingFixturesDir()
                                                                      + QStringLiteral("/03-unicode.expected.txt")))
                                         .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(query.rows(), expected);
    }

    void refusal_blocksTheRestOfTheWindow()
    {
        NewsService service({QStringLiteral("--mode"), QStringLiteral("refuse")});
        ServiceQuery query(service.port);
        query.watch().keywords().append({QStringLiteral("a"), QStringLiteral("b")});
        query.testRun();
        QCOMPARE(query.settings.read(SettingKeys::DailyRecs, QString()), QStringLiteral("101"));
        QCOMPARE(service.requests().size(), 1);
    }

    void failedRequests_countButAddNothing_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("hang past the time limit") << QStringList{"--mode", "hang"};
        QTest::newRow("huge answer without length") << QStringList{"--mode", "huge", "--size", "67108864"};
        QTest::newRow("reset") << QStringList{"--mode", "reset"};
        QTest::newRow("no articles") << QStringList{"--mode", "empty-listing"};
    }
    void failedRequests_countButAddNothing()
    {
        QFETCH(QStringList, options);
        NewsService service(options);
        ServiceQuery query(service.port);
        query.testRun();
        QCOMPARE(query.rows(), QStringList());
        QCOMPARE(query.settings.read(SettingKeys::DailyRecs, QString()), QStringLiteral("1"));
        QVERIFY(query.workFolderEmpty());
        QVERIFY(query.dialogs.shown.isEmpty());
    }

    // No configuration file of the user's changes what curl sends: a .curlrc
    // asking for retries would make six requests of one counted.
    void usersCurlConfiguration_isNotRead()
    {
        NewsService service({"--mode", "http-error", "--status", "429"});
        ServiceQuery query(service.port);
        test::writeFile(query.root() + QStringLiteral("/.curlrc"), "retry = 5\nretry-delay = 1\n");
        test::ScopedEnvironment environment;
        environment.set("CURL_HOME", QFile::encodeName(query.root()));
        query.testRun();
        QCOMPARE(service.requests().size(), 1);
    }

    void connectionRefused_countsTheRequest()
    {
        ServiceQuery query(kClosedPort);
        query.testRun();
        QCOMPARE(query.rows(), QStringList());
        QCOMPARE(query.settings.read(SettingKeys::DailyRecs, QString()), QStringLiteral("1"));
        QVERIFY(query.workFolderEmpty());
    }

    // With "Announce only new articles" on, a second run of the same query
    // announces and adds nothing, an article listed for the first time is
    // announced once, and the memory holds over a restart; with the option
    // off, every article comes every run.
    void announceOnlyNew_showsEachArticleOnce()
    {
        NewsService service;
        ServiceQuery query(service.port);
        const auto balloons = [&query] { return query.shown.size(); };
        query.watch().setAnnounceOnlyNew(true);
        QCOMPARE(query.settings.read(SettingKeys::AnnounceOnlyNew, QString()), QStringLiteral("On"));
        query.watch().keywords().append(QStringLiteral("mars rover"));
        query.scheduledRun();
        const qsizetype first = query.rows().size();
        QVERIFY(first > 0);
        query.scheduledRun();
        QCOMPARE(query.rows().size(), first);
        query.watch().keywords().append(QStringLiteral("coffee"));
        query.scheduledRun();
        const QStringList rows = query.rows();
        QVERIFY(rows.size() > first);
        QCOMPARE(QSet<QString>(rows.begin(), rows.end()).size(), rows.size());
        QCOMPARE(balloons(), rows.size());

        query.create(); // a restart
        query.watch().setAnnounceOnlyNew(query.settings.read(SettingKeys::AnnounceOnlyNew, QString()) == kOn);
        const qsizetype shown = balloons();
        query.scheduledRun();
        QCOMPARE(query.rows(), QStringList());
        QCOMPARE(balloons(), shown);
        query.watch().setAnnounceOnlyNew(false);
        query.scheduledRun();
        QCOMPARE(query.rows().size(), rows.size());
        QCOMPARE(service.requests().size(), 8); // the same queries, each counted
    }

    void bracketsInAKeyword_makeOneRequest()
    {
        NewsService service;
        ServiceQuery query(service.port);
        query.watch().keywords().append(QStringLiteral("[1-500]{a,b}"));
        query.testRun();
        QCOMPARE(service.requests().size(), 1);
        QCOMPARE(query.settings.read(SettingKeys::DailyRecs, QString()), QStringLiteral("1"));
    }
};

QTEST_MAIN(NewsQueryEndToEndTest)
#include "NewsQueryEndToEnd_test.moc"
