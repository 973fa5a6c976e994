#include "schedule/Countdown.h"


namespace tidewick {

QString secondsToHms(qint32 seconds)
{
    constexpr qint64 kDay = 86400;
    // Negative counts wrap around the day like a time of day would.
    const qint64 ofDay = ((qint64(seconds) % kDay) + kDay) % kDay;
    return QStringLiteral("%1:%2:%3")
        .arg(ofDay / 3600, 2, 10, QLatin1Char('0'))
        .arg(ofDay / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(ofDay % 60, 2, 10, QLatin1Char('0'));
}


} // namespace tidewick
