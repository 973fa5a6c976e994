// Start-up to the first shown window: the real main window with its start-up
// sequence ("tidewick"), or a bare window with the same kinds and number of
// controls ("bare"). The process quits as soon as its window has been shown
// and painted, so timing the whole process measures start-up.
#include "app/Clock.h"
#include "app/Dialogs.h"
#include "app/Form1.h"
#include "app/Globals.h"
#include "app/SettingsStore.h"
#include "desktop/QtTrayBackend.h"
#include "fetch/ProcessRunner.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <cstring>

namespace {

void quitWhenShown(QWidget &window)
{
    window.show();
    QTimer::singleShot(0, &window, [&window] {
        window.repaint();
        QCoreApplication::quit();
    });
}

int bareWindow()
{
    QWidget window;
    window.setFixedSize(1061, 454);
    auto *frame = new QGroupBox(QStringLiteral("Next news fetch will occur in"), &window);
    new QProgressBar(frame);
    new QGroupBox(QStringLiteral("Startup Options"), &window);
    new QCheckBox(QStringLiteral("Load this software on Windows startup"), &window);
    new QCheckBox(QStringLiteral("Minimized to system tray"), &window);
    for (int i = 0; i < 8; ++i)
        new QPushButton(QStringLiteral("Button"), &window);
    const int rows[] = {0, 5, 54, 7, 0};
    for (int count : rows) {
        auto *list = new QTreeWidget(&window);
        for (int i = 0; i < count; ++i)
            new QTreeWidgetItem(list, {QStringLiteral("row")});
    }
    quitWhenShown(window);
    return QApplication::exec();
}

int tidewickWindow()
{
    QTemporaryDir config;
    tidewick::QtDialogs dialogs;
    tidewick::SystemClock clock;
    tidewick::SettingsStore settings(config.path());
    tidewick::QProcessRunner runner;
    tidewick::Globals globals;
    tidewick::QtTrayBackend tray;
    tidewick::Services services;
    services.dialogs = &dialogs;
    services.clock = &clock;
    services.settings = &settings;
    services.runner = &runner;
    services.globals = &globals;
    services.tray = &tray;
    tidewick::Form1 window(services);
    window.Form_Load();
    quitWhenShown(window);
    const int result = QApplication::exec();
    window.Form_QueryUnload();
    return result;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return argc > 1 && std::strcmp(argv[1], "bare") == 0 ? bareWindow() : tidewickWindow();
}
