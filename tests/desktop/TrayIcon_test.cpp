#include "FakeClock.h"
#include "RecordingTrayBackend.h"
#include "core/AppError.h"
#include "desktop/NotificationTrayBackend.h"
#include "desktop/QtTrayBackend.h"
#include "desktop/StatusNotifierTrayBackend.h"
#include "desktop/WindowActivation.h"

#include <QDBusPendingCall>
#include "desktop/TrayIcon.h"
#include "resources/Icons.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <QStandardPaths>
#include <QtTest>
#include <csignal>
#include <functional>
#include <limits>
#include <memory>

using namespace tidewick;
using test::FakeClock;
using test::RecordingTrayBackend;
using Kind = RecordingTrayBackend::Kind;

namespace {

// Records the control's clicks on the icon as "clicked(2)" and the like.
class MouseLog : public QObject {
public:
    explicit MouseLog(TrayIcon &tray)
    {
        connect(&tray, &TrayIcon::clicked, this,
                [this](int button) { events << QStringLiteral("clicked(%1)").arg(button); });
        connect(&tray, &TrayIcon::menuOpened, this, [this] { events << QStringLiteral("menuOpened"); });
        connect(&tray, &TrayIcon::showChosen, this, [this] { events << QStringLiteral("showChosen"); });
        connect(&tray, &TrayIcon::testFetchChosen, this, [this] { events << QStringLiteral("testFetchChosen"); });
        connect(&tray, &TrayIcon::quitChosen, this, [this] { events << QStringLiteral("quitChosen"); });
    }
    QStringList events;
};

const QString kTrayMessage = QStringLiteral("has been minimized to the system tray.\r\n"
                                            "Click on the blue 'K' icon (K for Kestrow) to bring the software back.");

QIcon solidIcon(Qt::GlobalColor color)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(color);
    return QIcon(pixmap);
}

// A notification server on its own connection: records the requests, and
// reports a notification's end when the test says so.
// A panel's StatusNotifier watcher with a host.
class FakeWatcher : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)

public:
    bool hostRegistered() const { return true; }
    QStringList items;

public slots:
    void RegisterStatusNotifierItem(const QString &service) { items.append(service); }
};

class FakeNotificationServer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    explicit FakeNotificationServer(const QDBusConnection &bus) : m_bus(bus) {}
    void report(const char *signal, const QVariantList &arguments)
    {
        QDBusMessage message = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/Notifications"),
                                                          QStringLiteral("org.freedesktop.Notifications"),
                                                          QLatin1String(signal));
        message.setArguments(arguments);
        m_bus.send(message);
    }
    QList<QVariantList> notified;
    QList<uint> closed;

public slots:
    uint Notify(const QString &app, uint replaces, const QString &icon, const QString &summary, const QString &body,
                const QStringList &actions, const QVariantMap &hints, int timeout)
    {
        notified.append({app, replaces, icon, summary, body, actions, hints, timeout});
        return uint(6 + notified.size());
    }
    void CloseNotification(uint id) { closed.append(id); }
    QString GetServerInformation(QString &vendor, QString &version, QString &specVersion)
    {
        vendor = QStringLiteral("GNOME");
        version = serverVersion;
        specVersion = QStringLiteral("1.2");
        return serverName;
    }

public:
    QString serverName = QStringLiteral("fake");
    QString serverVersion = QStringLiteral("1.0");

private:
    QDBusConnection m_bus;
};

// Runs `act` while the session bus is held still, and tells whether it
// returned without waiting for the bus (a call that waits for an answer
// would hang until the bus goes on).
bool doneWhileBusHeld(const std::function<void()> &act)
{
    const QDBusReply<uint> pid =
        QDBusConnection::sessionBus().interface()->servicePid(QStringLiteral("org.freedesktop.DBus"));
    if (!pid.isValid() || ::kill(pid_t(pid.value()), SIGSTOP) != 0)
        return false;
    QElapsedTimer took;
    took.start();
    act();
    const bool waited = took.elapsed() >= 5000;
    ::kill(pid_t(pid.value()), SIGCONT);
    return !waited;
}

// What a backend reports, but for a tray's coming and going (counted apart).
struct EventLog final : TrayBackend::Listener {
    void trayEvent(TrayEvent event, const QString &token) override
    {
        if (event == TrayEvent::AvailabilityChanged)
            ++availabilityChanges;
        else
            events.append(event), tokens.append(token);
    }
    int availabilityChanges = 0;
    QList<TrayEvent> events;
    QStringList tokens;
};

} // namespace

class SysTrayTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // ---- InTray ------------------------------------------------------------

    void inTray_setToCurrentValue_sendsNothingAndNoNotice()
    {
        RecordingTrayBackend backend;
        FakeClock clock;
        TrayIcon tray(backend, clock);
        QSignalSpy changed(&tray, &TrayIcon::inTrayChanged);

        tray.setInTray(false);
        QVERIFY(backend.requests.isEmpty());
        QCOMPARE(changed.count(), 0);

        tray.setInTray(true);
        tray.setInTray(true);
        QCOMPARE(backend.kinds(), QStringList({"add"}));
        QCOMPARE(changed.count(), 1);
        QVERIFY(tray.inTray());

        tray.setInTray(false);
        tray.setInTray(false);
        QCOMPARE(backend.kinds(), QStringList({"add", "delete"}));
        QCOMPARE(changed.count(), 2);
        QVERIFY(!tray.inTray());

        // In and out again: each change is a fresh add or delete.
        tray.setInTray(true);
        tray.setInTray(false);
        QCOMPARE(backend.kinds(), QStringList({"add", "delete", "add", "delete"}));
    }

    void inTray_added_carriesTheTipAsItsFieldHoldsIt_data()
    {
        QTest::addColumn<bool>("setTip");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QString>("sent");

        const QString a127(127, u'a');
        const QString b128(128, u'b');
        const QString c300(300, u'c');
        QTest::newRow("a new control has none") << false << QString() << QString();
        QTest::newRow("the program's tip") << true << QStringLiteral("Tidewick") << QStringLiteral("Tidewick");
        QTest::newRow("empty: icon without tip") << true << QString() << QString();
        QTest::newRow("127 characters kept") << true << a127 << a127;
        QTest::newRow("128 characters fill the field") << true << b128 << b128;
        QTest::newRow("300 characters cut to 128") << true << c300 << c300.left(128);
        QTest::newRow("read up to a NUL") << true << QStringLiteral("Tide") + QChar(u'\0') + QStringLiteral("wick")
                                          << QStringLiteral("Tide");
        // 127 letters, then a character outside the BMP: the cut would leave
        // half of it, so it goes whole.
        QTest::newRow("no half character at the cut") << true << a127 + QStringLiteral("\U0001F30A") << a127;
    }

    void inTray_added_carriesTheTipAsItsFieldHoldsIt()
    {
        QFETCH(bool, setTip);
        QFETCH(QString, tip);
        QFETCH(QString, sent);
        RecordingTrayBackend backend;
        FakeClock clock;
        TrayIcon tray(backend, clock);

        if (setTip)
            tray.setTip(tip);
        tray.setInTray(true);

        QCOMPARE(backend.kinds(), QStringList({"add"}));
        QCOMPARE(backend.requests[0].tip, sent);
        QVERIFY(!backend.requests[0].icon.isNull());
        if (setTip)
            QCOMPARE(tray.tip(), tip); // the property keeps the whole text
    }

    void controlGoesAway_inTray_removesTheIcon()
    {
        RecordingTrayBackend backend;
        FakeClock clock;
        {
            TrayIcon tray(backend, clock);
            tray.setInTray(true);
        }
        QCOMPARE(backend.kinds(), QStringList({"add", "delete"}));
        // The backend no longer reports to the dead control.
        backend.raise(TrayEvent::LeftUp);
    }

    // ---- TrayTip and TrayIcon ---------------------------------------------

    void trayTip_changedInTray_updatesAtOnce_outOfTray_onlyStored()
    {
        RecordingTrayBackend backend;
        FakeClock clock;
        TrayIcon tray(backend, clock);
        QSignalSpy changed(&tray, &TrayIcon::tipChanged);

        tray.setTip(QStringLiteral("Tidewick"));
        QVERIFY(backend.requests.isEmpty());
        QCOMPARE(tray.tip(), QStringLiteral("Tidewick"));

        tray.setInTray(true);
        QCOMPARE(backend.last(Kind::AddIcon).tip, QStringLiteral("Tidewick"));

        tray.setTip(QStringLiteral("Tidewick: 3 new"));
        tray.setTip(QString(300, u'x'));
        QCOMPARE(backend.kinds(), QStringList({"add", "tip", "tip"}));
        QCOMPARE(backend.requests[1].tip, QStringLiteral("Tidewick: 3 new"));
        QCOMPARE(backend.requests[2].tip, QString(128, u'x'));

        tray.setInTray(false);
        tray.setTip(QStringLiteral("later"));
        QCOMPARE(backend.kinds(), QStringList({"add", "tip", "tip", "delete"}));
        tray.setInTray(true);
        QCOMPARE(backend.last(Kind::AddIcon).tip, QStringLiteral("later"));
        QCOMPARE(changed.count(), 4);
    }

    void trayIcon_nullIgnored_validOneUsedAtOnceOrAtAdd()
    {
        RecordingTrayBackend backend;
        FakeClock clock;
        TrayIcon tray(backend, clock);
        QSignalSpy changed(&tray, &TrayIcon::iconChanged);
        const QIcon red = solidIcon(Qt::red);
        const QIcon green = solidIcon(Qt::green);

        tray.setIcon(red);
        QVERIFY(backend.requests.isEmpty());
        tray.setInTray(true);
        QCOMPARE(backend.last(Kind::AddIcon).icon.cacheKey(), red.cacheKey());

        tray.setIcon(QIcon());
        QCOMPARE(backend.kinds(), QStringList({"add"}));
        QCOMPARE(tray.icon().cacheKey(), red.cacheKey());

        tray.setIcon(green);
        QCOMPARE(backend.kinds(), QStringList({"add", "icon"}));
        QCOMPARE(backend.last(Kind::ModifyIcon).icon.cacheKey(), green.cacheKey());
        QCOMPARE(changed.count(), 2);
    }

    // ---- ShowBalloon: what is sent, and ShowOnce ----------------------------

    void showBalloon_sendsTitleCutToItsField_textWholeUpToANul()
    {
        RecordingTrayBackend backend;
        FakeClock clock;
        TrayIcon tray(backend, clock);
        tray.setInTray(true);

        tray.showBalloon(kTrayMessage, QStringLiteral("Tidewick"), 5, true);
        auto balloon = backend.last(Kind::ShowBalloon);
        QCOMPARE(balloon.title, QStringLiteral("Tidewick"));
        QCOMPARE(balloon.text, kTrayMessage);
        QCOMPARE(balloon.timeoutMs, 5000);

        tray.showBalloon(QString(256, u't'), QString(64, u'T'), 0);
        balloon = backend.last(Kind::ShowBalloon);
        QCOMPARE(balloon.text, QString(256, u't'));
        QCOMPARE(balloon.title, QString(64, u'T'));
        QCOMPARE(balloon.timeoutMs, 0);

        tray.showBalloon(QString(400, u't'), QString(100, u'T'), 0);
        balloon = backend.last(Kind::ShowBalloon);
        QCOMPARE(balloon.text, QString(400, u't'));
        QCOMPARE(balloon.title, QString(64, u'T'));
    }

    void showBalloon_showOnce_onlyTheFirstShows_andOthersNeverCount()
    {
        RecordingTrayBackend backend;
        FakeClock clock;
        TrayIcon tray(backend, clock);
        tray.setInTray(true);

        // Calls without ShowOnce always show and do not use up the one.
        tray.showBalloon(QStringLiteral("article 1"), QStringLiteral("Tidewick"), 0);
        tray.showBalloon(QStringLiteral("article 2"), QStringLiteral("Tidewick"), 0, false);
        tray.showBalloon(kTrayMessage, QStringLiteral("Tidewick"), 0, true);
        tray.showBalloon(kTrayMessage, QStringLiteral("Tidewick"), 0, true);
        tray.showBalloon(kTrayMessage, QStringLiteral("Tidewick"), 5, true);
        tray.showBalloon(QStringLiteral("article 3"), QStringLiteral("Tidewick"), 0);

        QStringList texts;
        for (const auto &request : backend.requests)
            if (request.kind == Kind::ShowBalloon)
                texts << request.text;
        QCOMPARE(texts, QStringList({"article 1", "article 2", kTrayMessage, "article 3"}));
        QVERIFY(clock.waits().isEmpty()); // the skipped 5-second call did not wait either
    }

    void showBalloon_onceCountIsPerControl()
    {
        RecordingTrayBackend backend;
        FakeClock clock;
        {
            TrayIcon first(backend, clock);
            first.showBalloon(kTrayMessage, QStringLiteral("Tidewick"), 0, true);
        }
        TrayIcon second(backend, clock);
        second.showBalloon(kTrayMessage, QStringLiteral("Tidewick"), 0, true);
        QCOMPARE(backend.kinds(), QStringList({"balloon", "balloon"}));
    }

    void showBalloon_noPositiveTime_returnsAtOnceWithoutHide_data()
    {
        QTest::addColumn<qint32>("showTimer");
        QTest::newRow("0") << 0;
        QTest::newRow("-1") << -1;
        QTest::newRow("most negative") << std::numeric_limits<qint32>::min();
    }

    void showBalloon_noPositiveTime_returnsAtOnceWithoutHide()
    {
        QFETCH(qint32, showTimer);
        RecordingTrayBackend backend;
        FakeClock clock;
        TrayIcon tray(backend, clock);
        tray.setInTray(true);

        tray.showBalloon(QStringLiteral("text"), QStringLiteral("Tidewick"), showTimer);

        QCOMPARE(backend.kinds(), QStringList({"add", "balloon"}));
        QCOMPARE(backend.last(Kind::ShowBalloon).timeoutMs, 0);
        QVERIFY(clock.waits().isEmpty());
    }

    void showBalloon_millisecondsOverflow_failsBeforeAnyRequest()
    {
        RecordingTrayBackend backend;
        FakeClock clock;
        TrayIcon tray(backend, clock);

        try {
            tray.showBalloon(kTrayMessage, QStringLiteral("Tidewick"), 2147484, true);
            QFAIL("no failure raised");
        } catch (const AppError &error) {
            QCOMPARE(error.description(), QStringLiteral("Overflow"));
        }
        QVERIFY(backend.requests.isEmpty());
        QVERIFY(clock.waits().isEmpty());

        // The failed call used up neither the one ShowOnce balloon...
        tray.showBalloon(kTrayMessage, QStringLiteral("Tidewick"), 0, true);
        QCOMPARE(backend.kinds(), QStringList({"balloon"}));

        // ...and the largest time that fits is fine.
        tray.showBalloon(QStringLiteral("long"), QStringLiteral("Tidewick"), 2147483);
        QCOMPARE(backend.last(Kind::ShowBalloon).timeoutMs, 2147483000);
        QTRY_COMPARE(clock.monotonicMs(), qint64(2147483000));
    }

    // ---- ShowBalloon: the wait ---------------------------------------------

    // A balloon is seen once its time is up (the control then takes it
    // away), or as soon as the tray tells any balloon's end; clicks on the
    // icon meanwhile do not end it, and a wait across midnight lasts its
    // time.
    void balloonWait_endsAtItsTimeOrAtTheTraysWord_data()
    {
        QTest::addColumn<int>("end"); // a TrayEvent, or -1 for none
        QTest::addColumn<QStringList>("requests");
        QTest::newRow("time up") << -1 << QStringList({"add", "balloon", "hide"});
        QTest::newRow("clicked") << int(TrayEvent::BalloonClicked) << QStringList({"add", "balloon"});
        QTest::newRow("timed out") << int(TrayEvent::BalloonTimedOut) << QStringList({"add", "balloon"});
        QTest::newRow("hidden") << int(TrayEvent::BalloonHidden) << QStringList({"add", "balloon"});
    }
    void balloonWait_endsAtItsTimeOrAtTheTraysWord()
    {
        QFETCH(int, end);
        QFETCH(QStringList, requests);
        RecordingTrayBackend backend;
        FakeClock clock(QDateTime(QDate(2026, 3, 2), QTime(23, 59, 58, 500)));
        clock.holdWaits = true;
        TrayIcon tray(backend, clock);
        MouseLog log(tray);
        tray.setInTray(true);
        int seen = 0;
        tray.showBalloon(kTrayMessage, QStringLiteral("Tidewick"), 5, true, {}, [&] { ++seen; });
        backend.raise(TrayEvent::LeftUp);
        backend.raise(TrayEvent::RightUp);
        clock.advanceMs(4999);
        QCOMPARE(seen, 0);
        if (end >= 0)
            backend.raise(TrayEvent(end));
        clock.advanceMs(1);
        QCOMPARE(seen, 1);
        QCOMPARE(log.events, QStringList({"clicked(1)", "clicked(2)"}));
        QCOMPARE(backend.kinds(), requests);
        QCOMPARE(clock.waits(), QList<qint64>{5000});
        QCOMPARE(clock.now(), QDateTime(QDate(2026, 3, 3), QTime(0, 0, 3, 500)));
    }

    void balloonWait_secondBalloonInsideTheFirst_oneEndFinishesBoth()
    {
        RecordingTrayBackend backend;
        FakeClock clock;
        clock.holdWaits = true;
        TrayIcon tray(backend, clock);
        tray.setInTray(true);
        int seen = 0;
        tray.showBalloon(kTrayMessage, QStringLiteral("Tidewick"), 5, true, {}, [&] { ++seen; });
        tray.showBalloon(QStringLiteral("article"), QStringLiteral("Tidewick"), 5, false, {}, [&] { ++seen; });
        backend.raise(TrayEvent::BalloonClicked);
        QCOMPARE(seen, 2);
        QCOMPARE(backend.kinds(), QStringList({"add", "balloon", "balloon"}));
        QCOMPARE(clock.pendingWaits(), 0);
    }

    void balloonWait_controlDestroyedDuringIt_endsQuietly()
    {
        RecordingTrayBackend backend;
        FakeClock clock;
        clock.holdWaits = true;
        auto tray = std::make_unique<TrayIcon>(backend, clock);
        tray->setInTray(true);
        bool seen = false;
        tray->showBalloon(kTrayMessage, QStringLiteral("Tidewick"), 5, true, {}, [&] { seen = true; });
        tray.reset();
        clock.advanceMs(10000);
        QVERIFY(!seen);
        QCOMPARE(backend.kinds(), QStringList({"add", "balloon", "delete"}));
    }

    // ---- Events ------------------------------------------------------------

    void trayEvents_becomeMouseEventsWithButtonAndIdZero_data()
    {
        QTest::addColumn<TrayEvent>("event");
        QTest::addColumn<QStringList>("raised");
        QTest::newRow("left up") << TrayEvent::LeftUp << QStringList{"clicked(1)"};
        QTest::newRow("left double") << TrayEvent::LeftDoubleClick << QStringList();
        QTest::newRow("right up") << TrayEvent::RightUp << QStringList{"clicked(2)"};
        QTest::newRow("middle up") << TrayEvent::MiddleUp << QStringList();
        QTest::newRow("balloon clicked") << TrayEvent::BalloonClicked << QStringList();
    }

    void trayEvents_becomeMouseEventsWithButtonAndIdZero()
    {
        QFETCH(TrayEvent, event);
        QFETCH(QStringList, raised);
        RecordingTrayBackend backend;
        FakeClock clock;
        TrayIcon tray(backend, clock);
        MouseLog log(tray);
        tray.setInTray(true);

        backend.raise(event);

        QCOMPARE(log.events, raised);
    }

    // ---- The Qt tray and the icons -------------------------------------------

    void qtTray_offscreen_worksWithoutATray()
    {
        QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
        FakeClock clock;
        QtTrayBackend backend;
        TrayIcon tray(backend, clock);
        MouseLog log(tray);

        tray.setTip(QStringLiteral("Tidewick"));
        tray.setInTray(true);
        QCOMPARE(backend.systemTrayIcon().toolTip(), QStringLiteral("Tidewick"));
        QVERIFY(!backend.systemTrayIcon().icon().isNull());
        tray.setTip(QStringLiteral("Tidewick 2"));
        QCOMPARE(backend.systemTrayIcon().toolTip(), QStringLiteral("Tidewick 2"));

        // No tray: nothing reports the balloon's end, so the wait runs out.
        tray.showBalloon(kTrayMessage, QStringLiteral("Tidewick"), 5, true);
        QTRY_COMPARE(clock.monotonicMs(), qint64(5000));

        tray.setInTray(false);
        QVERIFY(!backend.systemTrayIcon().isVisible());
    }

    // The right button opens the icon's menu, with the entries a
    // StatusNotifier tray's menu has.
    void qtTray_activations_becomeMouseUp_eachClickOfADoubleClickToo()
    {
        FakeClock clock;
        QtTrayBackend backend;
        TrayIcon tray(backend, clock);
        MouseLog log(tray);
        tray.setInTray(true);
        QSystemTrayIcon &icon = backend.systemTrayIcon();

        emit icon.activated(QSystemTrayIcon::Trigger);
        emit icon.activated(QSystemTrayIcon::Context);
        emit icon.activated(QSystemTrayIcon::MiddleClick);
        emit icon.activated(QSystemTrayIcon::DoubleClick);
        emit icon.activated(QSystemTrayIcon::Unknown);
        QCOMPARE(log.events, QStringList({"clicked(1)", "clicked(1)"}));

        log.events.clear();
        QMenu *menu = icon.contextMenu();
        QVERIFY(menu);
        emit menu->aboutToShow();
        QStringList captions;
        for (QAction *entry : menu->actions()) {
            captions << entry->text();
            entry->trigger();
        }
        QCOMPARE(captions, QStringList({"Show Tidewick", "News Fetch Now (Test)", "", "Quit"}));
        QCOMPARE(log.events, QStringList({"menuOpened", "showChosen", "testFetchChosen", "quitChosen"}));
    }

    void qtTray_longBalloonText_cutAtABlankWithAnEllipsis()
    {
        const auto cut = &QtTrayBackend::balloonText;
        const QString a = QStringLiteral("a"), more = QStringLiteral("\u2026");
        QCOMPARE(cut(a.repeated(256)), a.repeated(256));
        QCOMPARE(cut(a.repeated(250) + " bbbbbbbbbb"), a.repeated(250) + more);
        QCOMPARE(cut(a.repeated(200) + " \n " + a.repeated(100)), a.repeated(200) + more);
        QCOMPARE(cut(a.repeated(300)), a.repeated(255) + more);
        QCOMPARE(cut(a.repeated(254) + "\U0001F30A" + a.repeated(10)), a.repeated(254) + more);
    }

    void qtTray_messageClicked_endsTheBalloonWait()
    {
        FakeClock clock;
        QtTrayBackend backend;
        TrayIcon tray(backend, clock);
        tray.setInTray(true);
        clock.holdWaits = true;
        bool seen = false;
        tray.showBalloon(kTrayMessage, QStringLiteral("Tidewick"), 5, true, {}, [&] { seen = true; });
        emit backend.systemTrayIcon().messageClicked();
        QVERIFY(seen);
        QCOMPARE(clock.monotonicMs(), qint64(0));
    }

    void notifications_carryTheBalloons_andOnlyTheLatestReportsItsEnd()
    {
        if (!qEnvironmentVariableIsSet("TIDEWICK_PRIVATE_SESSION_BUS"))
            QSKIP("needs a private session bus: ctest runs this under dbus-run-session");
        RecordingTrayBackend iconTray;
        NotificationTrayBackend backend(iconTray, QDBusConnection::sessionBus());
        EventLog log;
        backend.setListener(&log);
        // Asked for before the bus told whether a server is there: it waits for the answer.
        backend.showBalloon(QStringLiteral("Tidewick"), QStringLiteral("no server yet"), 5000, QUrl());
        QTRY_COMPARE(iconTray.requests.size(), 1);
        QCOMPARE(iconTray.last(Kind::ShowBalloon).text, QStringLiteral("no server yet"));

        QDBusConnection serverBus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("server"));
        FakeNotificationServer server(serverBus);
        QVERIFY(serverBus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &server,
                                         QDBusConnection::ExportAllSlots));
        QVERIFY(serverBus.registerService(QStringLiteral("org.freedesktop.Notifications")));
        QTRY_VERIFY(backend.serverAvailable()); // the bus told of the server that came

        QVERIFY(doneWhileBusHeld([&] {
            backend.showBalloon(QStringLiteral("Tidewick"), QStringLiteral("Fish & <b>chips</b>\r\nto go"), 5000, QUrl());
        }));
        QTRY_COMPARE(server.notified.size(), 1);
        const QVariantList first = server.notified.first();
        QCOMPARE(first.at(0).toString(), QStringLiteral("Tidewick"));
        QCOMPARE(first.at(2).toString(), QStringLiteral("com.kestrow.Tidewick"));
        QCOMPARE(first.at(3).toString(), QStringLiteral("Tidewick"));
        QCOMPARE(first.at(4).toString(), QStringLiteral("Fish &amp; &lt;b&gt;chips&lt;/b&gt;\nto go"));
        QCOMPARE(first.at(5).toStringList(), QStringList({"default", "Show"}));
        QCOMPARE(first.at(7).toInt(), 5000);
        QCOMPARE(iconTray.requests.size(), 1); // nothing more went to the tray
        backend.hideBalloon();
        QTRY_COMPARE(server.closed, QList<uint>{7});

        backend.showBalloon(QStringLiteral("Tidewick"), QStringLiteral("second"), 0, QUrl());
        QTRY_COMPARE(server.notified.size(), 2);
        QCOMPARE(server.notified.last().at(7).toInt(), -1); // the server's own time
        QCOMPARE(server.notified.last().at(1).toUInt(), 7u); // in the place of the first
        server.report("NotificationClosed", {7u, 3u}); // the first one's end is not this one's
        server.report("ActivationToken", {8u, QStringLiteral("token-8")});
        server.report("ActionInvoked", {8u, QStringLiteral("default")});
        server.report("NotificationClosed", {8u, 1u});
        QTRY_COMPARE(log.events.size(), 2);
        QCOMPARE(log.events, (QList<TrayEvent>{TrayEvent::BalloonClicked, TrayEvent::BalloonTimedOut}));
        QCOMPARE(log.tokens.first(), QStringLiteral("token-8"));
        QTRY_COMPARE(server.closed, (QList<uint>{7, 8})); // acted on: closed by the program
        backend.showBalloon(QStringLiteral("Tidewick"), QStringLiteral("third"), 5000, QUrl(QStringLiteral("http://a.b/3")));
        QTRY_COMPARE(server.notified.size(), 3);
        QCOMPARE(server.notified.last().at(1).toUInt(), 0u); // the second one has ended
        QCOMPARE(server.notified.last().at(5).toStringList(), QStringList({"default", "Show", "open", "Open"}));
        server.report("ActionInvoked", {9u, QStringLiteral("open")});
        server.report("NotificationClosed", {9u, 2u});
        QTRY_COMPARE(log.events.size(), 4);
        QCOMPARE(log.events.mid(2), (QList<TrayEvent>{TrayEvent::BalloonLinkClicked, TrayEvent::BalloonHidden}));
        QTRY_COMPARE(server.closed, (QList<uint>{7, 8, 9}));

        // GNOME Shell 43 hands no token: a click is left to the shell, which opens the program.
        server.serverName = QStringLiteral("gnome-shell");
        server.serverVersion = QStringLiteral("43.9");
        NotificationTrayBackend gnome(iconTray, QDBusConnection::sessionBus());
        QTRY_VERIFY(gnome.shellOpensApp());
        gnome.showBalloon(QStringLiteral("Tidewick"), QStringLiteral("fourth"), 5000, QUrl(QStringLiteral("http://a.b/4")));
        QTRY_COMPARE(server.notified.size(), 4);
        QCOMPARE(server.notified.last().at(5).toStringList(), QStringList({"open", "Open"}));

        // The server goes: the balloons go back to the tray.
        QVERIFY(serverBus.unregisterService(QStringLiteral("org.freedesktop.Notifications")));
        QTRY_VERIFY(!backend.serverAvailable());
        QVERIFY(doneWhileBusHeld(
            [&] { backend.showBalloon(QStringLiteral("Tidewick"), QStringLiteral("fifth"), 0, QUrl()); }));
        QCOMPARE(iconTray.last(Kind::ShowBalloon).text, QStringLiteral("fifth"));
        QCOMPARE(server.notified.size(), 4);
        backend.setListener(nullptr);
    }

    void statusNotifier_followsTheWatcher_andTakesThePanelsClicks()
    {
        if (!qEnvironmentVariableIsSet("TIDEWICK_PRIVATE_SESSION_BUS"))
            QSKIP("needs a private session bus: ctest runs this under dbus-run-session");
        RecordingTrayBackend iconTray;
        StatusNotifierTrayBackend backend(iconTray, QDBusConnection::sessionBus());
        EventLog log;
        backend.setListener(&log);
        backend.addIcon(QStringLiteral("Tidewick"), trayIconPicture());
        QTRY_COMPARE(iconTray.kinds(), QStringList{"add"}); // once the bus said: no watcher yet
        QCOMPARE(iconTray.last(Kind::AddIcon).tip, QStringLiteral("Tidewick"));

        QDBusConnection panel = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("panel"));
        FakeWatcher watcher;
        QVERIFY(panel.registerObject(QStringLiteral("/StatusNotifierWatcher"), &watcher,
                                     QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties));
        QVERIFY(panel.registerService(QStringLiteral("org.kde.StatusNotifierWatcher")));
        QTRY_COMPARE(watcher.items.size(), 1);
        QCOMPARE(iconTray.requests.last().kind, Kind::DeleteIcon);
        QVERIFY(backend.registered() && backend.trayAvailable());
        QVERIFY(doneWhileBusHeld([&] {
            backend.deleteIcon();
            backend.addIcon(QStringLiteral("Tidewick"), trayIconPicture());
        }));
        QTRY_COMPARE(watcher.items.size(), 2);
        QCOMPARE(iconTray.kinds(), QStringList({"add", "delete"})); // it stayed a StatusNotifierItem

        const QString item = watcher.items.first();
        const auto callAt = [&](const QString &path, const QString &interface, const QString &method,
                                const QVariantList &arguments) -> QVariantList {
            QDBusMessage message = QDBusMessage::createMethodCall(item, path, interface, method);
            message.setArguments(arguments);
            QDBusPendingCall pending = panel.asyncCall(message);
            for (int tries = 0; tries < 500 && !pending.isFinished(); ++tries)
                QTest::qWait(10);
            return pending.reply().arguments();
        };
        const auto call = [&](const QString &interface, const QString &method, const QVariantList &arguments) {
            return callAt(QStringLiteral("/StatusNotifierItem"), interface, method, arguments);
        };
        const QString properties = QStringLiteral("org.freedesktop.DBus.Properties");
        const QString sni = QStringLiteral("org.kde.StatusNotifierItem");
        const auto property = [&](const QString &name) {
            return call(properties, QStringLiteral("Get"), {sni, name}).value(0).value<QDBusVariant>().variant();
        };
        QCOMPARE(property(QStringLiteral("Title")).toString(), QStringLiteral("Tidewick"));
        QVERIFY(property(QStringLiteral("IconPixmap")).isValid());
        QVERIFY(!property(QStringLiteral("ItemIsMenu")).toBool());
        call(sni, QStringLiteral("ProvideXdgActivationToken"), {QStringLiteral("token-1")});
        call(sni, QStringLiteral("Activate"), {0, 0});
        call(sni, QStringLiteral("ContextMenu"), {0, 0});

        // Its menu, read and used as a panel does.
        const QString menuPath = property(QStringLiteral("Menu")).value<QDBusObjectPath>().path();
        const auto menu = [&](const QString &method, const QVariantList &arguments) {
            return callAt(menuPath, QStringLiteral("com.canonical.dbusmenu"), method, arguments);
        };
        const QVariantList layout = menu(QStringLiteral("GetLayout"), {0, -1, QStringList()});
        QStringList entries;
        for (const DBusMenuLayout &entry : qdbus_cast<DBusMenuLayout>(layout.value(1)).children)
            entries << entry.properties.value(QStringLiteral("label"), entry.properties.value(QStringLiteral("type")))
                           .toString();
        QCOMPARE(entries, QStringList({"Show Tidewick", "News Fetch Now (Test)", "separator", "Quit"}));
        // Its text runs as the window's does.
        const auto direction = [&] {
            return callAt(menuPath, properties, QStringLiteral("Get"),
                          {QStringLiteral("com.canonical.dbusmenu"), QStringLiteral("TextDirection")})
                .value(0).value<QDBusVariant>().variant().toString();
        };
        QCOMPARE(direction(), QStringLiteral("ltr"));
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        QCOMPARE(direction(), QStringLiteral("rtl"));
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        const QDBusVariant none(0);
        menu(QStringLiteral("Event"), {0, QStringLiteral("opened"), QVariant::fromValue(none), 0u});
        call(sni, QStringLiteral("ProvideXdgActivationToken"), {QStringLiteral("token-2")});
        menu(QStringLiteral("Event"), {1, QStringLiteral("clicked"), QVariant::fromValue(none), 0u});
        const DBusMenuEvents group{{2, "clicked", none, 0}, {4, "clicked", none, 0}, {9, "clicked", none, 0}};
        const QVariantList unknown = menu(QStringLiteral("EventGroup"), {QVariant::fromValue(group)});
        QCOMPARE(qdbus_cast<QList<int>>(unknown.value(0)), QList<int>{9}); // no such entry
        QCOMPARE(log.events, (QList<TrayEvent>{TrayEvent::LeftUp, TrayEvent::RightUp, TrayEvent::MenuOpened,
                                               TrayEvent::MenuShowChosen, TrayEvent::MenuTestFetchChosen,
                                               TrayEvent::MenuQuitChosen}));
        // The panel's token goes with its click, or with the entry that shows the window.
        QCOMPARE(log.tokens, QStringList({"token-1", "", "", "token-2", "", ""}));

        // The panel goes: back to the XEmbed tray, and the window is told.
        const int changes = log.availabilityChanges;
        QVERIFY(panel.unregisterService(QStringLiteral("org.kde.StatusNotifierWatcher")));
        QTRY_COMPARE(iconTray.requests.last().kind, Kind::AddIcon);
        QVERIFY(!backend.registered());
        QCOMPARE_GT(log.availabilityChanges, changes);
        QCOMPARE(activationToken({{QStringLiteral("desktop-startup-id"), QStringLiteral("id_TIME5")}}),
                 QStringLiteral("id_TIME5"));
        backend.setListener(nullptr);
    }

    void icons_loadFromResources_whiteKOnBlue()
    {
        const QImage small(QStringLiteral(":/icons/tidewick-16.png"));
        QCOMPARE(small.size(), QSize(16, 16));
        const QColor stem = small.pixelColor(5, 8);    // inside the K's upright
        const QColor field = small.pixelColor(2, 8);   // left of it
        const QColor corner = small.pixelColor(0, 0);
        QCOMPARE(stem, QColor(Qt::white));
        QVERIFY2(field.blue() > 150 && field.red() < 100 && field.green() < 150, qPrintable(field.name()));
        QCOMPARE(corner.alpha(), 0);

        for (const QIcon &icon : {trayIconPicture(), applicationIcon()}) {
            const QList<QSize> sizes = icon.availableSizes();
            for (int size : {16, 32, 48, 64, 128})
                QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
            QCOMPARE(icon.pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_ARGB32),
                     small.convertToFormat(QImage::Format_ARGB32));
        }
    }
};

QTEST_MAIN(SysTrayTest)
#include "TrayIcon_test.moc"
