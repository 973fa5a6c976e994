#include "desktop/StatusNotifierTrayBackend.h"

#include "desktop/BusDaemon.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QImage>
#include <QtEndian>

namespace tidewick {

QDBusArgument &operator<<(QDBusArgument &argument, const StatusNotifierPixmap &pixmap)
{
    argument.beginStructure();
    argument << pixmap.width << pixmap.height << pixmap.pixels;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, StatusNotifierPixmap &pixmap)
{
    argument.beginStructure();
    argument >> pixmap.width >> pixmap.height >> pixmap.pixels;
    argument.endStructure();
    return argument;
}

QDBusArgument &operator<<(QDBusArgument &argument, const StatusNotifierToolTip &tip)
{
    argument.beginStructure();
    argument << tip.iconName << tip.pixmaps << tip.title << tip.text;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, StatusNotifierToolTip &tip)
{
    argument.beginStructure();
    argument >> tip.iconName >> tip.pixmaps >> tip.title >> tip.text;
    argument.endStructure();
    return argument;
}

namespace {

const QString kItemPath = QStringLiteral("/StatusNotifierItem");
const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");
const QString kWatcherInterface = QStringLiteral("org.kde.StatusNotifierWatcher");

StatusNotifierPixmaps pixmapsOf(const QIcon &icon)
{
    StatusNotifierPixmaps pixmaps;
    for (const QSize size : icon.availableSizes()) {
        const QImage image = icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
        StatusNotifierPixmap pixmap{image.width(), image.height(), QByteArray(int(image.sizeInBytes()), '\0')};
        auto *out = reinterpret_cast<quint32 *>(pixmap.pixels.data());
        for (int y = 0; y < image.height(); ++y) {
            const auto *line = reinterpret_cast<const quint32 *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                *out++ = qToBigEndian(line[x]);
        }
        pixmaps.append(pixmap);
    }
    return pixmaps;
}

} // namespace

StatusNotifierTrayBackend::StatusNotifierTrayBackend(TrayBackend &iconTray, const QDBusConnection &bus,
                                                     QObject *parent)
    : QObject(parent), m_iconTray(iconTray), m_bus(bus),
      m_serviceName(QStringLiteral("org.kde.StatusNotifierItem-%1-1").arg(QCoreApplication::applicationPid())),
      m_menu([this](TrayEvent event) {
          // The panel hands a token over before a click on an entry too.
          report(event, event == TrayEvent::MenuShowChosen ? std::exchange(m_activationToken, {}) : QString());
      })
{
    qDBusRegisterMetaType<StatusNotifierPixmap>();
    qDBusRegisterMetaType<StatusNotifierPixmaps>();
    qDBusRegisterMetaType<StatusNotifierToolTip>();
    m_iconTray.setListener(this);
    if (!m_bus.isConnected()) {
        m_watcherKnown = true;
        return;
    }
    const QString watcherName = QLatin1String(kWatcher);
    m_watcher.setConnection(m_bus);
    m_watcher.addWatchedService(watcherName);
    for (const char *signal : {"StatusNotifierHostRegistered", "StatusNotifierHostUnregistered"})
        m_bus.connect(watcherName, kWatcherPath, kWatcherInterface, QLatin1String(signal), this, SLOT(askForHost()));
    connect(&m_watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString &, const QString &, const QString &newOwner) {
                m_watcherKnown = true;
                m_watcherPresent = !newOwner.isEmpty();
                // A watcher that restarts forgets its items: register again.
                unregisterItem();
                placeIcon();
                report(TrayEvent::AvailabilityChanged);
            });
    askBus(m_bus, QStringLiteral("NameHasOwner"), {watcherName}, this, [this](const QDBusMessage &reply) {
        m_watcherKnown = true;
        m_watcherPresent = reply.arguments().value(0).toBool();
        placeIcon();
    });
}

StatusNotifierTrayBackend::~StatusNotifierTrayBackend()
{
    unregisterItem();
    m_iconTray.setListener(nullptr);
}

QString StatusNotifierTrayBackend::id() const
{
    return QCoreApplication::applicationName();
}

void StatusNotifierTrayBackend::addIcon(const QString &tip, const QIcon &icon)
{
    m_tip = tip;
    if (!icon.isNull())
        modifyIcon(icon);
    m_shown = true;
    placeIcon();
}

void StatusNotifierTrayBackend::modifyTip(const QString &tip)
{
    m_tip = tip;
    if (m_inIconTray)
        m_iconTray.modifyTip(tip);
    emit NewToolTip();
    emit NewTitle();
}

void StatusNotifierTrayBackend::modifyIcon(const QIcon &icon)
{
    m_icon = icon;
    m_pixmaps = pixmapsOf(icon);
    if (m_inIconTray)
        m_iconTray.modifyIcon(icon);
    emit NewIcon();
}

void StatusNotifierTrayBackend::deleteIcon()
{
    m_shown = false;
    placeIcon();
}

bool StatusNotifierTrayBackend::trayAvailable() const
{
    // A watcher alone shows nothing: a host (a panel's tray) must run too.
    return m_registered ? m_hostRegistered : m_iconTray.trayAvailable();
}

void StatusNotifierTrayBackend::askForHost()
{
    QDBusMessage get = QDBusMessage::createMethodCall(QLatin1String(kWatcher), kWatcherPath,
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << kWatcherInterface << QStringLiteral("IsStatusNotifierHostRegistered");
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(get), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        watcher->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *watcher;
        m_hostRegistered = !reply.isError() && reply.value().variant().toBool();
        report(TrayEvent::AvailabilityChanged);
    });
}

void StatusNotifierTrayBackend::placeIcon()
{
    if (!m_watcherKnown)
        return;
    const bool asItem = m_shown && m_watcherPresent;
    if (asItem && !m_registered)
        registerItem();
    else if (!asItem)
        unregisterItem();
    const bool inIconTray = m_shown && !m_registered;
    if (inIconTray && !m_inIconTray)
        m_iconTray.addIcon(m_tip, m_icon);
    else if (!inIconTray && m_inIconTray)
        m_iconTray.deleteIcon();
    m_inIconTray = inIconTray;
}

void StatusNotifierTrayBackend::registerItem()
{
    if (!m_bus.registerObject(kItemPath, this,
                              QDBusConnection::ExportScriptableSlots | QDBusConnection::ExportScriptableSignals
                                  | QDBusConnection::ExportAllProperties)) {
        return;
    }
    m_bus.registerObject(QLatin1String(StatusNotifierMenu::kPath), &m_menu,
                         QDBusConnection::ExportScriptableContents | QDBusConnection::ExportAllProperties);
    // The name is asked for without waiting: the bus handles it before the
    // registration that follows, which names it.
    constexpr uint kDoNotQueue = 4;
    askBus(m_bus, QStringLiteral("RequestName"), {m_serviceName, kDoNotQueue}, this, {});
    // The icon counts as in the tray from the request on: a click may come
    // before the answer, and the answer may not come at all.
    m_registered = true;
    m_hostRegistered = true;
    const QDBusMessage call =
        QDBusMessage::createMethodCall(QLatin1String(kWatcher), kWatcherPath, kWatcherInterface,
                                       QStringLiteral("RegisterStatusNotifierItem"))
        << m_serviceName;
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        watcher->deleteLater();
        if (watcher->isError()) {
            unregisterItem();
            placeIcon();
        } else {
            askForHost();
        }
    });
}

void StatusNotifierTrayBackend::unregisterItem()
{
    if (!m_bus.isConnected() || !m_bus.objectRegisteredAt(kItemPath))
        return;
    askBus(m_bus, QStringLiteral("ReleaseName"), {m_serviceName}, this, {});
    m_bus.unregisterObject(kItemPath);
    m_bus.unregisterObject(QLatin1String(StatusNotifierMenu::kPath));
    m_registered = false;
}

void StatusNotifierTrayBackend::Activate(int, int)
{
    report(TrayEvent::LeftUp, std::exchange(m_activationToken, {}));
}

void StatusNotifierTrayBackend::SecondaryActivate(int, int)
{
    report(TrayEvent::MiddleUp);
}

void StatusNotifierTrayBackend::ContextMenu(int, int)
{
    report(TrayEvent::RightUp);
}

void StatusNotifierTrayBackend::Scroll(int, const QString &) {}

void StatusNotifierTrayBackend::ProvideXdgActivationToken(const QString &token)
{
    m_activationToken = token;
}

} // namespace tidewick
