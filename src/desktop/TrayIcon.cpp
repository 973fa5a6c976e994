#include "desktop/TrayIcon.h"

#include "core/AppError.h"
#include "core/ArticleLink.h"
#include "core/Clock.h"
#include "desktop/WindowActivation.h"
#include "resources/Icons.h"

#include <QPointer>
#include <limits>

namespace tidewick {

namespace {

// A text as the tray's fields read it: up to the first NUL.
QString upToNul(const QString &text)
{
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}

// A text as a fixed-width field of `length` characters holds it: read up to
// the first NUL, and cut to the field's length without leaving half of a
// surrogate pair at the end.
QString fieldText(const QString &text, qsizetype length)
{
    QString result = upToNul(text);
    if (result.size() > length) {
        result.truncate(length);
        if (result.back().isHighSurrogate())
            result.chop(1);
    }
    return result;
}

} // namespace

TrayIcon::TrayIcon(TrayBackend &backend, Clock &clock, QObject *parent)
    : QObject(parent),
      m_backend(backend),
      m_clock(clock),
      m_tip(QStringLiteral("Telnet Server") + QChar(u'\0')),
      m_icon(trayIconPicture())
{
    m_backend.setListener(this);
}

TrayIcon::~TrayIcon()
{
    if (m_inTray)
        setInTray(false);
    m_backend.setListener(nullptr);
}

void TrayIcon::setInTray(bool Show)
{
    if (Show == m_inTray)
        return;
    if (Show) {
        // There is no design host here, so the program is always running and
        // the icon is always added.
        m_backend.addIcon(fieldText(m_tip, kTipLength), m_icon);
        m_iconAdded = true;
    } else if (m_iconAdded) {
        m_backend.deleteIcon();
        m_iconAdded = false;
    }
    m_inTray = Show;
    emit inTrayChanged();
}

void TrayIcon::setTip(const QString &Tip)
{
    if (m_iconAdded)
        m_backend.modifyTip(fieldText(Tip, kTipLength));
    m_tip = Tip;
    emit tipChanged();
}

void TrayIcon::setIcon(const QIcon &Icon)
{
    if (Icon.isNull())
        return;
    if (m_iconAdded)
        m_backend.modifyIcon(Icon);
    m_icon = Icon;
    emit iconChanged();
}

void TrayIcon::announce(const QString &text, const QString &title, qint32 seconds)
{
    showBalloon(text, title, seconds, false, articleLink(upToNul(text)));
}

void TrayIcon::showBalloon(const QString &Tip, const QString &sTitle, qint32 ShowTimer, bool ShowOnce,
                           const QUrl &link)
{
    if (ShowOnce && m_onceCount >= 1)
        return;

    qint32 timeoutMs = 0;
    if (ShowTimer > 0) {
        const qint64 ms = qint64(ShowTimer) * 1000;
        if (ms > std::numeric_limits<qint32>::max())
            throw AppError::overflow();
        timeoutMs = qint32(ms);
    }

    m_balloonLink = link;
    m_backend.showBalloon(fieldText(sTitle, kBalloonTitleLength), upToNul(Tip), timeoutMs, link);
    m_balloonShowing = true;
    if (ShowOnce)
        ++m_onceCount;

    if (ShowTimer <= 0)
        return;

    // Elapsed time, not the time of day, so a wait across midnight or a clock
    // change still lasts ShowTimer seconds. Handlers that run during the wait
    // may clear the flag (the balloon's end) or even destroy this control.
    // Nothing of this control is touched once it is gone.
    QPointer<TrayIcon> alive(this);
    const auto balloonGone = [alive] { return !alive || !alive->m_balloonShowing; };
    Clock &clock = m_clock;
    const qint64 start = clock.monotonicMs();
    for (;;) {
        if (balloonGone())
            break;
        const qint64 left = timeoutMs - (clock.monotonicMs() - start);
        if (left <= 0)
            break;
        clock.pumpFor(left, balloonGone);
    }
    if (!alive)
        return;

    // The time ran out with the balloon still up. The flag stays set until the
    // tray reports the balloon's end.
    if (m_balloonShowing)
        m_backend.hideBalloon();
}

void TrayIcon::trayEvent(TrayEvent event, const QString &activationToken)
{
    constexpr int kLeft = 1;
    constexpr int kRight = 2;
    switch (event) {
    case TrayEvent::MouseMove:
        emit mouseMove(m_iconId);
        break;
    case TrayEvent::LeftDown:
        emit mouseDown(kLeft, m_iconId);
        break;
    case TrayEvent::LeftUp:
        // The window that the click shows comes to the front with it.
        adoptActivationToken(activationToken);
        emit mouseUp(kLeft, m_iconId);
        break;
    case TrayEvent::LeftDoubleClick:
        emit mouseDoubleClick(kLeft, m_iconId);
        break;
    case TrayEvent::RightDown:
        emit mouseDown(kRight, m_iconId);
        break;
    case TrayEvent::RightUp:
        emit mouseUp(kRight, m_iconId);
        break;
    case TrayEvent::RightDoubleClick:
        emit mouseDoubleClick(kRight, m_iconId);
        break;
    case TrayEvent::BalloonHidden:
    case TrayEvent::BalloonTimedOut:
        m_balloonShowing = false;
        break;
    case TrayEvent::BalloonClicked:
        m_balloonShowing = false;
        emit balloonClicked(activationToken);
        break;
    case TrayEvent::BalloonLinkClicked:
        m_balloonShowing = false;
        if (!m_balloonLink.isEmpty())
            emit balloonLinkClicked(m_balloonLink);
        break;
    case TrayEvent::MiddleDown:
    case TrayEvent::MiddleUp:
    case TrayEvent::MiddleDoubleClick:
    case TrayEvent::BalloonShown:
        break;
    }
}

} // namespace tidewick
