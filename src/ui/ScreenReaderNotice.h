#pragma once

#include <QTimer>
#include <QWidget>

namespace tidewick {

// A notice for screen readers: each one said shows for a moment as a
// "notification", which a screen reader speaks at once wherever the focus
// is, as it does the desktop's notifications. It draws nothing and takes
// neither room, the mouse nor the focus: what it says the window already
// shows (the News list, the countdown).
class ScreenReaderNotice : public QWidget {
    Q_OBJECT

public:
    explicit ScreenReaderNotice(QWidget *parent);
    void say(const QString &text);

private:
    QTimer m_hide;
};

} // namespace tidewick
