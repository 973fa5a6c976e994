#pragma once

#include "desktop/TrayBackend.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QObject>

#include <optional>

namespace tidewick {

// Balloons as desktop notifications (org.freedesktop.Notifications), the way
// Linux desktops show them, with or without a tray; the icon stays with
// `iconTray`, which also shows the balloons while no notification service is
// on the session bus.
//
// A notification reports its end, so the balloon's events are all there:
//   closed, reason 1 (expired)                    -> BalloonTimedOut
//   closed, reason 2 (by the user) or 3 (by us)   -> BalloonHidden
//   closed, any other reason                      -> BalloonHidden
//   "default" action (a click on it, or "Show")  -> BalloonClicked
//     (not offered by GNOME Shell before 46, which opens the program itself)
//   "open" action ("Open", offered with a link)  -> BalloonLinkClicked
// Only the latest notification reports: the end of an earlier one (taken
// away after its time) must not cut the wait for the next one short. A
// notification the user acted on is closed here, as some servers leave it
// on screen. The body carries the whole text.
//
// Whether a server is there is known without asking at each balloon: the
// bus is asked once at the start (does a server own the name, does the bus
// start one on demand) and reports the name's owner coming and going
// afterwards. A balloon asked for before the first answers waits for them.
class NotificationTrayBackend final : public QObject, public TrayBackend, private TrayBackend::Listener {
    Q_OBJECT

public:
    static constexpr const char *kService = "org.freedesktop.Notifications";

    NotificationTrayBackend(TrayBackend &iconTray, const QDBusConnection &bus, QObject *parent = nullptr);
    ~NotificationTrayBackend() override;

    void addIcon(const QString &tip, const QIcon &icon) override { m_iconTray.addIcon(tip, icon); }
    void modifyTip(const QString &tip) override { m_iconTray.modifyTip(tip); }
    void modifyIcon(const QIcon &icon) override { m_iconTray.modifyIcon(icon); }
    void showBalloon(const QString &title, const QString &text, qint32 timeoutMs, const QUrl &link) override;
    void hideBalloon() override;
    void deleteIcon() override;
    bool trayAvailable() const override { return m_iconTray.trayAvailable(); }

    // The body as a server that reads markup shows it literally.
    static QString escapedBody(const QString &text);
    // Whether notifications go without a "default" action, for the shell to
    // open the program on a click (GNOME Shell before it passed tokens).
    bool shellOpensApp() const { return m_shellOpensApp; }
    // Whether balloons go to a notification server now: one owns the
    // service's name, or the bus starts one on demand.
    bool serverAvailable() const { return m_serverRunning || m_serverActivatable; }

private slots:
    void onClosed(uint id, uint reason);
    void onActionInvoked(uint id, const QString &action);
    void onActivationToken(uint id, const QString &token);

private:
    void trayEvent(TrayEvent event, const QString &activationToken) override { report(event, activationToken); }
    void askAboutService();
    void serverOwnerChanged(bool running);
    void answered();
    void closeNotification(uint id);
    void askServerInformation();

    TrayBackend &m_iconTray;
    QDBusConnection m_bus;
    QDBusServiceWatcher m_serviceWatcher;
    bool m_serverRunning = false;
    bool m_serverActivatable = false;
    // The questions to the bus still unanswered, and the balloon that waits
    // for their answers.
    int m_unanswered = 0;
    struct Balloon {
        QString title;
        QString text;
        qint32 timeoutMs;
        QUrl link;
    };
    std::optional<Balloon> m_held;
    // Where the current balloon went; its id is 0 until the server answers.
    bool m_notifying = false;
    uint m_current = 0;
    QString m_activationToken;
    // What the server said of itself, asked once it is there.
    bool m_askingServer = false;
    bool m_serverKnown = false;
    bool m_shellOpensApp = false;
    // A hide asked for before the server told the id.
    bool m_closeWhenKnown = false;
    // Counts Notify requests, so a late answer to an older one is not taken
    // for the current notification.
    quint64 m_request = 0;
};

} // namespace tidewick
