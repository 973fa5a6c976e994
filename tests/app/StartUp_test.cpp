#include "TestPaths.h"
#include "TestWindow.h"
#include "core/KeywordLimits.h"
#include "ui/ReportList.h"
#include "app/WindowsCursor.h"
#include "fetch/HelperTools.h"
#include "keywords/KeywordImport.h"
#include "keywords/WatchListFile.h"
#include "desktop/TrayIcon.h"
#include "schedule/FetchScheduler.h"

#include <QBuffer>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QImageWriter>
#include <QProgressBar>
#include <QPushButton>
#include <QtEndian>
#include <QtTest>

#include <limits>
#include <sys/types.h>

using namespace tidewick;
using test::TestWindow;

namespace {

QStringList rowsOf(const ReportList *list)
{
    return list->rows().texts();
}

// A Windows cursor file: an icon file with type 2 and a hot spot.
QByteArray cursorFile(int hotX, int hotY)
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "ico");
    if (!writer.write(image))
        qFatal("cannot write icon");
    qToLittleEndian<quint16>(2, bytes.data() + 2);
    qToLittleEndian<quint16>(quint16(hotX), bytes.data() + 10);
    qToLittleEndian<quint16>(quint16(hotY), bytes.data() + 12);
    return bytes;
}

} // namespace

class Form1LoadTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void freshSettings_fillsTheListsAndSelectsOneHour()
    {
        TestWindow window;
        MainWindow &form = window.create();

        QVERIFY(window.dialogs.shown.isEmpty());
        QCOMPARE(form.windowTitle(), QStringLiteral("Tidewick"));
        QCOMPARE(form.appTitle(), QStringLiteral("Tidewick"));
        QVERIFY(!form.loading);
        QCOMPARE(rowsOf(test::ui(form).intervalList),
                 QStringList({"Fetch every 30 minutes", "Fetch every 1 hour", "Fetch every 6 hours",
                              "Fetch every 12 hours", "Fetch every 24 hours"}));
        QCOMPARE(test::ui(form).intervalList->selectedRow(), 1);

        const QStringList countries = rowsOf(test::ui(form).countryList);
        QCOMPARE(countries.size(), 54);
        QCOMPARE(countries.at(13), QStringLiteral("de"));
        QCOMPARE(countries.at(32), QStringLiteral("ng"));
        QCOMPARE(countries.at(51), QStringLiteral("us"));
        for (const QString &code : countries)
            QVERIFY2(code.size() == 2 && code == code.toLower(), qPrintable(code));
        QCOMPARE(rowsOf(test::ui(form).categoryList), QStringList({"business", "entertainment", "general", "health", "science",
                                                      "sports", "technology"}));
        for (int row = 0; row < test::ui(form).countryList->count(); ++row)
            QVERIFY(!test::ui(form).countryList->rows().isChecked(row));
        QVERIFY(test::ui(form).resultsList->count() == 0 && test::ui(form).keywordList->count() == 0);

        QCOMPARE(test::caption(test::ui(form).automaticFetchButton), QStringLiteral("Turn On Automatic News Fetch"));
        QCOMPARE(test::ui(form).countdownGroup->title(), QStringLiteral("Next news fetch will occur in"));
        QVERIFY(!form.scheduler().nextWakeUpMs());
        QVERIFY(!test::ui(form).startAtLogonBox->isChecked());
        QVERIFY(!test::ui(form).startInTrayBox->isChecked());
        QVERIFY(test::ui(form).startInTrayBox->isHidden());
        QVERIFY(!(form.windowState() & Qt::WindowMinimized));
        // The load itself writes no setting.
        QVERIFY(!QFileInfo::exists(window.settings.filePath()));
    }

    void window_hasTheFixedLayout()
    {
        TestWindow window;
        MainWindow &form = window.create(false);
        const qreal dpi = form.screen()->logicalDotsPerInchX();
        const auto px = [dpi](int twips) { return qRound(twips * dpi / 1440.0); };
        QCOMPARE(form.size(), QSize(px(15915), px(6810)));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QCOMPARE(test::ui(form).keywordList->geometry(), QRect(px(8040), px(180), px(7800), px(1845)));
        QCOMPARE(test::ui(form).countdownBar->geometry(), QRect(px(240), px(285), px(7320), px(405)));
        QCOMPARE(test::ui(form).keywordList->toolTip(),
                 QStringLiteral("Drag and drop files here. Double-click item to remove it. Move | line to right "
                                "and out of window to reveal full names."));
        QVERIFY(test::ui(form).resultsList->toolTip().isEmpty());
        QCOMPARE(test::ui(form).saveResultsButton->font().pointSizeF(), 11.25);
        QVERIFY(test::ui(form).saveResultsButton->font().bold());
        QCOMPARE(test::ui(form).countryList->font().pointSizeF(), 9.0);
        QCOMPARE(test::ui(form).countryList->font().family(), QStringLiteral("Arial"));
        QCOMPARE(form.palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(test::ui(form).countryList->rows().checkable() && test::ui(form).categoryList->rows().checkable());
        QVERIFY(!test::ui(form).keywordList->rows().checkable());
    }

    void storedOftenIndex_isRestoredOrReported_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("selectedRow");
        QTest::addColumn<QList<int>>("reportedLines");
        QTest::newRow("12 hours") << "4" << 3 << QList<int>{};
        QTest::newRow("out of range") << "9" << -1 << QList<int>{186};
        QTest::newRow("zero") << "0" << -1 << QList<int>{186};
        QTest::newRow("not a number") << "x" << -1 << QList<int>{184, 186};
    }
    void storedOftenIndex_isRestoredOrReported()
    {
        QFETCH(QString, stored);
        QFETCH(int, selectedRow);
        QFETCH(QList<int>, reportedLines);
        TestWindow window;
        window.settings.write(SettingKeys::OftenIndex, stored);
        MainWindow &form = window.create();
        QCOMPARE(test::ui(form).intervalList->selectedRow(), selectedRow);
        const QStringList reports = window.dialogs.errorReports();
        QCOMPARE(reports.size(), reportedLines.size());
        for (int i = 0; i < reports.size(); ++i)
            QVERIFY2(reports[i].contains(QStringLiteral("in Pellmoor2021/08/31.Form1.Form_Load at line %1\r")
                                             .arg(reportedLines[i])),
                     qPrintable(reports[i]));
        QCOMPARE(test::ui(form).intervalList->count(), 5); // the load ran to its end
        QVERIFY(!form.loading);
    }

    void startupOptions_countAsOnOnlyWhenExactlyOn_data()
    {
        QTest::addColumn<QString>("windowsStartup");
        QTest::addColumn<QString>("minimized");
        QTest::addColumn<bool>("check4");
        QTest::addColumn<bool>("check8Visible");
        QTest::addColumn<bool>("minimisedAtStart");
        QTest::newRow("both on") << "On" << "On" << true << true << true;
        QTest::newRow("startup only") << "On" << "Off" << true << true << false;
        QTest::newRow("lower case on") << "on" << "On" << false << false << false;
        QTest::newRow("minimized lower case") << "On" << "on" << true << true << false;
        QTest::newRow("minimized without startup") << "Off" << "On" << false << false << false;
    }
    void startupOptions_countAsOnOnlyWhenExactlyOn()
    {
        QFETCH(QString, windowsStartup);
        QFETCH(QString, minimized);
        QFETCH(bool, check4);
        QFETCH(bool, check8Visible);
        QFETCH(bool, minimisedAtStart);
        TestWindow window;
        window.settings.write(SettingKeys::WindowsStartup, windowsStartup);
        window.settings.write(SettingKeys::Minimized, minimized);
        MainWindow &form = window.create();
        QCOMPARE(test::ui(form).startAtLogonBox->isChecked(), check4);
        QCOMPARE(!test::ui(form).startInTrayBox->isHidden(), check8Visible);
        QCOMPARE(bool(form.windowState() & Qt::WindowMinimized), minimisedAtStart);
        // Restoring the boxes stores nothing new, except that a ticked
        // "Minimized" box writes its own "On" back.
        QCOMPARE(window.settings.read(SettingKeys::WindowsStartup, QStringLiteral("absent")), windowsStartup);
        QCOMPARE(window.settings.read(SettingKeys::Minimized, QStringLiteral("absent")), minimized);
        QVERIFY(window.dialogs.shown.isEmpty());
    }

    void unknownStartStopState_leavesAutomaticFetchingOff()
    {
        TestWindow window;
        window.settings.write(SettingKeys::StartStopState, QStringLiteral("on"));
        MainWindow &form = window.create();
        QCOMPARE(test::caption(test::ui(form).automaticFetchButton), QStringLiteral("Turn On Automatic News Fetch"));
        QVERIFY(!form.scheduler().nextWakeUpMs());
    }

    // The start-up fetch comes before the rest of the load (the tray icon
    // comes after it); a countdown that comes due meanwhile is served when
    // that fetch has ended, from the same budget. The window then shows the
    // countdown as the scheduler counts it, and the switch as on.
    void startWithAutomaticFetchingOn_fetchesDuringTheLoad()
    {
        TestWindow window;
        test::FakeRunner &runner = window.useFakeRunner();
        window.settings.write(SettingKeys::StartStopState, QStringLiteral("On"));
        runner.holdRuns = true;
        MainWindow &form = window.create(false);
        form.startUp();
        QTRY_VERIFY(runner.isRunning());
        QVERIFY(form.loading && !test::ui(form).trayIcon->inTray());
        window.clock.advanceMs(3600 * 1000); // one hour, chosen by default
        form.scheduler().tick();
        runner.holdRuns = false;
        runner.finishRun();
        QTRY_VERIFY(!form.isFetching());
        QCOMPARE(runner.targets().size(), 2);
        QCOMPARE(window.settings.read(SettingKeys::DailyRecs, QString()), QStringLiteral("2"));
        QVERIFY(!form.loading && test::ui(form).trayIcon->inTray());
        QCOMPARE(test::caption(test::ui(form).automaticFetchButton), QStringLiteral("Turn Off Automatic News Fetch"));
        QVERIFY(!form.isVisible());

        window.clock.advanceMs(1000);
        form.scheduler().tick();
        QCOMPARE(test::ui(form).countdownGroup->title(), QStringLiteral("Next news fetch will occur in 00:59:59"));
        QCOMPARE(test::ui(form).countdownBar->maximum(), 3600);
        QCOMPARE(test::ui(form).countdownBar->value(), 1);
        test::ui(form).automaticFetchButton->click();
        QCOMPARE(test::ui(form).countdownGroup->title(), QStringLiteral("Automatic news fetch is Off."));
    }

    // The user cannot take the choice away from the interval list; a choice
    // made with the keyboard is stored as a click's is.
    void intervalList_keepsItsChoice()
    {
        TestWindow window;
        MainWindow &form = window.create();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        ReportList &list = *test::ui(form).intervalList;
        const QPoint thirdRow = list.visualRect(list.rows().index(2)).center();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, thirdRow);
        QCOMPARE(list.selectedRow(), 2);
        QCOMPARE(form.scheduler().intervalSeconds(), std::optional<qint32>(21600));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, thirdRow);
        QCOMPARE(list.selectedRow(), 2);
        list.setFocus();
        QTest::keyClick(&list, Qt::Key_Space, Qt::ControlModifier);
        QCOMPARE(list.selectedRow(), 2);
        QTest::keyClick(&list, Qt::Key_Up);
        QCOMPARE(list.selectedRow(), 1);
        QCOMPARE(window.settings.read(SettingKeys::OftenIndex, QString()), QStringLiteral("2"));
        QVERIFY(window.dialogs.shown.isEmpty());
    }

    // What the user watches comes back after a restart, before a start-up
    // fetch queries it; a change made just before the close is kept too.
    void watchList_survivesARestart_data()
    {
        QTest::addColumn<bool>("automaticFetching");
        QTest::newRow("fetching off") << false;
        QTest::newRow("start-up fetch") << true;
    }
    void watchList_survivesARestart()
    {
        QFETCH(bool, automaticFetching);
        TestWindow window;
        test::FakeRunner &runner = window.useFakeRunner();
        MainWindow &first = window.create();
        test::ui(first).keywordList->rows().append({QStringLiteral("Tesla"), QStringLiteral(" two  words")});
        test::ui(first).countryList->rows().setChecked(13, true); // de
        test::ui(first).categoryList->rows().setChecked(6, true); // technology
        if (automaticFetching)
            window.settings.write(SettingKeys::StartStopState, kOn);
        first.onCloseRequested();

        MainWindow &second = window.create();
        QVERIFY(window.dialogs.shown.isEmpty());
        QCOMPARE(rowsOf(test::ui(second).keywordList), QStringList({QStringLiteral("Tesla"), QStringLiteral(" two  words")}));
        for (int row = 0; row < test::ui(second).countryList->count(); ++row)
            QCOMPARE(test::ui(second).countryList->rows().isChecked(row), row == 13);
        QVERIFY(test::ui(second).categoryList->rows().isChecked(6));
        const QStringList expected = {QStringLiteral("de.localhost:9/Tesla,category=technology"),
                                      QStringLiteral("de.localhost:9/two++words,category=technology")};
        QCOMPARE(runner.targets(), automaticFetching ? expected : QStringList());
    }

    // A file that cannot be a watch list (a hand edit's slip, a size no list
    // has) is said once and kept aside, and the lists start empty; the next
    // change writes a sound file. Keywords that could not have been typed
    // are left out, said once.
    void unusableWatchList_isKeptAsideAndTheListsStartEmpty_data()
    {
        QTest::addColumn<bool>("tooLarge");
        QTest::newRow("trailing comma") << false;
        QTest::newRow("far too large") << true;
    }
    void unusableWatchList_isKeptAsideAndTheListsStartEmpty()
    {
        QFETCH(bool, tooLarge);
        TestWindow window;
        const QString path = window.configFolder() + QStringLiteral("/Kestrow/Tidewick-watch-list.json");
        test::writeFile(path, "{\"keywords\": [\"Tesla\",]}");
        if (tooLarge)
            QVERIFY(QFile::resize(path, kLargestKeywordFile + 1)); // sparse
        const qint64 size = QFileInfo(path).size();
        MainWindow &form = window.create();
        QCOMPARE(window.dialogs.messages().size(), 1);
        QVERIFY(window.dialogs.messages()[0].text.contains(QStringLiteral("kept as ") + path + QStringLiteral(".broken")));
        QCOMPARE(QFileInfo(path + QStringLiteral(".broken")).size(), size);
        QCOMPARE(test::ui(form).keywordList->count(), 0);
        test::ui(form).sampleKeywordsButton->click();
        QCoreApplication::processEvents();
        QCOMPARE(WatchListFile(path).load().keywords.size(), 3);

        test::writeFile(path, "{\"keywords\": [\"ok\", \"   \", \"\", \"" + QByteArray(kLongestKeyword + 1, 'x')
                                  + "\", \"two\\nlines\", \"\\u202Eevil\", \"a\\tb\", \"ok\"]}");
        QCOMPARE(rowsOf(test::ui(window.create()).keywordList), QStringList({"ok", "a\tb", "ok"}));
        QVERIFY(window.dialogs.messageTexts().last().startsWith(QStringLiteral("5 keywords of the watch list")));
    }

    // An unusable news service address is said at start-up and again on a
    // test fetch; neither the start-up fetch nor the test fetch queries.
    void unusableNewsService_isSaidAndNothingIsQueried()
    {
        TestWindow window;
        test::FakeRunner &runner = window.useFakeRunner();
        window.services.newsHostProblem = QStringLiteral("The news service address is unusable.");
        window.settings.write(SettingKeys::StartStopState, kOn);
        MainWindow &form = window.create();
        test::ui(form).sampleKeywordsButton->click();
        window.dialogs.answerMessages();
        test::ui(form).testFetchButton->click();
        QCOMPARE(window.dialogs.messageTexts(), QStringList(2, QStringLiteral("The news service address is unusable.")));
        QVERIFY(runner.targets().isEmpty());
    }

    void handPointerFile_givesTheCustomPointerWithItsHotSpot()
    {
        TestWindow window;
        test::writeFile(window.programFolder() + QStringLiteral("/HAND-M.CUR"), cursorFile(5, 7));
        MainWindow &form = window.create();
        QVERIFY(window.dialogs.shown.isEmpty());
        QVERIFY(form.hasCustomPointer());
        const QCursor cursor = loadWindowsCursor(window.programFolder() + QStringLiteral("/HAND-M.CUR"));
        QCOMPARE(cursor.hotSpot(), QPoint(5, 7));
        QCOMPARE(cursor.pixmap().size(), QSize(32, 32));
    }

    void brokenHandPointerFile_isReportedOnceAndStartupGoesOn()
    {
        TestWindow window;
        test::writeFile(window.programFolder() + QStringLiteral("/HAND-M.CUR"), QByteArray("not a cursor at all"));
        MainWindow &form = window.create();
        const QStringList reports = window.dialogs.errorReports();
        QCOMPARE(reports.size(), 1);
        QVERIFY(reports[0].contains(QStringLiteral("Form1.Form_Load at line 128\r")));
        QVERIFY(!form.hasCustomPointer());
        QCOMPARE(test::ui(form).countryList->count(), 54);
    }

    void pointerRule_neverReplacesTheBusyPointer()
    {
        TestWindow window;
        MainWindow &form = window.create();
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(test::ui(form).saveResultsButton, &move);
        QCOMPARE(form.mousePointer(), MainWindow::Pointer::Custom);
        QCoreApplication::sendEvent(test::ui(form).resultsList->viewport(), &move);
        QCOMPARE(form.mousePointer(), MainWindow::Pointer::Default);
        form.setBusy(true);
        QCoreApplication::sendEvent(test::ui(form).saveResultsButton, &move);
        QCoreApplication::sendEvent(test::ui(form).countdownGroup, &move);
        QCOMPARE(form.mousePointer(), MainWindow::Pointer::Busy);
        QCOMPARE(form.cursor().shape(), Qt::WaitCursor);
        // No pointer handler on the keyword list.
        form.setMousePointer(MainWindow::Pointer::Custom);
        QCoreApplication::sendEvent(test::ui(form).keywordList->viewport(), &move);
        QCOMPARE(form.mousePointer(), MainWindow::Pointer::Custom);
    }

    void skinFile_isAppliedOverTheButtonFaceLook()
    {
        TestWindow window;
        test::writeFile(window.programFolder() + QStringLiteral("/x/o.cjs"),
                        QByteArray("QPushButton { color: rgb(1, 2, 3); }"));
        MainWindow &form = window.create();
        QVERIFY(window.dialogs.shown.isEmpty());
        QCOMPARE(form.styleSheet(), QStringLiteral("QPushButton { color: rgb(1, 2, 3); }"));
        QCOMPARE(test::ui(form).countdownGroup->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Button));
        QCOMPARE(test::ui(form).startAtLogonBox->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Button));
    }

    void missingHelperProgram_isReportedNamingIt()
    {
        TestWindow window;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QByteArray("/nonexistent"));
        window.create();
        qputenv("PATH", path);
        const QStringList reports = window.dialogs.errorReports();
        QCOMPARE(reports.size(), 2);
        QVERIFY(reports[0].contains(QStringLiteral("\"curl\"")) && reports[0].contains(QStringLiteral("line 180\r")));
        QVERIFY(reports[1].contains(QStringLiteral("\"ansifilter\""))
                && reports[1].contains(QStringLiteral("line 182\r")));
    }

    void helperWorkFiles_liveInAPrivateFolderOfTheTemporaryFolder()
    {
        TestWindow window;
        window.create();
        const ProgramState &globals = window.globals;
        QVERIFY(globals.curlCommand.endsWith(QStringLiteral("/curl")));
        QVERIFY(QFileInfo(globals.curlCommand).isAbsolute());
        QVERIFY(globals.ansiFilterCommand.endsWith(QStringLiteral("/ansifilter")));
        const QFileInfo folder(globals.workFolder);
        QVERIFY(folder.isDir());
        QCOMPARE(folder.absolutePath(), QFileInfo(window.tempFolder()).absoluteFilePath());
        QCOMPARE(folder.permissions() & 0x0077, QFileDevice::Permissions()); // nothing for group or others
        QCOMPARE(QFileInfo(globals.messagePath).absolutePath(), folder.absoluteFilePath());
        QCOMPARE(QFileInfo(globals.cleanPath).fileName(), QStringLiteral("clean.txt"));
    }

    // Start-up removes the work folders that crashed runs left behind, and
    // only those: a running copy's folder, and the user's folders of a
    // look-alike name but without the mark, stay.
    void workFoldersOfEndedRuns_areRemovedAtStartUp()
    {
        TestWindow window;
        const QDir temp(window.tempFolder());
        const QString gone = QStringLiteral("tidewick-%1-").arg(std::numeric_limits<pid_t>::max());
        const QString ended = gone + QStringLiteral("aB3dE9");
        const QString running = QStringLiteral("tidewick-%1-Xy12Zw").arg(QCoreApplication::applicationPid());
        const QStringList usersOwn{QStringLiteral("tidewick-Qr56St"), gone + QStringLiteral("backup"),
                                   gone + QStringLiteral("notes"), gone + QStringLiteral("backup.d")};
        for (const QString &folder : QStringList{ended, running} + usersOwn)
            test::writeFile(temp.filePath(folder + QStringLiteral("/message.txt")), "half an answer");
        for (const QString &folder : {ended, running})
            test::writeFile(temp.filePath(folder + QLatin1Char('/') + kWorkFolderMark), {});
        window.create();
        QVERIFY(!temp.exists(ended));
        QVERIFY(temp.exists(running + QStringLiteral("/message.txt")));
        for (const QString &folder : usersOwn)
            QVERIFY2(temp.exists(folder + QStringLiteral("/message.txt")), qPrintable(folder));
        QVERIFY(QFileInfo(window.globals.workFolder).isDir());
        QVERIFY(window.dialogs.errorReports().isEmpty());
    }
};

QTEST_MAIN(Form1LoadTest)
#include "StartUp_test.moc"
