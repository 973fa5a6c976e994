#include "ui/ScreenReaderNotice.h"

#include <QAccessibleWidget>

namespace tidewick {

namespace {
// Long enough for a reader to look at it once it hears of it.
constexpr int kShownMs = 10000;

QAccessibleInterface *noticeInterface(const QString &className, QObject *object)
{
    if (className != QLatin1String(ScreenReaderNotice::staticMetaObject.className()))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
}
} // namespace

ScreenReaderNotice::ScreenReaderNotice(QWidget *parent) : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(noticeInterface);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("screenReaderNotice"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 1, 1);
    hide();
    m_hide.setSingleShot(true);
    m_hide.setInterval(kShownMs);
    connect(&m_hide, &QTimer::timeout, this, &QWidget::hide);
}

// Shown anew, so that a reader hears it again even when the text is the same.
void ScreenReaderNotice::say(const QString &text)
{
    hide();
    setAccessibleName(text);
    show();
    m_hide.start();
}

} // namespace tidewick
