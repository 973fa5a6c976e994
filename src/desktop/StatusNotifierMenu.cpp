#include "desktop/StatusNotifierMenu.h"

#include <QSet>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QDBusArgument>
#include <QDBusMetaType>

namespace tidewick {

QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuLayout &layout)
{
    argument.beginStructure();
    argument << layout.id << layout.properties;
    argument.beginArray(qMetaTypeId<QDBusVariant>());
    for (const DBusMenuLayout &child : layout.children)
        argument << QDBusVariant(QVariant::fromValue(child));
    argument.endArray();
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuLayout &layout)
{
    argument.beginStructure();
    argument >> layout.id >> layout.properties;
    layout.children.clear();
    argument.beginArray();
    while (!argument.atEnd()) {
        QDBusVariant child;
        argument >> child;
        layout.children.append(qdbus_cast<DBusMenuLayout>(child.variant()));
    }
    argument.endArray();
    argument.endStructure();
    return argument;
}

QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuItem &item)
{
    argument.beginStructure();
    argument << item.id << item.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuItem &item)
{
    argument.beginStructure();
    argument >> item.id >> item.properties;
    argument.endStructure();
    return argument;
}

QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuEvent &event)
{
    argument.beginStructure();
    argument << event.id << event.eventId << event.data << event.timestamp;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuEvent &event)
{
    argument.beginStructure();
    argument >> event.id >> event.eventId >> event.data >> event.timestamp;
    argument.endStructure();
    return argument;
}

namespace {

constexpr int kRoot = 0;
constexpr int kShow = 1;
constexpr int kTestFetch = 2;
constexpr int kSeparator = 3;
constexpr int kQuit = 4;
const QList<int> kEntries = {kShow, kTestFetch, kSeparator, kQuit};

QVariantMap allProperties(int id)
{
    switch (id) {
    case kRoot:
        return {{QStringLiteral("children-display"), QStringLiteral("submenu")}};
    case kShow:
        return {{QStringLiteral("label"), QCoreApplication::translate("Tidewick", "Show Tidewick")}};
    case kTestFetch:
        return {{QStringLiteral("label"), QCoreApplication::translate("Tidewick", "News Fetch Now (Test)")}};
    case kSeparator:
        return {{QStringLiteral("type"), QStringLiteral("separator")}};
    case kQuit:
        return {{QStringLiteral("label"), QCoreApplication::translate("Tidewick", "Quit")}};
    default:
        return {};
    }
}

} // namespace

StatusNotifierMenu::StatusNotifierMenu(std::function<void(TrayEvent)> report, QObject *parent)
    : QObject(parent), m_report(std::move(report))
{
    qDBusRegisterMetaType<DBusMenuLayout>();
    qDBusRegisterMetaType<DBusMenuItem>();
    qDBusRegisterMetaType<DBusMenuItems>();
    qDBusRegisterMetaType<DBusMenuEvent>();
    qDBusRegisterMetaType<DBusMenuEvents>();
    qDBusRegisterMetaType<QList<int>>();
}

QString StatusNotifierMenu::textDirection() const
{
    return QGuiApplication::layoutDirection() == Qt::RightToLeft ? QStringLiteral("rtl") : QStringLiteral("ltr");
}

bool StatusNotifierMenu::known(int id) const
{
    return id == kRoot || kEntries.contains(id);
}

// An empty list of names asks for every property.
QVariantMap StatusNotifierMenu::properties(int id, const QStringList &names) const
{
    QVariantMap all = allProperties(id);
    if (names.isEmpty())
        return all;
    QVariantMap asked;
    for (const QString &name : names) {
        if (all.contains(name))
            asked.insert(name, all.value(name));
    }
    return asked;
}

// A negative depth asks for every level below.
DBusMenuLayout StatusNotifierMenu::layout(int id, int depth, const QStringList &names) const
{
    DBusMenuLayout result{id, properties(id, names), {}};
    if (id == kRoot && depth != 0) {
        for (int entry : kEntries)
            result.children.append(layout(entry, depth - 1, names));
    }
    return result;
}

uint StatusNotifierMenu::GetLayout(int parentId, int recursionDepth, const QStringList &propertyNames,
                                   DBusMenuLayout &layout)
{
    layout = this->layout(known(parentId) ? parentId : kRoot, recursionDepth, propertyNames);
    return 1;
}

DBusMenuItems StatusNotifierMenu::GetGroupProperties(const QList<int> &ids, const QStringList &propertyNames)
{
    DBusMenuItems items;
    for (int id : ids) {
        if (known(id))
            items.append({id, properties(id, propertyNames)});
    }
    return items;
}

QDBusVariant StatusNotifierMenu::GetProperty(int id, const QString &name)
{
    // An unknown property reads as empty: a variant must hold something.
    return QDBusVariant(allProperties(id).value(name, QString()));
}

void StatusNotifierMenu::Event(int id, const QString &eventId, const QDBusVariant &, uint)
{
    if (id == kRoot && eventId == QLatin1String("opened"))
        m_report(TrayEvent::MenuOpened);
    else if (eventId != QLatin1String("clicked"))
        return;
    else if (id == kShow)
        m_report(TrayEvent::MenuShowChosen);
    else if (id == kTestFetch)
        m_report(TrayEvent::MenuTestFetchChosen);
    else if (id == kQuit)
        m_report(TrayEvent::MenuQuitChosen);
}

// A group carries what one action of the user did; the same event twice in
// it counts once, so no group, however long, sets off more than the menu
// offers.
QList<int> StatusNotifierMenu::EventGroup(const DBusMenuEvents &events)
{
    QList<int> unknown;
    QSet<std::pair<int, QString>> taken;
    for (const DBusMenuEvent &event : events) {
        if (!known(event.id))
            unknown.append(event.id);
        else if (!taken.contains({event.id, event.eventId})) {
            taken.insert({event.id, event.eventId});
            Event(event.id, event.eventId, event.data, event.timestamp);
        }
    }
    return unknown;
}

bool StatusNotifierMenu::AboutToShow(int)
{
    return false;
}

QList<int> StatusNotifierMenu::AboutToShowGroup(const QList<int> &ids, QList<int> &idErrors)
{
    for (int id : ids) {
        if (!known(id))
            idErrors.append(id);
    }
    return {};
}

} // namespace tidewick
