#include "fetch/FetchRun.h"

#include "core/Clock.h"
#include "core/FileHelpers.h"
#include "core/ProgramState.h"
#include "core/SettingsLock.h"
#include "core/SettingsStore.h"
#include "fetch/HelperTools.h"
#include "fetch/ProcessRunner.h"
#include "fetch/RequestBudget.h"
#include "fetch/RequestTarget.h"
#include "keywords/TextFileReader.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <utility>
#include <QCoreApplication>
#include <QLocale>

namespace tidewick {

namespace {
const QString kModule = QStringLiteral("IntervalSave");
const QString kBalloonTitle = QStringLiteral("Tidewick");
constexpr qint32 kBalloonSeconds = 5;
constexpr qint64 kMsAfterBalloon = 2000;

// Only a listing of the service gives rows: a proxy's error page, noise or an
// answer cut off on the way would turn into rows of rubbish. A refusal found
// in such an answer still counts. At most kMostArticlesPerAnswer articles are
// taken; the rest are left out with a word on standard error.
ParsedListing parseServiceAnswer(const QStringList &lines)
{
    const qsizetype bodySize = listingBodySize(lines);
    if (bodySize < 0) {
        qWarning("Tidewick: the news service's answer is not a listing; it gives no news.");
        ParsedListing none;
        none.refused = parseListing(lines).refused;
        return none;
    }
    ParsedListing listing = parseListing(lines.first(bodySize));
    const qsizetype leftOut = listing.articles.size() - kMostArticlesPerAnswer;
    if (leftOut > 0) {
        qWarning("Tidewick: the news service's answer lists %lld articles; the first %lld are taken, %lld left out.",
                 qlonglong(listing.articles.size()), qlonglong(kMostArticlesPerAnswer), qlonglong(leftOut));
        listing.articles.resize(kMostArticlesPerAnswer);
    }
    return listing;
}

// Another copy holds the budget lock only while it reads and writes a few
// values; one stopped inside it must not hold this run for long.
constexpr qint64 kLockPollMs = 100;
constexpr qint64 kLongestLockWaitMs = 10000;

// The numbered statements of the run's two procedures, as error reports name
// them ("IntervalSave.FetchNewsNow" and "IntervalSave.AddNews").
namespace run {
constexpr int kLockAndCount = 100, kStart = 102, kWindowCheck = 104, kNewWindow = 106, kRepairWindow = 108,
              kTestQuota = 110, kShare = 112, kCapQuota = 114, kResetQueries = 116;
}
namespace query {
constexpr int kGate = 100, kDeleteAnswer = 102, kCount = 104, kCountInRun = 106, kStartCurl = 108,
              kCheckAnswer = 110, kDeleteCleaned = 112, kStartCleaner = 114, kCheckCleaned = 116,
              kReadListing = 118, kRefusal = 120, kAnnounce = 122, kHandOn = 124, kDeleteCleanedAfter = 126,
              kDeleteAnswerAfter = 128, kClaimSeen = 130;
}
const QString kRunProcedure = QStringLiteral("FetchNewsNow");

// What the history keeps of the query that found an article.
FoundBy foundBy(const NewsQuery &query)
{
    QString country = query.country;
    if (country.endsWith(QLatin1Char('.')))
        country.chop(1);
    return {country, query.keywordText, query.category};
}
const QString kQueryProcedure = QStringLiteral("AddNews");

} // namespace

FetchRun::FetchRun(const Services &services, ErrorReporter &reporter, ArticleAnnouncer &announcer,
                   ArticleHistory &history, QObject *parent)
    : QObject(parent), m_services(services), m_reporter(reporter), m_announcer(announcer),
      m_budget(*services.settings), m_history(history)
{
    connect(m_services.runner, &ProcessRunner::finished, this, [this] {
        if (std::exchange(m_helperRunning, false))
            proceed(m_step);
    });
}

bool FetchRun::start(Kind kind, const QList<NewsQuery> &queries, std::optional<qint32> intervalSeconds)
{
    if (isRunning() || m_stopped)
        return false;
    m_cancelled = false;
    m_budgetUnusable = false;
    m_historyProblemSaid = false;
    m_testRun = kind == Kind::Test;
    // Each test fetch may add its own two articles.
    if (m_testRun)
        m_budget.testArticleCount = 0;
    m_queries = queries;
    m_intervalSeconds = intervalSeconds;
    m_done = 0;
    m_shown = 0;
    withBudgetLock(Step::OpenWindow);
    return true;
}

void FetchRun::stop()
{
    m_stopped = true;
    m_step = Step::Idle;
}

// Every step goes on from the event loop, and only once the user has
// answered the error reports open on screen.
void FetchRun::proceed(Step step)
{
    if (m_stopped)
        return;
    m_step = step;
    m_reporter.whenAnswered(this, [this, step] {
        if (!m_stopped)
            take(step);
    });
}

void FetchRun::take(Step step)
{
    switch (step) {
    case Step::OpenWindow:
    case Step::CountQuery:
        return withBudgetLock(step);
    case Step::ClaimArticle:
        return claimArticle();
    case Step::NextQuery:
        return nextQuery();
    case Step::SendQuery:
        return sendQuery();
    case Step::AfterCurl:
        return afterCurl();
    case Step::AfterCleaner:
        return afterCleaner();
    case Step::NextArticle:
        return nextArticle();
    case Step::Announce:
        return announce();
    case Step::AfterAnnouncement:
        return afterAnnouncement();
    case Step::AfterArticle:
        return afterArticle();
    case Step::EndQuery:
        return endQuery();
    case Step::End:
        return end();
    case Step::Idle:
        return;
    }
}

FetchRun::Step FetchRun::takeLocked(Step step)
{
    switch (step) {
    case Step::OpenWindow:
        return openBudgetWindow();
    case Step::CountQuery:
        return countQuery();
    default:
        return countQuery();
    }
}

void FetchRun::withBudgetLock(Step step)
{
    m_step = step;
    m_locked = step;
    m_lockWaitSinceMs = m_services.clock->monotonicMs();
    tryBudgetLock();
}

// Looks for the lock now and then, without waiting in between. A lock that
// something else stands in the way of, or that another copy does not let go,
// ends the run before anything is counted: one report a run, no query
// skipped (the next run begins with the query this one could not count).
void FetchRun::tryBudgetLock()
{
    if (m_stopped)
        return;
    Step next = Step::End;
    {
        // Reports made under the lock are shown once it is let go.
        const ErrorReporter::Deferral reportsAfterTheLock(m_reporter);
        SettingsLock lock(*m_services.settings);
        const SettingsLock::Outcome outcome = lock.tryLock();
        const qint64 waited = m_services.clock->monotonicMs() - m_lockWaitSinceMs;
        if (outcome == SettingsLock::Outcome::Held) {
            next = takeLocked(m_locked);
        } else if (outcome == SettingsLock::Outcome::Busy && waited < kLongestLockWaitMs) {
            m_services.clock->callAfter(kLockPollMs, this, [this] { tryBudgetLock(); });
            return;
        } else {
            const int seconds = int(waited / 1000);
            const QString held =
                QCoreApplication::translate("Tidewick", "another copy of Tidewick has held it for %Ln second(s)",
                                            nullptr, seconds);
            const QString why = outcome == SettingsLock::Outcome::Busy ? held : lock.problem();
            const bool atStart = m_locked == Step::OpenWindow;
            Trap trap(m_reporter, kModule, atStart ? kRunProcedure : kQueryProcedure);
            const int line = atStart ? run::kLockAndCount : query::kCount;
            trap(line, [&] {
                throw AppError(QCoreApplication::translate("Tidewick", "Path/File access error: the request count in %1 cannot be locked: "
                                              "%2. This fetch stops here; the next one goes on from this query.")
                                   .arg(QDir::toNativeSeparators(m_services.settings->filePath()), why));
            });
        }
    }
    proceed(next);
}

// Under the lock: reads the budget of the window and opens a new window when
// the last one has ended, so that copies starting runs together open one
// window between them, not one each. Values that cannot be read never give
// a window more than its budget: an unreadable count is spent until a new
// window starts, and an unreadable start ends no window before the last one
// read would have ended (with none read, the window counts as spent).
FetchRun::Step FetchRun::openBudgetWindow()
{
    Trap trap(m_reporter, kModule, kRunProcedure);
    const QDateTime now = m_services.clock->now();
    // Where the count cannot be stored, every run would find a fresh window.
    m_budgetUnusable = !trap(run::kLockAndCount, [&] { m_budget.requireStorable(); });
    if (m_budgetUnusable)
        return Step::End;
    std::optional<qint16> count;
    trap(run::kLockAndCount, [&] { count = m_budget.readCount(); });
    std::optional<QDateTime> start;
    trap(run::kStart, [&] { start = m_budget.readStart(); });
    if (start && budget::liesFarAhead(*start, now)) {
        // Opening a window from this clock would move the start back and
        // give the requests of the stored window once more.
        trap(run::kStart, [&] { m_budget.keepWindowAheadOfClock(*start, now); });
        shareTheBudget();
        return Step::NextQuery;
    }

    budget::WindowChange change = budget::WindowChange::Keep;
    trap(run::kWindowCheck, [&] { change = m_budget.change(start, now); });
    if (change != budget::WindowChange::Keep) {
        count = change == budget::WindowChange::OpenNew ? qint16(0) : budget::kSpentMark;
        m_budgetUnusable = !trap(run::kNewWindow, [&] { m_budget.open(now, *count); });
        if (m_budgetUnusable)
            return Step::End;
    } else if (!count || !start) {
        // Put right, so that every copy reads the same window and the
        // report does not come again.
        count = count.value_or(budget::kSpentMark);
        trap(run::kRepairWindow, [&] { m_budget.repair(*count); });
    }
    m_budget.adopt(*count);
    shareTheBudget();
    m_first = m_queries.isEmpty() ? 0 : m_budget.storedPosition() % m_queries.size();
    return Step::NextQuery;
}

void FetchRun::shareTheBudget()
{
    Trap trap(m_reporter, kModule, kRunProcedure);
    if (m_testRun) {
        trap(run::kTestQuota, [&] { m_budget.runQuota = budget::kTestRunQuota; });
    } else {
        trap(run::kShare, [&] { m_budget.share(m_intervalSeconds, m_services.clock->now()); });
        // A quota left from an earlier run never exceeds this window's budget.
        trap(run::kCapQuota,
             [&] { m_budget.runQuota = std::min(m_budget.runQuota, budget::budgetLeft(m_budget.dailyRecs)); });
    }
    trap(run::kResetQueries, [&] { m_budget.runQueries = 0; });
}

// One query: the gate, then the count once the lock is had.
void FetchRun::nextQuery()
{
    if (halted() || m_budgetUnusable || m_done >= m_queries.size())
        return end();
    Trap trap(m_reporter, kModule, kQueryProcedure);
    bool open = false;
    trap(query::kGate, [&] { open = m_budget.allowsQuery(m_testRun); });
    if (!open)
        return end();
    trap(query::kDeleteAnswer, [&] { deleteFileSafe(m_services.globals->messagePath); });
    withBudgetLock(Step::CountQuery);
}

// Every request counts, whatever comes of it, and is stored before it goes
// out: a program killed during the query has still spent it. A count that
// cannot be stored ends the run.
FetchRun::Step FetchRun::countQuery()
{
    if (halted())
        return Step::End;
    Trap trap(m_reporter, kModule, kQueryProcedure);
    bool counted = false;
    const qsizetype nextPosition = (m_first + m_done + 1) % m_queries.size();
    if (!trap(query::kCount, [&] { counted = m_budget.countRequest(nextPosition); }) || !counted)
        return Step::End;
    return Step::SendQuery;
}

void FetchRun::sendQuery()
{
    if (halted())
        return end();
    const NewsQuery query = m_queries.at((m_first + m_done) % m_queries.size());
    m_query = query;
    ++m_done;
    Trap trap(m_reporter, kModule, kQueryProcedure);
    const ProgramState &globals = *m_services.globals;
    trap(query::kCountInRun, [&] { ++m_budget.runQueries; });
    runHelper(query::kStartCurl, Step::AfterCurl, [&] {
        const QString target = requestTarget(query.country, query.keyword, query.category, m_services.newsHost);
        const QStringList arguments = curlArguments(target, globals.messagePath, m_services.queryTimeLimitSeconds);
        m_services.runner->start(globals.curlCommand, arguments, OutputLimit{globals.messagePath, kAnswerSizeLimit});
    });
}

void FetchRun::runHelper(int line, Step next, const std::function<void()> &start)
{
    Trap trap(m_reporter, kModule, kQueryProcedure);
    m_step = next;
    m_helperRunning = true;
    if (!trap(line, start)) {
        m_helperRunning = false;
        proceed(next);
    }
}

// The answer, if any, goes to the cleaner.
void FetchRun::afterCurl()
{
    Trap trap(m_reporter, kModule, kQueryProcedure);
    const ProgramState &globals = *m_services.globals;
    bool answered = false;
    trap(query::kCheckAnswer, [&] {
        // An answer cut off at the size limit is no answer.
        if (QFileInfo(globals.messagePath).size() > kAnswerSizeLimit)
            deleteFileSafe(globals.messagePath);
        answered = fileExists(globals.messagePath);
    });
    if (!answered || halted())
        return endQuery();
    trap(query::kDeleteCleaned, [&] { deleteFileSafe(globals.cleanPath); });
    runHelper(query::kStartCleaner, Step::AfterCleaner, [&] {
        m_services.runner->start(globals.ansiFilterCommand, ansiFilterArguments(globals.messagePath, globals.cleanPath),
                                 OutputLimit{globals.cleanPath, 0});
    });
}

// The cleaned answer becomes articles; a refusal closes the window.
void FetchRun::afterCleaner()
{
    Trap trap(m_reporter, kModule, kQueryProcedure);
    const ProgramState &globals = *m_services.globals;
    m_listing = {};
    m_article = 0;
    bool cleaned = false;
    trap(query::kCheckCleaned, [&] { cleaned = fileExists(globals.cleanPath); });
    if (cleaned && !halted())
        trap(query::kReadListing,
             [&] { m_listing = parseServiceAnswer(TextFileReader::ReadUtf8TextFile(globals.cleanPath)); });
    if (m_listing.refused)
        trap(query::kRefusal, [&] { m_budget.markRefused(); });
    proceed(Step::NextArticle);
}

// Each article is announced, and handed on two seconds after it was seen.
// Where only new ones are announced, each is first claimed as seen.
void FetchRun::nextArticle()
{
    if (halted() || m_article >= m_listing.articles.size())
        return endQuery();
    if (m_onlyNew) {
        m_lockWaitSinceMs = m_services.clock->monotonicMs();
        return claimArticle();
    }
    announce();
}

// The history takes the claim in one transaction, which every copy's claim
// goes through: of two copies that find the same new article, one announces
// it. An article is remembered just before it is announced, never earlier:
// those a stopped run did not reach come with the next one. While another
// copy writes the history the claim is tried again a little later; a history
// that cannot be used leaves nothing out, said once a run.
void FetchRun::claimArticle()
{
    if (halted())
        return proceed(Step::EndQuery);
    ArticleHistory::Claim claim = ArticleHistory::Claim::New;
    try {
        claim = m_history.claim(m_listing.articles.at(m_article), foundBy(m_query), m_services.clock->now());
    } catch (const AppError &error) {
        if (!std::exchange(m_historyProblemSaid, true))
            Trap(m_reporter, kModule, kQueryProcedure)(query::kClaimSeen, [&] { throw error; });
    }
    if (claim == ArticleHistory::Claim::Busy) {
        if (m_services.clock->monotonicMs() - m_lockWaitSinceMs < kLongestLockWaitMs)
            return m_services.clock->callAfter(kLockPollMs, this, [this] { claimArticle(); });
        claim = ArticleHistory::Claim::New;
    }
    if (claim == ArticleHistory::Claim::Known) {
        ++m_article;
        return proceed(Step::NextArticle);
    }
    proceed(Step::Announce);
}

void FetchRun::announce()
{
    Trap trap(m_reporter, kModule, kQueryProcedure);
    const QPointer<FetchRun> alive(this);
    m_step = Step::AfterAnnouncement;
    const bool announced = trap(query::kAnnounce, [&] {
        m_announcer.announce(m_listing.articles.at(m_article), kBalloonTitle, kBalloonSeconds, [alive] {
            if (alive)
                alive->proceed(Step::AfterAnnouncement);
        });
    });
    if (!announced) {
        ++m_article;
        proceed(Step::NextArticle);
    }
}

void FetchRun::afterAnnouncement()
{
    m_services.clock->callAfter(kMsAfterBalloon, this, [this] { proceed(Step::AfterArticle); });
}

// A run turned off keeps the article it has shown.
void FetchRun::afterArticle()
{
    Trap trap(m_reporter, kModule, kQueryProcedure);
    trap(query::kHandOn, [&] {
        ++m_shown;
        emit articleFound(m_listing.articles.at(m_article), foundBy(m_query));
        if (m_testRun)
            ++m_budget.testArticleCount;
    });
    ++m_article;
    proceed(Step::NextArticle);
}

void FetchRun::endQuery()
{
    Trap trap(m_reporter, kModule, kQueryProcedure);
    trap(query::kDeleteCleanedAfter, [&] { deleteFileSafe(m_services.globals->cleanPath); });
    trap(query::kDeleteAnswerAfter, [&] { deleteFileSafe(m_services.globals->messagePath); });
    proceed(Step::NextQuery);
}

void FetchRun::end()
{
    m_step = Step::Idle;
    m_cancelled = false;
    emit finished();
}

} // namespace tidewick
