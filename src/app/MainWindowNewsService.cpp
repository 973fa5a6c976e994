#include "app/MainWindow.h"

#include "core/Notices.h"
#include "schedule/NewsWatch.h"

namespace tidewick {

void MainWindow::tellNewsServiceProblem()
{
    m_news->notices().show(m_services.newsHostProblem, MessageIcon::Exclamation);
}

} // namespace tidewick
