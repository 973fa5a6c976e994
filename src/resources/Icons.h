#pragma once

#include <QIcon>

namespace tidewick {

// The program's icon, a bold white K on blue, at 16, 32, 48, 64 and 128 px so
// that high-DPI trays and window managers pick a sharp size. The window and
// the tray show the same drawing.

// The main window's icon.
QIcon applicationIcon();
// The tray icon; the tray message points the user to it ("the blue 'K' icon").
QIcon trayIconPicture();

} // namespace tidewick
