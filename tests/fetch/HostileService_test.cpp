// The fetch run against a hostile news service: the real curl and ansifilter
// against tools/news_service.py on 127.0.0.1. Whatever the service does, the
// run ends within curl's time limit without a crash or a message, counts the
// request, adds no row from an answer that is no listing, leaves no work file
// and keeps the results already in the list.
#include "LocalNewsService.h"
#include "ServiceQuery.h"
#include "fetch/FetchRun.h"
#include "fetch/ListingParser.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace tidewick;
using test::NewsService;
using test::ServiceQuery;

namespace {

// Answers that must arrive get a time limit a busy machine keeps; failing
// ones the shortest, since giving up sooner changes nothing for them.
constexpr int kTimeLimitSeconds = 3;
constexpr int kFailingTimeLimitSeconds = 1;
// One query's time limit plus room for starting curl and ansifilter on a
// busy machine: a run of one query must be over by then.
constexpr qint64 kOneQueryRunBoundMs = (kFailingTimeLimitSeconds + 4) * 1000;

const QString kEarlierResult = QStringLiteral("An earlier result ");

// The service started with `options` and a results list that already holds a
// result from before.
struct HostileRun {
    explicit HostileRun(const QStringList &options, int timeLimitSeconds = kTimeLimitSeconds)
        : service(options), query(service.port, timeLimitSeconds)
    {
        query.news().results().append(kEarlierResult);
    }
    // Runs and returns the wall milliseconds the run took.
    qint64 timed(void (ServiceQuery::*run)())
    {
        QElapsedTimer timer;
        timer.start();
        (query.*run)();
        return timer.elapsed();
    }
    QStringList newRows()
    {
        QStringList rows = query.rows();
        if (rows.value(0) != kEarlierResult)
            return {QStringLiteral("the earlier result is gone")};
        rows.removeFirst();
        return rows;
    }

    NewsService service;
    ServiceQuery query;
};

QStringList mode(const char *name, QStringList more = {})
{
    return QStringList{QStringLiteral("--mode"), QLatin1String(name)} + more;
}

QStringList httpError(int status, const char *body)
{
    return mode("http-error", {QStringLiteral("--status"), QString::number(status), QStringLiteral("--body"),
                               QLatin1String(body)});
}

QStringList keywordsWithArticles()
{
    // Four articles each in the service's data, whatever the country.
    return {QStringLiteral("mars rover"), QStringLiteral("mars rover"), QStringLiteral("mars rover")};
}

} // namespace

class HostileServiceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Answers that are no listing, and failures of every kind: the run ends in
    // time, quietly, with one counted request, no new row, no work file.
    void noListing_endsInTimeCountsOneRequestAddsNoRow_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("empty answer") << mode("fixture", {QStringLiteral("--fixture"), QStringLiteral("/dev/null")});
        for (int seed = 1; seed <= 2; ++seed)
            QTest::addRow("binary noise, seed %d", seed)
                << mode("binary", {QStringLiteral("--size"), QStringLiteral("65536"), QStringLiteral("--seed"),
                                   QString::number(seed)});
        QTest::newRow("50 MiB without length") << mode("huge", {QStringLiteral("--size"), QStringLiteral("52428800")});
        QTest::newRow("one 5 MB line") << mode("long-line", {QStringLiteral("--size"), QStringLiteral("5000000")});
        QTest::newRow("a million short articles") << mode("many-articles");
        QTest::newRow("only borders") << mode("borders-only");
        QTest::newRow("HTML error page as a success") << mode("html-error");
        QTest::newRow("connection reset") << mode("reset");
        QTest::newRow("hangs") << mode("hang");
        QTest::newRow("slower than the time limit") << mode("slow", {QStringLiteral("--delay"), QStringLiteral("30")});
        QTest::newRow("cut off by the time limit")
            << mode("trickle", {QStringLiteral("--delay"), QStringLiteral("0.1")});
        for (int status : {404, 429, 500, 503}) {
            QTest::addRow("HTTP %d without body", status) << httpError(status, "none");
            QTest::addRow("HTTP %d with an HTML page", status) << httpError(status, "html");
        }
        QTest::newRow("HTTP 429 with a line of text") << httpError(429, "text");
    }
    void noListing_endsInTimeCountsOneRequestAddsNoRow()
    {
        QFETCH(QStringList, options);
        HostileRun run(options, kFailingTimeLimitSeconds);
        QVERIFY(run.timed(&ServiceQuery::testRun) < kOneQueryRunBoundMs);
        QCOMPARE(run.newRows(), QStringList());
        QCOMPARE(run.service.requests().size(), 1);
        QCOMPARE(run.query.dailyRecs(), QStringLiteral("1"));
        QCOMPARE(run.query.news().run().budget().runQueries, qint16(1));
        QCOMPARE(run.query.news().run().budget().testArticleCount, qint16(0));
        QVERIFY(run.query.workFolderEmpty());
        QVERIFY(run.query.dialogs.shown.isEmpty());
        QVERIFY(run.query.shown.isEmpty());
    }

    // Listings that are odd but whole and within the size cap arrive, in
    // order, after the earlier result: the first 100 articles of a long one.
    void oddListingWithinTheCap_arrivesWhole()
    {
        {
            HostileRun run(mode("many-articles", {QStringLiteral("--count"), QStringLiteral("3000")}));
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("3000 articles.*2900 left out")));
            run.query.testRun();
            const QStringList rows = run.newRows();
            QCOMPARE(rows.size(), qsizetype(kMostArticlesPerAnswer));
            QCOMPARE(rows.first(), QStringLiteral("Story 1 "));
            QCOMPARE(rows.last(), QStringLiteral("Story 100 "));
            QCOMPARE(run.query.dailyRecs(), QStringLiteral("1"));
            QVERIFY(run.query.workFolderEmpty());
        }
        {
            HostileRun run(mode("long-line", {QStringLiteral("--size"), QStringLiteral("3000000")}));
            run.query.testRun();
            const QStringList rows = run.newRows();
            QCOMPARE(rows.size(), 1);
            QVERIFY(rows[0].startsWith(QStringLiteral("news news ")));
            QVERIFY(rows[0].size() > 2990000);
            QVERIFY(run.query.workFolderEmpty());
        }
    }

    // Invalid UTF-8 inside a listing: the articles still arrive whole, a bad
    // byte as its Windows-1252 character (0xFF: y with diaeresis), no colour
    // code left in them.
    void invalidUtf8Listing_rowsKeepTheirValidText()
    {
        HostileRun run(mode("invalid-utf8"));
        run.query.testRun();
        const QStringList rows = run.newRows();
        QCOMPARE(rows.size(), 10);
        for (const QString &row : rows) {
            QVERIFY2(row.contains(QStringLiteral(" \u00FF ")), qPrintable(row));
            QVERIFY(!row.contains(QLatin1Char('\x1b')));
            QVERIFY(row.contains(QStringLiteral("Published on ")));
            QVERIFY(row.contains(QStringLiteral("http://news.localhost/s/")));
        }
        QVERIFY(run.query.workFolderEmpty());
    }

    // A slow answer inside the time limit is an ordinary answer.
    void slowAnswerWithinTheLimit_arrives()
    {
        HostileRun run(mode("slow", {QStringLiteral("--delay"), QStringLiteral("0.5")}));
        run.query.testRun();
        QCOMPARE(run.newRows().size(), 10);
        QCOMPARE(run.query.dailyRecs(), QStringLiteral("1"));
    }

    // The refusal as the first, a middle and the last answer of a run: the
    // run stops at it, the window is marked, rows from before are kept, and
    // no later run of the window sends anything.
    void refusal_inAnyPosition_endsTheRunAndTheWindow_data()
    {
        QTest::addColumn<int>("normalAnswers");
        QTest::newRow("first query") << 0;
        QTest::newRow("middle query") << 1;
        QTest::newRow("last query") << 2;
    }
    void refusal_inAnyPosition_endsTheRunAndTheWindow()
    {
        QFETCH(int, normalAnswers);
        HostileRun run(mode("refuse-after", {QStringLiteral("--after"), QString::number(normalAnswers)}));
        run.query.watch().keywords().append(keywordsWithArticles());
        run.query.scheduledRun();
        QCOMPARE(run.service.requests().size(), normalAnswers + 1);
        QCOMPARE(run.query.news().run().budget().runQueries, qint16(normalAnswers + 1));
        QCOMPARE(run.query.dailyRecs(), QStringLiteral("101"));
        // Four articles an answer; the refused one brings its refusal row too.
        const QStringList rows = run.newRows();
        QCOMPARE(rows.size(), 4 * (normalAnswers + 1) + 1);
        QCOMPARE(rows.filter(QLatin1String(listing::kRefusalMarker)).size(), 1);

        run.query.scheduledRun();
        run.query.testRun();
        QCOMPARE(run.service.requests().size(), normalAnswers + 1);
        QCOMPARE(run.newRows(), rows);
        QVERIFY(run.query.workFolderEmpty());
        QVERIFY(run.query.dialogs.shown.isEmpty());
    }
};

QTEST_MAIN(HostileServiceTest)
#include "HostileService_test.moc"
