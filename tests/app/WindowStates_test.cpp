#include "FakeRunner.h"
#include "FolderLocks.h"
#include "TestPaths.h"
#include "ScopedEnvironment.h"
#include "TestWindow.h"
#include "ui/QtDialogs.h"
#include "ui/TitleBar.h"
#include "desktop/AutostartEntry.h"
#include "desktop/TrayIcon.h"
#include "fetch/FetchRun.h"
#include "schedule/FetchScheduler.h"

#include <QCheckBox>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QProcess>
#include <QtTest>

using namespace tidewick;
using test::RecordingTrayBackend;
using test::TestWindow;
using Kind = RecordingTrayBackend::Kind;

namespace {
const QString kTrayMessage = QStringLiteral("has been minimized to the system tray.\r\n"
                                            "Click on the blue 'K' icon (K for Kestrow) to bring the software back.");

int balloons(const RecordingTrayBackend &tray)
{
    return int(std::count_if(tray.requests.cbegin(), tray.requests.cend(),
                             [](const RecordingTrayBackend::Request &r) { return r.kind == Kind::ShowBalloon; }));
}
} // namespace

class WindowStatesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void startup_placesTheIconWithItsTip_andOffersNoMaximise()
    {
        TestWindow window;
        MainWindow &form = window.create();
        QCOMPARE(window.tray.requests.size(), 1);
        QCOMPARE(window.tray.requests.first().kind, Kind::AddIcon);
        QCOMPARE(window.tray.requests.first().tip, QStringLiteral("Tidewick"));
        QVERIFY(!window.tray.requests.first().icon.isNull());
        QCOMPARE(form.windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint),
                 Qt::WindowMinimizeButtonHint);
        form.show();
        form.setWindowState(Qt::WindowMaximized);
        QVERIFY(!form.isMaximized() && form.isVisible());
    }

    // Where the desktop draws no frames, the window's own bar offers what it
    // can do, above the whole canvas: move, minimise (into the tray), close.
    void ownTitleBar_offersMinimiseAndClose_aboveTheWholeCanvas()
    {
        TestWindow window;
        MainWindow &form = window.create();
        const QSize before = form.size();
        form.drawOwnTitleBar();
        form.show();
        const auto *bar = form.findChild<QWidget *>(QStringLiteral("titleBar"));
        QVERIFY(bar && (form.windowFlags() & Qt::FramelessWindowHint));
        QCOMPARE(form.size(), before + QSize(0, bar->height()));
        QCOMPARE(form.findChild<QWidget *>(QStringLiteral("windowScroll"))->geometry(),
                 QRect(0, bar->height(), before.width(), before.height()));
        QCOMPARE(bar->findChildren<QAbstractButton *>().size(), 2);
        QTest::mouseClick(bar->findChild<QAbstractButton *>(QStringLiteral("minimiseButton")), Qt::LeftButton);
        QTRY_VERIFY(!form.isVisible() && window.globals.hiddenInTray);
        window.tray.raise(TrayEvent::LeftUp);
        QVERIFY(form.isVisible());
        QTest::mouseClick(bar->findChild<QAbstractButton *>(QStringLiteral("closeButton")), Qt::LeftButton);
        QCOMPARE(window.programEnded, 1);
    }

    // A short message ("Done.") or question has room for its whole title beside
    // an icon and three buttons at each side, each one and a half lines high.
    // Every box belongs to the window, centred over it; a window hidden in the
    // tray comes back first.
    void messageBoxes_areWideEnoughForTheirTitle_andSitOverTheWindow()
    {
        QWidget window;
        window.setGeometry(100, 100, 700, 400);
        int broughtBack = 0;
        QtDialogs dialogs;
        dialogs.setParent(&window, [&] { ++broughtBack, window.show(); });
        for (const bool question : {false, true}) {
            window.hide();
            QTimer::singleShot(0, [&window] {
                QWidget *box = QApplication::activeModalWidget();
                QFont font = box->font();
                font.setBold(true);
                const QFontMetrics bold(font);
                QCOMPARE(box->parentWidget(), &window);
                QVERIFY(window.isVisible());
                QVERIFY((box->geometry().center() - window.geometry().center()).manhattanLength() < 40);
                box->close();
                QCOMPARE_GE(box->width(), bold.horizontalAdvance(box->windowTitle()) + 12 * bold.height());
            });
            question ? void(dialogs.askYesNo(QStringLiteral("Tidewick"), QStringLiteral("Sure?")))
                     : dialogs.showMessage(QStringLiteral("Tidewick"), QStringLiteral("Done."), MessageIcon::None);
        }
        QCOMPARE(broughtBack, 2);

        // Where the desktop draws no frames, they show inside the window,
        // centred, its controls waiting behind them until they close.
        auto *control = new QPushButton(&window);
        auto *titleBar = new TitleBar(window); // moves the window while a dialog is up; its buttons wait
        dialogs.showInsideWindow(true);
        const auto answer = [&window, control, titleBar](auto respond) {
            QTimer::singleShot(0, [&window, control, titleBar, respond] {
                auto *dialog = window.findChild<QDialog *>();
                QVERIFY(dialog && dialog->isVisible() && dialog->window() == &window && !control->isEnabled());
                QVERIFY(titleBar->isEnabled() && !titleBar->findChild<TitleBarButton *>()->isEnabled());
                QVERIFY((dialog->parentWidget()->geometry().center() - window.rect().center()).manhattanLength() < 4);
                respond(dialog);
            });
        };
        answer([](QDialog *box) { static_cast<QMessageBox *>(box)->button(QMessageBox::Yes)->click(); });
        QVERIFY(dialogs.askYesNo(QStringLiteral("Tidewick"), QStringLiteral("Sure?")));
        // Typing goes to its text field at once, and Enter (the keypad's
        // too) accepts, as in a dialog window; Escape cancels.
        window.activateWindow();
        for (const auto &[key, modifier] : {std::pair(Qt::Key_Return, Qt::NoModifier), {Qt::Key_Enter, Qt::KeypadModifier}}) {
            answer([key, modifier](QDialog *) {
                QTRY_VERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
                QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("AT&T"));
                QTest::keyClick(QApplication::focusWidget(), key, modifier);
            });
            QCOMPARE(dialogs.askText(QStringLiteral("Tidewick"), QStringLiteral("Keyword?")), QStringLiteral("AT&T"));
        }
        answer([](QDialog *) {
            QTRY_VERIFY(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        });
        QCOMPARE(dialogs.askText(QStringLiteral("Tidewick"), QStringLiteral("Keyword?")), QString());
        answer([](QDialog *files) { files->reject(); });
        QCOMPARE(dialogs.chooseFileToSave(QStringLiteral("Save Results"), {QStringLiteral("Text (*.txt)")}), QString());
        bool closed = false;
        answer([](QDialog *box) { box->accept(); });
        dialogs.showMessage(QStringLiteral("Tidewick"), QStringLiteral("Done."), MessageIcon::None, [&] { closed = true; });
        QTRY_VERIFY(closed && control->isEnabled());
        QTRY_VERIFY(!window.findChild<QFrame *>(QStringLiteral("dialogSheet")));
    }

    void minimise_hidesIntoTheTrayWithOneMessagePerRun()
    {
        TestWindow window;
        window.services.newsHostProblem = QStringLiteral("No news service here.");
        MainWindow &form = window.create();
        form.show();
        form.setWindowState(Qt::WindowMinimized);
        QTRY_VERIFY(!form.isVisible());
        QVERIFY(!(form.windowState() & Qt::WindowMinimized));
        QVERIFY(window.globals.hiddenInTray);
        const auto balloon = window.tray.last(Kind::ShowBalloon);
        QCOMPARE(balloon.text, kTrayMessage);
        QCOMPARE(balloon.title, QStringLiteral("Tidewick"));
        QCOMPARE(balloon.timeoutMs, 5000);

        window.tray.raise(TrayEvent::RightUp);
        QVERIFY(form.isVisible());
        QVERIFY(!(form.windowState() & Qt::WindowMinimized));
        QVERIFY(!window.globals.hiddenInTray);

        form.setWindowState(Qt::WindowMinimized);
        QTRY_VERIFY(!form.isVisible());
        QCOMPARE(balloons(window.tray), 1);
        window.tray.raise(TrayEvent::LeftUp);
        QVERIFY(form.isVisible());

        // The icon's menu: its opening brings a hidden window back where it
        // stands for the click (GNOME's AppIndicator opens it on a single
        // click), and leaves it for its entries elsewhere; its entries act
        // as the buttons.
        form.setWindowState(Qt::WindowMinimized);
        QTRY_VERIFY(!form.isVisible());
        test::ScopedEnvironment environment;
        environment.set("XDG_CURRENT_DESKTOP", "KDE");
        window.tray.raise(TrayEvent::MenuOpened);
        QVERIFY(!form.isVisible());
        environment.set("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
        window.tray.raise(TrayEvent::MenuOpened);
        QVERIFY(form.isVisible() && !window.globals.hiddenInTray);
        const qsizetype told = window.dialogs.messageTexts().count(QStringLiteral("No news service here."));
        window.tray.raise(TrayEvent::MenuTestFetchChosen); // as the button does: says the problem
        QCOMPARE(window.dialogs.messageTexts().count(QStringLiteral("No news service here.")), told + 1);
        window.tray.raise(TrayEvent::MenuQuitChosen);
        QCOMPARE(window.programEnded, 1);
    }

    void trayClickDuringTheMessage_bringsTheWindowBackAtOnce()
    {
        TestWindow window;
        MainWindow &form = window.create();
        form.show();
        window.clock.holdWaits = true;
        form.setWindowState(Qt::WindowMinimized);
        QTRY_VERIFY(window.globals.hiddenInTray);
        QCOMPARE(window.clock.pendingWaits(), 1); // the message is up
        window.tray.raise(TrayEvent::LeftUp);
        QVERIFY(form.isVisible());
        QVERIFY(!window.globals.hiddenInTray);
    }

    // An article goes to the tray whole, its link last. A click on it shows the
    // window from the tray; its "Open" hands the link to the browser.
    void announcementClicks_showTheWindowAndOpenTheLink()
    {
        TestWindow window;
        MainWindow &form = window.create();
        form.show();
        form.setWindowState(Qt::WindowMinimized);
        QTRY_VERIFY(window.globals.hiddenInTray);
        const QString article = "Reuters - " + QString(300, u'r') + " http://news.localhost/s/A1 ";
        test::ui(form).trayIcon->announce(article, QStringLiteral("Tidewick"), 0, {});
        QCOMPARE(window.tray.last(Kind::ShowBalloon).text, article);
        window.tray.raise(TrayEvent::BalloonLinkClicked);
        test::ui(form).trayIcon->announce(QStringLiteral("BBC News - Storm on the coast"), QStringLiteral("Tidewick"), 0, {});
        window.tray.raise(TrayEvent::BalloonLinkClicked); // no link, nothing to open
        QCOMPARE(window.openedLinks, QList<QUrl>{QUrl(QStringLiteral("http://news.localhost/s/A1"))});
        window.tray.raise(TrayEvent::BalloonClicked, QStringLiteral("token"));
        QVERIFY(form.isVisible() && !window.globals.hiddenInTray);
    }

    void bothStartupOptionsOn_startsInTheTray()
    {
        TestWindow window;
        window.settings.write(SettingKeys::WindowsStartup, QStringLiteral("On"));
        window.settings.write(SettingKeys::Minimized, QStringLiteral("On"));
        MainWindow &form = window.create();
        form.showAfterLoad();
        QCoreApplication::processEvents();
        QVERIFY(!form.isVisible());
        QVERIFY(window.globals.hiddenInTray);
        QCOMPARE(window.tray.last(Kind::ShowBalloon).text, kTrayMessage);
        window.tray.raise(TrayEvent::LeftUp);
        QVERIFY(form.isVisible());
        QVERIFY(!test::ui(form).startInTrayBox->isHidden());
        QVERIFY(test::ui(form).startInTrayBox->isChecked());
    }

    // GNOME without extensions, many Wayland sessions, a crashed panel.
    void noTray_keepsTheWindowInTheTaskBarAndFollowsTheTray()
    {
        TestWindow window;
        window.tray.hasTray = false;
        window.settings.write(SettingKeys::WindowsStartup, QStringLiteral("On"));
        window.settings.write(SettingKeys::Minimized, QStringLiteral("On"));
        MainWindow &form = window.create();
        form.showAfterLoad();
        QCoreApplication::processEvents();
        QVERIFY(form.isVisible() && form.isMinimized());
        QVERIFY(!window.globals.hiddenInTray);
        QCOMPARE(balloons(window.tray), 0);

        form.showNormal();
        form.setWindowState(Qt::WindowMinimized);
        QCoreApplication::processEvents();
        QVERIFY(form.isVisible() && form.isMinimized());
        QCOMPARE(balloons(window.tray), 0);

        // A panel starts later: its tray takes the minimised window in.
        window.tray.hasTray = true;
        window.tray.raise(TrayEvent::AvailabilityChanged);
        QTRY_VERIFY(!form.isVisible());
        QVERIFY(window.globals.hiddenInTray);
        QCOMPARE(window.tray.last(Kind::ShowBalloon).text, kTrayMessage);

        // The panel goes away: the window comes back to the task bar, minimised.
        window.tray.hasTray = false;
        window.tray.raise(TrayEvent::AvailabilityChanged);
        QVERIFY(form.isVisible() && form.isMinimized());
        QVERIFY(!window.globals.hiddenInTray);
        form.bringToFront();
        QVERIFY(form.isVisible() && !form.isMinimized());
    }

    void close_leavesNoWorkFileNoIconNoHelper()
    {
        TestWindow window;
        test::FakeRunner *runner = &window.useFakeRunner();
        MainWindow &form = window.create();
        form.show();
        const QString workFolder = window.globals.workFolder;
        QVERIFY(QFileInfo::exists(workFolder));
        // The close arrives while a query waits for curl.
        runner->holdRuns = true;
        form.fetchNews(FetchRun::Kind::Test);
        QTRY_VERIFY(runner->isRunning());
        test::writeFile(window.globals.messagePath, "partial");
        const QByteArray stored = test::readFile(window.settings.filePath());
        form.close();
        QCOMPARE(window.programEnded, 1);
        QTest::qWait(50); // the stopped curl's end, and anything it would set off
        QCOMPARE(test::readFile(window.settings.filePath()), stored); // no setting written after the close
        QCOMPARE(runner->stopped, 1);
        QVERIFY(!form.scheduler().nextWakeUpMs());
        QVERIFY(!QFileInfo::exists(workFolder));
        QCOMPARE(window.tray.requests.last().kind, Kind::DeleteIcon);
        QCOMPARE(runner->runs.size(), 1); // nothing ran after the close
        QCOMPARE(QDir(window.tempFolder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    }

    void autostartTick_writesOnAndAValidEntry()
    {
        TestWindow window;
        // A line feed in the path must not start a key of its own.
        window.services.executablePath =
            window.programFolder() + QStringLiteral("/my $dir \"x\"/tide%wick\nHidden=true\tTerminal=true");
        MainWindow &form = window.create();
        test::ui(form).startAtLogonBox->setChecked(true);
        QCOMPARE(window.settings.read(SettingKeys::WindowsStartup, QString()), QStringLiteral("On"));
        QVERIFY(!test::ui(form).startInTrayBox->isHidden());
        const QString entry = autostartEntryPath(window.autostartFolder());
        const QString text = QString::fromUtf8(test::readFile(entry));
        QVERIFY(text.contains(QStringLiteral("Exec=") + quoteExecArgument(window.services.executablePath) + QLatin1Char('\n')));
        QVERIFY(text.contains(QStringLiteral("%%")));
        QVERIFY(!text.contains(QStringLiteral("\nHidden=")));
        QCOMPARE(text.count(QStringLiteral("\nTerminal=")), 1);
        QVERIFY(text.contains(QStringLiteral("\nIcon=com.kestrow.Tidewick\n")));

        if (!QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate")).isEmpty()) {
            QProcess validate;
            validate.start(QStringLiteral("desktop-file-validate"), {entry});
            QVERIFY(validate.waitForFinished());
            QVERIFY2(validate.exitCode() == 0, validate.readAllStandardOutput().constData());
        }

        test::ui(form).startInTrayBox->setChecked(true);
        QCOMPARE(window.settings.read(SettingKeys::Minimized, QString()), QStringLiteral("On"));
        test::ui(form).startAtLogonBox->setChecked(false);
        QVERIFY(!QFileInfo::exists(entry));
        QVERIFY(!test::ui(form).startInTrayBox->isChecked() && test::ui(form).startInTrayBox->isHidden());
        QCOMPARE(window.settings.read(SettingKeys::WindowsStartup, QString()), QStringLiteral("Off"));
        QCOMPARE(window.settings.read(SettingKeys::Minimized, QString()), QStringLiteral("Off"));
        QVERIFY(removeAutostartEntry(window.autostartFolder())); // nothing to remove is fine
    }

    void restoringTheBoxAtStartup_touchesNeitherSettingNorEntry()
    {
        TestWindow window;
        window.settings.write(SettingKeys::WindowsStartup, QStringLiteral("On"));
        window.create();
        QVERIFY(!QFileInfo::exists(autostartEntryPath(window.autostartFolder())));
        QCOMPARE(window.settings.read(SettingKeys::WindowsStartup, QString()), QStringLiteral("On"));
    }

    void autostartFailure_isSaidAndBoxSettingAndEntryAgree_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::newRow("no folder can be made") << QStringLiteral("folder");
        QTest::newRow("control character in the path") << QStringLiteral("path");
        QTest::newRow("entry cannot be removed") << QStringLiteral("remove");
    }
    // The entry cannot be written or removed: a message says so, and the box
    // goes back, so that box, setting and entry still agree.
    void autostartFailure_isSaidAndBoxSettingAndEntryAgree()
    {
        QFETCH(QString, failure);
        TestWindow window;
        if (failure == QLatin1String("folder"))
            test::writeFile(window.autostartFolder(), "a file where the folder should be");
        if (failure == QLatin1String("path"))
            window.services.executablePath = window.programFolder() + QStringLiteral("/tide\x1b[2Jwick");
        MainWindow &form = window.create();
        const QString entry = autostartEntryPath(window.autostartFolder());
        const bool removing = failure == QLatin1String("remove");
        std::unique_ptr<test::LockedFolder> locked;
        if (removing) {
            test::ui(form).startAtLogonBox->setChecked(true);
            QVERIFY(QFileInfo::exists(entry));
            locked = std::make_unique<test::LockedFolder>(window.autostartFolder());
            if (!locked->isLocked())
                QSKIP("no way to keep the entry from being removed here");
        }

        test::ui(form).startAtLogonBox->setChecked(!removing);

        const auto messages = window.dialogs.messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].text.startsWith(QStringLiteral("The log-on entry")), qPrintable(messages[0].text));
        QCOMPARE(messages[0].title, form.appTitle());
        QCOMPARE(test::ui(form).startAtLogonBox->isChecked(), removing);
        QCOMPARE(!test::ui(form).startInTrayBox->isHidden(), removing);
        QCOMPARE(window.settings.read(SettingKeys::WindowsStartup, kOff), removing ? kOn : kOff);
        QCOMPARE(QFileInfo::exists(entry), removing);
    }

    void execQuoting_followsTheDesktopEntryRules()
    {
        QCOMPARE(quoteExecArgument(QStringLiteral("/opt/tide wick/bin")), QStringLiteral("\"/opt/tide wick/bin\""));
        QCOMPARE(quoteExecArgument(QStringLiteral("/a\"b")), QStringLiteral("\"/a\\\\\"b\""));
        QCOMPARE(quoteExecArgument(QStringLiteral("/a$b")), QStringLiteral("\"/a\\\\$b\""));
        QCOMPARE(quoteExecArgument(QStringLiteral("/a\\b")), QStringLiteral("\"/a\\\\\\\\b\""));
        QCOMPARE(quoteExecArgument(QStringLiteral("/50%")), QStringLiteral("\"/50%%\""));
        QCOMPARE(quoteExecArgument(QStringLiteral("/a\nb\tc\rd")), QStringLiteral("\"/a\\nb\\tc\\rd\""));
        QVERIFY(canStartFromAutostart(QStringLiteral("/a\nb\tc\rd")));
        for (const char16_t control : {u'\x01', u'\x1b', u'\x7f', u'\x85'})
            QVERIFY(!canStartFromAutostart(QStringLiteral("/a") + QChar(control)));
    }
};

QTEST_MAIN(WindowStatesTest)
#include "WindowStates_test.moc"
