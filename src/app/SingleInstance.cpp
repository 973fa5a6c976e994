#include "app/SingleInstance.h"

#include "core/ApplicationId.h"

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
const QByteArray kActivate = QByteArrayLiteral("activate\n");
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

SingleInstance::Start SingleInstance::handOverToRunningCopy()
{
    return m_bus.isConnected() ? handOverOnBus() : handOverOnSocket();
}

void SingleInstance::onActivate(std::function<void()> activate)
{
    m_activate = std::move(activate);
    if (std::exchange(m_pending, false))
        m_activate();
}

void SingleInstance::Activate(const QVariantMap &)
{
    if (m_activate)
        m_activate();
    else
        m_pending = true;
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

SingleInstance::Start SingleInstance::handOverOnBus()
{
    if (claimBusName())
        return Start::First;
    const QDBusMessage call = QDBusMessage::createMethodCall(kApplicationId, kPath, kInterface, QStringLiteral("Activate"))
        << QVariantMap();
    if (m_bus.call(call, QDBus::Block, kAnswerMs).type() == QDBusMessage::ReplyMessage)
        return Start::HandedOver;
    // The first copy ended in between: this one takes its place. A bus that
    // lets nobody own the name (a sandbox) leaves each copy on its own.
    if (claimBusName() || !m_bus.interface()->isServiceRegistered(kApplicationId).value())
        return Start::First;
    return Start::NoAnswer;
}

SingleInstance::Start SingleInstance::handOverOnSocket()
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
        socket.write(kActivate);
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
            if (socket->readLine() == kActivate) {
                socket->write(kDone);
                socket->flush();
                Activate({});
            }
            socket->disconnectFromServer();
        });
    }
}

} // namespace tidewick
