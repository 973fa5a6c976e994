#pragma once

#include <QString>
#include <QVariantMap>

class QWidget;

namespace tidewick {

// Desktops that guard against stolen focus (every Wayland compositor, and
// X11 window managers by time stamps) let a window come to the front only
// with a token that a user's action produced: a launcher gives one to the
// process it starts, a StatusNotifier tray to the item that was clicked, a
// notification server with the action the user took. The tokens travel
// between programs in the platform data of org.freedesktop.Application:
// "activation-token" (Wayland, xdg-activation) and "desktop-startup-id"
// (X11 startup notification, which ends in _TIME and the time stamp).

// The token this process was started with, as platform data. Read it before
// the QApplication exists: Qt's X11 platform takes DESKTOP_STARTUP_ID out of
// the environment.
QVariantMap launchActivationData();

// The token in platform data, whichever of the two keys carries it.
QString activationToken(const QVariantMap &platformData);

// Keeps a token for the next activateWithToken; an empty one changes
// nothing. Qt's Wayland platform reads XDG_ACTIVATION_TOKEN whenever a
// window asks to be active, so there it goes into the environment at once.
void adoptActivationToken(const QString &token);

// Asks for the window to become the active one, with the token adopted last
// (used once). Call it after the window was shown.
void activateWithToken(QWidget &window);

// Whether a window can come to the front without a token: a Wayland
// compositor raises none without one.
bool activatesWithoutToken();

} // namespace tidewick
