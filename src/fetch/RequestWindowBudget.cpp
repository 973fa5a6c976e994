#include "fetch/RequestWindowBudget.h"

#include "core/AppError.h"
#include "core/SettingsStore.h"
#include "core/ValueConversion.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <utility>

namespace tidewick {

void RequestWindowBudget::requireStorable() const
{
    m_settings.requireStorable();
}

qint16 RequestWindowBudget::readCount() const
{
    return budget::readRequestCount(m_settings);
}

QDateTime RequestWindowBudget::readStart() const
{
    return budget::readWindowStart(m_settings);
}

void RequestWindowBudget::keepWindowAheadOfClock(const QDateTime &start, const QDateTime &now)
{
    m_lastReadStart = start;
    adopt(budget::kSpentMark);
    if (std::exchange(m_clockBehindSaid, true))
        return;
    throw AppError(QCoreApplication::translate("Tidewick",
                                               "The news service's requests are counted from %1, another copy of "
                                               "Tidewick's time, but this computer's clock says %2. No news is "
                                               "fetched until the clock is right.")
                       .arg(QLocale().toString(start.toLocalTime(), QLocale::ShortFormat),
                            QLocale().toString(now.toLocalTime(), QLocale::ShortFormat)));
}

QDateTime RequestWindowBudget::windowEnd() const
{
    return m_lastReadStart ? budget::windowEnd(*m_lastReadStart) : QDateTime();
}

budget::WindowChange RequestWindowBudget::change(const std::optional<QDateTime> &start, const QDateTime &now)
{
    if (start)
        m_lastReadStart = start;
    return budget::windowChange(start, m_lastReadStart, now);
}

void RequestWindowBudget::open(const QDateTime &now, qint16 count)
{
    budget::writeWindow(m_settings, now, count);
    m_lastReadStart = now;
}

void RequestWindowBudget::repair(qint16 count)
{
    budget::writeWindow(m_settings, *m_lastReadStart, count);
}

void RequestWindowBudget::adopt(qint16 count)
{
    dailyRecs = count;
    m_windowStamp = windowStamp();
}

void RequestWindowBudget::share(std::optional<qint32> intervalSeconds, const QDateTime &now)
{
    if (!intervalSeconds)
        throw AppError::invalidArgument();
    const QDateTime windowEnd = m_lastReadStart.value_or(now).addSecs(qint64(budget::kWindowHours) * 3600);
    runQuota = budget::runQuota(dailyRecs, std::abs(now.secsTo(windowEnd)), *intervalSeconds);
}

// Equality passes: up to 51 requests fit a window, and a quota of 2 allows
// three queries in a run. The test limit is strict.
bool RequestWindowBudget::allowsQuery(bool testRun) const
{
    return dailyRecs <= budget::kRequestsPerWindow && (!testRun || testArticleCount < 2) && runQueries <= runQuota;
}

// The count another copy stored meanwhile is the one that counts, and one
// that cannot be read is spent. A window another copy opened since this run
// began has a count of its own; within the same window the higher holds.
bool RequestWindowBudget::countRequest(qsizetype nextPosition)
{
    m_settings.requireStorable();
    const QString stamp = windowStamp();
    qint16 stored = budget::kSpentMark;
    try {
        stored = readCount();
    } catch (const AppError &) {
    }
    dailyRecs = stamp == m_windowStamp ? std::max(dailyRecs, stored) : stored;
    m_windowStamp = stamp;
    if (dailyRecs > budget::kRequestsPerWindow)
        return false;
    ++dailyRecs;
    m_settings.write({{SettingKeys::DailyRecs, QString::number(dailyRecs)},
                      {SettingKeys::NextQuery, QString::number(nextPosition)}});
    return true;
}

void RequestWindowBudget::markRefused()
{
    dailyRecs = budget::kRefusedMark;
    m_settings.write(SettingKeys::DailyRecs, QString::number(dailyRecs));
}

qsizetype RequestWindowBudget::storedPosition() const
{
    bool ok = false;
    const qlonglong position =
        asciiNumberText(m_settings.read(SettingKeys::NextQuery, QStringLiteral("0"))).trimmed().toLongLong(&ok);
    return ok && position > 0 ? qsizetype(position) : 0;
}

QString RequestWindowBudget::windowStamp() const
{
    return m_settings.read(SettingKeys::StartDateUtc, QString()) + QLatin1Char('|')
        + m_settings.read(SettingKeys::StartDate, QString());
}

} // namespace tidewick
