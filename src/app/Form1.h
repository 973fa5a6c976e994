#pragma once

#include "app/ErrorReport.h"
#include "app/Services.h"

#include <QCursor>
#include <QWidget>
#include <memory>
#include <optional>

class QCheckBox;
class QGroupBox;
class QProgressBar;
class QPushButton;

namespace tidewick {

class CountdownTimer;
class IntervalSave;
class ReportList;
class cSysTray;

// The program's one window. Its controls are named as the program has always
// named them; the behaviour behind them lives in the handlers, spread over
// the Form1_*.cpp files by subject.
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(const Services &services, QWidget *parent = nullptr);
    ~Form1() override;

    // Start-up: runs once before the window is first shown.
    void Form_Load();
    // Shows the window as the load left it: normal, or straight into the tray.
    void showAfterLoad();

    // The controls.
    QGroupBox *Frame1 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    ReportList *ListView1 = nullptr; // results
    QGroupBox *Frame2 = nullptr;
    QCheckBox *Check4 = nullptr;
    QCheckBox *Check8 = nullptr;
    CountdownTimer *Timer1 = nullptr;
    cSysTray *cSysTray1 = nullptr;
    QPushButton *PushButton5 = nullptr;
    QPushButton *PushButton6 = nullptr;
    ReportList *ListView2 = nullptr; // interval
    QPushButton *PushButton1 = nullptr;
    QPushButton *PushButton2 = nullptr;
    ReportList *ListView3 = nullptr; // countries
    ReportList *ListView4 = nullptr; // categories
    ReportList *ListView5 = nullptr; // keywords
    QPushButton *PushButton3 = nullptr;
    QPushButton *PushButton4 = nullptr;
    QPushButton *PushButton11 = nullptr;
    QPushButton *PushButton7 = nullptr;

    // True while Form_Load runs.
    bool Loading = false;
    // The caption of message boxes without a title of their own.
    QString appTitle() const { return m_appTitle; }

    // The window's pointer, which doubles as its busy flag.
    enum class Pointer { Default, Custom, Busy };
    Pointer mousePointer() const { return m_pointer; }
    void setMousePointer(Pointer pointer);
    bool isBusy() const { return m_pointer == Pointer::Busy; }
    bool hasCustomPointer() const { return m_customPointer.has_value(); }

    // Start-up steps.
    void ApplySkin();
    void SetAppTitle();

    // Automatic fetching: the countdown tick, the on/off toggle, the test
    // fetch and the interval choice.
    void Timer1_Timer();
    void PushButton5_Click();
    void PushButton6_Click();
    void ListView2_Click();

    // Window states: minimising into the tray, back from it, closing.
    void Form_Resize();
    void cSysTray1_MouseUp(int Button, int Id);
    void Form_QueryUnload();

    // Handlers of the start-up options.
    void Check4_Click();
    void Check8_Click();

    // Keyword list: add, clear, remove, sample data, import from files.
    void PushButton3_Click();
    void PushButton11_Click();
    void ListView5_DblClick();
    void PushButton7_Click();
    void PushButton4_Click();
    // Imports dropped (or otherwise given) files exactly as the button does.
    void importKeywordFiles(const QStringList &paths);

    // Results list: clear and save.
    void PushButton2_Click();
    void PushButton1_Click();

    ErrorReporter &errorReporter() { return m_reporter; }
    IntervalSave &news() { return *m_news; }
    const Services &services() const { return m_services; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void connectKeywordHandlers();
    void connectScheduleHandlers();
    void connectTrayHandlers();
    void tellFetchAlreadyRunning();
    // Runs a handler that has no numbered statements of its own; a failure
    // is reported rather than left to end the program.
    template <typename Handler>
    void runReported(const char *procedure, Handler &&handler)
    {
        Trap(m_reporter, QStringLiteral("Form1"), QLatin1String(procedure))(0, handler);
    }
    void connectResultHandlers();
    void watchPointer(QWidget *widget, Pointer pointer);
    void fillCodeList(Trap &trap, int firstLine, ReportList *list, const QString &text);
    void restoreAutomaticFetch(Trap &trap, const QString &startStopState);
    void placeTrayIcon(Trap &trap);
    void restoreStartupOptions(Trap &trap);
    int twips(int value) const;

    Services m_services;
    ErrorReporter m_reporter;
    QString m_appTitle;
    Pointer m_pointer = Pointer::Default;
    std::optional<QCursor> m_customPointer;
    std::unique_ptr<IntervalSave> m_news;
};

} // namespace tidewick
