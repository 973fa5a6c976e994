#pragma once

#include <QFrame>
#include <QList>
#include <QPointer>

class QDialog;

namespace tidewick {

// A dialog shown inside its window, centred over the window's controls,
// which wait behind it, disabled, until it closes: as GNOME attaches a
// program's dialogs to its window. For desktops that leave the program's
// windows unframed and place its dialog windows where they like (GNOME puts
// them below the window's left end), which a program cannot change on
// Wayland. Dragging the sheet moves the window.
class DialogSheet : public QFrame {
    Q_OBJECT

public:
    // Takes `dialog` into a sheet over `window`; the window's controls come
    // back when it finishes, and the sheet goes with it.
    static void hold(QDialog &dialog, QWidget &window);
    ~DialogSheet() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    DialogSheet(QDialog &dialog, QWidget &window);
    void place();
    void focusFirstControl();
    void release();

    QWidget &m_window;
    QPointer<QDialog> m_dialog;
    QList<QPointer<QWidget>> m_waiting;
    bool m_placing = false;
};

} // namespace tidewick
