#include "app/SingleInstance.h"

#include "core/ApplicationId.h"
#include "desktop/WindowActivation.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace tidewick {

namespace {
const QString kPath = QStringLiteral("/com/kestrow/Tidewick");
const QString kInterface = QStringLiteral("org.freedesktop.Application");
// "activate", then the platform data as tab-separated key=value fields.
const QByteArray kActivate = QByteArrayLiteral("activate");
const QByteArray kDone = QByteArrayLiteral("ok\n");
// A first copy in the middle of a fetch answers between its steps.
constexpr int kAnswerMs = 10000;
} // namespace

SingleInstance::SingleInstance()
    : SingleInstance(QDBusConnection::sessionBus(), QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
{
}

SingleInstance::SingleInstance(const QDBusConnection &bus, const QString &socketFolder)
    : m_bus(bus), m_socketPath(QDir(socketFolder).filePath(kApplicationId))
{
}

SingleInstance::~SingleInstance()
{
    if (m_bus.isConnected())
        m_bus.unregisterObject(kPath);
}

namespace {
// Marks the platform data of a later start of the program itself.
const QString kLaterStartKey = QStringLiteral("tidewick-later-start");
} // namespace

SingleInstance::Start SingleInstance::handOverToRunningCopy(const QVariantMap &platformData)
{
    return m_bus.isConnected() ? handOverOnBus(platformData) : handOverOnSocket(platformData);
}

void SingleInstance::onActivate(std::function<void(const Request &)> activate)
{
    m_activate = std::move(activate);
    if (m_pending)
        Activate(*std::exchange(m_pending, std::nullopt));
}

QVariantMap SingleInstance::launchPlatformData()
{
    QVariantMap data = launchActivationData();
    data.insert(kLaterStartKey, QStringLiteral("1"));
    return data;
}

void SingleInstance::Activate(const QVariantMap &platformData)
{
    if (m_activate)
        m_activate({activationToken(platformData), platformData.contains(kLaterStartKey)});
    else
        m_pending = platformData;
}

bool SingleInstance::claimBusName()
{
    // The object first: a copy that finds the name taken calls it at once.
    m_bus.registerObject(kPath, this, QDBusConnection::ExportScriptableSlots);
    if (m_bus.registerService(kApplicationId))
        return true;
    m_bus.unregisterObject(kPath);
    return false;
}

SingleInstance::Start SingleInstance::handOverOnBus(const QVariantMap &platformData)
{
    if (claimBusName())
        return Start::First;
    const QDBusMessage call = QDBusMessage::createMethodCall(kApplicationId, kPath, kInterface, QStringLiteral("Activate"))
        << platformData;
    if (m_bus.call(call, QDBus::Block, kAnswerMs).type() == QDBusMessage::ReplyMessage)
        return Start::HandedOver;
    // The first copy ended in between: this one takes its place. A bus that
    // lets nobody own the name (a sandbox) leaves each copy on its own.
    if (claimBusName() || !m_bus.interface()->isServiceRegistered(kApplicationId).value())
        return Start::First;
    return Start::NoAnswer;
}

SingleInstance::Start SingleInstance::handOverOnSocket(const QVariantMap &platformData)
{
    // Look and listen under a lock, or two copies starting together could
    // each find nobody and the second take the first one's socket away. A
    // lock of a copy that died is stale and taken over; one that cannot be
    // taken at all leaves this copy on its own.
    QLockFile lock(m_socketPath + QStringLiteral(".lock"));
    if (!lock.tryLock(kAnswerMs))
        return Start::First;
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (socket.waitForConnected(kAnswerMs)) {
        QByteArray request = kActivate;
        for (auto field = platformData.cbegin(); field != platformData.cend(); ++field)
            request += '\t' + field.key().toUtf8() + '=' + field.value().toString().toUtf8();
        socket.write(request + '\n');
        while (socket.bytesAvailable() < kDone.size() && socket.waitForReadyRead(kAnswerMs)) {
        }
        return socket.read(kDone.size()) == kDone ? Start::HandedOver : Start::NoAnswer;
    }
    // Nobody answers: a socket left there belongs to a copy that died.
    QLocalServer::removeServer(m_socketPath);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::answerSocket);
    m_server->listen(m_socketPath);
    return Start::First;
}

void SingleInstance::answerSocket()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            const QList<QByteArray> fields = socket->readLine().trimmed().split('\t');
            if (fields.first() == kActivate) {
                socket->write(kDone);
                socket->flush();
                QVariantMap platformData;
                for (const QByteArray &field : fields.mid(1)) {
                    const qsizetype equals = field.indexOf('=');
                    if (equals > 0)
                        platformData.insert(QString::fromUtf8(field.left(equals)), QString::fromUtf8(field.mid(equals + 1)));
                }
                Activate(platformData);
            }
            socket->disconnectFromServer();
        });
    }
}

} // namespace tidewick
