#include "desktop/WindowActivation.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

namespace tidewick {

namespace {

const QString kTokenKey = QStringLiteral("activation-token");
const QString kStartupIdKey = QStringLiteral("desktop-startup-id");

// The token waiting for the next activation on X11.
QString &pendingToken()
{
    static QString token;
    return token;
}

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return atom;
}

// The user's time stamp in a startup id ("..._TIME12345"); 0 when it has none.
uint32_t startupTime(const QString &startupId)
{
    static const QRegularExpression time(QStringLiteral("_TIME([0-9]+)$"));
    const QRegularExpressionMatch match = time.match(startupId);
    return match.hasMatch() ? match.captured(1).toUInt() : 0;
}

// What a launched program does with its startup id, for the window that is
// already there: names the launch it answers (which also ends the launch's
// busy cursor once the window manager sees it) and asks for activation with
// the time stamp of the user's action, which the window manager weighs
// against the focus of the moment. Qt asks with the time of the last event
// it saw, which is older than any new click.
void activateOnX11(QWindow &window, const QString &startupId)
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return;
    xcb_connection_t *connection = x11->connection();
    const auto target = xcb_window_t(window.winId());
    const QByteArray id = startupId.toUtf8();
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, target, internAtom(connection, "_NET_STARTUP_ID"),
                        internAtom(connection, "UTF8_STRING"), 8, uint32_t(id.size()), id.constData());
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = target;
    message.type = internAtom(connection, "_NET_ACTIVE_WINDOW");
    message.data.data32[0] = 1; // from an application
    message.data.data32[1] = startupTime(startupId);
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    xcb_send_event(connection, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection);
}

} // namespace

QVariantMap launchActivationData()
{
    QVariantMap data;
    const QString token = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
    const QString startupId = qEnvironmentVariable("DESKTOP_STARTUP_ID");
    if (!token.isEmpty())
        data.insert(kTokenKey, token);
    if (!startupId.isEmpty()) {
        data.insert(kStartupIdKey, startupId);
        // A Wayland session's X11 programs (XWayland) get the token this way.
        if (token.isEmpty())
            data.insert(kTokenKey, startupId);
    }
    return data;
}

QString activationToken(const QVariantMap &platformData)
{
    const QString token = platformData.value(kTokenKey).toString();
    return token.isEmpty() ? platformData.value(kStartupIdKey).toString() : token;
}

void adoptActivationToken(const QString &token)
{
    if (token.isEmpty())
        return;
    pendingToken() = token;
    if (onWayland())
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
}

bool activatesWithoutToken()
{
    return !onWayland();
}

void activateWithToken(QWidget &window)
{
    const QString token = std::exchange(pendingToken(), QString());
    window.activateWindow();
    QWindow *handle = window.windowHandle();
    if (!token.isEmpty() && handle && QGuiApplication::platformName() == QLatin1String("xcb"))
        activateOnX11(*handle, token);
}

} // namespace tidewick
