#include "fetch/FetchRun.h"

#include "core/Clock.h"
#include "core/Dialogs.h"
#include "core/ProgramState.h"
#include "core/ReportList.h"
#include "core/SettingsLock.h"
#include "core/SettingsStore.h"
#include "core/ValueConversion.h"
#include "core/FileHelpers.h"
#include "core/KeywordLimits.h"
#include "fetch/HelperTools.h"
#include "fetch/ListingParser.h"
#include "fetch/NewsHost.h"
#include "fetch/ProcessRunner.h"
#include "fetch/RequestBudget.h"
#include "fetch/RequestTarget.h"
#include "keywords/TextFileReader.h"

#include <QFileInfo>
#include <QScopeGuard>
#include <limits>
#include <optional>
#include <utility>

namespace tidewick {

namespace {
const QString kModule = QStringLiteral("IntervalSave");
const QString kBalloonTitle = QStringLiteral("Tidewick");
constexpr qint32 kBalloonSeconds = 5;
constexpr int kSecondsAfterBalloon = 2;

QString trimmedText(const ReportList &list, int row)
{
    return trimBlanks(list.text(row));
}

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

// What the settings say without a word about it: a count or position
// another copy wrote badly is put right by the next write.
qint16 storedRequestCount(const SettingsStore &settings)
{
    try {
        return budget::requestsMade(toInt16(settings.read(SettingKeys::DailyRecs, QStringLiteral("0"))));
    } catch (const AppError &) {
        return 0;
    }
}

qsizetype storedPosition(const SettingsStore &settings)
{
    bool ok = false;
    const qlonglong position = settings.read(SettingKeys::NextQuery, QStringLiteral("0")).toLongLong(&ok);
    return ok && position > 0 ? qsizetype(position) : 0;
}

// A keyword named in a message: long ones are cut short.
QString shortened(const QString &keyword)
{
    constexpr qsizetype kShown = 40;
    return keyword.size() <= kShown ? keyword : keyword.left(kShown) + QChar(0x2026);
}
} // namespace

FetchRun::FetchRun(const Services &services, ErrorReporter &reporter, ArticleAnnouncer &announcer, Lists lists)
    : m_services(services), m_reporter(reporter), m_announcer(announcer), m_lists(lists)
{
}

bool FetchRun::fetchNewsNow()
{
    if (m_running)
        return false;
    m_running = true;
    m_cancelled = false;
    m_toldTooLong.clear();
    const auto done = qScopeGuard([this] {
        m_running = false;
        m_cancelled = false;
    });

    Trap trap(m_reporter, kModule, QStringLiteral("FetchNewsNow"));
    ProgramState &globals = *m_services.globals;
    Clock &clock = *m_services.clock;

    QDateTime windowStart = fromDayNumber(0);
    openBudgetWindow(trap, windowStart);

    if (globals.testFetch) {
        trap(110, [&] { globals.runQuota = budget::kTestRunQuota; });
    } else {
        trap(112, [&] {
            globals.fetchIntervalSeconds = m_lists.intervalSeconds();
            const QDateTime windowEnd = windowStart.addSecs(qint64(budget::kWindowHours) * 3600);
            const qint64 secondsLeft = std::abs(clock.now().secsTo(windowEnd));
            globals.runQuota = budget::runQuota(globals.dailyRecs, secondsLeft, globals.fetchIntervalSeconds);
        });
        // A quota left from an earlier run never exceeds this window's budget.
        trap(114, [&] { globals.runQuota = std::min(globals.runQuota, budget::budgetLeft(globals.dailyRecs)); });
    }
    trap(116, [&] { globals.runQueries = 0; });

    m_combinations.clear();
    int countries = 0;
    trap(118, [&] { countries = m_lists.countries->count(); });
    bool anyTicked = false;
    for (int row = 0; row < countries; ++row) {
        trap(120, [&] {
            if (m_lists.countries->rows().isChecked(row)) {
                anyTicked = true;
                if (countryCanBeSent())
                    fetchKeywords(trimmedText(*m_lists.countries, row) + QLatin1Char('.'));
            }
        });
    }
    if (!anyTicked)
        trap(122, [&] { fetchKeywords(QString()); });
    queryInTurn();
    return true;
}

// Reads the budget of the window and opens a new window when the last one
// has ended, all under the lock, so that copies starting runs together open
// one window between them, not one each.
void FetchRun::openBudgetWindow(Trap &trap, QDateTime &windowStart)
{
    ProgramState &globals = *m_services.globals;
    SettingsStore &settings = *m_services.settings;
    Clock &clock = *m_services.clock;
    const ErrorReporter::Deferral reportsAfterTheLock(m_reporter);
    std::optional<SettingsLock> lock;
    trap(100, [&] {
        lock.emplace(settings);
        globals.dailyRecs = budget::requestsMade(toInt16(settings.read(SettingKeys::DailyRecs, QStringLiteral("0"))));
    });
    trap(102, [&] {
        windowStart = fromDayNumber(parseDayNumber(settings.read(SettingKeys::StartDate, QStringLiteral("0"))));
    });

    bool newWindow = false;
    trap(104, [&] { newWindow = budget::windowHasEnded(windowStart, clock.now()); });
    if (newWindow) {
        trap(106, [&] {
            windowStart = clock.now();
            settings.write(SettingKeys::StartDate, dayNumberText(toDayNumber(windowStart)));
        });
        trap(108, [&] {
            globals.dailyRecs = 0;
            settings.write(SettingKeys::DailyRecs, QStringLiteral("0"));
        });
    }
    m_windowStamp = settings.read(SettingKeys::StartDate, QString());
}

// A country goes in front of the host's name ("us.news.example"); in front
// of an address it makes a name that nothing answers to, so those queries
// are left out, said once.
bool FetchRun::countryCanBeSent()
{
    if (!newsHostIsAddress(m_services.newsHost))
        return true;
    if (!std::exchange(m_toldCountryHost, true)) {
        m_services.dialogs->showMessage(kBalloonTitle,
                                        QStringLiteral("The news service is given by its address (%1), and a country "
                                                       "cannot be put in front of an address: the ticked countries "
                                                       "are not queried. Give the service by its host name, or "
                                                       "untick the countries.")
                                            .arg(m_services.newsHost),
                                        MessageIcon::None);
    }
    return false;
}

// Queries the combinations in their order, starting where the previous run
// stopped and going round once, until the budget or the share says no more.
void FetchRun::queryInTurn()
{
    const qsizetype count = m_combinations.size();
    if (count == 0)
        return;
    const qsizetype first = storedPosition(*m_services.settings) % count;
    for (qsizetype i = 0; i < count && !halted(); ++i) {
        const Combination &combination = m_combinations.at((first + i) % count);
        m_nextPosition = (first + i + 1) % count;
        if (!addNews(combination.country, combination.keyword, combination.category))
            break;
    }
}

void FetchRun::fetchKeywords(const QString &country)
{
    Trap trap(m_reporter, kModule, QStringLiteral("FetchKeys"));
    int keywords = 0;
    trap(100, [&] { keywords = m_lists.keywords->count(); });
    for (int row = 0; row < keywords; ++row) {
        trap(102, [&] {
            const QString keyword = trimmedText(*m_lists.keywords, row);
            if (keywordCanBeSent(keyword))
                fetchCategories(keywordInPath(keyword), country);
        });
    }
    if (keywords == 0)
        trap(104, [&] { fetchCategories(QString(), country); });
}

void FetchRun::fetchCategories(const QString &keyword, const QString &country)
{
    Trap trap(m_reporter, kModule, QStringLiteral("FetchCats"));
    int categories = 0;
    trap(100, [&] { categories = m_lists.categories->count(); });
    bool anyTicked = false;
    for (int row = 0; row < categories; ++row) {
        trap(102, [&] {
            if (m_lists.categories->rows().isChecked(row)) {
                anyTicked = true;
                m_combinations.append({country, keyword, trimmedText(*m_lists.categories, row)});
            }
        });
    }
    if (!anyTicked)
        trap(104, [&] { m_combinations.append({country, keyword, QString()}); });
}

// A keyword too long for one program argument cannot be sent; it is skipped
// uncounted and named once a run.
bool FetchRun::keywordCanBeSent(const QString &keyword)
{
    if (keywordFitsInQuery(keyword))
        return true;
    if (!m_toldTooLong.contains(keyword)) {
        m_toldTooLong.insert(keyword);
        m_services.dialogs->showMessage(kBalloonTitle,
                                        QStringLiteral("The keyword \"%1\" is longer than %2 characters and cannot "
                                                       "be sent to the news service. It was skipped.")
                                            .arg(shortened(keyword), QString::number(kLongestKeyword)),
                                        MessageIcon::None);
    }
    return false;
}

bool FetchRun::gateIsOpen() const
{
    const ProgramState &globals = *m_services.globals;
    // Equality passes: up to 51 requests fit a window, and a quota of 2
    // allows three queries in a run. The test limit is strict.
    return !halted() && globals.dailyRecs <= budget::kRequestsPerWindow
        && (!globals.testFetch || globals.testArticleCount < 2) && globals.runQueries <= globals.runQuota;
}

void FetchRun::writeDailyRecs()
{
    m_services.settings->write(SettingKeys::DailyRecs, QString::number(m_services.globals->dailyRecs));
}

// Decides and counts one request under the lock: the count another copy
// stored meanwhile is the one that counts. False, with nothing counted, when
// the window's budget is used up.
bool FetchRun::countRequest()
{
    ProgramState &globals = *m_services.globals;
    SettingsStore &settings = *m_services.settings;
    const SettingsLock lock(settings);
    // A window another copy opened since this run began has a count of its
    // own; within the same window the higher count holds.
    const QString stamp = settings.read(SettingKeys::StartDate, QString());
    const qint16 stored = storedRequestCount(settings);
    globals.dailyRecs = stamp == m_windowStamp ? std::max(globals.dailyRecs, stored) : stored;
    m_windowStamp = stamp;
    if (globals.dailyRecs > budget::kRequestsPerWindow)
        return false;
    if (globals.dailyRecs == std::numeric_limits<qint16>::max())
        throw AppError::overflow();
    ++globals.dailyRecs;
    settings.write({{SettingKeys::DailyRecs, QString::number(globals.dailyRecs)},
                    {SettingKeys::NextQuery, QString::number(m_nextPosition)}});
    return true;
}

void FetchRun::addArticle(const QString &article)
{
    ProgramState &globals = *m_services.globals;
    m_announcer.announce(article, kBalloonTitle, kBalloonSeconds);
    waitSeconds(*m_services.clock, kSecondsAfterBalloon);
    // A closing window takes no more rows; a run turned off keeps the one
    // it has shown.
    if (m_stopped)
        return;
    m_lists.results->rows().append(article);
    if (globals.testFetch)
        ++globals.testArticleCount;
}

bool FetchRun::addNews(const QString &country, const QString &keyword, const QString &category)
{
    Trap trap(m_reporter, kModule, QStringLiteral("AddNews"));
    ProgramState &globals = *m_services.globals;
    ProcessRunner &runner = *m_services.runner;

    bool open = false;
    trap(100, [&] { open = gateIsOpen(); });
    if (!open)
        return false;

    trap(102, [&] { deleteFileSafe(globals.messagePath); });
    // Every request counts, whatever comes of it, and is stored before it
    // goes out: a program killed during the query has still spent it.
    bool counted = false;
    if (!trap(104, [&] { counted = countRequest(); }))
        return true;
    if (!counted)
        return false;
    trap(106, [&] { ++globals.runQueries; });
    trap(108, [&] {
        const QString target = requestTarget(country, keyword, category, m_services.newsHost);
        const QStringList arguments = curlArguments(target, globals.messagePath, m_services.queryTimeLimitSeconds);
        runner.runAndWait(globals.curlCommand, arguments, OutputLimit{globals.messagePath, kAnswerSizeLimit});
    });

    bool answered = false;
    trap(110, [&] {
        // An answer cut off at the size limit is no answer.
        if (QFileInfo(globals.messagePath).size() > kAnswerSizeLimit)
            deleteFileSafe(globals.messagePath);
        answered = fileExists(globals.messagePath);
    });
    if (answered && !halted()) {
        trap(112, [&] { deleteFileSafe(globals.cleanPath); });
        trap(114, [&] {
            // A cleaner that fails or is stopped leaves no half-cleaned text behind.
            runner.runAndWait(globals.ansiFilterCommand, ansiFilterArguments(globals.messagePath, globals.cleanPath),
                                OutputLimit{globals.cleanPath, 0});
        });
        bool cleaned = false;
        trap(116, [&] { cleaned = fileExists(globals.cleanPath); });
        ParsedListing listing;
        if (cleaned && !halted())
            trap(118, [&] { listing = parseServiceAnswer(TextFileReader::ReadUtf8TextFile(globals.cleanPath)); });
        if (listing.refused) {
            trap(120, [&] {
                globals.dailyRecs = budget::kRefusedMark;
                writeDailyRecs();
            });
        }
        for (const QString &article : std::as_const(listing.articles)) {
            if (halted())
                break;
            trap(122, [&] { addArticle(article); });
        }
        trap(124, [&] { deleteFileSafe(globals.cleanPath); });
    }
    trap(126, [&] { deleteFileSafe(globals.messagePath); });
    return true;
}

} // namespace tidewick
