#include "desktop/CompositorFrames.h"

#include <QGuiApplication>

#include <wayland-client.h>

#include <cstring>

namespace tidewick {

namespace {
// The globals by which a Wayland compositor offers to draw a window's frame:
// the standard one, and KWin's older one.
bool offersFrames(const char *interface)
{
    return std::strcmp(interface, "zxdg_decoration_manager_v1") == 0
        || std::strcmp(interface, "org_kde_kwin_server_decoration_manager") == 0;
}

void onGlobal(void *found, wl_registry *, uint32_t, const char *interface, uint32_t)
{
    if (offersFrames(interface))
        *static_cast<bool *>(found) = true;
}

void onGlobalRemoved(void *, wl_registry *, uint32_t) {}

// Asks the compositor on a short connection of its own: Qt 6.4 does not
// tell, and its own connection is not ours to listen on.
bool compositorOffersFrames()
{
    wl_display *display = wl_display_connect(nullptr);
    if (!display)
        return true;
    bool found = false;
    static const wl_registry_listener listener = {onGlobal, onGlobalRemoved};
    wl_registry *registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &found);
    const bool answered = wl_display_roundtrip(display) >= 0;
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return found || !answered;
}
} // namespace

bool compositorDrawsFrames()
{
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return true;
    if (qEnvironmentVariableIsSet("QT_WAYLAND_DECORATION") || qEnvironmentVariableIsSet("QT_WAYLAND_DISABLE_WINDOWDECORATION"))
        return true;
    // A socket handed over for one connection only is Qt's.
    if (qEnvironmentVariableIsSet("WAYLAND_SOCKET"))
        return true;
    return compositorOffersFrames();
}

} // namespace tidewick
