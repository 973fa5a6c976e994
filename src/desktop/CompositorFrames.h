#pragma once

namespace tidewick {

// Whether the desktop draws the frames and title bars of windows. On X11 and
// on most Wayland compositors it does (Qt asks for server-side decorations);
// GNOME's compositor leaves them to each program. Where the user chose Qt's
// decorations themselves (QT_WAYLAND_DECORATION, or none at all with
// QT_WAYLAND_DISABLE_WINDOWDECORATION), their choice stands: true.
bool compositorDrawsFrames();

} // namespace tidewick
