#include "app/WindowAccessibility.h"

#include "app/Form1.h"

#include <QAccessibleWidget>

namespace tidewick {

namespace {

QAccessibleInterface *mainWindowInterface(const QString &className, QObject *object)
{
    if (className != QLatin1String(Form1::staticMetaObject.className()) || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
}

} // namespace

void presentMainWindowAsWindow()
{
    QAccessible::installFactory(mainWindowInterface);
}

} // namespace tidewick
