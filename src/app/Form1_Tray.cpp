#include "app/Form1.h"

#include "app/Clock.h"
#include "app/Globals.h"
#include "desktop/cSysTray.h"
#include "fetch/HelperTools.h"
#include "fetch/IntervalSave.h"
#include "fetch/ProcessRunner.h"
#include "schedule/CountdownTimer.h"

#include <QCloseEvent>
#include <QTimer>

namespace tidewick {

namespace {
const QString kTrayMessage = QStringLiteral("has been minimized to the system tray.\r\n"
                                            "Click on the blue 'K' icon (K for Kestrow) to bring the software back.");
const QString kTrayTitle = QStringLiteral("Tidewick");
constexpr qint32 kTrayMessageSeconds = 5;
} // namespace

void Form1::connectTrayHandlers()
{
    connect(cSysTray1, &cSysTray::MouseUp, this, &Form1::cSysTray1_MouseUp);
}

void Form1::placeTrayIcon(Trap &trap)
{
    trap(208, [&] { cSysTray1->setTrayTip(kTrayTitle); });
    trap(210, [&] { cSysTray1->setInTray(true); });
}

void Form1::showAfterLoad()
{
    if (!(windowState() & Qt::WindowMinimized)) {
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
    Form_Resize();
}

void Form1::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // The load may leave the window minimised; that takes effect when the
    // window would be shown (showAfterLoad).
    if (event->type() == QEvent::WindowStateChange && !Loading)
        Form_Resize();
}

void Form1::Form_Resize()
{
    Globals &globals = *m_services.globals;
    if (!(windowState() & Qt::WindowMinimized) || globals.HiddenInTray)
        return;
    // Back to normal first, then hide on the next turn of the event loop:
    // hiding first makes X11 map the window again as an empty frame.
    setWindowState(windowState() & ~Qt::WindowMinimized);
    QTimer::singleShot(0, this, [this] {
        if (m_services.globals->HiddenInTray)
            hide();
    });
    globals.HiddenInTray = true;
    cSysTray1->ShowBalloon(kTrayMessage, kTrayTitle, kTrayMessageSeconds, true);
}

void Form1::cSysTray1_MouseUp(int, int)
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    m_services.globals->HiddenInTray = false;
}

void Form1::closeEvent(QCloseEvent *event)
{
    Form_QueryUnload();
    event->accept();
}

void Form1::Form_QueryUnload()
{
    Globals &globals = *m_services.globals;
    Timer1->setEnabled(false);
    // A query under way is stopped first, so its files can go too.
    m_news->stop();
    m_services.runner->stopAll();
    DeleteCurlFiles(globals);
    DeleteAnsiFilter(globals);
    cSysTray1->setInTray(false);
    pumpEvents();
    if (m_services.endProgram)
        m_services.endProgram();
}

} // namespace tidewick
