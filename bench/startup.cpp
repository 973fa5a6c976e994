// Start-up to the first shown window: the real main window with its start-up
// sequence and the look for a running copy ("tidewick"), or a bare window with the same kinds and number of
// controls ("bare"). The process quits as soon as its window has been shown
// and painted, so timing the whole process measures start-up.
#include "app/MainWindow.h"
#include "app/RealServices.h"
#include "app/SingleInstance.h"
#include "core/Translation.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Quits once the window has been painted for the first time (any widget of
// it: the program's controls stand on a canvas that covers the window).
class QuitAfterFirstPaint : public QObject {
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return false;
    }
};

void quitWhenShown(QWidget &window)
{
    static QuitAfterFirstPaint quitter;
    qApp->installEventFilter(&quitter);
    window.show();
}

int bareWindow()
{
    // The same fonts as the program's window: finding Arial is part of any
    // window that asks for it.
    QWidget window;
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9);
    font.setBold(true);
    window.setFont(font);
    window.setFixedSize(1061, 454);
    // The same kinds of controls at about the same places and sizes.
    auto *frame = new QGroupBox(QStringLiteral("Next news fetch will occur in"), &window);
    frame->setGeometry(8, 8, 520, 56);
    (new QProgressBar(frame))->setGeometry(16, 19, 488, 27);
    (new QGroupBox(QStringLiteral("Startup Options"), &window))->setGeometry(8, 396, 520, 49);
    (new QCheckBox(QStringLiteral("Load this software at log-on"), &window))->setGeometry(24, 416, 262, 19);
    (new QCheckBox(QStringLiteral("Minimized to system tray"), &window))->setGeometry(288, 416, 172, 19);
    font.setPointSizeF(11.25);
    for (int i = 0; i < 8; ++i) {
        auto *button = new QPushButton(QStringLiteral("Load Sample/Example Data"), &window);
        button->setFont(font);
        button->setGeometry(536 + (i % 2) * 264, 141 + (i / 2) * 34, 256, 27);
    }
    const struct {
        int rows;
        bool ticks;
        QRect place;
    } lists[] = {{0, false, {536, 12, 520, 123}}, {5, false, {8, 287, 520, 106}}, {54, true, {8, 68, 520, 106}},
                 {7, true, {8, 178, 520, 106}}, {0, false, {536, 240, 520, 169}}};
    for (const auto &spec : lists) {
        auto *list = new QTreeWidget(&window);
        list->setGeometry(spec.place);
        list->setRootIsDecorated(false);
        list->setHeaderLabel(QStringLiteral("Local News Sites"));
        for (int i = 0; i < spec.rows; ++i) {
            auto *item = new QTreeWidgetItem(list, {QStringLiteral("Fetch every 30 minutes")});
            if (spec.ticks)
                item->setCheckState(0, Qt::Unchecked);
        }
    }
    quitWhenShown(window);
    return QApplication::exec();
}

int tidewickWindow()
{
    QTemporaryDir config;
    // The look for a running copy is part of every start.
    tidewick::SingleInstance instance;
    if (instance.handOverToRunningCopy() != tidewick::SingleInstance::Start::First)
        return 1;
    tidewick::RealServices outside(config.path());
    tidewick::MainWindow window(outside.services());
    window.startUp();
    quitWhenShown(window);
    const int result = QApplication::exec();
    config.remove();
    window.onCloseRequested(); // removes the work folder
    // The measure is the start: the window's teardown is left out, as it
    // always was (the program used to end inside the close).
    std::fflush(nullptr);
    std::_Exit(result);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "bare") == 0)
        return bareWindow();
    // The program's own start loads the user's translation too.
    tidewick::installTranslation(app);
    return tidewickWindow();
}
