#include "TestSeams.h"

#include "core/Translation.h"
#include "schedule/FetchScheduler.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

namespace tidewick::test {

namespace {
// Tests read the program's messages as an English-speaking user does, with
// their plural forms.
void installPlurals()
{
    installEnglishPlurals(*QCoreApplication::instance());
}
Q_COREAPP_STARTUP_FUNCTION(installPlurals)

QString makeFolder(const QString &path)
{
    QDir().mkpath(path);
    return path;
}
} // namespace

TestSeams::TestSeams()
    : settings(makeFolder(m_root.filePath(QStringLiteral("config")))),
      runner(std::make_unique<QProcessRunner>()), m_previousTemp(qgetenv("TEMP"))
{
    makeFolder(tempFolder());
    makeFolder(programFolder());
    qputenv("TEMP", tempFolder().toLocal8Bit());
    services.dialogs = &dialogs;
    services.clock = &clock;
    services.settings = &settings;
    services.runner = runner.get();
    services.globals = &globals;
    services.programFolder = programFolder();
    services.executablePath = programFolder() + QStringLiteral("/tidewick");
    services.autostartFolder = autostartFolder();
    services.dataFolder = m_root.filePath(QStringLiteral("data"));
    services.newsHost = QStringLiteral("localhost:9");
    services.endProgram = [this] { ++programEnded; };
    services.openLink = [this](const QUrl &link) {
        openedLinks.append(link);
        return linksOpen;
    };
}

TestSeams::~TestSeams()
{
    if (m_previousTemp.isNull())
        qunsetenv("TEMP");
    else
        qputenv("TEMP", m_previousTemp);
}

FakeRunner &TestSeams::useFakeRunner()
{
    auto fake = std::make_unique<FakeRunner>();
    FakeRunner &result = *fake;
    runner = std::move(fake);
    services.runner = runner.get();
    return result;
}

bool runAndWait(FetchScheduler &scheduler, FetchKind kind, int ms)
{
    QEventLoop loop;
    const auto ended = std::make_shared<QPointer<QEventLoop>>(&loop);
    scheduler.requestRun(kind, [ended] {
        if (*ended)
            (*ended)->quit();
        ended->clear();
    });
    if (*ended) {
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    }
    const bool done = !*ended;
    ended->clear();
    return done;
}

} // namespace tidewick::test
