#include "app/WindowWithdrawal.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace tidewick {

namespace {
constexpr int kLongestAnswerMs = 1000;

bool windowManagerAnswers()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}
} // namespace

WindowWithdrawal::WindowWithdrawal(QWidget &window) : QObject(&window), m_window(window)
{
    m_patience.setSingleShot(true);
    connect(&m_patience, &QTimer::timeout, this, &WindowWithdrawal::advance);
}

void WindowWithdrawal::start(std::function<bool()> wanted)
{
    m_wanted = std::move(wanted);
    QWindow *handle = m_window.windowHandle();
    if (!windowManagerAnswers() || !handle) {
        m_window.setWindowState(m_window.windowState() & ~Qt::WindowMinimized);
        m_stage = Stage::Idle;
        QTimer::singleShot(0, this, [this] {
            if (m_wanted())
                m_window.hide();
        });
        return;
    }
    handle->removeEventFilter(this);
    handle->installEventFilter(this);
    await(Stage::AwaitingUnmap);
}

void WindowWithdrawal::await(Stage stage)
{
    m_stage = stage;
    const QWindow *handle = m_window.windowHandle();
    const bool answered = stage == Stage::AwaitingUnmap ? !handle->isExposed() : handle->isExposed();
    // Even an answer already there is taken on the next turn of the event
    // loop, never inside an event handler of the window the step changes.
    m_patience.start(answered ? 0 : kLongestAnswerMs);
}

bool WindowWithdrawal::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose && m_stage != Stage::Idle) {
        const bool exposed = static_cast<QWindow *>(watched)->isExposed();
        if (exposed == (m_stage == Stage::AwaitingMap))
            m_patience.start(0);
    }
    return QObject::eventFilter(watched, event);
}

void WindowWithdrawal::advance()
{
    const Stage stage = std::exchange(m_stage, Stage::Idle);
    m_patience.stop();
    if (stage == Stage::Idle || !m_wanted())
        return;
    if (stage == Stage::AwaitingUnmap) {
        m_window.setWindowState(m_window.windowState() & ~Qt::WindowMinimized);
        await(Stage::AwaitingMap);
        return;
    }
    m_window.hide();
}

} // namespace tidewick
