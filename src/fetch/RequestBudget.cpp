#include "fetch/RequestBudget.h"

#include "core/AppError.h"
#include "core/SettingsStore.h"
#include "core/ValueConversion.h"

#include <cmath>
#include <limits>
#include <QCoreApplication>

namespace tidewick::budget {

namespace {
constexpr qint64 kSecondsPerHour = 3600;

qint64 wholeHour(const QDateTime &moment)
{
    const qint64 seconds = moment.toSecsSinceEpoch();
    return seconds / kSecondsPerHour - (seconds % kSecondsPerHour < 0 ? 1 : 0);
}
} // namespace

bool windowHasEnded(const QDateTime &windowStart, const QDateTime &now)
{
    return wholeHour(now) - wholeHour(windowStart) >= kWindowHours;
}

QDateTime readWindowStart(const SettingsStore &settings)
{
    QDateTime start;
    if (const QString utc = settings.read(SettingKeys::StartDateUtc, QString()); !utc.isNull()) {
        start = QDateTime::fromString(utc.trimmed(), Qt::ISODate);
        if (!start.isValid() || start.timeSpec() == Qt::LocalTime) // a time that names no zone
            throw AppError::typeMismatch();
    } else {
        start = fromDayNumber(parseDayNumber(settings.read(SettingKeys::StartDate, QStringLiteral("0"))));
        if (!start.isValid())
            throw AppError::overflow();
    }
    return start;
}

bool liesFarAhead(const QDateTime &windowStart, const QDateTime &now)
{
    return now.secsTo(windowStart) > qint64(kFarthestAheadHours) * kSecondsPerHour;
}

QDateTime windowEnd(const QDateTime &windowStart)
{
    return QDateTime::fromSecsSinceEpoch((wholeHour(windowStart) + kWindowHours) * kSecondsPerHour, Qt::UTC);
}

qint16 readRequestCount(const SettingsStore &settings)
{
    const qint16 count = toInt16(settings.read(SettingKeys::DailyRecs, QStringLiteral("0")));
    if (count < 0)
        throw AppError::overflow();
    return count;
}

void writeWindow(SettingsStore &settings, const QDateTime &start, qint16 count)
{
    settings.write({{SettingKeys::StartDate, dayNumberText(toDayNumber(start))},
                    {SettingKeys::StartDateUtc, start.toUTC().toString(Qt::ISODate)},
                    {SettingKeys::DailyRecs, QString::number(count)}});
}

WindowChange windowChange(const std::optional<QDateTime> &storedStart, const std::optional<QDateTime> &lastReadStart,
                          const QDateTime &now)
{
    if (storedStart)
        return windowHasEnded(*storedStart, now) ? WindowChange::OpenNew : WindowChange::Keep;
    if (lastReadStart)
        return windowHasEnded(*lastReadStart, now) ? WindowChange::OpenNew : WindowChange::Keep;
    return WindowChange::OpenSpent;
}

qint16 runQuota(qint16 dailyRecs, qint64 secondsLeft, qint32 intervalSeconds)
{
    if (intervalSeconds == 0)
        throw AppError(QCoreApplication::translate("Tidewick", "Division by zero"));
    const double runsLeft = double(secondsLeft) / double(intervalSeconds);
    const double quotient = double(budgetLeft(dailyRecs)) / runsLeft;
    const double left = budgetLeft(dailyRecs);
    // No run left in the window (or a quotient that is no number at all):
    // the run may use what is left.
    if (!(quotient <= left))
        return qint16(left);
    const double rounded = std::nearbyint(quotient); // halves to even
    return qint16(std::max<double>(rounded, std::numeric_limits<qint16>::min()));
}

} // namespace tidewick::budget
