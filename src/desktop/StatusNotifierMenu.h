#pragma once

#include <QDBusArgument>
#include <QDBusVariant>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include "desktop/TrayBackend.h"

#include <functional>

namespace tidewick {

// One entry of the menu as com.canonical.dbusmenu lays it out: its number,
// its properties and its children, each child wrapped in a variant.
struct DBusMenuLayout {
    int id = 0;
    QVariantMap properties;
    QList<DBusMenuLayout> children;
};
struct DBusMenuItem {
    int id = 0;
    QVariantMap properties;
};
using DBusMenuItems = QList<DBusMenuItem>;
struct DBusMenuEvent {
    int id = 0;
    QString eventId;
    QDBusVariant data;
    uint timestamp = 0;
};
using DBusMenuEvents = QList<DBusMenuEvent>;

QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuLayout &layout);
const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuLayout &layout);
QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuItem &item);
const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuItem &item);
QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuEvent &event);
const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuEvent &event);

// The icon's menu on the bus (com.canonical.dbusmenu), which a panel shows on
// the right button, and GNOME's AppIndicator extension on the left one too.
// It never changes: three entries, a separator before the last. What the user
// does with it goes to `report` as TrayEvent::Menu*.
class StatusNotifierMenu final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)

public:
    static constexpr const char *kPath = "/MenuBar";

    explicit StatusNotifierMenu(std::function<void(TrayEvent)> report, QObject *parent = nullptr);

    uint version() const { return 3; }
    // As the program lays out its own window (right to left in Arabic or
    // Hebrew).
    QString textDirection() const;
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

public slots:
    Q_SCRIPTABLE uint GetLayout(int parentId, int recursionDepth, const QStringList &propertyNames,
                                tidewick::DBusMenuLayout &layout);
    Q_SCRIPTABLE QList<tidewick::DBusMenuItem> GetGroupProperties(const QList<int> &ids, const QStringList &propertyNames);
    Q_SCRIPTABLE QDBusVariant GetProperty(int id, const QString &name);
    Q_SCRIPTABLE void Event(int id, const QString &eventId, const QDBusVariant &data, uint timestamp);
    Q_SCRIPTABLE QList<int> EventGroup(const QList<tidewick::DBusMenuEvent> &events);
    Q_SCRIPTABLE bool AboutToShow(int id);
    Q_SCRIPTABLE QList<int> AboutToShowGroup(const QList<int> &ids, QList<int> &idErrors);

signals:
    Q_SCRIPTABLE void LayoutUpdated(uint revision, int parent);

private:
    bool known(int id) const;
    QVariantMap properties(int id, const QStringList &names) const;
    DBusMenuLayout layout(int id, int depth, const QStringList &names) const;

    std::function<void(TrayEvent)> m_report;
};

} // namespace tidewick

Q_DECLARE_METATYPE(tidewick::DBusMenuLayout)
Q_DECLARE_METATYPE(tidewick::DBusMenuItem)
Q_DECLARE_METATYPE(tidewick::DBusMenuEvent)
