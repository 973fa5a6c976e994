#include "fetch/RequestBudget.h"

#include "core/AppError.h"

#include <cmath>
#include <limits>

namespace tidewick::budget {

bool windowHasEnded(const QDateTime &windowStart, const QDateTime &now)
{
    const qint64 hours = windowStart.date().daysTo(now.date()) * 24 + now.time().hour() - windowStart.time().hour();
    return std::abs(hours) >= kWindowHours;
}

qint16 runQuota(qint16 dailyRecs, qint64 secondsLeft, qint32 intervalSeconds)
{
    if (intervalSeconds == 0)
        throw AppError(QStringLiteral("Division by zero"));
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
