#pragma once

#include "core/ArticleAnnouncer.h"
#include "core/ErrorReport.h"
#include "core/FetchKind.h"
#include "core/Services.h"
#include "fetch/ListingParser.h"
#include "fetch/QueryWalk.h"
#include "fetch/RequestWindowBudget.h"
#include "results/ArticleHistory.h"

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
    using Kind = FetchKind;

    // `history` knows what was announced before, for a run that announces
    // only new articles.
    FetchRun(const Services &services, ErrorReporter &reporter, ArticleAnnouncer &announcer, ArticleHistory &history,
             QObject *parent = nullptr);

    // Starts a run over `queries`; `intervalSeconds` is the interval chosen
    // in the window (none when none is). Returns false, doing nothing at all,
    // while a run is in progress: two runs would share the counters and the
    // work files.
    bool start(Kind kind, const QList<NewsQuery> &queries, std::optional<qint32> intervalSeconds);
    bool isRunning() const { return m_step != Step::Idle; }
    // The program is ending: nothing more is queried, shown or written, and
    // `finished` does not follow.
    void stop();
    // Ends the run before its next query or article (automatic fetching was
    // turned off); the article on screen is still handed on.
    void cancel() { m_cancelled = isRunning(); }

    RequestWindowBudget &budget() { return m_budget; }
    // Queries the last run (or the one in progress) sent.
    qsizetype queriesSent() const { return m_done; }
    // Articles the last run (or the one in progress) showed and handed on.
    qsizetype articlesShown() const { return m_shown; }
    // Whether only articles never announced before are announced and handed
    // on (from the next answer on).
    void setAnnounceOnlyNew(bool on) { m_onlyNew = on; }

signals:
    // An article announced and handed on, with the query that found it.
    void articleFound(const QString &article, const tidewick::FoundBy &foundBy);
    void finished();

private:
    // Where the run stands: the step it takes next, once the event it waits
    // for has come.
    enum class Step {
        Idle,
        OpenWindow,        // the budget's window, under the lock
        NextQuery,         // the gate
        CountQuery,        // the request counted, under the lock
        SendQuery,         // curl started
        AfterCurl,         // the answer to the cleaner
        AfterCleaner,      // the cleaned answer read
        NextArticle,       // the next article, if any
        ClaimArticle,      // remembered as announced in the history, unless it was
        Announce,          // an article announced
        AfterAnnouncement, // the two seconds after it
        AfterArticle,      // the article handed on
        EndQuery,          // the work files deleted
        End,
    };

    bool halted() const { return m_stopped || m_cancelled; }
    void proceed(Step step);
    void take(Step step);
    // Takes `step` with the budget lock held, once it can be had; reports
    // and ends the run when it cannot.
    void withBudgetLock(Step step);
    void tryBudgetLock();
    Step takeLocked(Step step);

    Step openBudgetWindow();
    void shareTheBudget();
    void nextQuery();
    Step countQuery();
    void claimArticle();
    void announce();
    void sendQuery();
    void afterCurl();
    void afterCleaner();
    void nextArticle();
    void afterAnnouncement();
    void afterArticle();
    void endQuery();
    void end();
    // Starts a helper; `next` follows its end (at once when it cannot start).
    void runHelper(int line, Step next, const std::function<void()> &start);

    Services m_services;
    ErrorReporter &m_reporter;
    ArticleAnnouncer &m_announcer;
    RequestWindowBudget m_budget;
    Step m_step = Step::Idle;
    bool m_stopped = false;
    bool m_cancelled = false;
    bool m_testRun = false;
    // Nothing more is counted in this run (the count cannot be stored).
    bool m_budgetUnusable = false;
    std::optional<qint32> m_intervalSeconds;
    bool m_onlyNew = false;
    ArticleHistory &m_history;
    // The query under way, and whether the run has said that the history
    // cannot be used.
    NewsQuery m_query;
    bool m_historyProblemSaid = false;

    QList<NewsQuery> m_queries;
    qsizetype m_first = 0; // where this run began in the list
    qsizetype m_done = 0;  // queries taken so far
    qsizetype m_shown = 0; // articles handed on so far
    ParsedListing m_listing;
    qsizetype m_article = 0;
    // A helper runs; its end takes the step the run stands at.
    bool m_helperRunning = false;
    // The step waiting for the budget lock, and since when.
    Step m_locked = Step::Idle;
    qint64 m_lockWaitSinceMs = 0;
};

// The most articles taken from one answer: each is shown for seconds, and a
// service listing thousands would keep a run going for hours.
inline constexpr qsizetype kMostArticlesPerAnswer = 100;

} // namespace tidewick
