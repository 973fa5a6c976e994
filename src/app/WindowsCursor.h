#pragma once

#include <QCursor>
#include <QString>

namespace tidewick {

// Loads a Windows cursor file (.cur): its first image with the hot spot the
// file gives. Throws AppError("Invalid picture") when it is not one.
QCursor loadWindowsCursor(const QString &path);

} // namespace tidewick
