#include "fetch/FetchRun.h"

#include "core/Clock.h"
#include "core/FileHelpers.h"
#include "core/ProgramState.h"
#include "core/SettingsLock.h"
#include "core/SettingsStore.h"
#include "core/ValueConversion.h"
#include "fetch/HelperTools.h"
#include "fetch/ProcessRunner.h"
#include "fetch/RequestBudget.h"
#include "fetch/RequestTarget.h"
#include "keywords/TextFileReader.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <limits>
#include <utility>

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

// What names the stored window: a window another copy opened has another.
QString windowStamp(const SettingsStore &settings)
{
    return settings.read(SettingKeys::StartDateUtc, QString()) + QLatin1Char('|')
        + settings.read(SettingKeys::StartDate, QString());
}

qsizetype storedPosition(const SettingsStore &settings)
{
    bool ok = false;
    const qlonglong position = settings.read(SettingKeys::NextQuery, QStringLiteral("0")).toLongLong(&ok);
    return ok && position > 0 ? qsizetype(position) : 0;
}
} // namespace

FetchRun::FetchRun(const Services &services, ErrorReporter &reporter, ArticleAnnouncer &announcer, QObject *parent)
    : QObject(parent), m_services(services), m_reporter(reporter), m_announcer(announcer)
{
    connect(m_services.runner, &ProcessRunner::finished, this, [this] {
        if (const Step next = std::exchange(m_afterHelper, nullptr))
            proceed(next);
    });
}

bool FetchRun::start(Kind kind, const QList<NewsQuery> &queries, std::optional<qint32> intervalSeconds)
{
    if (m_running || m_stopped)
        return false;
    m_running = true;
    m_cancelled = false;
    m_budgetUnusable = false;
    m_testRun = kind == Kind::Test;
    m_queries = queries;
    m_intervalSeconds = intervalSeconds;
    m_done = 0;
    withBudgetLock(&FetchRun::openBudgetWindow, 100, QStringLiteral("FetchNewsNow"));
    return true;
}

void FetchRun::stop()
{
    m_stopped = true;
    m_running = false;
}

// Every step goes on from the event loop, and only once the user has
// answered the error reports open on screen.
void FetchRun::proceed(Step step)
{
    m_reporter.whenAnswered(this, [this, step] {
        if (!m_stopped)
            (this->*step)();
    });
}

void FetchRun::withBudgetLock(LockedStep step, int line, const QString &procedure)
{
    m_lockedStep = step;
    m_lockLine = line;
    m_lockProcedure = procedure;
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
    Step next = nullptr;
    {
        // Reports made under the lock are shown once it is let go.
        const ErrorReporter::Deferral reportsAfterTheLock(m_reporter);
        SettingsLock lock(*m_services.settings);
        const SettingsLock::Outcome outcome = lock.tryLock();
        const qint64 waited = m_services.clock->monotonicMs() - m_lockWaitSinceMs;
        if (outcome == SettingsLock::Outcome::Held) {
            next = (this->*std::exchange(m_lockedStep, nullptr))();
        } else if (outcome == SettingsLock::Outcome::Busy && waited < kLongestLockWaitMs) {
            m_services.clock->callAfter(kLockPollMs, this, [this] { tryBudgetLock(); });
            return;
        } else {
            m_lockedStep = nullptr;
            const QString why = outcome == SettingsLock::Outcome::Busy
                ? QStringLiteral("another copy of Tidewick has held it for %1 seconds").arg(waited / 1000)
                : lock.problem();
            Trap trap(m_reporter, kModule, m_lockProcedure);
            trap(m_lockLine, [&] {
                throw AppError(QStringLiteral("Path/File access error: the request count in %1 cannot be locked: "
                                              "%2. This fetch stops here; the next one goes on from this query.")
                                   .arg(QDir::toNativeSeparators(m_services.settings->filePath()), why));
            });
            next = &FetchRun::end;
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
    Trap trap(m_reporter, kModule, QStringLiteral("FetchNewsNow"));
    SettingsStore &settings = *m_services.settings;
    const QDateTime now = m_services.clock->now();
    // Where the count cannot be stored, every run would find a fresh window.
    if (!trap(100, [&] { settings.requireStorable(); })) {
        m_budgetUnusable = true;
        return &FetchRun::end;
    }
    std::optional<qint16> count;
    trap(100, [&] { count = budget::readRequestCount(settings); });
    std::optional<QDateTime> start;
    trap(102, [&] { start = budget::readWindowStart(settings, now); });
    if (start)
        m_lastReadStart = start;

    budget::WindowChange change = budget::WindowChange::Keep;
    trap(104, [&] { change = budget::windowChange(start, m_lastReadStart, now); });
    if (change != budget::WindowChange::Keep) {
        const qint16 fresh = change == budget::WindowChange::OpenNew ? qint16(0) : budget::kSpentMark;
        if (!trap(106, [&] { budget::writeWindow(settings, now, fresh); })) {
            m_budgetUnusable = true;
            return &FetchRun::end;
        }
        count = fresh;
        m_lastReadStart = now;
    } else if (!count || !start) {
        // Put right, so that every copy reads the same window and the
        // report does not come again.
        count = count.value_or(budget::kSpentMark);
        trap(108, [&] { budget::writeWindow(settings, *m_lastReadStart, *count); });
    }
    m_services.globals->dailyRecs = *count;
    m_windowStamp = windowStamp(settings);
    return &FetchRun::beginQueries;
}

void FetchRun::beginQueries()
{
    Trap trap(m_reporter, kModule, QStringLiteral("FetchNewsNow"));
    shareTheBudget(trap, m_lastReadStart.value_or(m_services.clock->now()));
    m_first = m_queries.isEmpty() ? 0 : storedPosition(*m_services.settings) % m_queries.size();
    nextQuery();
}

void FetchRun::shareTheBudget(Trap &trap, const QDateTime &windowStart)
{
    ProgramState &globals = *m_services.globals;
    if (m_testRun) {
        trap(110, [&] { globals.runQuota = budget::kTestRunQuota; });
    } else {
        trap(112, [&] {
            if (!m_intervalSeconds)
                throw AppError::invalidArgument();
            globals.fetchIntervalSeconds = *m_intervalSeconds;
            const QDateTime windowEnd = windowStart.addSecs(qint64(budget::kWindowHours) * 3600);
            const qint64 secondsLeft = std::abs(m_services.clock->now().secsTo(windowEnd));
            globals.runQuota = budget::runQuota(globals.dailyRecs, secondsLeft, globals.fetchIntervalSeconds);
        });
        // A quota left from an earlier run never exceeds this window's budget.
        trap(114, [&] { globals.runQuota = std::min(globals.runQuota, budget::budgetLeft(globals.dailyRecs)); });
    }
    trap(116, [&] { globals.runQueries = 0; });
}

bool FetchRun::gateIsOpen() const
{
    const ProgramState &globals = *m_services.globals;
    // Equality passes: up to 51 requests fit a window, and a quota of 2
    // allows three queries in a run. The test limit is strict.
    return !halted() && globals.dailyRecs <= budget::kRequestsPerWindow
        && (!m_testRun || globals.testArticleCount < 2) && globals.runQueries <= globals.runQuota;
}

void FetchRun::writeDailyRecs()
{
    m_services.settings->write(SettingKeys::DailyRecs, QString::number(m_services.globals->dailyRecs));
}

// Decides and counts one request (under the lock): the count another copy
// stored meanwhile is the one that counts, and one that cannot be read is
// spent. False, with nothing counted, when the window's budget is used up.
bool FetchRun::countRequest()
{
    ProgramState &globals = *m_services.globals;
    SettingsStore &settings = *m_services.settings;
    settings.requireStorable();
    // A window another copy opened since this run began has a count of its
    // own; within the same window the higher count holds.
    const QString stamp = windowStamp(settings);
    qint16 stored = budget::kSpentMark;
    try {
        stored = budget::readRequestCount(settings);
    } catch (const AppError &) {
    }
    globals.dailyRecs = stamp == m_windowStamp ? std::max(globals.dailyRecs, stored) : stored;
    m_windowStamp = stamp;
    if (globals.dailyRecs > budget::kRequestsPerWindow)
        return false;
    ++globals.dailyRecs;
    settings.write({{SettingKeys::DailyRecs, QString::number(globals.dailyRecs)},
                    {SettingKeys::NextQuery, QString::number((m_first + m_done + 1) % m_queries.size())}});
    return true;
}

// One query: the gate, the count (once the lock is had), then curl.
void FetchRun::nextQuery()
{
    if (halted() || m_budgetUnusable || m_done >= m_queries.size())
        return end();
    Trap trap(m_reporter, kModule, QStringLiteral("AddNews"));
    bool open = false;
    trap(100, [&] { open = gateIsOpen(); });
    if (!open)
        return end();
    trap(102, [&] { deleteFileSafe(m_services.globals->messagePath); });
    withBudgetLock(&FetchRun::countQuery, 104, QStringLiteral("AddNews"));
}

// Every request counts, whatever comes of it, and is stored before it goes
// out: a program killed during the query has still spent it. A count that
// cannot be stored ends the run.
FetchRun::Step FetchRun::countQuery()
{
    if (halted())
        return &FetchRun::end;
    Trap trap(m_reporter, kModule, QStringLiteral("AddNews"));
    bool counted = false;
    if (!trap(104, [&] { counted = countRequest(); }) || !counted)
        return &FetchRun::end;
    return &FetchRun::sendQuery;
}

void FetchRun::sendQuery()
{
    if (halted())
        return end();
    const NewsQuery query = m_queries.at((m_first + m_done) % m_queries.size());
    ++m_done;
    Trap trap(m_reporter, kModule, QStringLiteral("AddNews"));
    ProgramState &globals = *m_services.globals;
    trap(106, [&] { ++globals.runQueries; });
    m_afterHelper = &FetchRun::afterCurl;
    const bool started = trap(108, [&] {
        const QString target = requestTarget(query.country, query.keyword, query.category, m_services.newsHost);
        const QStringList arguments = curlArguments(target, globals.messagePath, m_services.queryTimeLimitSeconds);
        m_services.runner->start(globals.curlCommand, arguments, OutputLimit{globals.messagePath, kAnswerSizeLimit});
    });
    if (!started)
        proceed(std::exchange(m_afterHelper, nullptr));
}

// The answer, if any, goes to the cleaner.
void FetchRun::afterCurl()
{
    Trap trap(m_reporter, kModule, QStringLiteral("AddNews"));
    ProgramState &globals = *m_services.globals;
    bool answered = false;
    trap(110, [&] {
        // An answer cut off at the size limit is no answer.
        if (QFileInfo(globals.messagePath).size() > kAnswerSizeLimit)
            deleteFileSafe(globals.messagePath);
        answered = fileExists(globals.messagePath);
    });
    if (!answered || halted())
        return endQuery();
    trap(112, [&] { deleteFileSafe(globals.cleanPath); });
    m_afterHelper = &FetchRun::afterCleaner;
    const bool started = trap(114, [&] {
        m_services.runner->start(globals.ansiFilterCommand,
                                 ansiFilterArguments(globals.messagePath, globals.cleanPath),
                                 OutputLimit{globals.cleanPath, 0});
    });
    if (!started)
        proceed(std::exchange(m_afterHelper, nullptr));
}

// The cleaned answer becomes articles; a refusal closes the window.
void FetchRun::afterCleaner()
{
    Trap trap(m_reporter, kModule, QStringLiteral("AddNews"));
    ProgramState &globals = *m_services.globals;
    m_listing = {};
    m_article = 0;
    bool cleaned = false;
    trap(116, [&] { cleaned = fileExists(globals.cleanPath); });
    if (cleaned && !halted())
        trap(118, [&] { m_listing = parseServiceAnswer(TextFileReader::ReadUtf8TextFile(globals.cleanPath)); });
    if (m_listing.refused) {
        trap(120, [&] {
            globals.dailyRecs = budget::kRefusedMark;
            writeDailyRecs();
        });
    }
    proceed(&FetchRun::nextArticle);
}

// Each article is announced, and handed on two seconds after it was seen.
void FetchRun::nextArticle()
{
    if (halted() || m_article >= m_listing.articles.size())
        return endQuery();
    Trap trap(m_reporter, kModule, QStringLiteral("AddNews"));
    const QPointer<FetchRun> alive(this);
    const bool announced = trap(122, [&] {
        m_announcer.announce(m_listing.articles.at(m_article), kBalloonTitle, kBalloonSeconds, [alive] {
            if (alive)
                alive->proceed(&FetchRun::afterAnnouncement);
        });
    });
    if (!announced) {
        ++m_article;
        proceed(&FetchRun::nextArticle);
    }
}

void FetchRun::afterAnnouncement()
{
    m_services.clock->callAfter(kMsAfterBalloon, this, [this] { proceed(&FetchRun::afterArticle); });
}

// A run turned off keeps the article it has shown.
void FetchRun::afterArticle()
{
    Trap trap(m_reporter, kModule, QStringLiteral("AddNews"));
    trap(122, [&] {
        emit articleFound(m_listing.articles.at(m_article));
        if (m_testRun)
            ++m_services.globals->testArticleCount;
    });
    ++m_article;
    proceed(&FetchRun::nextArticle);
}

void FetchRun::endQuery()
{
    Trap trap(m_reporter, kModule, QStringLiteral("AddNews"));
    trap(124, [&] { deleteFileSafe(m_services.globals->cleanPath); });
    trap(126, [&] { deleteFileSafe(m_services.globals->messagePath); });
    proceed(&FetchRun::nextQuery);
}

void FetchRun::end()
{
    m_running = false;
    m_cancelled = false;
    emit finished();
}

} // namespace tidewick
