#include "schedule/IntervalTable.h"

#include "core/AppError.h"

#include <QCoreApplication>
#include <array>

namespace tidewick {

namespace {
struct Interval {
    const char *caption;
    qint32 seconds;
};

// No shorter interval: the service would refuse that many requests.
constexpr std::array<Interval, 5> kOffered{{
    {QT_TRANSLATE_NOOP("Tidewick", "Fetch every 30 minutes"), 1800},
    {QT_TRANSLATE_NOOP("Tidewick", "Fetch every 1 hour"), 3600},
    {QT_TRANSLATE_NOOP("Tidewick", "Fetch every 6 hours"), 21600},
    {QT_TRANSLATE_NOOP("Tidewick", "Fetch every 12 hours"), 43200},
    {QT_TRANSLATE_NOOP("Tidewick", "Fetch every 24 hours"), 86400},
}};
} // namespace

qint32 offeredIntervalSeconds(int row)
{
    if (row < 0 || row >= int(kOffered.size()))
        throw AppError::invalidArgument();
    return kOffered[size_t(row)].seconds;
}

QStringList offeredIntervalCaptions()
{
    QStringList captions;
    for (const Interval &interval : kOffered)
        captions.append(QLatin1String(interval.caption));
    return captions;
}

} // namespace tidewick
