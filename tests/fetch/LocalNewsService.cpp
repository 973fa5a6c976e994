#include "LocalNewsService.h"

#include "TestPaths.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QtTest>

namespace tidewick::test {

NewsService::NewsService(const QStringList &options)
{
    const QString portFile = m_folder.filePath(QStringLiteral("port"));
    m_process.setProgram(QStringLiteral("/usr/bin/python3"));
    m_process.setArguments(QStringList{sourceDir() + QStringLiteral("/tools/news_service.py"), QStringLiteral("--port"),
                                       QStringLiteral("0"), QStringLiteral("--port-file"), portFile,
                                       QStringLiteral("--log"), logPath(), QStringLiteral("--quiet")}
                           + options);
    m_process.start();
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(portFile).size() > 0, 10000);
    port = readFile(portFile).trimmed().toInt();
}

NewsService::~NewsService()
{
    m_process.terminate();
    if (!m_process.waitForFinished(3000))
        m_process.kill();
}

QString NewsService::logPath() const
{
    return m_folder.filePath(QStringLiteral("requests.log"));
}

QList<QJsonObject> NewsService::requests() const
{
    QList<QJsonObject> result;
    if (!QFileInfo::exists(logPath()))
        return result;
    for (const QByteArray &line : readFile(logPath()).split('\n'))
        if (!line.isEmpty())
            result.append(QJsonDocument::fromJson(line).object());
    return result;
}

} // namespace tidewick::test
