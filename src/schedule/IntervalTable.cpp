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

// Rows are tried top to bottom. The captions are the English ones; the
// window shows them translated. The short intervals are understood but not
// offered: the service would refuse that many requests.
constexpr std::array<IntervalRow, 12> kIntervals{{
    {QT_TRANSLATE_NOOP("Tidewick", "Fetch every 1 second"), 1, false},
    {QT_TRANSLATE_NOOP("Tidewick", "Fetch every 5 seconds"), 5, false},
    {QT_TRANSLATE_NOOP("Tidewick", "Fetch every 10 seconds"), 10, false},
    {QT_TRANSLATE_NOOP("Tidewick", "Fetch every 30 seconds"), 30, false},
    {QT_TRANSLATE_NOOP("Tidewick", "Fetch every 1 minute"), 60, false},
    {QT_TRANSLATE_NOOP("Tidewick", "Fetch every 5 minutes"), 300, false},
    {QT_TRANSLATE_NOOP("Tidewick", "Fetch every 10 minutes"), 600, false},
    {QT_TRANSLATE_NOOP("Tidewick", "Fetch every 30 minutes"), 1800, true},
    {QT_TRANSLATE_NOOP("Tidewick", "Fetch every 1 hour"), 3600, true},
    {QT_TRANSLATE_NOOP("Tidewick", "Fetch every 6 hours"), 21600, true},
    {QT_TRANSLATE_NOOP("Tidewick", "Fetch every 12 hours"), 43200, true},
    {QT_TRANSLATE_NOOP("Tidewick", "Fetch every 24 hours"), 86400, true},
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
