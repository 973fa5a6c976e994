#pragma once

#include <QString>
#include <QStringList>

namespace tidewick {

// Seconds for an interval caption, matched exactly; 0 for an unknown one.
qint32 intervalSecondsForCaption(const QString &caption);

// The captions the interval list offers, in order.
QStringList offeredIntervalCaptions();

} // namespace tidewick
