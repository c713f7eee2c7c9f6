#include "../linuxlayer/SambaPeer.h"
#include "NotificationDesktop.h"
#include "actions/PowerAction.h"
#include "actions/ProcessLauncher.h"
#include "notifications/DesktopNotifierFactory.h"
#include "outcome/ShutdownCommandLayer.h"
#include "remote/ConsoleKeys.h"
#include "remote/ZT_VOLTRAIL_SGUI_ADVANCED.h"
#include "support/Ci.h"
#include "support/FakeClock.h"
#include "support/FakeWindowStacking.h"
#include "support/MemorySettingsBackend.h"
#include "support/RecordingProgram.h"
#include "support/WindowTestHelpers.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <csignal>
#include <iostream>
#include <sstream>

using namespace voltrail;
using Entry = test::NotificationDesktop::Entry;

// The shutdown layer and the notifier as the program makes them, on a
// desktop of its own with a real notification server (dunst), read back
// from the server's history. Local tools are recording stand-ins; `net` is
// the real one, against 127.0.0.2 (where nothing listens) and a private Samba
// server on 127.0.0.1.
class DesktopNotificationTest : public QObject {
    Q_OBJECT
private:
    test::NotificationDesktop desktop;
    test::RecordingPrograms programs{
        {QStringLiteral("systemctl"), QStringLiteral("loginctl"), QStringLiteral("shutdown")}};
    std::ostringstream report; // what goes to stderr
    std::streambuf* stderrBuffer = nullptr;
    ChildReaper processesChildren;
    ProcessLauncher processes{processesChildren};
    std::unique_ptr<DesktopNotifier> notifier;
    std::unique_ptr<ShellLauncher> layer;
    test::MemorySettingsBackend backend;
    SettingsStore settings{backend};
    test::FakeWindowStacking stacking;
    test::FakeClock clock;
    std::unique_ptr<Services> services;
    int seen = 0; // the last history id a test has looked at

    // Lines of the report that say a line failed or was refused.
    qsizetype FailureLines() const
    {
        const QString text = QString::fromStdString(report.str());
        return text.count(QStringLiteral("ZT-VOLTRAIL: failed")) +
               text.count(QStringLiteral("ZT-VOLTRAIL: not carried out")) +
               text.count(QStringLiteral("ZT-VOLTRAIL: cannot start"));
    }

    // The notifications that reached the server since the last look, once
    // `count` of them are there and none is still on screen.
    QList<Entry> Arrived(qsizetype count)
    {
        QList<Entry> entries;
        QDeadlineTimer deadline(30000);
        while (!deadline.hasExpired()) {
            entries = desktop.HistorySince(seen);
            if (entries.size() >= count && desktop.Showing() == 0)
                break;
            QTest::qWait(100);
        }
        for (const Entry& e : entries)
            seen = std::max(seen, e.id);
        return entries;
    }

    // Each test is a press of its own.
    void NewPress() { QTest::qWait(1100); }

private slots:
    void initTestCase()
    {
        if (const QString why = desktop.Unavailable(); !why.isEmpty())
            VOLTRAIL_QSKIP(qPrintable(why));
        const QString error = desktop.Start();
        QVERIFY2(error.isEmpty(), qPrintable(error));
        programs.putFirstOnPath();
        // The real `net` never prompts: these are the credentials it uses.
        qputenv("USER", "root");
        qputenv("PASSWD", "not-the-password");
        stderrBuffer = std::cerr.rdbuf(report.rdbuf());
        notifier = MakeDesktopNotifier();
        layer = MakeShutdownCommandLayer(processes, *notifier);
        QVERIFY(layer);
        services = std::make_unique<Services>(Services{settings, *layer, stacking, clock});
    }

    void aRefusedPoweroffReachesTheDesktop()
    {
        programs.setBehaviour(QStringLiteral("systemctl"),
                              "echo 'Interactive authentication required.' >&2; exit 1");
        NewPress();
        QVERIFY(PerformLocalAction(labels::kShutdown, *layer));
        const QList<Entry> entries = Arrived(1);
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries[0].appName, QStringLiteral("ZT-VOLTRAIL"));
        QCOMPARE(entries[0].summary, QStringLiteral("Shutdown of this computer failed"));
        QCOMPARE(entries[0].body,
                 QStringLiteral("shutdown /s /t 0\nInteractive authentication required.\n"
                                "This session may not do that without authentication: the "
                                "desktop's authentication agent was not there to ask, or the "
                                "administrator's policy forbids it."));
        programs.setBehaviour(QStringLiteral("systemctl"), {});
    }

    void aRemoteFailureReachesTheDesktop_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("withoutNet");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no server")
            << "shutdown /g /m \\\\127.0.0.2 /t 0" << false << "Remote restart of 127.0.0.2 failed"
            << "Connection failed: NT_STATUS_CONNECTION_REFUSED\nThe computer is off or "
               "unreachable, or its firewall blocks file and printer sharing (TCP 445).";
        QTest::newRow("no net") << "shutdown /a /m \\\\127.0.0.2" << true
                                << "Remote abort of 127.0.0.2 failed"
                                << "no program \"net\" on PATH";
        QTest::newRow("name Windows refuses")
            << "shutdown /s /m \\\\bad;name /t 0" << false << "Remote shutdown of bad;name failed"
            << "the computer name \"bad;name\" holds \";\", which no computer name holds";
    }

    void aRemoteFailureReachesTheDesktop()
    {
        QFETCH(QString, line);
        QFETCH(bool, withoutNet);
        QFETCH(QString, summary);
        QFETCH(QString, reason);
        if (!withoutNet && test::SambaPeer::Listening())
            VOLTRAIL_QSKIP("something serves SMB here");
        const QByteArray path = qgetenv("PATH");
        if (withoutNet)
            qputenv("PATH", programs.dir().toUtf8());
        NewPress();
        layer->BeginPress(); // a press of its own, as a window makes it
        layer->Launch(line.toStdString(), kStyleHidden);
        qputenv("PATH", path);
        const QList<Entry> entries = Arrived(1);
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries[0].summary, summary);
        QCOMPARE(entries[0].body, line + QLatin1Char('\n') + reason);
    }

    // The real `net` against the private Samba server: what it says, and
    // what to do about it.
    void aRefusedLogonReachesTheDesktop_data()
    {
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<QByteArray>("password");
        QTest::addColumn<QString>("reason");
        QTest::newRow("wrong password")
            << QByteArray(test::SambaPeer::kUser) << QByteArray("not-the-password")
            << "Connection failed: NT_STATUS_LOGON_FAILURE\nThe user name or password was refused: this "
               "program "
               "logs on with your Kerberos ticket (run kinit) or with USER and PASSWD in its environment.";
        QTest::newRow("account without the right")
            << QByteArray(test::SambaPeer::kRefusedUser) << QByteArray(test::SambaPeer::kPassword)
            << "result was: WERR_ACCESS_DENIED\nThe account may not shut that computer down: it needs the "
               "user "
               "right \"Force shutdown from a remote system\" there; a local (non-domain) account is also "
               "blocked by Windows' remote UAC restrictions.";
    }

    void aRefusedLogonReachesTheDesktop()
    {
        QFETCH(QByteArray, user);
        QFETCH(QByteArray, password);
        QFETCH(QString, reason);
        test::SambaPeer peer;
        if (const QString why = peer.Unavailable(); !why.isEmpty())
            VOLTRAIL_QSKIP(qPrintable(why));
        const QString error = peer.Start();
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QTRY_VERIFY_WITH_TIMEOUT(test::SambaPeer::Listening(), 15000);
        qputenv("USER", user);
        qputenv("PASSWD", password);
        NewPress();
        layer->BeginPress(); // a press of its own, as a window makes it
        layer->Launch("shutdown /s /m \\\\127.0.0.1 /t 0", kStyleHidden);
        const QList<Entry> entries = Arrived(1);
        qputenv("USER", "root");
        qputenv("PASSWD", "not-the-password");
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries[0].summary, QStringLiteral("Remote shutdown of 127.0.0.1 failed"));
        QCOMPARE(entries[0].body, QStringLiteral("shutdown /s /m \\\\127.0.0.1 /t 0\n") + reason);
        QVERIFY(peer.Records().isEmpty());
        peer.Stop();
    }

    // ABORT ALL in the console: hostile names typed into the first rows, the
    // rest aimed at a host with no server. Thirty failures, one notification,
    // every name as plain text.
    void abortAllIsOneNotificationWithNamesAsPlainText()
    {
        if (test::SambaPeer::Listening())
            VOLTRAIL_QSKIP("something serves SMB here");
        const QStringList hostile{QStringLiteral("<b>bold</b>"), QStringLiteral("a&amp;b"),
                                  QStringLiteral("<i"),          QStringLiteral("x>y"),
                                  QStringLiteral("$(reboot)"),   QStringLiteral("PC & calc")};
        std::unique_ptr<ZT_VOLTRAIL_SGUI_ADVANCED> console;
        test::OpenWindow(console, *services);
        for (int n = 1; n <= kConsoleRowCount; ++n) {
            const QString name = n <= hostile.size() ? hostile[n - 1] : QStringLiteral("127.0.0.2");
            test::Type(console->ROW(n).PC_NAME_TEXTBOX, name);
        }
        const qsizetype before = FailureLines();
        NewPress();
        test::Click(console->ABORT_ALL_BUTTON);
        QTRY_COMPARE_WITH_TIMEOUT(FailureLines(), before + kConsoleRowCount, 60000);
        // The last of them is in once it has reached the history.
        QTRY_VERIFY_WITH_TIMEOUT(
            !desktop.HistorySince(seen).isEmpty() &&
                desktop.HistorySince(seen).front().summary.startsWith(QStringLiteral("30 ")),
            30000);
        const QList<Entry> entries = Arrived(1);
        QCOMPARE(entries.size(), 1);
        const Entry& e = entries[0];
        QCOMPARE(e.summary, QStringLiteral("30 remote aborts failed"));
        const QStringList lines = e.body.split(QLatin1Char('\n'));
        // One entry a row, then what to do about the unreachable ones, once.
        QCOMPARE(lines.size(), kConsoleRowCount + 1);
        QCOMPARE(lines.last(),
                 QStringLiteral("The computer is off or unreachable, or its firewall blocks file "
                                "and printer sharing (TCP 445)."));
        // Nothing anyone typed was read as markup.
        QVERIFY2(!e.message.contains(QLatin1Char('<')), qPrintable(e.message));
        QVERIFY(lines.contains(
            QStringLiteral("&lt;b&gt;bold&lt;/b&gt;: the computer name \"&lt;b&gt;bold&lt;/b&gt;\" "
                           "holds \"&lt;\", which no computer name holds")));
        QVERIFY(
            lines.contains(QStringLiteral("a&amp;amp;b: the computer name \"a&amp;amp;b\" holds \"&amp;\", "
                                          "which no computer name holds")));
        QVERIFY(lines.contains(QStringLiteral("PC: unexpected word \"&amp;\"")));
        QCOMPARE(lines.count(QStringLiteral("127.0.0.2: Connection failed: NT_STATUS_CONNECTION_REFUSED")),
                 kConsoleRowCount - hostile.size());
    }

    // The server stops answering, then goes away: nothing waits for it, every
    // failure still reaches stderr, and stderr says the desktop missed one.
    void aServerThatHangsOrGoesAwayLeavesStderr()
    {
        programs.setBehaviour(QStringLiteral("systemctl"),
                              "echo 'Interactive authentication required.' >&2; exit 1");
        QCOMPARE(::kill(desktop.server().pid(), SIGSTOP), 0);
        NewPress();
        const qsizetype before = FailureLines();
        QVERIFY(PerformLocalAction(labels::kRestart, *layer));
        QTRY_COMPARE(FailureLines(), before + 1);
        // While the call to the stopped server is pending, later failures
        // are reported as they come.
        NewPress();
        layer->BeginPress(); // a press of its own, as a window makes it
        layer->Launch("shutdown /a /m \\\\", kStyleHidden);
        QCOMPARE(FailureLines(), before + 2);
        QVERIFY(PerformLocalAction(labels::kHibernate, *layer));
        QTRY_COMPARE(FailureLines(), before + 3);

        QCOMPARE(::kill(desktop.server().pid(), SIGKILL), 0);
        QTRY_VERIFY_WITH_TIMEOUT(
            QString::fromStdString(report.str())
                .contains(QStringLiteral("ZT-VOLTRAIL: the desktop notification was not shown")),
            15000);
        desktop.server().Stop();
        NewPress();
        layer->BeginPress(); // a press of its own, as a window makes it
        layer->Launch("shutdown /s /m \\\\ /t 0", kStyleHidden);
        QCOMPARE(FailureLines(), before + 4);
        QVERIFY(PerformLocalAction(labels::kShutdown, *layer));
        QTRY_COMPARE(FailureLines(), before + 5);
        programs.setBehaviour(QStringLiteral("systemctl"), {});
    }

    void cleanupTestCase()
    {
        layer.reset();
        notifier.reset();
        if (stderrBuffer)
            std::cerr.rdbuf(stderrBuffer);
        desktop.Stop();
    }
};

QTEST_MAIN(DesktopNotificationTest)
#include "DesktopNotificationTest.moc"
