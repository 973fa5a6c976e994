#include "desktop/TrayIcon.h"

#include "core/AppError.h"
#include "core/ArticleLink.h"
#include "core/Clock.h"
#include "desktop/WindowActivation.h"
#include "resources/Icons.h"

#include <QTimer>

#include <algorithm>
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

void TrayIcon::setInTray(bool in)
{
    if (in == m_inTray)
        return;
    if (in)
        m_backend.addIcon(fieldText(m_tip, kTipLength), m_icon);
    else
        m_backend.deleteIcon();
    m_inTray = in;
    emit inTrayChanged();
}

void TrayIcon::setTip(const QString &tip)
{
    if (m_inTray)
        m_backend.modifyTip(fieldText(tip, kTipLength));
    m_tip = tip;
    emit tipChanged();
}

void TrayIcon::setIcon(const QIcon &icon)
{
    if (icon.isNull())
        return;
    if (m_inTray)
        m_backend.modifyIcon(icon);
    m_icon = icon;
    emit iconChanged();
}

bool TrayIcon::menuOpensOnLeftClick()
{
    return qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':').contains(QStringLiteral("GNOME"));
}

void TrayIcon::announce(const QString &text, const QString &title, qint32 seconds, std::function<void()> seen)
{
    showBalloon(text, title, seconds, false, articleLink(upToNul(text)), std::move(seen));
}

void TrayIcon::showBalloon(const QString &text, const QString &title, qint32 seconds, bool onceARun,
                           const QUrl &link, std::function<void()> seen)
{
    if (onceARun && m_onceCount >= 1)
        return;

    qint32 timeoutMs = 0;
    if (seconds > 0) {
        const qint64 ms = qint64(seconds) * 1000;
        if (ms > std::numeric_limits<qint32>::max())
            throw AppError::overflow();
        timeoutMs = qint32(ms);
    }

    m_balloonLink = link;
    m_backend.showBalloon(fieldText(title, kBalloonTitleLength), upToNul(text), timeoutMs, link);
    m_balloonShowing = true;
    if (onceARun)
        ++m_onceCount;

    // Elapsed time, not the time of day, so a wait across midnight or a clock
    // change still lasts its seconds.
    auto *timer = new QObject(this);
    m_waits.append({timer, std::move(seen)});
    if (seconds <= 0)
        QTimer::singleShot(0, timer, [this, timer] { endWait(timer); });
    else
        m_clock.callAfter(timeoutMs, timer, [this, timer] { timeUp(timer); });
}

// The time ran out with the balloon still up: it is taken away. The flag
// stays set until the tray reports the balloon's end.
void TrayIcon::timeUp(QObject *wait)
{
    if (m_balloonShowing)
        m_backend.hideBalloon();
    endWait(wait);
}

void TrayIcon::endEveryWait()
{
    m_balloonShowing = false;
    while (!m_waits.isEmpty())
        endWait(m_waits.constFirst().timer);
}

void TrayIcon::endWait(QObject *wait)
{
    const auto found = std::find_if(m_waits.begin(), m_waits.end(), [wait](const Wait &w) { return w.timer == wait; });
    if (found == m_waits.end())
        return;
    const std::function<void()> seen = std::move(found->seen);
    m_waits.erase(found);
    delete wait;
    if (seen)
        seen();
}

void TrayIcon::trayEvent(TrayEvent event, const QString &activationToken)
{
    constexpr int kLeft = 1;
    constexpr int kRight = 2;
    switch (event) {
    case TrayEvent::LeftUp:
        // The window that the click shows comes to the front with it.
        adoptActivationToken(activationToken);
        emit clicked(kLeft);
        break;
    case TrayEvent::RightUp:
        emit clicked(kRight);
        break;
    case TrayEvent::BalloonHidden:
    case TrayEvent::BalloonTimedOut:
        endEveryWait();
        break;
    case TrayEvent::BalloonClicked:
        endEveryWait();
        emit balloonClicked(activationToken);
        break;
    case TrayEvent::BalloonLinkClicked:
        endEveryWait();
        if (!m_balloonLink.isEmpty())
            emit balloonLinkClicked(m_balloonLink);
        break;
    case TrayEvent::MenuOpened:
        emit menuOpened();
        break;
    case TrayEvent::MenuShowChosen:
        emit showChosen(activationToken);
        break;
    case TrayEvent::MenuTestFetchChosen:
        emit testFetchChosen();
        break;
    case TrayEvent::MenuQuitChosen:
        emit quitChosen();
        break;
    case TrayEvent::AvailabilityChanged:
        emit availabilityChanged();
        break;
    case TrayEvent::LeftDoubleClick: // its second click comes as LeftUp too
    case TrayEvent::MiddleUp:
        break;
    }
}

} // namespace tidewick
