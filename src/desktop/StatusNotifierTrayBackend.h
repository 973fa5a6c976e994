#pragma once

#include "desktop/StatusNotifierMenu.h"
#include "desktop/TrayBackend.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QDBusServiceWatcher>
#include <QObject>

namespace tidewick {

// The picture of a StatusNotifierItem: ARGB32 pixels in network byte order.
struct StatusNotifierPixmap {
    int width = 0;
    int height = 0;
    QByteArray pixels;
};
using StatusNotifierPixmaps = QList<StatusNotifierPixmap>;
struct StatusNotifierToolTip {
    QString iconName;
    StatusNotifierPixmaps pixmaps;
    QString title;
    QString text;
};

// The icon as a StatusNotifierItem of the program's own whenever a
// StatusNotifier watcher is on the session bus, and in `iconTray` (the XEmbed
// tray) while none is. Qt decides once, when the program starts, whether its
// tray icon is such an item, so a panel started later (at log-on the panel
// and the programs start together) would never show Qt's; this one
// registers whenever a watcher appears and goes back to `iconTray` when it
// leaves. Where the watcher is comes from the bus's own word (one question
// at the start, then its reports of the name's owner), never from a question
// that waits for its answer. It also takes the activation token that a panel
// hands over before a click, without which Wayland will not bring the window
// back.
//
// Clicks: Activate -> LeftUp, ContextMenu -> RightUp, SecondaryActivate ->
// MiddleUp. The item also offers a small menu (StatusNotifierMenu), which
// panels show on the right button instead of calling ContextMenu; GNOME's
// AppIndicator extension calls Activate only for a double click and opens
// the menu on a single one, so the menu's opening is reported too.
// Balloons are `iconTray`'s (desktop notifications carry them where a
// StatusNotifier tray runs).
class StatusNotifierTrayBackend final : public QObject, public TrayBackend, private TrayBackend::Listener {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QString IconName READ iconName)
    Q_PROPERTY(tidewick::StatusNotifierPixmaps IconPixmap READ iconPixmap)
    Q_PROPERTY(tidewick::StatusNotifierToolTip ToolTip READ toolTip)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)

public:
    static constexpr const char *kWatcher = "org.kde.StatusNotifierWatcher";

    StatusNotifierTrayBackend(TrayBackend &iconTray, const QDBusConnection &bus, QObject *parent = nullptr);
    ~StatusNotifierTrayBackend() override;

    void addIcon(const QString &tip, const QIcon &icon) override;
    void modifyTip(const QString &tip) override;
    void modifyIcon(const QIcon &icon) override;
    void showBalloon(const QString &title, const QString &text, qint32 timeoutMs, const QUrl &link) override
    {
        m_iconTray.showBalloon(title, text, timeoutMs, link);
    }
    void hideBalloon() override { m_iconTray.hideBalloon(); }
    void deleteIcon() override;
    bool trayAvailable() const override;

    // Whether the icon is a StatusNotifierItem right now.
    bool registered() const { return m_registered; }

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const;
    QString title() const { return m_tip; }
    QString status() const { return QStringLiteral("Active"); }
    QString iconName() const { return QString(); }
    StatusNotifierPixmaps iconPixmap() const { return m_pixmaps; }
    StatusNotifierToolTip toolTip() const { return {QString(), {}, m_tip, QString()}; }
    bool itemIsMenu() const { return false; }
    QDBusObjectPath menu() const { return QDBusObjectPath(QLatin1String(StatusNotifierMenu::kPath)); }

public slots:
    Q_SCRIPTABLE void Activate(int x, int y);
    Q_SCRIPTABLE void SecondaryActivate(int x, int y);
    Q_SCRIPTABLE void ContextMenu(int x, int y);
    Q_SCRIPTABLE void Scroll(int delta, const QString &orientation);
    Q_SCRIPTABLE void ProvideXdgActivationToken(const QString &token);

private slots:
    // Whether a panel shows the watcher's items, asked again whenever the
    // watcher reports a host coming or going.
    void askForHost();

signals:
    Q_SCRIPTABLE void NewTitle();
    Q_SCRIPTABLE void NewIcon();
    Q_SCRIPTABLE void NewToolTip();
    Q_SCRIPTABLE void NewStatus(const QString &status);

private:
    void trayEvent(TrayEvent event, const QString &activationToken) override { report(event, activationToken); }
    // Moves the shown icon to wherever it belongs now.
    void placeIcon();
    void registerItem();
    void unregisterItem();

    TrayBackend &m_iconTray;
    QDBusConnection m_bus;
    QDBusServiceWatcher m_watcher;
    QString m_serviceName;
    QString m_tip;
    QString m_activationToken; // handed over by the panel before a click
    QIcon m_icon;
    StatusNotifierPixmaps m_pixmaps;
    // Whether a watcher owns its name, as the bus said at the start and
    // reports since; the icon is placed once that is known.
    bool m_watcherKnown = false;
    bool m_watcherPresent = false;
    bool m_shown = false;
    bool m_registered = false;
    bool m_hostRegistered = false;
    bool m_inIconTray = false;
    StatusNotifierMenu m_menu;
};

} // namespace tidewick

Q_DECLARE_METATYPE(tidewick::StatusNotifierPixmap)
Q_DECLARE_METATYPE(tidewick::StatusNotifierToolTip)
