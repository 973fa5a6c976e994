#include "fetch/IntervalSave.h"

#include "app/Clock.h"
#include "app/Globals.h"
#include "app/ReportList.h"
#include "app/SettingsStore.h"
#include "app/ValueConversion.h"
#include "desktop/cSysTray.h"
#include "fetch/FileHelpers.h"
#include "fetch/HelperTools.h"
#include "fetch/ListingParser.h"
#include "fetch/ProcessRunner.h"
#include "fetch/RequestBudget.h"
#include "fetch/RequestTarget.h"
#include "keywords/TextFileReader.h"
#include "schedule/Countdown.h"

#include <QFileInfo>
#include <QScopeGuard>
#include <limits>

namespace tidewick {

namespace {
const QString kModule = QStringLiteral("IntervalSave");
const QString kBalloonTitle = QStringLiteral("Tidewick");
constexpr qint32 kBalloonSeconds = 5;
constexpr int kSecondsAfterBalloon = 2;

QString trimmedText(const ReportList &list, int row)
{
    return list.text(row).trimmed();
}

bool holdsTheServiceFooter(const QStringList &lines)
{
    // The footer closes every page of the service: look from the end.
    for (auto line = lines.crbegin(); line != lines.crend(); ++line)
        if (line->contains(listing::kFooterMarker, Qt::CaseInsensitive))
            return true;
    return false;
}

// Every page of the service ends in its footer. Anything else (a proxy's HTML
// error page, noise, an answer cut off on the way) would turn into rows of
// rubbish, so it gives none; a refusal found in it still counts.
ParsedListing parseServiceAnswer(const QStringList &lines)
{
    ParsedListing listing = parseListing(lines);
    if (!holdsTheServiceFooter(lines))
        listing.articles.clear();
    return listing;
}
} // namespace

IntervalSave::IntervalSave(const Services &services, ErrorReporter &reporter, cSysTray &tray, Lists lists)
    : m_services(services), m_reporter(reporter), m_tray(tray), m_lists(lists)
{
}

bool IntervalSave::FetchNewsNow()
{
    if (m_running)
        return false;
    m_running = true;
    const auto done = qScopeGuard([this] { m_running = false; });

    Trap trap(m_reporter, kModule, QStringLiteral("FetchNewsNow"));
    Globals &globals = *m_services.globals;
    SettingsStore &settings = *m_services.settings;
    Clock &clock = *m_services.clock;

    QDateTime windowStart = fromDayNumber(0);
    trap(100, [&] {
        globals.DailyRecs = budget::requestsMade(toInt16(settings.read(SettingKeys::DailyRecs, QStringLiteral("0"))));
    });
    trap(102, [&] { windowStart = fromDayNumber(parseDayNumber(settings.read(SettingKeys::StartDate, QStringLiteral("0")))); });

    bool newWindow = false;
    trap(104, [&] { newWindow = budget::windowHasEnded(windowStart, clock.now()); });
    if (newWindow) {
        trap(106, [&] {
            windowStart = clock.now();
            settings.write(SettingKeys::StartDate, dayNumberText(toDayNumber(windowStart)));
        });
        trap(108, [&] {
            globals.DailyRecs = 0;
            settings.write(SettingKeys::DailyRecs, QStringLiteral("0"));
        });
    }

    if (globals.TestFetch) {
        trap(110, [&] { globals.RunQuota = budget::kTestRunQuota; });
    } else {
        trap(112, [&] {
            globals.FetchIntervalSeconds = IntervalSeconds(*m_lists.intervals);
            const QDateTime windowEnd = windowStart.addSecs(qint64(budget::kWindowHours) * 3600);
            const qint64 secondsLeft = std::abs(clock.now().secsTo(windowEnd));
            globals.RunQuota = budget::runQuota(globals.DailyRecs, secondsLeft, globals.FetchIntervalSeconds);
        });
        // A quota left from an earlier run never exceeds this window's budget.
        trap(114, [&] { globals.RunQuota = std::min(globals.RunQuota, budget::budgetLeft(globals.DailyRecs)); });
    }
    trap(116, [&] { globals.RunQueries = 0; });

    int countries = 0;
    trap(118, [&] { countries = m_lists.countries->count(); });
    bool anyTicked = false;
    for (int row = 0; row < countries && !m_stopped; ++row) {
        trap(120, [&] {
            if (row < m_lists.countries->count() && m_lists.countries->rows().isChecked(row)) {
                anyTicked = true;
                FetchKeys(trimmedText(*m_lists.countries, row) + QLatin1Char('.'));
            }
        });
    }
    if (!anyTicked)
        trap(122, [&] { FetchKeys(QString()); });
    return true;
}

void IntervalSave::FetchKeys(const QString &country)
{
    Trap trap(m_reporter, kModule, QStringLiteral("FetchKeys"));
    int keywords = 0;
    trap(100, [&] { keywords = m_lists.keywords->count(); });
    for (int row = 0; row < keywords && !m_stopped; ++row) {
        trap(102, [&] {
            // The list may have shrunk while an earlier query handled events.
            if (row < m_lists.keywords->count())
                FetchCats(trimmedText(*m_lists.keywords, row).replace(QLatin1Char(' '), QLatin1Char('+')), country);
        });
    }
    if (keywords == 0)
        trap(104, [&] { FetchCats(QString(), country); });
}

void IntervalSave::FetchCats(const QString &keyword, const QString &country)
{
    Trap trap(m_reporter, kModule, QStringLiteral("FetchCats"));
    int categories = 0;
    trap(100, [&] { categories = m_lists.categories->count(); });
    bool anyTicked = false;
    for (int row = 0; row < categories && !m_stopped; ++row) {
        trap(102, [&] {
            if (row < m_lists.categories->count() && m_lists.categories->rows().isChecked(row)) {
                anyTicked = true;
                AddNews(country, keyword, trimmedText(*m_lists.categories, row));
            }
        });
    }
    if (!anyTicked)
        trap(104, [&] { AddNews(country, keyword, QString()); });
}

bool IntervalSave::gateIsOpen() const
{
    const Globals &globals = *m_services.globals;
    // Equality passes: up to 51 requests fit a window, and a quota of 2
    // allows three queries in a run. The test limit is strict.
    return !m_stopped && globals.DailyRecs <= budget::kRequestsPerWindow
        && (!globals.TestFetch || globals.TestArticleCount < 2) && globals.RunQueries <= globals.RunQuota;
}

void IntervalSave::writeDailyRecs()
{
    m_services.settings->write(SettingKeys::DailyRecs, QString::number(m_services.globals->DailyRecs));
}

void IntervalSave::countRequest()
{
    Globals &globals = *m_services.globals;
    if (globals.DailyRecs == std::numeric_limits<qint16>::max())
        throw AppError::overflow();
    ++globals.DailyRecs;
    writeDailyRecs();
}

void IntervalSave::addArticle(const QString &article)
{
    Globals &globals = *m_services.globals;
    m_tray.ShowBalloon(article, kBalloonTitle, kBalloonSeconds);
    WaitSeconds(*m_services.clock, kSecondsAfterBalloon);
    if (m_stopped)
        return;
    m_lists.results->rows().append(article);
    if (globals.TestFetch)
        ++globals.TestArticleCount;
}

void IntervalSave::AddNews(const QString &country, const QString &keyword, const QString &category)
{
    Trap trap(m_reporter, kModule, QStringLiteral("AddNews"));
    Globals &globals = *m_services.globals;
    ProcessRunner &runner = *m_services.runner;

    bool open = false;
    trap(100, [&] { open = gateIsOpen(); });
    if (!open)
        return;

    trap(102, [&] { DeleteFileSafe(globals.MessagePath); });
    trap(104, [&] {
        const QString target = requestTarget(country, keyword, category, m_services.newsHost);
        runner.ShellAndWait(globals.CurlCommand, curlArguments(target, globals.MessagePath, m_services.queryTimeLimitSeconds),
                            OutputLimit{globals.MessagePath, kAnswerSizeLimit});
    });
    // Every request counts, whatever came of it.
    trap(106, [&] { countRequest(); });
    trap(108, [&] { ++globals.RunQueries; });

    bool answered = false;
    trap(110, [&] {
        // An answer cut off at the size limit is no answer.
        if (QFileInfo(globals.MessagePath).size() > kAnswerSizeLimit)
            DeleteFileSafe(globals.MessagePath);
        answered = FileExists(globals.MessagePath);
    });
    if (answered && !m_stopped) {
        trap(112, [&] { DeleteFileSafe(globals.CleanPath); });
        trap(114, [&] {
            // A cleaner that fails or is stopped leaves no half-cleaned text behind.
            runner.ShellAndWait(globals.AnsiFilterCommand, ansiFilterArguments(globals.MessagePath, globals.CleanPath),
                                OutputLimit{globals.CleanPath, 0});
        });
        bool cleaned = false;
        trap(116, [&] { cleaned = FileExists(globals.CleanPath); });
        ParsedListing listing;
        if (cleaned && !m_stopped)
            trap(118, [&] { listing = parseServiceAnswer(TextFileReader::ReadUtf8TextFile(globals.CleanPath)); });
        if (listing.refused) {
            trap(120, [&] {
                globals.DailyRecs = budget::kRefusedMark;
                writeDailyRecs();
            });
        }
        for (const QString &article : std::as_const(listing.articles)) {
            if (m_stopped)
                break;
            trap(122, [&] { addArticle(article); });
        }
        trap(124, [&] { DeleteFileSafe(globals.CleanPath); });
    }
    trap(126, [&] { DeleteFileSafe(globals.MessagePath); });
}

} // namespace tidewick
