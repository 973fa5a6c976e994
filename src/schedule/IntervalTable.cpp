#include "schedule/IntervalTable.h"

#include "core/AppError.h"

#include <array>

namespace tidewick {

namespace {
struct IntervalRow {
    const char *caption;
    qint32 seconds;
    bool offered;
};

// Rows are tried top to bottom. The short intervals are understood but not
// offered: the service would refuse that many requests.
constexpr std::array<IntervalRow, 12> kIntervals{{
    {"Fetch every 1 second", 1, false},
    {"Fetch every 5 seconds", 5, false},
    {"Fetch every 10 seconds", 10, false},
    {"Fetch every 30 seconds", 30, false},
    {"Fetch every 1 minute", 60, false},
    {"Fetch every 5 minutes", 300, false},
    {"Fetch every 10 minutes", 600, false},
    {"Fetch every 30 minutes", 1800, true},
    {"Fetch every 1 hour", 3600, true},
    {"Fetch every 6 hours", 21600, true},
    {"Fetch every 12 hours", 43200, true},
    {"Fetch every 24 hours", 86400, true},
}};
} // namespace

qint32 intervalSecondsForCaption(const QString &caption)
{
    for (const IntervalRow &row : kIntervals)
        if (caption == QLatin1String(row.caption))
            return row.seconds;
    return 0;
}

qint32 offeredIntervalSeconds(int row)
{
    for (const IntervalRow &interval : kIntervals) {
        if (interval.offered && row-- == 0)
            return interval.seconds;
    }
    throw AppError::invalidArgument();
}

QStringList offeredIntervalCaptions()
{
    QStringList captions;
    for (const IntervalRow &row : kIntervals)
        if (row.offered)
            captions.append(QLatin1String(row.caption));
    return captions;
}

} // namespace tidewick
