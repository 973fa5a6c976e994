#pragma once

#include <QObject>
#include <QTimer>

namespace tidewick {

// The window's countdown timer as the program thinks of it: a period in
// milliseconds and an enabled flag. It ticks only while both allow it; a
// period of 0 means no ticks at all (a QTimer with interval 0 would fire
// continuously instead).
class CountdownTimer : public QObject {
    Q_OBJECT

public:
    explicit CountdownTimer(QObject *parent = nullptr);

    int period() const { return m_period; }
    void setPeriod(int milliseconds);
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    // True while ticks arrive.
    bool isTicking() const { return m_timer.isActive(); }

signals:
    void tick();

private:
    void update();

    QTimer m_timer;
    int m_period = 0;
    bool m_enabled = true;
};

} // namespace tidewick
