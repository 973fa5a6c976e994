#pragma once

#include "core/ErrorReport.h"
#include "core/FetchKind.h"
#include "core/Services.h"

#include <QCursor>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QScreen;
class QScrollArea;
class QTimer;

namespace tidewick {

class FetchRun;
class FetchScheduler;
class NewsWatch;
class ReportList;
class ReportListModel;
class ResultsListActions;
class TitleBar;
class TrayIcon;
class WindowWithdrawal;

// The program's one window: it shows the news watch (the watch list and its
// options, the countdown, the results) and forwards what the user does to
// it; what the window itself does (the tray, keyword files, saving the
// results) lives in its handlers, spread over the MainWindow*.cpp files by
// subject. Error reports name each handler by its long-standing module and
// procedure names (HandlerStatements.h).
class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(const Services &services, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Start-up: runs once before the window is first shown. With automatic
    // fetching on, its first fetch comes before the rest of the load; then
    // `loaded` follows.
    void startUp();
    // Shows the window as the load left it: normal, or straight into the tray.
    void showAfterLoad();
    // Where the desktop draws no frames: the window draws its own title bar
    // (move, minimise, close; no maximise). Before the window is first shown.
    void drawOwnTitleBar();

    // True while startUp runs.
    bool loading = false;
    // The caption of message boxes without a title of their own.
    QString appTitle() const;

    // The window's pointer; the busy one shows while the window is busy (a
    // save, an import, a test fetch), when other work must wait.
    enum class Pointer { Default, Custom, Busy };
    Pointer mousePointer() const { return m_pointer; }
    void setMousePointer(Pointer pointer);
    bool isBusy() const { return m_busy; }
    void setBusy(bool busy);
    bool hasCustomPointer() const { return m_customPointer.has_value(); }

    // Start-up steps.
    void applySkin();

    // Window states: minimising into the tray, back from it, closing.
    void onWindowStateChanged();
    void onTrayIconClicked(int button);
    // A tray came or went: a window out of sight follows it.
    void onTrayCameOrWent();
    // Shows the window, from the tray or the task bar, in front and focused;
    // `activationToken` is the token of the user's action that asked, where
    // the desktop passed one.
    void bringToFront(const QString &activationToken = QString());
    // Another start of the program asked for the window, with the token of
    // its launch (empty when it had none).
    void onStartedAgain(const QString &activationToken);
    // The same when the tray opened the icon's menu, unless the window is
    // in front already.
    void bringBackForMenu();
    // The tray menu's "Show Tidewick".
    void onShowChosen(const QString &activationToken);
    void onCloseRequested();

    // Handlers of the start-up options, with what the user chose.
    void onStartAtLogonToggled(bool wanted);
    void onStartInTrayToggled(bool wanted);

    // Keyword list: add, clear, remove, sample data, import from files.
    void onAddKeywordClicked();
    void onClearKeywordsClicked();
    void onKeywordDoubleClicked();
    void onSampleKeywordsClicked();
    void onImportKeywordsClicked();
    // Imports dropped (or otherwise given) files exactly as the button does.
    void importKeywordFiles(const QStringList &paths);

    // Opens an article's link in the browser, saying so when that fails.
    bool openLink(const QUrl &link);

    // Results list: clear and save.
    void onClearResultsClicked();
    void onSaveResultsClicked();

    // The model the window shows.
    NewsWatch &newsWatch() { return *m_news; }
    ErrorReporter &errorReporter();
    FetchRun &news();
    FetchScheduler &scheduler();
    const Services &services() const { return m_services; }
    // Starts a fetch run of the watch list as it stands now, or queues it
    // behind the run in progress; `afterwards` follows its end (at once when
    // the news service address is unusable and nothing is queried).
    void fetchNews(FetchKind kind, std::function<void()> afterwards = {});
    // True while a run is in progress or waits its turn.
    bool isFetching() const;

signals:
    // The start-up has ended (after its fetch, if it made one).
    void loaded();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void createControls();
    void connectKeywordHandlers();
    void connectScheduleHandlers();
    void showCountdown();
    void connectOptions();
    void connectTrayHandlers();
    void bringToFrontWithoutToken();
    void tellNewsServiceProblem();
    void finishLoad();
    // Runs a handler that has no numbered statements of its own; a failure
    // is reported rather than left to end the program.
    template <typename Handler>
    void runReported(const char *procedure, Handler &&handler)
    {
        Trap(errorReporter(), QStringLiteral("Form1"), QLatin1String(procedure))(0, handler);
    }
    void connectResultHandlers();
    void watchPointer(QWidget *widget, Pointer pointer);
    void fillCodeList(Trap &trap, int firstLine, ReportListModel &list, const QString &text);
    void placeTrayIcon(Trap &trap);
    void restoreStartupOptions(Trap &trap);
    void createNewArticlesOption();
    void setReadingOrder();
    // The layout: twips at the layout's scale, where each control stands,
    // and the fit of the whole to its texts and to the screen.
    struct Placement {
        QWidget *control;
        int left, top, width, height; // twips
    };
    QScreen *layoutScreen() const;
    int twips(int value) const;
    void placeControl(QWidget *control, int left, int top, int width, int height);
    void applyPlacement(const Placement &placement);
    void makeRoomForCaption(QAbstractButton *button, const QString &caption);
    void fitToTextAndScreen();
    double largestGrowth() const;
    void followScreen(QScreen *screen);
    void watchScreen(QScreen *screen);
    void refitToScreen();
    void followScreenOnce();
    void comeBackOnScreen();
    void setLayoutScale(double scale, double fontZoom);
    void fitWindowToCanvas();
    void placeScrollAndBar();

    // The controls, found by their object names from outside.
    QGroupBox *countdownGroup = nullptr;
    QProgressBar *countdownBar = nullptr;
    QLineEdit *resultsFilter = nullptr;
    ReportList *resultsList = nullptr;
    ResultsListActions *resultsActions = nullptr; // open and copy its articles
    QGroupBox *startupOptionsGroup = nullptr;
    QCheckBox *startAtLogonBox = nullptr;
    QCheckBox *startInTrayBox = nullptr;
    QCheckBox *onlyNewBox = nullptr;
    TrayIcon *trayIcon = nullptr;
    QPushButton *automaticFetchButton = nullptr;
    QPushButton *testFetchButton = nullptr;
    ReportList *intervalList = nullptr;
    QPushButton *saveResultsButton = nullptr;
    QPushButton *clearResultsButton = nullptr;
    ReportList *countryList = nullptr;
    ReportList *categoryList = nullptr;
    ReportList *keywordList = nullptr;
    QPushButton *addKeywordButton = nullptr;
    QPushButton *importKeywordsButton = nullptr;
    QPushButton *clearKeywordsButton = nullptr;
    QPushButton *sampleKeywordsButton = nullptr;

    Services m_services;
    QScrollArea *m_scroll = nullptr;
    TitleBar *m_titleBar = nullptr;
    QWidget *m_canvas = nullptr;
    QList<Placement> m_placements;
    double m_layoutScale = 1.0;
    double m_fontZoom = 1.0; // the fonts' share of the layout's scale
    QObject *m_screenWatch = nullptr; // holds the connections to the screen's changes
    Pointer m_pointer = Pointer::Default;
    bool m_busy = false;
    bool m_painted = false;
    std::optional<QCursor> m_customPointer;
    std::unique_ptr<NewsWatch> m_news;
    // The offered intervals, as the list shows them.
    std::unique_ptr<ReportListModel> m_intervals;
    WindowWithdrawal *m_withdrawal = nullptr;
};

} // namespace tidewick
