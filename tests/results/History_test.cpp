#include "FakeRunner.h"
#include "TestNews.h"
#include "TestPaths.h"
#include "results/ArticleHistory.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

#include <sys/stat.h>

using namespace tidewick;

namespace {

QStringList fixtureArticles()
{
    return QString::fromUtf8(test::readFile(test::listingFixturesDir() + "/01-three-articles.expected.txt"))
        .split(u'\n', Qt::SkipEmptyParts);
}

// The news watch with a fake runner listing the three articles of the
// fixture; a "restart" builds it again on the same folders.
struct Watch : test::TestNews {
    explicit Watch(bool start = true) : fake(&useFakeRunner())
    {
        fake->listing = test::readFile(test::listingFixturesDir() + "/01-three-articles.clean.txt");
        if (start)
            create();
    }
    void restart(bool onlyNew)
    {
        create();
        watch().setAnnounceOnlyNew(onlyNew);
        news().found().showEarlierArticles();
        QTRY_VERIFY(!news().found().showingEarlierArticles());
    }
    QString historyPath() const { return services.dataFolder + QStringLiteral("/history.sqlite"); }
    QString seenFile() const { return configFolder() + QStringLiteral("/Kestrow/Tidewick-seen-articles.txt"); }
    int storedArticles()
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("look"));
        database.setDatabaseName(historyPath());
        int count = -1;
        if (database.open()) {
            QSqlQuery query(QStringLiteral("SELECT count(*) FROM articles"), database);
            count = query.next() ? query.value(0).toInt() : -1;
        }
        database = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("look"));
        return count;
    }

    test::FakeRunner *fake;
};

} // namespace

class HistoryTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // What was found comes back after a restart (a log-out's SIGTERM ends the
    // program as a close does), before anything the new run finds, oldest
    // first; "Clear List" empties it for good, and with "Announce only new
    // articles" the cleared ones stay known.
    void foundArticles_outliveTheProgramUntilCleared()
    {
        Watch watch;
        QVERIFY(watch.fetch(FetchKind::Test));
        const QStringList found = fixtureArticles();
        QCOMPARE(watch.news().results().texts(), found);
        watch.fake->listing = test::readFile(test::listingFixturesDir() + "/03-unicode.clean.txt");

        watch.clock.advanceMs(60000);
        watch.clock.setNow(watch.clock.now().addSecs(60));
        watch.restart(false);
        NewsWatch &later = watch.news();
        QCOMPARE(later.results().texts(), found);
        QVERIFY(watch.fetch(FetchKind::Test));
        QCOMPARE(later.results().texts().mid(0, 3), found);
        const int foundLater = later.results().count() - 3;
        QCOMPARE_GT(foundLater, 0);

        later.found().clear();
        QCOMPARE(later.results().count(), 0);
        watch.restart(true);
        QCOMPARE(watch.news().results().count(), 0);
        watch.fake->listing = test::readFile(test::listingFixturesDir() + "/01-three-articles.clean.txt");
        QVERIFY(watch.fetch(FetchKind::Test));
        QCOMPARE(watch.news().results().count(), 0); // known, though cleared
        QCOMPARE(watch.storedArticles(), 3 + foundLater);
    }

    // The older memory of announced articles is taken in once (what reads
    // of it: past blank and damaged lines, a time ahead of now as now), and
    // its file goes; the articles it knew are not announced again.
    void olderMemory_isTakenInOnce_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("announced");
        QByteArray twoSeen;
        for (const QString &article : fixtureArticles().first(2))
            twoSeen += "2026-03-01T09:00:00Z " + ArticleHistory::key(article).toLatin1() + '\n';
        QTest::newRow("two known") << twoSeen << 1;
        QTest::newRow("damaged by hand") << QByteArray("not a memory of articles\n") << 3;
        QTest::newRow("blank and damaged lines") << "\n" + twoSeen + "2026-03-02 x\n\n" << 1;
        QTest::newRow("seen in the year 9999") << QByteArray(twoSeen).replace("2026-", "9999-") << 1;
    }
    void olderMemory_isTakenInOnce()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, announced);
        Watch watch;
        test::writeFile(watch.seenFile(), bytes);
        watch.restart(true);
        QVERIFY(!QFileInfo::exists(watch.seenFile()));
        QVERIFY(watch.fetch(FetchKind::Test));
        QVERIFY2(watch.dialogs.shown.isEmpty(), qPrintable(watch.dialogs.messageTexts().join(u'|')));
        QCOMPARE(watch.shown.size(), announced);
    }

    // A history that is not a database is kept aside, once said, and a new
    // one begins; nothing but a regular file is opened at its place.
    void unusableHistory_isKeptAsideOrLeftAlone_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("not a database") << "file";
        QTest::newRow("a folder") << "folder";
        QTest::newRow("a named pipe") << "pipe";
    }
    void unusableHistory_isKeptAsideOrLeftAlone()
    {
        QFETCH(QString, kind);
        Watch watch(false);
        QDir().mkpath(watch.services.dataFolder);
        if (kind == QLatin1String("file"))
            test::writeFile(watch.historyPath(), QByteArray(5000, 'x'));
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(watch.historyPath()));
        else
            QCOMPARE(::mkfifo(QFile::encodeName(watch.historyPath()).constData(), 0600), 0);
        watch.create();
        QCOMPARE(watch.dialogs.messageTexts().size(), 1);
        QVERIFY(watch.fetch(FetchKind::Test));
        QCOMPARE(watch.shown.size(), 3); // nothing left out
        QCOMPARE(QFileInfo::exists(watch.historyPath() + QStringLiteral(".broken")), kind == QLatin1String("file"));
        if (kind == QLatin1String("file"))
            QCOMPARE(watch.storedArticles(), 3);
    }

    // A copy writing the history holds no other: the claim is tried again
    // a moment later, and the article announced once the writer is done.
    void busyHistory_isTriedAgainWithoutWaiting()
    {
        Watch watch;
        watch.watch().setAnnounceOnlyNew(true);
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        other.setDatabaseName(watch.historyPath());
        QVERIFY(other.open());
        QSqlQuery(QStringLiteral("BEGIN IMMEDIATE"), other);
        watch.clock.holdWaits = true;
        watch.scheduler().requestRun(FetchKind::Test);
        QTRY_COMPARE(watch.clock.pendingWaits(), 1);
        QVERIFY(watch.shown.isEmpty());
        watch.clock.advanceMs(300);
        QVERIFY(watch.shown.isEmpty());
        QSqlQuery(QStringLiteral("COMMIT"), other);
        watch.clock.holdWaits = false;
        watch.clock.advanceMs(100);
        QTRY_VERIFY(!watch.scheduler().isFetching());
        QCOMPARE(watch.shown.size(), 3);
        other = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
    }
};

QTEST_MAIN(HistoryTest)
#include "History_test.moc"
