#pragma once

#include <QString>

namespace tidewick {

// The program's reverse-domain name: its desktop entry and icon are installed
// under it, notifications and the window name it, and the running copy owns
// it on the session bus.
inline const QString kApplicationId = QStringLiteral("com.kestrow.Tidewick");

} // namespace tidewick
