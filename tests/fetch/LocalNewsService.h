#pragma once

#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

namespace tidewick::test {

// The local news service (tools/news_service.py) on a free loopback port,
// started for one test with the given options and stopped with it.
class NewsService {
public:
    explicit NewsService(const QStringList &options = {});
    ~NewsService();

    // The requests it received, one JSON object each, in order.
    QList<QJsonObject> requests() const;

    int port = 0;

private:
    QString logPath() const;

    QTemporaryDir m_folder;
    QProcess m_process;
};

} // namespace tidewick::test
