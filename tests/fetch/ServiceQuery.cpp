#include "ServiceQuery.h"

#include "TestPaths.h"

#include <QTest>

namespace tidewick::test {

namespace {
constexpr int kTwentyFourHoursRow = 4;
}

ServiceQuery::ServiceQuery(int port, int queryTimeLimitSeconds)
{
    services.newsHost = QStringLiteral("localhost:%1").arg(port);
    services.queryTimeLimitSeconds = queryTimeLimitSeconds;
    create();
}

void ServiceQuery::testRun()
{
    QVERIFY(fetch(FetchKind::Test));
}

void ServiceQuery::scheduledRun()
{
    watch().setIntervalRow(kTwentyFourHoursRow);
    QVERIFY(fetch(FetchKind::Scheduled));
}

QStringList ServiceQuery::rows()
{
    return news().results().texts();
}

QString ServiceQuery::dailyRecs()
{
    return settings.read(SettingKeys::DailyRecs, QStringLiteral("absent"));
}

bool ServiceQuery::workFolderEmpty()
{
    return test::entriesOf(globals.workFolder).isEmpty();
}

} // namespace tidewick::test
