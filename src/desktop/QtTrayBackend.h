#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <optional>

#include "desktop/TrayBackend.h"
#include "desktop/XEmbedTrayWatch.h"

#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>

namespace tidewick {

// The tray through Qt's QSystemTrayIcon: an XEmbed tray icon with Qt's own
// balloon on X11, or a StatusNotifier item with desktop notifications when a
// StatusNotifier host is on the session bus.
//
// Events: Qt reports one activation per click, not presses and releases, so
//   left click (Trigger)       -> LeftUp
//   right click (Context)      -> the icon's menu, MenuOpened
//   double click (DoubleClick) -> LeftDoubleClick
//   middle click               -> MiddleUp, which the control ignores
//   balloon clicked            -> BalloonClicked
// Qt on X11 reports a double click as Trigger then DoubleClick, so a double
// click also gives LeftUp first; and it reports a click on the icon while a
// balloon is up as a balloon click too. Qt cannot tell a balloon that closed
// by itself or by its close button, so BalloonHidden and BalloonTimedOut are
// never reported; the control then ends a balloon wait by its own timer and
// takes the balloon away. Qt's balloon has no buttons, so it offers no link.
class QtTrayBackend final : public QObject, public TrayBackend {
    Q_OBJECT

public:
    explicit QtTrayBackend(QObject *parent = nullptr);
    ~QtTrayBackend() override;

    void addIcon(const QString &tip, const QIcon &icon) override;
    void modifyTip(const QString &tip) override;
    void modifyIcon(const QIcon &icon) override;
    void showBalloon(const QString &title, const QString &text, qint32 timeoutMs, const QUrl &link) override;
    void hideBalloon() override;
    void deleteIcon() override;
    bool trayAvailable() const override { return QSystemTrayIcon::isSystemTrayAvailable(); }

    // Qt's icon itself, for tests and diagnostics.
    QSystemTrayIcon &systemTrayIcon() { return m_icon; }

    // The most a balloon shows of a text: the length a tray balloon has
    // always held, as Qt's would grow with a long article.
    static constexpr qsizetype kBalloonTextLength = 256;
    // A longer text cut at its last blank within that length (within the
    // word when there is none), with an ellipsis.
    static QString balloonText(const QString &text);

private:
    void onActivated(QSystemTrayIcon::ActivationReason reason);
    void showPendingBalloon();

    // A balloon asked for before the tray has docked the icon waits for it,
    // or Qt would place the balloon in a corner of the screen.
    struct Balloon {
        QString title;
        QString text;
        int timeoutMs = 0;
    };
    std::optional<Balloon> m_pending;
    QTimer m_dockWatch;
    QElapsedTimer m_pendingSince;

    QMenu m_menu;
    XEmbedTrayWatch m_trayWatch;
    // Shown while no tray runs (a session that starts the program before its
    // panel), the icon docks by itself once a tray appears.
    QSystemTrayIcon m_icon;
};

} // namespace tidewick
