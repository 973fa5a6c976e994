#include "TestWindow.h"

#include <QDir>

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
    if (load)
        m_form->startUp();
    return *m_form;
}

} // namespace tidewick::test
