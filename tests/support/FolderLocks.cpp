#include "FolderLocks.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace tidewick::test {

namespace {

bool chattr(const QString &flag, const QString &path)
{
    if (QStandardPaths::findExecutable(QStringLiteral("chattr")).isEmpty())
        return false;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral("chattr"), {flag, path});
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
}

} // namespace

LockedFolder::LockedFolder(const QString &path) : m_path(path)
{
    m_immutable = chattr(QStringLiteral("+i"), path);
    if (!m_immutable)
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile probe(path + QStringLiteral("/.probe"));
    m_locked = !probe.open(QIODevice::WriteOnly | QIODevice::NewOnly);
    if (!m_locked)
        probe.remove();
}

LockedFolder::~LockedFolder()
{
    if (m_immutable)
        chattr(QStringLiteral("-i"), m_path);
    else
        QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

QString mountedFolder(const char *variable)
{
    return qEnvironmentVariable(variable);
}

MountedRun runOnSmallTmpfs(const char *variable, const QString &size, const QString &testFunction)
{
    constexpr int kNotPossible = 77;
    MountedRun run;
    if (QStandardPaths::findExecutable(QStringLiteral("unshare")).isEmpty())
        return run;
    // A user namespace gives the right to mount; root may also do without
    // one. Many containers and chroots refuse both.
    QString namespaces;
    for (const QString &flags : {QStringLiteral("-rm"), QStringLiteral("-m")}) {
        if (QProcess::execute(QStringLiteral("unshare"), {flags, QStringLiteral("true")}) == 0) {
            namespaces = flags;
            break;
        }
    }
    if (namespaces.isEmpty())
        return run;
    QTemporaryDir mountPoint;
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(variable), mountPoint.path());
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QStringLiteral("unshare"),
                {namespaces, QStringLiteral("sh"), QStringLiteral("-c"),
                 QStringLiteral("mount -t tmpfs -o size=%1 tidewick-test \"$1\" || exit %2; shift; exec \"$@\"")
                     .arg(size)
                     .arg(kNotPossible),
                 QStringLiteral("sh"), mountPoint.path(), QCoreApplication::applicationFilePath(), testFunction});
    const bool ended = child.waitForFinished(60000);
    run.output = child.readAll();
    if (ended && child.exitStatus() == QProcess::NormalExit && child.exitCode() == kNotPossible)
        return run;
    run.possible = true;
    run.passed = ended && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
    return run;
}

} // namespace tidewick::test
