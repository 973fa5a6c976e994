#include "app/MainWindow.h"

#include "core/Dialogs.h"
#include "fetch/FetchRun.h"

namespace tidewick {

void MainWindow::fetchNews()
{
    if (m_services.newsHostProblem.isEmpty())
        m_news->fetchNewsNow();
}

void MainWindow::tellNewsServiceProblem()
{
    m_services.dialogs->showMessage(appTitle(), m_services.newsHostProblem, MessageIcon::Exclamation);
}

} // namespace tidewick
