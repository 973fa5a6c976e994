#pragma once

#include <QString>
#include <QStringList>

namespace tidewick {

// The captions the interval list offers, in order (English; the window
// shows them translated).
QStringList offeredIntervalCaptions();
// The seconds of the offered interval at `row` (0 for the first); throws
// AppError for a row not offered.
qint32 offeredIntervalSeconds(int row);

} // namespace tidewick
