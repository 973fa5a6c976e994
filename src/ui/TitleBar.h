#pragma once

#include <QAbstractButton>
#include <QWidget>

class QLabel;
class QMouseEvent;

namespace tidewick {

// A press of the left button hands the window to the compositor to move, as
// a press on its own title bar would; true when it took it.
bool moveWindowOnPress(QWidget &window, const QMouseEvent &event);

// One of the title bar's round buttons, with its sign drawn in the text's
// colour, so that it follows the colour scheme and the screen's scale.
class TitleBarButton : public QAbstractButton {
    Q_OBJECT

public:
    enum class Sign { Minimise, Close };
    TitleBarButton(Sign sign, QWidget *parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Sign m_sign;
};

// The window's own title bar, for compositors that leave the frame to the
// program (GNOME on Wayland): Qt's bar there offers maximise even on a window
// of fixed size, and a click on it does nothing. This one offers what the
// window can do: move it by its title, minimise it, close it.
class TitleBar : public QWidget {
    Q_OBJECT

public:
    explicit TitleBar(QWidget &window);
    QSize sizeHint() const override;

signals:
    void minimiseClicked();
    void closeClicked();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void translate();

    QWidget &m_window;
    QLabel *m_title;
    TitleBarButton *m_minimise;
    TitleBarButton *m_close;
};

} // namespace tidewick
