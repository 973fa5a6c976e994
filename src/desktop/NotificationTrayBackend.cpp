#include "desktop/NotificationTrayBackend.h"

#include "core/ApplicationId.h"
#include "desktop/BusDaemon.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace tidewick {

namespace {

const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
const QString kDefaultAction = QStringLiteral("default");
const QString kOpenAction = QStringLiteral("open");
constexpr uint kExpired = 1;
// The first GNOME Shell that hands a notification's sender an activation
// token. Before it, a program cannot raise its own window from a click on
// the notification (the window only asks for attention); a notification
// without a "default" action is opened by the shell itself instead, which
// raises the program's window.
constexpr int kGnomeShellWithTokens = 46;

QDBusMessage notificationCall(const QString &method)
{
    return QDBusMessage::createMethodCall(QLatin1String(NotificationTrayBackend::kService), kPath, kInterface,
                                          method);
}

} // namespace

NotificationTrayBackend::NotificationTrayBackend(TrayBackend &iconTray, const QDBusConnection &bus, QObject *parent)
    : QObject(parent), m_iconTray(iconTray), m_bus(bus)
{
    m_iconTray.setListener(this);
    const QString service = QLatin1String(kService);
    m_bus.connect(service, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                  SLOT(onClosed(uint, uint)));
    m_bus.connect(service, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                  SLOT(onActionInvoked(uint, QString)));
    m_bus.connect(service, kPath, kInterface, QStringLiteral("ActivationToken"), this,
                  SLOT(onActivationToken(uint, QString)));
    askAboutService();
    askServerInformation();
}

NotificationTrayBackend::~NotificationTrayBackend()
{
    m_iconTray.setListener(nullptr);
}

void NotificationTrayBackend::askAboutService()
{
    if (!m_bus.isConnected())
        return;
    const QString service = QLatin1String(kService);
    // Watched before the questions go, so no change falls between the two.
    m_serviceWatcher.setConnection(m_bus);
    m_serviceWatcher.addWatchedService(service);
    connect(&m_serviceWatcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString &, const QString &, const QString &newOwner) {
                serverOwnerChanged(!newOwner.isEmpty());
            });
    m_unanswered = 2;
    askBus(m_bus, QStringLiteral("NameHasOwner"), {service}, this, [this](const QDBusMessage &reply) {
        m_serverRunning = reply.arguments().value(0).toBool();
        answered();
    });
    askBus(m_bus, QStringLiteral("ListActivatableNames"), {}, this, [this, service](const QDBusMessage &reply) {
        m_serverActivatable = reply.arguments().value(0).toStringList().contains(service);
        answered();
    });
}

void NotificationTrayBackend::answered()
{
    if (--m_unanswered > 0 || !m_held)
        return;
    const Balloon balloon = *std::exchange(m_held, std::nullopt);
    showBalloon(balloon.title, balloon.text, balloon.timeoutMs, balloon.link);
}

void NotificationTrayBackend::serverOwnerChanged(bool running)
{
    m_serverRunning = running;
    if (running) {
        // Another server may have taken the place of the one asked before.
        m_serverKnown = false;
        askServerInformation();
    }
}

QString NotificationTrayBackend::escapedBody(const QString &text)
{
    QString body;
    body.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'&')
            body += QLatin1String("&amp;");
        else if (c == u'<')
            body += QLatin1String("&lt;");
        else if (c == u'>')
            body += QLatin1String("&gt;");
        else if (c != u'\r') // a line break is LF alone there
            body += c;
    }
    return body;
}

void NotificationTrayBackend::showBalloon(const QString &title, const QString &text, qint32 timeoutMs,
                                          const QUrl &link)
{
    if (m_unanswered > 0) {
        m_held = Balloon{title, text, timeoutMs, link};
        return;
    }
    m_notifying = serverAvailable();
    if (!m_notifying) {
        m_iconTray.showBalloon(title, text, timeoutMs, link);
        return;
    }
    if (!m_serverKnown)
        askServerInformation();
    QStringList actions;
    if (!m_shellOpensApp)
        actions << kDefaultAction << QCoreApplication::translate("Tidewick", "Show");
    if (!link.isEmpty())
        actions << kOpenAction << QCoreApplication::translate("Tidewick", "Open");
    // A new balloon takes the place of one still on the screen, as in a tray:
    // a click on what the user sees is always the latest balloon's.
    const uint replaced = std::exchange(m_current, 0);
    m_closeWhenKnown = false;
    const quint64 request = ++m_request;
    QDBusMessage call = notificationCall(QStringLiteral("Notify"));
    call << QStringLiteral("Tidewick") << replaced << kApplicationId << title << escapedBody(text) << actions
         << QVariantMap{{QStringLiteral("desktop-entry"), kApplicationId}} << qint32(timeoutMs > 0 ? timeoutMs : -1);
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [=, this] {
        watcher->deleteLater();
        if (request != m_request)
            return;
        const QDBusPendingReply<uint> reply = *watcher;
        if (reply.isError()) {
            // The server went away between the look and the call, or the
            // bus could not start it: the tray shows the balloon, unless its
            // time is already over. A server that could not be started is
            // not tried again until one turns up.
            m_notifying = false;
            if (!m_serverRunning)
                m_serverActivatable = false;
            if (!m_closeWhenKnown)
                m_iconTray.showBalloon(title, text, timeoutMs, link);
            return;
        }
        m_current = reply.value();
        if (m_closeWhenKnown)
            closeNotification(m_current);
    });
}

void NotificationTrayBackend::askServerInformation()
{
    if (m_askingServer)
        return;
    m_askingServer = true;
    const QDBusMessage call = notificationCall(QStringLiteral("GetServerInformation"));
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [=, this] {
        watcher->deleteLater();
        m_askingServer = false;
        const QDBusPendingReply<QString, QString, QString, QString> reply = *watcher;
        if (reply.isError())
            return;
        m_serverKnown = true;
        m_shellOpensApp = reply.argumentAt<0>() == QLatin1String("gnome-shell")
            && reply.argumentAt<2>().section(u'.', 0, 0).toInt() < kGnomeShellWithTokens;
    });
}

void NotificationTrayBackend::hideBalloon()
{
    if (m_held) {
        m_held.reset();
        return;
    }
    if (!m_notifying) {
        m_iconTray.hideBalloon();
        return;
    }
    if (m_current == 0)
        m_closeWhenKnown = true;
    else
        closeNotification(m_current);
}

void NotificationTrayBackend::closeNotification(uint id)
{
    m_bus.asyncCall(notificationCall(QStringLiteral("CloseNotification")) << id);
}

void NotificationTrayBackend::deleteIcon()
{
    m_iconTray.deleteIcon();
}

void NotificationTrayBackend::onClosed(uint id, uint reason)
{
    if (!m_notifying || id == 0 || id != m_current)
        return;
    m_current = 0;
    report(reason == kExpired ? TrayEvent::BalloonTimedOut : TrayEvent::BalloonHidden);
}

void NotificationTrayBackend::onActivationToken(uint id, const QString &token)
{
    // Sent just before the action the user took.
    if (id != 0 && id == m_current)
        m_activationToken = token;
}

void NotificationTrayBackend::onActionInvoked(uint id, const QString &action)
{
    if (!m_notifying || id == 0 || id != m_current)
        return;
    const bool show = action == kDefaultAction;
    if (!show && action != kOpenAction)
        return;
    closeNotification(id);
    report(show ? TrayEvent::BalloonClicked : TrayEvent::BalloonLinkClicked, std::exchange(m_activationToken, {}));
}

} // namespace tidewick
