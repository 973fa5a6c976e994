// One query's own cost: a window wired to the real helper runner (curl and
// ansifilter) and the news service named on the command line, with balloons
// and waits that take no time. Runs the given number of queries, each a test
// run of one query, and prints how many articles arrived.
//
// With "three-keywords on|off" after them it times instead a scheduled run of
// three keywords made a second time, "Announce only new articles" on or off:
// the query time and the announcements' time (balloons and waits) it took.
#include "core/Clock.h"
#include "core/Dialogs.h"
#include "app/MainWindow.h"
#include "core/ProgramState.h"
#include "ui/ReportList.h"
#include "core/SettingsStore.h"
#include "desktop/TrayBackend.h"
#include "fetch/FetchRun.h"
#include "fetch/ProcessRunner.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

// Waits end at once, as if their time had passed: the balloon's five seconds
// and the two after it are the user's reading time, not the query's cost.
class InstantClock final : public tidewick::Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    qint64 monotonicMs() const override { return m_ms; }
    void callAfter(qint64 ms, QObject *context, std::function<void()> action) override
    {
        m_ms += ms;
        QTimer::singleShot(0, context, std::move(action));
    }

private:
    qint64 m_ms = 0;
};

class NoTray final : public tidewick::TrayBackend {
public:
    void addIcon(const QString &, const QIcon &) override {}
    void modifyTip(const QString &) override {}
    void modifyIcon(const QIcon &) override {}
    void showBalloon(const QString &, const QString &, qint32, const QUrl &) override {}
    void hideBalloon() override {}
    void deleteIcon() override {}
    bool trayAvailable() const override { return false; }
};

class SilentDialogs final : public tidewick::Dialogs {
public:
    void showMessage(const QString &, const QString &text, tidewick::MessageIcon, std::function<void()> closed) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        if (closed)
            QTimer::singleShot(0, std::move(closed));
    }
    bool askYesNo(const QString &, const QString &) override { return false; }
    QString askText(const QString &, const QString &) override { return {}; }
    QStringList chooseFilesToOpen(const QString &, const QStringList &) override { return {}; }
    QString chooseFileToSave(const QString &, const QStringList &) override { return {}; }
};

void runAndWait(tidewick::MainWindow &window)
{
    bool done = false;
    window.fetchNews(tidewick::FetchRun::Kind::Scheduled, [&done] { done = true; });
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

int timeThreeKeywords(tidewick::MainWindow &window, const InstantClock &clock, bool onlyNew)
{
    window.findChild<QCheckBox *>(QStringLiteral("onlyNewBox"))->setChecked(onlyNew);
    window.findChild<tidewick::ReportList *>(QStringLiteral("intervalList"))->selectRow(4); // every 24 hours
    window.findChild<tidewick::ReportList *>(QStringLiteral("keywordList"))
        ->rows()
        .append({QStringLiteral("mars rover"), QStringLiteral("coffee"), QStringLiteral("airline")});
    runAndWait(window);
    const qint64 waitedBefore = clock.monotonicMs();
    QElapsedTimer elapsed;
    elapsed.start();
    runAndWait(window);
    std::printf("second run, only new %s: queries %lld ms, announcements %lld ms\n", onlyNew ? "on" : "off",
                qlonglong(elapsed.elapsed()), qlonglong(clock.monotonicMs() - waitedBefore));
    window.onCloseRequested();
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_query HOST:PORT QUERIES [three-keywords on|off]\n");
        return 2;
    }
    QTemporaryDir config;
    SilentDialogs dialogs;
    InstantClock clock;
    tidewick::SettingsStore settings(config.path());
    tidewick::QProcessRunner runner;
    tidewick::ProgramState globals;
    NoTray tray;
    tidewick::Services services;
    services.dialogs = &dialogs;
    services.clock = &clock;
    services.settings = &settings;
    services.runner = &runner;
    services.globals = &globals;
    services.tray = &tray;
    services.newsHost = QString::fromLocal8Bit(argv[1]);

    tidewick::MainWindow window(services);
    window.startUp();
    if (argc >= 5 && QByteArray(argv[3]) == "three-keywords")
        return timeThreeKeywords(window, clock, QByteArray(argv[4]) == "on");
    const int queries = QString::fromLocal8Bit(argv[2]).toInt();
    for (int i = 0; i < queries; ++i) {
        window.news().budget().testArticleCount = 0;
        settings.write(tidewick::SettingKeys::DailyRecs, QStringLiteral("0"));
        bool done = false;
        window.fetchNews(tidewick::FetchRun::Kind::Test, [&done] { done = true; });
        while (!done)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    std::printf("%d articles\n", window.findChild<tidewick::ReportList *>(QStringLiteral("resultsList"))->count());
    window.onCloseRequested();
    return 0;
}
