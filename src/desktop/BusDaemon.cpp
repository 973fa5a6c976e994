#include "desktop/BusDaemon.h"

#include <QDBusPendingCallWatcher>
#include <QObject>

namespace tidewick {

void askBus(const QDBusConnection &bus, const QString &method, const QVariantList &arguments, QObject *context,
            std::function<void(const QDBusMessage &reply)> answer)
{
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                                       QStringLiteral("/org/freedesktop/DBus"),
                                                       QStringLiteral("org.freedesktop.DBus"), method);
    call.setArguments(arguments);
    if (!answer) {
        bus.asyncCall(call);
        return;
    }
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                     [watcher, answer = std::move(answer)] {
                         watcher->deleteLater();
                         answer(watcher->reply());
                     });
}

} // namespace tidewick
