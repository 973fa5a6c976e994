#include "app/MainWindow.h"

#include "app/HandlerStatements.h"
#include "schedule/NewsWatch.h"

#include "app/WindowWithdrawal.h"

#include "core/Clock.h"
#include "core/ProgramState.h"
#include "desktop/TrayIcon.h"
#include "desktop/WindowActivation.h"
#include "fetch/HelperTools.h"
#include "fetch/FetchRun.h"
#include "fetch/ProcessRunner.h"
#include "results/ListFileSave.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QTimer>

namespace tidewick {

namespace {
const QString kTrayTitle = QStringLiteral("Tidewick");
constexpr qint32 kTrayMessageSeconds = 5;
} // namespace

void MainWindow::connectTrayHandlers()
{
    connect(trayIcon, &TrayIcon::clicked, this, &MainWindow::onTrayIconClicked);
    m_withdrawal = new WindowWithdrawal(*this);
    // A click on an announcement shows the window; its "Open" opens the
    // article's link as the results list does.
    connect(trayIcon, &TrayIcon::balloonClicked, this, &MainWindow::bringToFront);
    connect(trayIcon, &TrayIcon::balloonLinkClicked, this, &MainWindow::openLink);
    // The icon's menu. GNOME's AppIndicator extension opens it on a single
    // left click, where other trays report the click: a window out of sight
    // comes back with the menu, as with a click anywhere else.
    connect(trayIcon, &TrayIcon::menuOpened, this, &MainWindow::bringBackForMenu);
    connect(trayIcon, &TrayIcon::showChosen, this, &MainWindow::onShowChosen);
    connect(trayIcon, &TrayIcon::testFetchChosen, &m_news->scheduler(), &FetchScheduler::testFetch);
    connect(trayIcon, &TrayIcon::quitChosen, this, &MainWindow::onCloseRequested);
    connect(trayIcon, &TrayIcon::availabilityChanged, this, &MainWindow::onTrayCameOrWent);
}

void MainWindow::placeTrayIcon(Trap &trap)
{
    trap(statements::load::kTrayTip, [&] { trayIcon->setTip(kTrayTitle); });
    trap(statements::load::kTrayIcon, [&] { trayIcon->setInTray(true); });
}

void MainWindow::showAfterLoad()
{
    if (!(windowState() & Qt::WindowMinimized)) {
        show();
        return;
    }
    // Without a tray the start goes to the task bar, where the user finds it.
    if (!trayIcon->trayAvailable()) {
        show();
        return;
    }
    // A start into the tray never hands the window to the window manager:
    // a native window made while the load set the state would be listed as
    // iconic (a task bar would offer an empty frame), and clearing the state
    // would map it. Without one, the state is only a value until the first
    // click on the tray icon shows the window.
    if (testAttribute(Qt::WA_WState_Created))
        destroy();
    onWindowStateChanged();
}

void MainWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Qt's own title bar on Wayland (GNOME) offers maximise whatever the
    // flags say, and the compositor would move the window without resizing
    // it: the window stays as it was.
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMaximized)) {
        setWindowState(windowState() & ~Qt::WindowMaximized);
        return;
    }
    // The load may leave the window minimised; that takes effect when the
    // window would be shown (showAfterLoad).
    if (event->type() == QEvent::WindowStateChange && !loading)
        onWindowStateChanged();
}

void MainWindow::onWindowStateChanged()
{
    ProgramState &globals = *m_services.globals;
    if (!(windowState() & Qt::WindowMinimized) || globals.hiddenInTray)
        return;
    // No tray, no icon to come back by: the window stays in the task bar
    // until a tray turns up (onTrayCameOrWent).
    if (!trayIcon->trayAvailable())
        return;
    // Back to normal first, then hidden: hiding first makes X11 map the
    // window again as an empty frame.
    globals.hiddenInTray = true;
    m_withdrawal->start([this] { return m_services.globals->hiddenInTray; });
    trayIcon->showBalloon(tr("has been minimized to the system tray.\r\n"
                             "Click on the blue 'K' icon (K for Kestrow) to bring the software back."),
                          kTrayTitle, kTrayMessageSeconds, true);
}

// Out of sight, the window follows the tray.
void MainWindow::onTrayCameOrWent()
{
    const bool hidden = m_services.globals->hiddenInTray;
    if (!hidden && !isMinimized())
        return;
    const bool tray = trayIcon->trayAvailable();
    if (hidden && !tray) {
        // The tray went away with the only way back: the task bar takes over.
        m_services.globals->hiddenInTray = false;
        showMinimized();
    } else if (!hidden && tray) {
        // A tray that came later (a panel started after the program) takes
        // the minimised window in, as a minimise with a tray would have.
        onWindowStateChanged();
    }
}

void MainWindow::onTrayIconClicked(int)
{
    bringToFront();
}

// Only where the menu stands for the click that would bring the window back:
// elsewhere the window coming to the front would close the menu before the
// user chose from it.
void MainWindow::bringBackForMenu()
{
    if (!TrayIcon::menuOpensOnLeftClick() || (isActiveWindow() && !m_services.globals->hiddenInTray))
        return;
    bringToFrontWithoutToken();
}

// The menu's "Show Tidewick", with the token the tray handed over where it
// did.
void MainWindow::onShowChosen(const QString &activationToken)
{
    if (activationToken.isEmpty())
        bringToFrontWithoutToken();
    else
        bringToFront(activationToken);
}

// Without a token a Wayland compositor neither raises nor restores a window
// (and the program never learns of a minimise there): a window mapped anew
// comes to the front all the same.
void MainWindow::bringToFrontWithoutToken()
{
    if (isVisible() && !activatesWithoutToken())
        hide();
    bringToFront();
}

// A start from a terminal brings no token, and without one a Wayland
// compositor shows nothing: the running copy says so where the user looks,
// in a notification whose click brings the window with a token of its own.
void MainWindow::onStartedAgain(const QString &activationToken)
{
    if (activationToken.isEmpty() && !activatesWithoutToken())
        trayIcon->showBalloon(tr("Tidewick is already running. Click here to show its window."), kTrayTitle,
                              kTrayMessageSeconds);
    bringToFront(activationToken);
}

void MainWindow::bringToFront(const QString &activationToken)
{
    adoptActivationToken(activationToken);
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    // With the token of the click or launch that asked, where one came.
    activateWithToken(*this);
    m_services.globals->hiddenInTray = false;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    onCloseRequested();
    event->accept();
}

void MainWindow::onCloseRequested()
{
    ProgramState &globals = *m_services.globals;
    // A query under way is stopped first, so its files can go too; no run
    // waiting its turn starts any more. A change made just before the close
    // is not lost with the program.
    m_news->stop();
    m_services.runner->stopAll();
    deleteCurlFiles(globals);
    deleteAnsiFilter(globals);
    trayIcon->setInTray(false);
    // A save under way leaves the earlier file as it was.
    qDeleteAll(findChildren<ListFileSave *>());
    // The event loop ends, and with it the program, through the end of main.
    if (m_services.endProgram)
        m_services.endProgram();
}

} // namespace tidewick
