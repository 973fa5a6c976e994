#include "ui/DialogSheet.h"
#include "ui/TitleBar.h"

#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace tidewick {

void DialogSheet::hold(QDialog &dialog, QWidget &window)
{
    new DialogSheet(dialog, window);
}

DialogSheet::DialogSheet(QDialog &dialog, QWidget &window) : QFrame(&window), m_window(window), m_dialog(&dialog)
{
    setObjectName(QStringLiteral("dialogSheet"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    const auto wait = [this](QWidget *control) {
        if (control->isEnabled()) {
            control->setEnabled(false);
            m_waiting.append(control);
        }
    };
    for (QWidget *control : window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (control == this || control->isWindow())
            continue;
        // The window's own title still moves it, as a dialog window's parent moves.
        if (qobject_cast<TitleBar *>(control)) {
            for (TitleBarButton *button : control->findChildren<TitleBarButton *>())
                wait(button);
        } else {
            wait(control);
        }
    }
    auto *layout = new QVBoxLayout(this);
    // The title a dialog window would carry ("Application Error" and the like).
    if (!dialog.windowTitle().isEmpty()) {
        auto *title = new QLabel(dialog.windowTitle(), this);
        title->setAlignment(Qt::AlignCenter);
        title->setTextFormat(Qt::PlainText);
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        layout->addWidget(title);
    }
    dialog.setParent(this, Qt::Widget);
    // A dialog window places itself over its parent on the screen; here the
    // layout places it.
    dialog.setAttribute(Qt::WA_Moved, true);
    dialog.setSizeGripEnabled(false);
    layout->addWidget(&dialog);
    dialog.installEventFilter(this);
    window.installEventFilter(this);
    connect(&dialog, &QDialog::finished, this, &DialogSheet::release);
    // A dialog on the caller's stack goes when the caller returns; the sheet after it.
    connect(&dialog, &QObject::destroyed, this, &QObject::deleteLater);
    show();
}

DialogSheet::~DialogSheet()
{
    release();
}

// The window's controls come back as the dialog finishes, before its caller
// goes on; a dialog that deletes itself on close is deleted here, as a
// window would be.
void DialogSheet::release()
{
    for (const QPointer<QWidget> &control : std::as_const(m_waiting)) {
        if (control)
            control->setEnabled(true);
    }
    m_waiting.clear();
    hide();
    if (!m_dialog)
        return;
    // What it does from here (its deletion) is no longer the sheet's to follow.
    m_dialog->removeEventFilter(this);
    if (m_dialog->testAttribute(Qt::WA_DeleteOnClose))
        m_dialog->deleteLater();
}

bool DialogSheet::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    const bool fromDialog = watched != &m_window;
    if (fromDialog && type == QEvent::Show)
        QTimer::singleShot(0, this, &DialogSheet::focusFirstControl);
    if ((fromDialog && (type == QEvent::Show || type == QEvent::LayoutRequest || type == QEvent::Resize))
        || (!fromDialog && type == QEvent::Resize))
        place();
    return QFrame::eventFilter(watched, event);
}

void DialogSheet::place()
{
    // Sizing the sheet resizes the dialog, which asks again.
    if (m_placing)
        return;
    m_placing = true;
    adjustSize();
    const QSize room = m_window.size();
    resize(size().boundedTo(room));
    move((room.width() - width()) / 2, (room.height() - height()) / 2);
    raise();
    m_placing = false;
}

// What a dialog window would focus: its text field (typing goes there at
// once), else its default button; the window takes the keyboard with it.
void DialogSheet::focusFirstControl()
{
    if (!m_dialog)
        return;
    QWidget *first = m_dialog->findChild<QLineEdit *>();
    for (QPushButton *button : m_dialog->findChildren<QPushButton *>()) {
        if (!first && button->isDefault())
            first = button;
    }
    if (!first)
        return;
    m_window.activateWindow();
    first->setFocus(Qt::ActiveWindowFocusReason);
}

void DialogSheet::mousePressEvent(QMouseEvent *event)
{
    if (!moveWindowOnPress(m_window, *event))
        QFrame::mousePressEvent(event);
}

} // namespace tidewick
