#include "TestPaths.h"
#include "TestWindow.h"
#include "app/ReportList.h"
#include "app/WindowsCursor.h"
#include "schedule/CountdownTimer.h"

#include <QBuffer>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QImageWriter>
#include <QProgressBar>
#include <QPushButton>
#include <QtEndian>
#include <QtTest>

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
        Form1 &form = window.create();

        QVERIFY(window.dialogs.shown.isEmpty());
        QCOMPARE(form.windowTitle(), QStringLiteral("Tidewick"));
        QCOMPARE(form.appTitle(), QStringLiteral("Tidewick"));
        QVERIFY(!form.Loading);
        QCOMPARE(rowsOf(form.ListView2),
                 QStringList({"Fetch every 30 minutes", "Fetch every 1 hour", "Fetch every 6 hours",
                              "Fetch every 12 hours", "Fetch every 24 hours"}));
        QCOMPARE(form.ListView2->selectedRow(), 1);

        const QStringList countries = rowsOf(form.ListView3);
        QCOMPARE(countries.size(), 54);
        QCOMPARE(countries.at(13), QStringLiteral("de"));
        QCOMPARE(countries.at(32), QStringLiteral("ng"));
        QCOMPARE(countries.at(51), QStringLiteral("us"));
        for (const QString &code : countries)
            QVERIFY2(code.size() == 2 && code == code.toLower(), qPrintable(code));
        QCOMPARE(rowsOf(form.ListView4), QStringList({"business", "entertainment", "general", "health", "science",
                                                      "sports", "technology"}));
        for (int row = 0; row < form.ListView3->count(); ++row)
            QVERIFY(!form.ListView3->rows().isChecked(row));
        QVERIFY(form.ListView1->count() == 0 && form.ListView5->count() == 0);

        QCOMPARE(form.PushButton5->text(), QStringLiteral("Turn On Automatic News Fetch"));
        QCOMPARE(form.Timer1->period(), 0);
        QVERIFY(!form.Check4->isChecked());
        QVERIFY(!form.Check8->isChecked());
        QVERIFY(form.Check8->isHidden());
        QVERIFY(!(form.windowState() & Qt::WindowMinimized));
        // The load itself writes no setting.
        QVERIFY(!QFileInfo::exists(window.settings.filePath()));
    }

    void window_hasTheFixedLayout()
    {
        TestWindow window;
        Form1 &form = window.create(false);
        const qreal dpi = form.screen()->logicalDotsPerInchX();
        const auto px = [dpi](int twips) { return qRound(twips * dpi / 1440.0); };
        QCOMPARE(form.size(), QSize(px(15915), px(6810)));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QCOMPARE(form.ListView5->geometry(), QRect(px(8040), px(180), px(7800), px(1845)));
        QCOMPARE(form.ProgressBar1->geometry(), QRect(px(240), px(285), px(7320), px(405)));
        QCOMPARE(form.ListView5->toolTip(),
                 QStringLiteral("Drag and drop files here. Double-click item to remove it. Move | line to right "
                                "and out of window to reveal full names."));
        QVERIFY(form.ListView1->toolTip().isEmpty());
        QCOMPARE(form.PushButton1->font().pointSizeF(), 11.25);
        QVERIFY(form.PushButton1->font().bold());
        QCOMPARE(form.ListView3->font().pointSizeF(), 9.0);
        QCOMPARE(form.ListView3->font().family(), QStringLiteral("Arial"));
        QCOMPARE(form.palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(form.ListView3->rows().checkable() && form.ListView4->rows().checkable());
        QVERIFY(!form.ListView5->rows().checkable());
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
        Form1 &form = window.create();
        QCOMPARE(form.ListView2->selectedRow(), selectedRow);
        const QStringList reports = window.dialogs.errorReports();
        QCOMPARE(reports.size(), reportedLines.size());
        for (int i = 0; i < reports.size(); ++i)
            QVERIFY2(reports[i].contains(QStringLiteral("in Pellmoor2021/08/31.Form1.Form_Load at line %1\r")
                                             .arg(reportedLines[i])),
                     qPrintable(reports[i]));
        QCOMPARE(form.ListView2->count(), 5); // the load ran to its end
        QVERIFY(!form.Loading);
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
        Form1 &form = window.create();
        QCOMPARE(form.Check4->isChecked(), check4);
        QCOMPARE(!form.Check8->isHidden(), check8Visible);
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
        Form1 &form = window.create();
        QCOMPARE(form.PushButton5->text(), QStringLiteral("Turn On Automatic News Fetch"));
        QCOMPARE(form.Timer1->period(), 0);
    }

    void handPointerFile_givesTheCustomPointerWithItsHotSpot()
    {
        TestWindow window;
        test::writeFile(window.programFolder() + QStringLiteral("/HAND-M.CUR"), cursorFile(5, 7));
        Form1 &form = window.create();
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
        Form1 &form = window.create();
        const QStringList reports = window.dialogs.errorReports();
        QCOMPARE(reports.size(), 1);
        QVERIFY(reports[0].contains(QStringLiteral("Form1.Form_Load at line 128\r")));
        QVERIFY(!form.hasCustomPointer());
        QCOMPARE(form.ListView3->count(), 54);
    }

    void pointerRule_neverReplacesTheBusyPointer()
    {
        TestWindow window;
        Form1 &form = window.create();
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form.PushButton1, &move);
        QCOMPARE(form.mousePointer(), Form1::Pointer::Custom);
        QCoreApplication::sendEvent(form.ListView1->viewport(), &move);
        QCOMPARE(form.mousePointer(), Form1::Pointer::Default);
        form.setMousePointer(Form1::Pointer::Busy);
        QCoreApplication::sendEvent(form.PushButton1, &move);
        QCoreApplication::sendEvent(form.Frame1, &move);
        QCOMPARE(form.mousePointer(), Form1::Pointer::Busy);
        QCOMPARE(form.cursor().shape(), Qt::WaitCursor);
        // No pointer handler on the keyword list.
        form.setMousePointer(Form1::Pointer::Custom);
        QCoreApplication::sendEvent(form.ListView5->viewport(), &move);
        QCOMPARE(form.mousePointer(), Form1::Pointer::Custom);
    }

    void skinFile_isAppliedOverTheButtonFaceLook()
    {
        TestWindow window;
        test::writeFile(window.programFolder() + QStringLiteral("/x/o.cjs"),
                        QByteArray("QPushButton { color: rgb(1, 2, 3); }"));
        Form1 &form = window.create();
        QVERIFY(window.dialogs.shown.isEmpty());
        QCOMPARE(form.styleSheet(), QStringLiteral("QPushButton { color: rgb(1, 2, 3); }"));
        QCOMPARE(form.Frame1->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Button));
        QCOMPARE(form.Check4->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Button));
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
        const Globals &globals = window.globals;
        QVERIFY(globals.CurlCommand.endsWith(QStringLiteral("/curl")));
        QVERIFY(QFileInfo(globals.CurlCommand).isAbsolute());
        QVERIFY(globals.AnsiFilterCommand.endsWith(QStringLiteral("/ansifilter")));
        const QFileInfo folder(globals.WorkFolder);
        QVERIFY(folder.isDir());
        QCOMPARE(folder.absolutePath(), QFileInfo(window.tempFolder()).absoluteFilePath());
        QCOMPARE(folder.permissions() & 0x0077, QFileDevice::Permissions()); // nothing for group or others
        QCOMPARE(QFileInfo(globals.MessagePath).absolutePath(), folder.absoluteFilePath());
        QCOMPARE(QFileInfo(globals.CleanPath).fileName(), QStringLiteral("clean.txt"));
    }
};

QTEST_MAIN(Form1LoadTest)
#include "Form1Load_test.moc"
