#include "desktop/QtTrayBackend.h"

#include <QAction>
#include <QApplication>
#include <QWidget>
#include <algorithm>

namespace tidewick {

namespace {

// Qt's balloon time when the control asks for the platform's default.
constexpr int kDefaultBalloonMs = 10000;
// How long a balloon waits for the tray to dock a new icon.
constexpr qint64 kLongestDockWaitMs = 2000;

// Qt draws the balloon itself on an XEmbed tray, as a top-level widget of
// this private class.
bool qtBalloonIsUp()
{
    const auto windows = QApplication::topLevelWidgets();
    return std::any_of(windows.cbegin(), windows.cend(),
                       [](const QWidget *window) { return window->isVisible() && window->inherits("QBalloonTip"); });
}

} // namespace

QtTrayBackend::QtTrayBackend(QObject *parent) : QObject(parent)
{
    // The same entries as the menu a StatusNotifier tray shows.
    const auto entry = [this](const QString &caption, TrayEvent event) {
        connect(m_menu.addAction(caption), &QAction::triggered, this, [this, event] { report(event); });
    };
    entry(QCoreApplication::translate("Tidewick", "Show Tidewick"), TrayEvent::MenuShowChosen);
    entry(QCoreApplication::translate("Tidewick", "News Fetch Now (Test)"), TrayEvent::MenuTestFetchChosen);
    m_menu.addSeparator();
    entry(QCoreApplication::translate("Tidewick", "Quit"), TrayEvent::MenuQuitChosen);
    connect(&m_menu, &QMenu::aboutToShow, this, [this] { report(TrayEvent::MenuOpened); });
    m_icon.setContextMenu(&m_menu);
    connect(&m_trayWatch, &XEmbedTrayWatch::changed, this, [this] { report(TrayEvent::AvailabilityChanged); });
    connect(&m_icon, &QSystemTrayIcon::activated, this, &QtTrayBackend::onActivated);
    connect(&m_icon, &QSystemTrayIcon::messageClicked, this, [this] { report(TrayEvent::BalloonClicked); });
    m_dockWatch.setInterval(50);
    connect(&m_dockWatch, &QTimer::timeout, this, &QtTrayBackend::showPendingBalloon);
}

QtTrayBackend::~QtTrayBackend()
{
    setListener(nullptr);
    m_icon.hide();
}

void QtTrayBackend::addIcon(const QString &tip, const QIcon &icon)
{
    m_icon.setToolTip(tip);
    if (!icon.isNull())
        m_icon.setIcon(icon);
    m_icon.show();
}

void QtTrayBackend::modifyTip(const QString &tip)
{
    m_icon.setToolTip(tip);
}

void QtTrayBackend::modifyIcon(const QIcon &icon)
{
    m_icon.setIcon(icon);
}

QString QtTrayBackend::balloonText(const QString &text)
{
    if (text.size() <= kBalloonTextLength)
        return text;
    const qsizetype room = kBalloonTextLength - 1; // one for the ellipsis
    qsizetype end = room;
    while (end > 0 && !text.at(end).isSpace())
        --end;
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    if (end == 0) {
        end = room;
        if (text.at(end - 1).isHighSurrogate())
            --end;
    }
    return text.left(end) + QChar(u'\u2026');
}

void QtTrayBackend::showBalloon(const QString &title, const QString &text, qint32 timeoutMs, const QUrl &)
{
    m_pending = Balloon{title, balloonText(text), timeoutMs > 0 ? timeoutMs : kDefaultBalloonMs};
    m_pendingSince.start();
    showPendingBalloon();
}

void QtTrayBackend::showPendingBalloon()
{
    if (!m_pending)
        return;
    // Until the tray has taken the icon in, Qt reports it at the screen's
    // corner (a tray really placed there only costs the longest wait).
    const QRect place = m_icon.geometry();
    const bool docked = !place.isEmpty() && place.topLeft() != QPoint(0, 0);
    if (!docked && QSystemTrayIcon::isSystemTrayAvailable() && m_pendingSince.elapsed() < kLongestDockWaitMs) {
        m_dockWatch.start();
        return;
    }
    m_dockWatch.stop();
    // Without a tray Qt drops the message.
    m_icon.showMessage(m_pending->title, m_pending->text, QSystemTrayIcon::NoIcon, m_pending->timeoutMs);
    m_pending.reset();
}

void QtTrayBackend::hideBalloon()
{
    if (m_pending) {
        m_pending.reset();
        m_dockWatch.stop();
        return;
    }
    // A message with neither title nor text takes Qt's own balloon away. A
    // desktop notification (StatusNotifier tray) cannot be withdrawn through
    // Qt, and there an empty message would post an empty notification, so it
    // is sent only while Qt's balloon is up; a notification goes when the
    // notification server's time runs out.
    if (qtBalloonIsUp())
        m_icon.showMessage(QString(), QString(), QSystemTrayIcon::NoIcon, 0);
}

void QtTrayBackend::deleteIcon()
{
    m_pending.reset();
    m_dockWatch.stop();
    m_icon.hide();
}

void QtTrayBackend::onActivated(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        report(TrayEvent::LeftUp);
        break;
    case QSystemTrayIcon::Context: // the menu opens, and says so
        break;
    case QSystemTrayIcon::DoubleClick:
        // The second click of a double click ends with the button up too:
        // two quick clicks (restore, minimise, restore) each count.
        report(TrayEvent::LeftDoubleClick);
        report(TrayEvent::LeftUp);
        break;
    case QSystemTrayIcon::MiddleClick:
        report(TrayEvent::MiddleUp);
        break;
    case QSystemTrayIcon::Unknown:
        break;
    }
}

} // namespace tidewick
