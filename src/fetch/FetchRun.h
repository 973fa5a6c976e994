#pragma once

#include "core/ArticleAnnouncer.h"
#include "core/ErrorReport.h"
#include "core/Services.h"
#include "fetch/ListingParser.h"
#include "fetch/QueryWalk.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <optional>

namespace tidewick {

// One fetch run: the request budget's bookkeeping, then one query of the news
// service for each of the queries it was given, and each article found
// announced, then handed on to the results. The run steps through its work on
// events (a helper that has ended, an announcement seen, a two-second wait
// over, an error report answered) and never waits in place: the window
// answers throughout, and a run is stopped or cancelled between two steps.
//
// The queries are taken in their order, beginning where the previous run (of
// any copy of the program) stopped and going round, so that a share too small
// for all of them still reaches every one in turn. The request budget lives
// in the settings file that every copy shares: each request is decided and
// counted under a lock there, so copies that do not see each other still keep
// within it together. The lock is waited for on events too; a run that
// cannot have it stops with one report, before the query it was to count.
class FetchRun : public QObject {
    Q_OBJECT

public:
    enum class Kind { Scheduled, Test };

    FetchRun(const Services &services, ErrorReporter &reporter, ArticleAnnouncer &announcer,
             QObject *parent = nullptr);

    // Starts a run over `queries`; `intervalSeconds` is the interval chosen
    // in the window (none when none is). Returns false, doing nothing at all,
    // while a run is in progress: two runs would share the counters and the
    // work files.
    bool start(Kind kind, const QList<NewsQuery> &queries, std::optional<qint32> intervalSeconds);
    bool isRunning() const { return m_running; }
    // The program is ending: nothing more is queried, shown or written, and
    // `finished` does not follow.
    void stop();
    // Ends the run before its next query or article (automatic fetching was
    // turned off); the article on screen is still handed on.
    void cancel() { m_cancelled = m_running; }

signals:
    void articleFound(const QString &article);
    void finished();

private:
    using Step = void (FetchRun::*)();
    // A step taken with the budget lock held; it gives the step that follows
    // once the lock is let go.
    using LockedStep = Step (FetchRun::*)();

    bool halted() const { return m_stopped || m_cancelled; }
    void proceed(Step step);
    // Runs `step` with the budget lock held, once it can be had; reports
    // under `line` of `procedure` and ends the run when it cannot.
    void withBudgetLock(LockedStep step, int line, const QString &procedure);
    void tryBudgetLock();
    Step openBudgetWindow();
    void beginQueries();
    void shareTheBudget(Trap &trap, const QDateTime &windowStart);
    bool gateIsOpen() const;
    bool countRequest();
    void writeDailyRecs();

    // The steps of one query, each under the numbers of its statements.
    void nextQuery();
    Step countQuery();
    void sendQuery();
    void afterCurl();
    void afterCleaner();
    void nextArticle();
    void afterAnnouncement();
    void afterArticle();
    void endQuery();
    void end();

    Services m_services;
    ErrorReporter &m_reporter;
    ArticleAnnouncer &m_announcer;
    bool m_running = false;
    bool m_stopped = false;
    bool m_cancelled = false;
    bool m_testRun = false;

    QList<NewsQuery> m_queries;
    qsizetype m_first = 0; // where this run began in the list
    qsizetype m_done = 0;  // queries taken so far
    std::optional<qint32> m_intervalSeconds;
    // The stored start of the window the counts belong to, as stored, and
    // the last start read from it: a start damaged later ends no window
    // before this one would have ended.
    QString m_windowStamp;
    std::optional<QDateTime> m_lastReadStart;
    // Nothing more is counted in this run (the count cannot be stored).
    bool m_budgetUnusable = false;
    // The step waiting for the budget lock, since when, and where a failure
    // is reported.
    LockedStep m_lockedStep = nullptr;
    qint64 m_lockWaitSinceMs = 0;
    int m_lockLine = 0;
    QString m_lockProcedure;
    ParsedListing m_listing;
    qsizetype m_article = 0;
    // The step that follows when the helper running now has ended.
    Step m_afterHelper = nullptr;
};

// The most articles taken from one answer: each is shown for seconds, and a
// service listing thousands would keep a run going for hours.
inline constexpr qsizetype kMostArticlesPerAnswer = 100;

} // namespace tidewick
