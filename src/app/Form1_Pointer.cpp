#include "app/Form1.h"

#include <QEvent>

namespace tidewick {

// The pointer rule: moving over the window, the frames and the results and
// interval lists shows the arrow; over a push button the custom (hand)
// pointer. Neither ever replaces the busy pointer.

namespace {
const char *const kPointerProperty = "tidewickPointer";
}

void Form1::watchPointer(QWidget *widget, Pointer pointer)
{
    widget->setMouseTracking(true);
    widget->setProperty(kPointerProperty, int(pointer));
    widget->installEventFilter(this);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        const QVariant pointer = watched->property(kPointerProperty);
        if (pointer.isValid() && !isBusy())
            setMousePointer(Pointer(pointer.toInt()));
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::setMousePointer(Pointer pointer)
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
