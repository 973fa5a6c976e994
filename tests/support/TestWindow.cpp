#include "TestWindow.h"

#include <QSignalSpy>

namespace tidewick::test {

TestWindow::TestWindow()
{
    services.tray = &tray;
}

TestWindow::~TestWindow()
{
    m_form.reset();
}

MainWindow &TestWindow::create(bool load)
{
    m_form = std::make_unique<MainWindow>(services);
    if (load) {
        QSignalSpy loaded(m_form.get(), &MainWindow::loaded);
        m_form->startUp();
        if (loaded.isEmpty() && !loaded.wait(30000))
            qWarning("the window did not finish loading");
    }
    return *m_form;
}

bool TestWindow::fetch(FetchRun::Kind kind, int ms)
{
    return runAndWait(m_form->scheduler(), kind, ms);
}

} // namespace tidewick::test
