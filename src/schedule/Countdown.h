#pragma once

#include <QString>

namespace tidewick {

// Seconds as a time of day "hh:mm:ss"; whole days drop out, so 86399 gives
// 23:59:59 and 86400 gives 00:00:00.
QString secondsToHms(qint32 seconds);

} // namespace tidewick
