#include "app/Form1.h"

#include "app/Clock.h"
#include "app/Dialogs.h"
#include "app/ReportList.h"
#include "app/StartupTexts.h"
#include "app/WindowAccessibility.h"
#include "desktop/cSysTray.h"
#include "fetch/IntervalSave.h"
#include "fetch/ProcessRunner.h"
#include "resources/Icons.h"
#include "schedule/CountdownTimer.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

namespace tidewick {

namespace {
// The window's client area, in twips (1/1440 inch).
constexpr int kClientWidth = 15915;
constexpr int kClientHeight = 6810;
// curl keeps the query time limit itself; the runner stops a helper that
// has not ended this much later.
constexpr int kHelperGraceSeconds = 2;

const QString kKeywordListTip = QStringLiteral(
    "Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal "
    "full names.");

QFont controlFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9);
    font.setBold(true);
    return font;
}

QFont buttonFont()
{
    QFont font = controlFont();
    font.setPointSizeF(11.25);
    return font;
}
} // namespace

Form1::Form1(const Services &services, QWidget *parent)
    : QWidget(parent), m_services(services), m_reporter(*services.dialogs)
{
    setObjectName(QStringLiteral("Form1"));
    presentMainWindowAsWindow();
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setFont(controlFont());
    createControls();
    m_services.runner->setTimeLimit(m_services.queryTimeLimitSeconds + kHelperGraceSeconds);
    setFixedSize(twips(kClientWidth), twips(kClientHeight));
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

Form1::~Form1() = default;

int Form1::twips(int value) const
{
    const QScreen *screen = this->screen();
    const qreal dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return qRound(value * dpi / 1440.0);
}

void Form1::createControls()
{
    const auto place = [this](QWidget *widget, int left, int top, int width, int height) {
        widget->setGeometry(twips(left), twips(top), twips(width), twips(height));
    };
    const auto button = [&](const char *name, const QString &caption, int left, int top) {
        auto *pushButton = new QPushButton(caption, this);
        pushButton->setObjectName(QLatin1String(name));
        pushButton->setFont(buttonFont());
        place(pushButton, left, top, 3840, 405);
        watchPointer(pushButton, Pointer::Custom);
        return pushButton;
    };
    const auto list = [&](const char *name, const QString &header, bool checkable, int left, int top, int width,
                          int height) {
        auto *reportList = new ReportList(header, checkable, this);
        reportList->setObjectName(QLatin1String(name));
        place(reportList, left, top, width, height);
        return reportList;
    };

    Frame1 = new QGroupBox(QStringLiteral("Next news fetch will occur in"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    place(Frame1, 120, 120, 7800, 840);
    ProgressBar1 = new QProgressBar(Frame1);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setValue(0);
    ProgressBar1->setAccessibleName(QStringLiteral("Time until the next news fetch"));
    place(ProgressBar1, 240, 285, 7320, 405);

    ListView1 = list("ListView1", QStringLiteral("News"), false, 8040, 3600, 7800, 2535);

    Frame2 = new QGroupBox(QStringLiteral("Startup Options"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    place(Frame2, 120, 5940, 7800, 735);
    Check4 = new QCheckBox(QStringLiteral("Load this software on Windows startup"), Frame2);
    Check4->setObjectName(QStringLiteral("Check4"));
    place(Check4, 240, 300, 3930, 285);
    Check8 = new QCheckBox(QStringLiteral("Minimized to system tray"), Frame2);
    Check8->setObjectName(QStringLiteral("Check8"));
    place(Check8, 4200, 300, 2580, 285);

    Timer1 = new CountdownTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    cSysTray1 = new cSysTray(*m_services.tray, *m_services.clock, this);
    cSysTray1->setObjectName(QStringLiteral("cSysTray1"));
    cSysTray1->setTrayIcon(trayIcon());

    PushButton5 = button("PushButton5", QStringLiteral("Turn On Automatic News Fetch"), 8040, 3105);
    PushButton6 = button("PushButton6", QStringLiteral("News Fetch Now (Test)"), 12000, 3105);
    ListView2 = list("ListView2", QStringLiteral("How often would you like to news fetch?"), false, 120, 4305,
                     7800, 1590);
    PushButton1 = button("PushButton1", QStringLiteral("Save Results"), 8040, 6240);
    PushButton2 = button("PushButton2", QStringLiteral("Clear List"), 12000, 6240);
    ListView3 = list("ListView3", QStringLiteral("Local News Sites"), true, 120, 1020, 7800, 1590);
    ListView4 = list("ListView4", QStringLiteral("Categories"), true, 120, 2670, 7800, 1590);
    ListView5 = list("ListView5", QStringLiteral("Keyword/s"), false, 8040, 180, 7800, 1845);
    ListView5->setToolTip(kKeywordListTip);
    // Qt does not hand a list's tool tip to screen readers; the description does.
    ListView5->setAccessibleDescription(kKeywordListTip);
    PushButton3 = button("PushButton3", QStringLiteral("Add One Keyword"), 8040, 2115);
    PushButton4 = button("PushButton4", QStringLiteral("Load List From Text File"), 12000, 2115);
    PushButton11 = button("PushButton11", QStringLiteral("Clear List"), 8040, 2625);
    PushButton7 = button("PushButton7", QStringLiteral("Load Sample/Example Data"), 12000, 2625);
    // Two buttons read "Clear List"; a screen reader says which list each one empties.
    PushButton11->setAccessibleDescription(QStringLiteral("Removes every keyword from the Keyword/s list"));
    PushButton2->setAccessibleDescription(QStringLiteral("Removes every row from the News list"));

    watchPointer(this, Pointer::Default);
    watchPointer(Frame1, Pointer::Default);
    watchPointer(Frame2, Pointer::Default);
    watchPointer(ListView1->viewport(), Pointer::Default);
    watchPointer(ListView2->viewport(), Pointer::Default);

    connect(Check4, &QCheckBox::toggled, this, [this] { runReported("Check4_Click", [this] { Check4_Click(); }); });
    connect(Check8, &QCheckBox::toggled, this, [this] { runReported("Check8_Click", [this] { Check8_Click(); }); });
    m_news = std::make_unique<IntervalSave>(
        m_services, m_reporter, *cSysTray1,
        IntervalSave::Lists{ListView3, ListView5, ListView4, ListView2, ListView1});

    connectKeywordHandlers();
    connectResultHandlers();
    connectScheduleHandlers();
    connectTrayHandlers();
}

} // namespace tidewick
