#pragma once

#include "core/ArticleAnnouncer.h"
#include "desktop/TrayBackend.h"

#include <QIcon>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <QUrl>

namespace tidewick {

class Clock;

// The program's icon in the notification area: adds and removes it, keeps its
// tip and picture, turns the tray's reports into clicks and shows
// balloons that it can wait for.
//
// Texts go to the tray in fixed-width fields: the tip holds at most
// kTipLength characters and a balloon's title kBalloonTitleLength. A longer
// text is cut to exactly that many UTF-16 units (one fewer when the cut would
// split a surrogate pair); every text, a balloon's too, is also read only up
// to a NUL character, as the fields are. A balloon's text goes whole: a
// desktop notification shows it all, and a tray balloon that holds less
// shortens it (QtTrayBackend). The properties keep the whole text that was
// given.
//
// A click on the icon is told as clicked, with 1 for the left and 2 for the
// right button; which clicks a tray can deliver depends on the backend (see
// QtTrayBackend). A click on a balloon, or its "Show", is told as
// balloonClicked, its "Open" as balloonLinkClicked.
class TrayIcon : public QObject, public ArticleAnnouncer, private TrayBackend::Listener {
    Q_OBJECT
    Q_PROPERTY(bool inTray READ inTray WRITE setInTray NOTIFY inTrayChanged)
    Q_PROPERTY(QString tip READ tip WRITE setTip NOTIFY tipChanged)
    Q_PROPERTY(QIcon icon READ icon WRITE setIcon NOTIFY iconChanged)

public:
    static constexpr qsizetype kTipLength = 128;
    static constexpr qsizetype kBalloonTitleLength = 64;

    // Starts out of the tray, without a tip and with the program's tray
    // icon. Both backend and clock must outlive the control.
    TrayIcon(TrayBackend &backend, Clock &clock, QObject *parent = nullptr);
    // Takes the icon out of the tray if it is there.
    ~TrayIcon() override;

    bool inTray() const { return m_inTray; }
    // Adds the icon with the current tip and picture, or removes it. Setting
    // the current value again does nothing at all.
    void setInTray(bool in);

    QString tip() const { return m_tip; }
    // Updates the icon's tip at once while it is in the tray; otherwise the
    // tip is kept for the next add. An empty tip gives an icon without tip.
    void setTip(const QString &tip);

    // Whether the icon can be seen at all: without a tray there is nothing
    // to click, so the window must not hide.
    bool trayAvailable() const { return m_backend.trayAvailable(); }
    // Whether the desktop's tray opens the icon's menu on a single left
    // click, where other trays report the click: GNOME's AppIndicator
    // extension, which reports only a double click.
    static bool menuOpensOnLeftClick();

    QIcon icon() const { return m_icon; }
    // A null icon is ignored and the old one stays.
    void setIcon(const QIcon &icon);

    // Shows a balloon above the icon with `text` and `title`, and returns at
    // once. With `seconds` > 0 the balloon is seen once it is clicked or
    // closed or that many seconds have passed, and in the last case the
    // control takes it away; `seen` then runs. With `seconds` <= 0 the
    // balloon is left to the tray and `seen` follows at once. With
    // `onceARun`, only the first such call of this control's life shows
    // anything. A balloon that can carry actions offers to open `link` (none
    // when empty). Throws AppError::overflow() before showing anything when
    // the seconds do not fit in 32-bit milliseconds.
    void showBalloon(const QString &text, const QString &title, qint32 seconds, bool onceARun = false,
                     const QUrl &link = QUrl(), std::function<void()> seen = {});
    // An article is announced as a balloon shown for `seconds` that offers
    // the article's link.
    void announce(const QString &text, const QString &title, qint32 seconds, std::function<void()> seen) override;

signals:
    void clicked(int button);
    // The user clicked the balloon (or its "Show"), or chose to open the
    // link that the latest balloon offered.
    void balloonClicked(const QString &activationToken);
    void balloonLinkClicked(const QUrl &link);
    // The icon's menu, where the tray shows one: opened, or an entry chosen.
    void menuOpened();
    void showChosen(const QString &activationToken);
    void testFetchChosen();
    void quitChosen();
    // A tray came or went (trayAvailable() may say otherwise now).
    void availabilityChanged();

    void inTrayChanged();
    void tipChanged();
    void iconChanged();

private:
    void trayEvent(TrayEvent event, const QString &activationToken) override;
    // A balloon wait ends: its time is up, or the tray told the end of every
    // balloon up.
    void timeUp(QObject *wait);
    void endWait(QObject *wait);
    void endEveryWait();

    TrayBackend &m_backend;
    Clock &m_clock;

    bool m_inTray = false;
    QString m_tip;
    QIcon m_icon;
    // Set by every balloon request, cleared when the tray reports the
    // balloon's end, which ends every wait.
    bool m_balloonShowing = false;
    QUrl m_balloonLink;
    struct Wait {
        QObject *timer; // owns the wait's timeout
        std::function<void()> seen;
    };
    QList<Wait> m_waits;
    qint32 m_onceCount = 0;
};

} // namespace tidewick
