#include "ServiceQueryWindow.h"

#include "TestPaths.h"

#include "ui/ReportList.h"
#include "fetch/FetchRun.h"

#include <QDir>
#include <QTest>

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
    QVERIFY(window.fetch(FetchRun::Kind::Test));
}

void ServiceQueryWindow::scheduledRun()
{
    test::ui(window.form()).intervalList->selectRow(kTwentyFourHoursRow);
    QVERIFY(window.fetch(FetchRun::Kind::Scheduled));
}

QStringList ServiceQueryWindow::rows()
{
    return test::ui(window.form()).resultsList->rows().texts();
}

QString ServiceQueryWindow::dailyRecs()
{
    return window.settings.read(SettingKeys::DailyRecs, QStringLiteral("absent"));
}

bool ServiceQueryWindow::workFolderEmpty()
{
    return test::entriesOf(window.globals.workFolder).isEmpty();
}

} // namespace tidewick::test
