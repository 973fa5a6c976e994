#include "app/WindowAccessibility.h"

#include "app/MainWindow.h"

#include <QAccessibleWidget>

namespace tidewick {

namespace {

QAccessibleInterface *mainWindowInterface(const QString &className, QObject *object)
{
    if (className != QLatin1String(MainWindow::staticMetaObject.className()) || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
}

} // namespace

void presentMainWindowAsWindow()
{
    QAccessible::installFactory(mainWindowInterface);
}

} // namespace tidewick
