#pragma once

#include <QString>

namespace tidewick {

class ReportList;

// Seconds as a time of day "hh:mm:ss"; whole days drop out, so 86399 gives
// 23:59:59 and 86400 gives 00:00:00.
QString secondsToHms(qint32 seconds);

// The seconds of the interval selected in the interval list (0 for a caption
// the table does not know). Throws AppError when nothing is selected.
qint32 intervalSeconds(const ReportList &intervalList);

} // namespace tidewick
