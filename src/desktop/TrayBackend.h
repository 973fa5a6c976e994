#pragma once

#include <QIcon>
#include <QString>
#include <QUrl>
#include <QtGlobal>

namespace tidewick {

// What the tray reports about the icon and its balloon: a click ends with its
// button's "up", and a backend reports those its platform can tell and never
// the others.
enum class TrayEvent {
    LeftUp,
    LeftDoubleClick,
    RightUp,
    MiddleUp,
    BalloonHidden,      // taken away for any reason but its time or a click
    BalloonTimedOut,
    BalloonClicked,
    BalloonLinkClicked, // its "Open": the user wants the link it offered
    // The icon's own menu, where the tray shows one (StatusNotifier trays).
    MenuOpened,
    MenuShowChosen,
    MenuTestFetchChosen,
    MenuQuitChosen,
    // What trayAvailable() says may have changed: a tray came or went.
    AvailabilityChanged,
};

// The platform's notification area, reduced to the requests the tray control
// makes. Requests report nothing back: a request that the platform cannot
// carry out (no tray, icon not added) is dropped without notice. The tip
// arrives already cut to the length the control allows, a balloon's text
// whole: a backend whose balloon holds less shortens it itself. An empty tip
// means "no tip" and a null icon "no picture".
//
// Events reach the one listener synchronously, from within the event loop. A
// click may come with the desktop's activation token, which lets the window
// that the click shows take the focus (Wayland's xdg-activation, X11's
// startup id); it is empty when none came.
class TrayBackend {
public:
    class Listener {
    public:
        virtual void trayEvent(TrayEvent event, const QString &activationToken) = 0;

    protected:
        ~Listener() = default;
    };

    virtual ~TrayBackend() = default;

    // At most one listener; nullptr detaches it.
    void setListener(Listener *listener) { m_listener = listener; }

    virtual void addIcon(const QString &tip, const QIcon &icon) = 0;
    virtual void modifyTip(const QString &tip) = 0;
    virtual void modifyIcon(const QIcon &icon) = 0;
    // timeoutMs 0: the platform's own default time. A balloon that can carry
    // actions offers to open `link` ("Open", reported as BalloonLinkClicked);
    // an empty link, no such action.
    virtual void showBalloon(const QString &title, const QString &text, qint32 timeoutMs, const QUrl &link) = 0;
    // Takes the balloon away if one is up.
    virtual void hideBalloon() = 0;
    virtual void deleteIcon() = 0;
    // Whether the desktop has a tray to show the icon in right now (GNOME
    // and many Wayland sessions have none, and a panel may crash).
    virtual bool trayAvailable() const = 0;

protected:
    void report(TrayEvent event, const QString &activationToken = QString())
    {
        if (m_listener)
            m_listener->trayEvent(event, activationToken);
    }

private:
    Listener *m_listener = nullptr;
};

} // namespace tidewick
