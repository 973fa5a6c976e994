#include "app/MainWindow.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace tidewick {

// The pointer rule: moving over the window, the frames and the results and
// interval lists shows the arrow; over a push button the custom (hand)
// pointer. Neither ever replaces the busy pointer.

namespace {
const char *const kPointerProperty = "tidewickPointer";
}

void MainWindow::watchPointer(QWidget *widget, Pointer pointer)
{
    widget->setMouseTracking(true);
    widget->setProperty(kPointerProperty, int(pointer));
    widget->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Escape in the results' filter shows every row again.
    if (watched == resultsFilter && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape && !resultsFilter->text().isEmpty()) {
        resultsFilter->clear();
        return true;
    }
    // Tabbed into, a line edit selects its text before Qt tells of its focus,
    // and a screen reader that hears of the caret first takes the field as
    // announced and stays silent. The field takes the focus without that
    // selection and selects its text once the focus has been told.
    if (watched == resultsFilter && event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
            QFocusEvent quiet(QEvent::FocusIn, Qt::OtherFocusReason);
            QCoreApplication::sendEvent(resultsFilter, &quiet);
            QMetaObject::invokeMethod(resultsFilter, &QLineEdit::selectAll, Qt::QueuedConnection);
            return true;
        }
    }
    if (event->type() == QEvent::MouseMove) {
        // A move over a child that ignores it travels on to its parent; only
        // the widget really under the pointer decides.
        const auto *widget = static_cast<QWidget *>(watched);
        const QPoint position = static_cast<QMouseEvent *>(event)->position().toPoint();
        const QVariant pointer = watched->property(kPointerProperty);
        if (pointer.isValid() && !widget->childAt(position) && !isBusy())
            setMousePointer(Pointer(pointer.toInt()));
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::setBusy(bool busy)
{
    m_busy = busy;
    setMousePointer(busy ? Pointer::Busy : Pointer::Default);
}

void MainWindow::setMousePointer(Pointer pointer)
{
    m_pointer = pointer;
    switch (pointer) {
    case Pointer::Busy:
        setCursor(Qt::WaitCursor);
        break;
    case Pointer::Custom:
        // Without a hand pointer file the custom pointer shows no picture of
        // its own.
        if (m_customPointer)
            setCursor(*m_customPointer);
        else
            unsetCursor();
        break;
    case Pointer::Default:
        unsetCursor();
        break;
    }
}

} // namespace tidewick
