#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

class QWidget;

namespace tidewick {

// Takes a window that the window manager has just minimised out of sight and
// out of the task bar, for a life in the tray.
//
// Qt can only hide a window that is not minimised, and clearing the state
// asks the window manager to map the window again. On X11 each step waits
// for the window manager's answer before the next: first for the unmap that
// belongs to the minimise, then for the map that answers the cleared state,
// and only then hides. Hiding while the map request is still on its way
// loses a race with some window managers (xfwm4): they map the window after
// it was hidden, and an unpainted frame stays on the screen and in the task
// bar. A window manager that does not answer within a second is not waited
// for any longer. Elsewhere no one answers, and the window hides on the next
// turn of the event loop.
class WindowWithdrawal : public QObject {
    Q_OBJECT

public:
    explicit WindowWithdrawal(QWidget &window);

    // Starts over; `wanted` is asked before each step, so a restore in the
    // meantime (a click on the tray icon) ends the sequence.
    void start(std::function<bool()> wanted);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Stage { Idle, AwaitingUnmap, AwaitingMap };
    void await(Stage stage);
    void advance();

    QWidget &m_window;
    std::function<bool()> m_wanted;
    Stage m_stage = Stage::Idle;
    QTimer m_patience;
};

} // namespace tidewick
