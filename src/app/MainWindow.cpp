#include "app/MainWindow.h"

#include "core/Clock.h"
#include "core/Dialogs.h"
#include "ui/ReportList.h"
#include "core/StartupTexts.h"
#include "app/WindowAccessibility.h"
#include "ui/ColourScheme.h"
#include "desktop/TrayIcon.h"
#include "fetch/FetchRun.h"
#include "fetch/ProcessRunner.h"
#include "resources/Icons.h"
#include "schedule/Countdown.h"
#include "schedule/NewsWatch.h"
#include "schedule/FetchScheduler.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>

namespace tidewick {

namespace {
// curl keeps the query time limit itself; the runner stops a helper that
// has not ended this much later.
constexpr int kHelperGraceSeconds = 2;


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

MainWindow::MainWindow(const Services &services, QWidget *parent) : QWidget(parent), m_services(services)
{
    setObjectName(QStringLiteral("mainWindow"));
    presentMainWindowAsWindow();
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAutoFillBackground(true);
    // White in a light colour scheme, the scheme's own in a dark one.
    new ColourScheme(*this);
    setFont(controlFont());
    // The controls stand on a canvas that scrolls where the screen is too
    // small for it.
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("windowScroll"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_canvas = new QWidget;
    m_canvas->setObjectName(QStringLiteral("canvas"));
    m_scroll->setWidget(m_canvas);
    createControls();
    makeRoomForCaption(automaticFetchButton, tr("&Turn Off Automatic News Fetch"));
    m_services.runner->setTimeLimit(m_services.queryTimeLimitSeconds + kHelperGraceSeconds);
    fitToTextAndScreen();
    // A window of fixed size offers no maximise: the flags are what window
    // managers read (Motif hints on X11).
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

MainWindow::~MainWindow() = default;

QString MainWindow::appTitle() const
{
    return m_news->notices().title();
}

ErrorReporter &MainWindow::errorReporter()
{
    return m_news->reporter();
}

FetchRun &MainWindow::news()
{
    return m_news->run();
}

FetchScheduler &MainWindow::scheduler()
{
    return m_news->scheduler();
}

void MainWindow::createControls()
{
    const auto place = [this](QWidget *widget, int left, int top, int width, int height) {
        placeControl(widget, left, top, width, height);
    };
    const auto button = [&](const char *name, const QString &caption, int left, int top) {
        auto *pushButton = new QPushButton(caption, m_canvas);
        pushButton->setObjectName(QLatin1String(name));
        pushButton->setFont(buttonFont());
        place(pushButton, left, top, 3840, 405);
        watchPointer(pushButton, Pointer::Custom);
        return pushButton;
    };
    const auto list = [&](const char *name, ReportListModel &rows, int left, int top, int width, int height) {
        auto *reportList = new ReportList(rows, m_canvas);
        reportList->setObjectName(QLatin1String(name));
        place(reportList, left, top, width, height);
        return reportList;
    };

    trayIcon = new TrayIcon(*m_services.tray, *m_services.clock, this);
    trayIcon->setObjectName(QStringLiteral("trayIcon"));
    trayIcon->setIcon(trayIconPicture());
    m_news = std::make_unique<NewsWatch>(m_services, *trayIcon);
    WatchListModel &watch = m_news->watch();

    countdownGroup = new QGroupBox(tr("Next news fetch will occur in"), m_canvas);
    countdownGroup->setObjectName(QStringLiteral("countdownGroup"));
    place(countdownGroup, 120, 120, 7800, 840);
    countdownBar = new QProgressBar(countdownGroup);
    countdownBar->setObjectName(QStringLiteral("countdownBar"));
    countdownBar->setTextVisible(false);
    countdownBar->setValue(0);
    countdownBar->setAccessibleName(tr("Time until the next news fetch"));
    place(countdownBar, 240, 285, 7320, 405);

    // Typing narrows the results to the rows that hold each word typed;
    // Escape shows them all again.
    resultsFilter = new QLineEdit(m_canvas);
    resultsFilter->setObjectName(QStringLiteral("resultsFilter"));
    resultsFilter->setPlaceholderText(tr("Find an article"));
    resultsFilter->setAccessibleName(tr("Find an article"));
    resultsFilter->setAccessibleDescription(tr("Shows only the rows of the News list that hold every word typed"));
    resultsFilter->setClearButtonEnabled(true);
    place(resultsFilter, 8040, 3570, 7800, 345);
    resultsList = list("resultsList", m_news->results(), 8040, 3960, 7800, 1875);
    resultsList->showRowsWith(QString());
    connect(resultsFilter, &QLineEdit::textChanged, resultsList, &ReportList::showRowsWith);
    resultsFilter->installEventFilter(this);

    startupOptionsGroup = new QGroupBox(tr("Startup Options"), m_canvas);
    startupOptionsGroup->setObjectName(QStringLiteral("startupOptionsGroup"));
    place(startupOptionsGroup, 120, 5940, 7800, 735);
    startAtLogonBox = new QCheckBox(tr("Load this software at l&og-on"), startupOptionsGroup);
    startAtLogonBox->setObjectName(QStringLiteral("startAtLogonBox"));
    place(startAtLogonBox, 240, 300, 3930, 285);
    startInTrayBox = new QCheckBox(tr("M&inimized to system tray"), startupOptionsGroup);
    startInTrayBox->setObjectName(QStringLiteral("startInTrayBox"));
    place(startInTrayBox, 4200, 300, 3480, 285);

    automaticFetchButton = button("automaticFetchButton", tr("&Turn On Automatic News Fetch"), 8040, 3105);
    testFetchButton = button("testFetchButton", tr("News Fetch &Now (Test)"), 12000, 3105);
    m_intervals = std::make_unique<ReportListModel>(tr("How often would you like to news fetch?"), false);
    intervalList = list("intervalList", *m_intervals, 120, 4305, 7800, 1590);
    intervalList->setKeepsSelection(true);
    saveResultsButton = button("saveResultsButton", tr("&Save Results"), 8040, 6240);
    clearResultsButton = button("clearResultsButton", tr("Clear &List", "empties the News list"), 12000, 6240);
    countryList = list("countryList", watch.countries(), 120, 1020, 7800, 1590);
    categoryList = list("categoryList", watch.categories(), 120, 2670, 7800, 1590);
    keywordList = list("keywordList", watch.keywords(), 8040, 180, 7800, 1845);
    const QString keywordListTip = tr("Drag and drop files here. Double-click item to remove it. Move | line to "
                                      "right and out of window to reveal full names.");
    keywordList->setToolTip(keywordListTip);
    // Qt does not hand a list's tool tip to screen readers; the description does.
    keywordList->setAccessibleDescription(keywordListTip);
    addKeywordButton = button("addKeywordButton", tr("&Add One Keyword"), 8040, 2115);
    importKeywordsButton = button("importKeywordsButton", tr("Load List From Te&xt File"), 12000, 2115);
    clearKeywordsButton = button("clearKeywordsButton", tr("&Clear List", "empties the Keyword/s list"), 8040, 2625);
    sampleKeywordsButton = button("sampleKeywordsButton", tr("Load Sa&mple/Example Data"), 12000, 2625);
    // Two buttons read "Clear List"; a screen reader says which list each one empties.
    clearKeywordsButton->setAccessibleDescription(tr("Removes every keyword from the Keyword/s list"));
    clearResultsButton->setAccessibleDescription(tr("Removes every row from the News list"));

    watchPointer(this, Pointer::Default);
    watchPointer(m_canvas, Pointer::Default);
    watchPointer(countdownGroup, Pointer::Default);
    watchPointer(startupOptionsGroup, Pointer::Default);
    watchPointer(resultsList->viewport(), Pointer::Default);
    watchPointer(intervalList->viewport(), Pointer::Default);

    createNewArticlesOption();
    setReadingOrder();
    connectOptions();
    connectKeywordHandlers();
    connectResultHandlers();
    connectScheduleHandlers();
    connectTrayHandlers();
}

// Tab follows the window as it is read: the left column top to bottom,
// then the right one; the scrolling canvas itself is no stop.
void MainWindow::setReadingOrder()
{
    m_scroll->setFocusPolicy(Qt::NoFocus);
    const QList<QWidget *> order = {
        countryList, categoryList, intervalList, startAtLogonBox, startInTrayBox,
        keywordList, addKeywordButton, importKeywordsButton, clearKeywordsButton, sampleKeywordsButton,
        automaticFetchButton, testFetchButton, resultsFilter, resultsList, onlyNewBox,
        saveResultsButton, clearResultsButton,
    };
    for (qsizetype next = 1; next < order.size(); ++next)
        setTabOrder(order[next - 1], order[next]);
}

void MainWindow::fetchNews(FetchKind kind, std::function<void()> afterwards)
{
    m_news->scheduler().requestRun(kind, std::move(afterwards));
}

bool MainWindow::isFetching() const
{
    return m_news->scheduler().isFetching();
}

} // namespace tidewick
