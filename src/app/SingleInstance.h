#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>
#include <functional>
#include <optional>

class QLocalServer;

namespace tidewick {

// One running copy per user. The first copy owns the name com.kestrow.Tidewick
// on the session bus and answers org.freedesktop.Application.Activate there,
// as desktops expect of an application; without a session bus it listens on
// a local socket of that name in the runtime folder instead. A later start
// asks the first copy to show its window and ends.
//
// Nothing is left behind to go stale: the bus name dies with its owner, and
// the socket of a copy that died is replaced by the next one to start.
class SingleInstance : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    // The session bus, and the runtime folder for the socket.
    SingleInstance();
    SingleInstance(const QDBusConnection &bus, const QString &socketFolder);
    ~SingleInstance() override;

    enum class Start {
        First,      // no other copy runs: this one is now the one later starts reach
        HandedOver, // a copy runs and took the request to show itself
        NoAnswer,   // a copy (or something in its place) holds the name but does not answer
    };
    // Looks for a running copy and hands it the request to show itself, with
    // `platformData` (the launch's activation token).
    Start handOverToRunningCopy(const QVariantMap &platformData = {});
    // A request to show the window: the activation token that came with it
    // (empty when none), and whether a later start of the program sent it
    // (rather than the desktop or another program).
    struct Request {
        QString activationToken;
        bool laterStart = false;
    };
    // What to do when a request comes; one that came earlier is carried out now.
    void onActivate(std::function<void(const Request &)> activate);
    // The platform data a later start sends: its launch's activation token.
    // Read before the QApplication exists, which takes part of it away.
    static QVariantMap launchPlatformData();

public slots:
    Q_SCRIPTABLE void Activate(const QVariantMap &platformData);

private:
    Start handOverOnBus(const QVariantMap &platformData);
    Start handOverOnSocket(const QVariantMap &platformData);
    bool claimBusName();
    void answerSocket();

    QDBusConnection m_bus;
    QString m_socketPath;
    QLocalServer *m_server = nullptr;
    std::function<void(const Request &)> m_activate;
    std::optional<QVariantMap> m_pending;
};

} // namespace tidewick
