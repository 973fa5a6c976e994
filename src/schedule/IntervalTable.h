#pragma once

#include <QString>
#include <QStringList>

namespace tidewick {

// Seconds for an interval caption, matched exactly; 0 for an unknown one.
qint32 intervalSecondsForCaption(const QString &caption);

// The captions the interval list offers, in order.
QStringList offeredIntervalCaptions();
// The seconds of the offered interval at `row` (0 for the first); throws
// AppError for a row not offered.
qint32 offeredIntervalSeconds(int row);

} // namespace tidewick
