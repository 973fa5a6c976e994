#include "TestWindow.h"

#include <QDir>
#include <QEventLoop>
#include <QPointer>
#include <QSignalSpy>
#include <QTimer>

#include <memory>

namespace tidewick::test {

namespace {
QString makeFolder(const QString &path)
{
    QDir().mkpath(path);
    return path;
}
} // namespace

TestWindow::TestWindow()
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
    services.tray = &tray;
    services.programFolder = programFolder();
    services.executablePath = programFolder() + QStringLiteral("/tidewick");
    services.autostartFolder = autostartFolder();
    services.newsHost = QStringLiteral("localhost:9");
    services.endProgram = [this] { ++programEnded; };
    services.openLink = [this](const QUrl &link) {
        openedLinks.append(link);
        return linksOpen;
    };
}

TestWindow::~TestWindow()
{
    m_form.reset();
    if (m_previousTemp.isNull())
        qunsetenv("TEMP");
    else
        qputenv("TEMP", m_previousTemp);
}

FakeRunner &TestWindow::useFakeRunner()
{
    auto fake = std::make_unique<FakeRunner>();
    FakeRunner &result = *fake;
    runner = std::move(fake);
    return result;
}

MainWindow &TestWindow::create(bool load)
{
    services.runner = runner.get();
    m_form = std::make_unique<MainWindow>(services);
    if (load) {
        QSignalSpy loaded(m_form.get(), &MainWindow::loaded);
        m_form->startUp();
        if (loaded.isEmpty() && !loaded.wait(30000))
            qWarning("the window did not finish loading");
    }
    return *m_form;
}

// Waits in an event loop of its own rather than with QTest's polling, which
// sleeps between looks: a run takes hundreds of turns of the loop.
bool TestWindow::fetch(FetchRun::Kind kind, int ms)
{
    QEventLoop loop;
    const auto ended = std::make_shared<QPointer<QEventLoop>>(&loop);
    m_form->fetchNews(kind, [ended] {
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
