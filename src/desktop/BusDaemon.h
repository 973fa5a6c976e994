#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantList>

#include <functional>

class QObject;

namespace tidewick {

// Asks the message bus itself (org.freedesktop.DBus) without waiting for
// the answer: `answer` runs later from the event loop with the reply, or
// with an error message when none came, unless `context` is gone by then.
// The bus answers a connection's questions and tells it of name changes in
// the order it handles them, so an answer is never older than a
// NameOwnerChanged that arrived before it. Without `answer` the question
// goes and its answer is dropped.
void askBus(const QDBusConnection &bus, const QString &method, const QVariantList &arguments, QObject *context,
            std::function<void(const QDBusMessage &reply)> answer);

} // namespace tidewick
