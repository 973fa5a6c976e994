// The request budget over many simulated days: runs at varied times, test
// fetches and scheduled runs of every interval, answers with articles (whose
// balloons let time pass during a run) and refusals, and the wall clock set
// forward or back by 13 hours, or back by less, between runs. Whatever
// happens, no window of the program's own gets more than 51 queries, its
// stored count is the number of queries it made, none follows a refusal in
// it, and it only ends once the clock reads more than 11 hours from its start,
// either way (the start is cut down to its full hour, nothing more).
#include "FakeRunner.h"
#include "TestPaths.h"
#include "TestNews.h"
#include "core/ValueConversion.h"
#include "fetch/FetchRun.h"
#include "fetch/RequestBudget.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace tidewick;
using test::FakeRunner;

namespace {

constexpr int kMostQueriesInAWindow = 51;
constexpr qint64 kHourMs = 3600 * 1000;
constexpr int kIntervalRows = 5;

QByteArray fixture(const char *name)
{
    return test::readFile(test::listingFixturesDir() + QLatin1Char('/') + QLatin1String(name));
}

// One window as the program stored it, and what the runner saw in it.
struct Window {
    QString startText;
    QDateTime start;
    int queries = 0;
    bool refused = false;
};

class Simulation {
public:
    explicit Simulation(quint32 seed) : m_random(seed)
    {
        m_runner = &m_news.useFakeRunner();
        m_news.create();
        QStringList keywords;
        for (int i = 0; i < 80; ++i)
            keywords << QStringLiteral("k%1").arg(i);
        m_news.watch().keywords().append(keywords);
    }

    // Moves the clocks as a user's machine might between two runs.
    void passTimeAndMaybeChangeTheClock()
    {
        m_news.clock.advanceMs(m_random.bounded(1, 8 * 60) * 60 * 1000 + m_random.bounded(60 * 1000));
        const int dice = m_random.bounded(100);
        if (dice < 8)
            jumpWallClock(13 * kHourMs);
        else if (dice < 16)
            jumpWallClock(-13 * kHourMs);
        else if (dice < 26)
            jumpWallClock(-m_random.bounded(1, 12 * 60) * 60 * 1000); // back by less, often inside a window
    }

    // One run of either kind; returns false after a failed check.
    bool run()
    {
        const int dice = m_random.bounded(100);
        m_runner->listing = dice < 3 ? fixture("09-refused.clean.txt")
            : dice < 20              ? fixture("01-three-articles.clean.txt")
                                     : QByteArray();
        const bool testFetch = m_random.bounded(100) < 25;
        if (!testFetch)
            m_news.watch().setIntervalRow(m_random.bounded(kIntervalRows));

        const QDateTime runStart = m_news.clock.now();
        const qsizetype before = m_runner->targets().size();
        if (!m_news.fetch(testFetch ? FetchKind::Test : FetchKind::Scheduled))
            return fail(QStringLiteral("the run did not end"));
        const int queries = int(m_runner->targets().size() - before);
        return account(runStart, queries, m_runner->listing.contains("too many requests"));
    }

    int windows() const { return m_windowCount; }
    int mostQueriesInAWindow() const { return m_most; }
    QString failure() const { return m_failure; }

private:
    void jumpWallClock(qint64 ms) { m_news.clock.setNow(m_news.clock.now().addMSecs(ms)); }

    bool account(const QDateTime &runStart, int queries, bool refusalAnswer)
    {
        const QString startText = m_news.settings.read(SettingKeys::StartDate, QString());
        if (startText != m_current.startText) {
            // Cutting the start to its full hour takes at most an hour off.
            if (m_windowCount > 0 && qAbs(m_current.start.secsTo(runStart)) <= 11 * 3600)
                return fail(QStringLiteral("a window that began %1 ended at %2")
                                .arg(m_current.start.toString(Qt::ISODate), runStart.toString(Qt::ISODate)));
            m_current = Window{startText, fromDayNumber(parseDayNumber(startText))};
            ++m_windowCount;
        }
        if (m_current.refused && queries > 0)
            return fail(QStringLiteral("%1 queries after a refusal in the window of %2")
                            .arg(queries)
                            .arg(startText));
        m_current.queries += queries;
        m_current.refused = m_current.refused || (refusalAnswer && queries > 0);
        m_most = std::max(m_most, m_current.queries);
        if (m_current.queries > kMostQueriesInAWindow)
            return fail(QStringLiteral("%1 queries in the window that began %2")
                            .arg(m_current.queries)
                            .arg(m_current.start.toString(Qt::ISODate)));
        const QString stored = m_news.settings.read(SettingKeys::DailyRecs, QString());
        const QString expected = QString::number(m_current.refused ? budget::kRefusedMark : m_current.queries);
        if (stored != expected)
            return fail(QStringLiteral("the window counts %1 requests, the runner saw %2").arg(stored, expected));
        return true;
    }

    bool fail(const QString &what)
    {
        m_failure = what;
        return false;
    }

    QRandomGenerator m_random;
    test::TestNews m_news;
    FakeRunner *m_runner = nullptr;
    Window m_current;
    int m_windowCount = 0;
    int m_most = 0;
    QString m_failure;
};

} // namespace

class BudgetPropertyTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        // Every request rewrites the settings file, tens of thousands of
        // times here: keep the window's folders in memory where there is a
        // place for them, so a busy disk cannot slow the test down.
        const QFileInfo memory(QStringLiteral("/dev/shm"));
        if (memory.isDir() && memory.isWritable())
            qputenv("TMPDIR", memory.filePath().toLocal8Bit());
    }

    void manyRunsWithClockJumps_neverExceed51QueriesInAWindow_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {7u, 42u, 20261207u})
            QTest::addRow("seed %u", seed) << seed;
    }
    void manyRunsWithClockJumps_neverExceed51QueriesInAWindow()
    {
        QFETCH(quint32, seed);
        Simulation simulation(seed);
        for (int run = 0; run < 300; ++run) {
            simulation.passTimeAndMaybeChangeTheClock();
            QVERIFY2(simulation.run(), qPrintable(QStringLiteral("run %1: %2").arg(run).arg(simulation.failure())));
        }
        // The simulation really did fill windows to the brim, many times.
        QCOMPARE(simulation.mostQueriesInAWindow(), kMostQueriesInAWindow);
        QVERIFY(simulation.windows() > 30);
    }
};

QTEST_MAIN(BudgetPropertyTest)
#include "BudgetProperty_test.moc"
