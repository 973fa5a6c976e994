#include "ServiceQueryWindow.h"

#include "app/ReportList.h"
#include "fetch/IntervalSave.h"

#include <QDir>

namespace tidewick::test {

namespace {
constexpr int kTwentyFourHoursRow = 4;
}

ServiceQueryWindow::ServiceQueryWindow(int port, int queryTimeLimitSeconds)
{
    window.services.newsHost = QStringLiteral("localhost:%1").arg(port);
    window.services.queryTimeLimitSeconds = queryTimeLimitSeconds;
    window.create();
}

void ServiceQueryWindow::testRun()
{
    window.globals.TestFetch = true;
    window.form().news().FetchNewsNow();
}

void ServiceQueryWindow::scheduledRun()
{
    window.form().ListView2->selectRow(kTwentyFourHoursRow);
    window.globals.TestFetch = false;
    window.form().news().FetchNewsNow();
}

QStringList ServiceQueryWindow::rows()
{
    return window.form().ListView1->rows().texts();
}

QString ServiceQueryWindow::dailyRecs()
{
    return window.settings.read(SettingKeys::DailyRecs, QStringLiteral("absent"));
}

bool ServiceQueryWindow::workFolderEmpty()
{
    return QDir(window.globals.WorkFolder)
        .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden)
        .isEmpty();
}

} // namespace tidewick::test
