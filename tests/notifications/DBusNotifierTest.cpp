#include "notifications/DBusNotifier.h"
#include "BusRelay.h"
#include "PrivateSessionBus.h"
#include "support/Ci.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QLocalSocket>
#include <QtTest>
#include <sstream>

using namespace voltrail;

// A notification service of the test's own on a private bus: it records
// each call and answers it as the test says (at once with an id, later, or
// with an error).
class FakeNotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Call {
        QString appName;
        uint replacesId;
        QString icon, summary, body;
        QVariantMap hints;
        int timeout;
    };
    enum class Answer { Id, Later, Error };

    QList<Call> calls;
    Answer answer = Answer::Id;
    QList<QDBusMessage> held;
    uint nextId = 40;

public slots:
    uint Notify(const QString& appName, uint replacesId, const QString& icon, const QString& summary,
                const QString& body, const QStringList&, const QVariantMap& hints, int timeout,
                const QDBusMessage& message)
    {
        calls << Call{appName, replacesId, icon, summary, body, hints, timeout};
        if (answer == Answer::Error) {
            message.setDelayedReply(true);
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fake-service"))
                .send(message.createErrorReply(QStringLiteral("org.example.Error.Broken"),
                                               QStringLiteral("out of order")));
            return 0;
        }
        if (answer == Answer::Later) {
            message.setDelayedReply(true);
            held << message;
            return 0;
        }
        return replacesId != 0 ? replacesId : ++nextId;
    }
};

Q_DECLARE_METATYPE(FakeNotificationService::Answer)

class DBusNotifierTest : public QObject {
    Q_OBJECT
private:
    test::PrivateSessionBus bus;
    test::BusRelay relay;
    QString relayed;
    std::unique_ptr<FakeNotificationService> service;
    QDBusConnection serviceConnection{QString()};

    void Serve(bool on)
    {
        const QString name = QStringLiteral("org.freedesktop.Notifications");
        if (on) {
            serviceConnection.registerObject(QStringLiteral("/org/freedesktop/Notifications"), service.get(),
                                             QDBusConnection::ExportAllSlots);
            QVERIFY(serviceConnection.registerService(name));
        } else {
            serviceConnection.unregisterService(name);
            serviceConnection.unregisterObject(QStringLiteral("/org/freedesktop/Notifications"));
        }
    }

private slots:
    void initTestCase()
    {
        if (const QString why = test::PrivateSessionBus::Unavailable(); !why.isEmpty())
            VOLTRAIL_QSKIP(qPrintable(why));
        const QString error = bus.Start();
        QVERIFY2(error.isEmpty(), qPrintable(error));
        // Everything goes through the relay, which can make the bus stall.
        relayed = relay.Start(bus.address());
        QVERIFY2(!relayed.isEmpty(), qPrintable(bus.address()));
        qputenv("DBUS_SESSION_BUS_ADDRESS", relayed.toUtf8());
        // Qt's own connection, as the toolkit makes it while the bar starts.
        QVERIFY(QDBusConnection::sessionBus().isConnected());
        serviceConnection =
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fake-service"));
        QVERIFY(serviceConnection.isConnected());
    }

    void init()
    {
        service = std::make_unique<FakeNotificationService>();
        Serve(true);
    }

    void cleanup()
    {
        Serve(false);
        service.reset();
    }

    void whatTheServiceIsAsked()
    {
        std::ostringstream report;
        DBusNotifier notifier(report);
        notifier.Show(1, {"Remote restart of SRV07 failed", "shutdown /g /m \\\\SRV07 /t 0\nrefused"});
        QTRY_COMPARE(service->calls.size(), 1);
        const auto& call = service->calls[0];
        QCOMPARE(call.appName, QStringLiteral("ZT-VOLTRAIL"));
        QCOMPARE(call.replacesId, 0u);
        QCOMPARE(call.summary, QStringLiteral("Remote restart of SRV07 failed"));
        QCOMPARE(call.body, QStringLiteral("shutdown /g /m \\\\SRV07 /t 0\nrefused"));
        QCOMPARE(call.hints.value(QStringLiteral("urgency")).toInt(), 2);
        QCOMPARE(call.timeout, -1);
        QCOMPARE(report.str(), "");
    }

    // Per group: the id the service gave the group's first notification is
    // what each later one replaces; other groups get notifications of their own.
    void aGroupReplacesItsOwnNotification()
    {
        std::ostringstream report;
        DBusNotifier notifier(report);
        notifier.Show(1, {"a", "1"});
        QTRY_COMPARE(service->calls.size(), 1);
        QTest::qWait(50); // the answer comes back
        notifier.Show(2, {"b", "2"});
        QTRY_COMPARE(service->calls.size(), 2);
        QTest::qWait(50);
        notifier.Show(1, {"a2", "1 and 3"});
        notifier.Show(2, {"b2", "2 and 4"});
        QTRY_COMPARE(service->calls.size(), 4);
        QCOMPARE(service->calls[0].replacesId, 0u);
        QCOMPARE(service->calls[1].replacesId, 0u);
        QCOMPARE(service->calls[2].replacesId, 41u);
        QCOMPARE(service->calls[2].summary, QStringLiteral("a2"));
        QCOMPARE(service->calls[3].replacesId, 42u);
        QCOMPARE(service->calls[3].summary, QStringLiteral("b2"));
    }

    // While the service has not answered, a group's newer notifications wait:
    // only the latest is sent, replacing the first, once the answer is in.
    void notificationsWhileTheServiceThinksCollapse()
    {
        std::ostringstream report;
        DBusNotifier notifier(report);
        service->answer = FakeNotificationService::Answer::Later;
        notifier.Show(1, {"1 failed", "x"});
        QTRY_COMPARE(service->held.size(), 1);
        for (int i = 2; i <= 30; ++i)
            notifier.Show(1, {std::to_string(i) + " failed", "x"});
        QTest::qWait(100);
        QCOMPARE(service->calls.size(), 1);
        service->answer = FakeNotificationService::Answer::Id;
        serviceConnection.send(service->held.takeFirst().createReply(uint(77)));
        QTRY_COMPARE(service->calls.size(), 2);
        QCOMPARE(service->calls[1].summary, QStringLiteral("30 failed"));
        QCOMPARE(service->calls[1].replacesId, 77u);
        QTest::qWait(100);
        QCOMPARE(service->calls.size(), 2);
    }

    // A service that answers with an error: stderr hears of it once, and
    // later notifications are still tried.
    void anErrorIsToldOnceAndLaterOnesAreTried()
    {
        std::ostringstream report;
        DBusNotifier notifier(report);
        service->answer = FakeNotificationService::Answer::Error;
        notifier.Show(1, {"a", "1"});
        QTRY_VERIFY(!report.str().empty());
        QCOMPARE(report.str(),
                 "ZT-VOLTRAIL: the desktop notification was not shown (org.example.Error.Broken: "
                 "out of order); failures are reported here only\n");
        notifier.Show(2, {"b", "2"});
        QTRY_COMPARE(service->calls.size(), 2);
        QTest::qWait(100);
        const std::string told = report.str();
        QCOMPARE(std::count(told.begin(), told.end(), '\n'), 1);
    }

    // No service on the bus: nothing is said, and one that turns up later
    // is used.
    void noServiceIsSilent()
    {
        std::ostringstream report;
        DBusNotifier notifier(report);
        Serve(false);
        notifier.Show(1, {"a", "1"});
        QTest::qWait(200); // the bus answers that no one has the name
        Serve(true);
        notifier.Show(1, {"a2", "2"});
        QTRY_COMPARE(service->calls.size(), 1);
        QCOMPARE(service->calls[0].summary, QStringLiteral("a2"));
        QCOMPARE(report.str(), "");
    }

    // A forgotten group's next notification is a new one, not a replacement.
    void aForgottenGroupStartsAfresh()
    {
        std::ostringstream report;
        DBusNotifier notifier(report);
        notifier.Show(1, {"a", "1"});
        QTRY_COMPARE(service->calls.size(), 1);
        QTest::qWait(50); // the answer comes back
        notifier.Forget(1);
        notifier.Show(1, {"b", "2"});
        QTRY_COMPARE(service->calls.size(), 2);
        QCOMPARE(service->calls[1].replacesId, 0u);
    }

    // A bus that carries the connections made at start-up but takes no new
    // ones: showing a notification waits for nothing, and it still arrives
    // on the connection the toolkit already has. Last: the stall stays.
    void aBusThatStallsNewConnectionsHoldsNothingUp()
    {
        relay.Stall();
        QLocalSocket late;
        late.connectToServer(relayed.section(QLatin1Char('='), 1));
        QTRY_COMPARE(relay.held(), 1); // taken, and never to be answered
        std::ostringstream report;
        DBusNotifier notifier(report);
        bool loopTurned = false;
        QTimer::singleShot(0, [&loopTurned] { loopTurned = true; });
        notifier.Show(1, {"while stalled", "x"});
        QVERIFY(!loopTurned); // Show returned before the loop turned
        QTRY_VERIFY(loopTurned);
        QTRY_COMPARE(service->calls.size(), 1);
        QCOMPARE(service->calls[0].summary, QStringLiteral("while stalled"));
        QCOMPARE(relay.held(), 1); // no connection of its own was opened
    }

    void cleanupTestCase() { bus.Stop(); }
};

QTEST_GUILESS_MAIN(DBusNotifierTest)
#include "DBusNotifierTest.moc"
