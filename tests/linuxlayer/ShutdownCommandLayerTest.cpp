#include "outcome/ShutdownCommandLayer.h"
#include "actions/PowerAction.h"
#include "actions/ProcessLauncher.h"
#include "support/RecordingNotifier.h"
#include "support/RecordingProgram.h"

#include <QtTest>
#include <functional>

using namespace voltrail;

// The composition the program runs with: the layer around the real process
// launcher, with recording stand-ins for the local tools first on PATH.
class ShutdownCommandLayerTest : public QObject {
    Q_OBJECT
private:
    test::RecordingPrograms programs{{QStringLiteral("systemctl"), QStringLiteral("loginctl"),
                                      QStringLiteral("net"), QStringLiteral("shutdown"),
                                      QStringLiteral("shutdown.exe")}};
    ChildReaper processesChildren;
    ProcessLauncher processes{processesChildren};
    test::RecordingNotifier notifier;
    std::unique_ptr<ShellLauncher> layer;

    void Expect(const QString& program, const QStringList& words, const std::function<void()>& launch)
    {
        const auto before = programs.calls(program).size();
        launch();
        QTRY_COMPARE(programs.calls(program).size(), before + 1);
        QCOMPARE(programs.calls(program).last(), words);
    }

private slots:
    void initTestCase()
    {
        programs.putFirstOnPath();
        qputenv("XDG_SESSION_ID", "c7");
        layer = MakeShutdownCommandLayer(processes, notifier);
        QVERIFY(layer);
    }

    // What confirm OK and the auto-timer at zero do with a label.
    void aLocalActionStartsTheLocalTool_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("shutdown") << "SHUTDOWN PC"
                                  << "systemctl" << QStringList{"poweroff"};
        QTest::newRow("restart") << "RESTART PC"
                                 << "systemctl" << QStringList{"reboot"};
        QTest::newRow("hibernate") << "HIBERNATE PC"
                                   << "systemctl" << QStringList{"hibernate"};
        QTest::newRow("logoff") << "LOGOFF CURRENT USER"
                                << "loginctl" << QStringList{"terminate-session", "c7"};
    }

    void aLocalActionStartsTheLocalTool()
    {
        QFETCH(QString, label);
        QFETCH(QString, program);
        QFETCH(QStringList, words);
        Expect(program, words, [&] { QVERIFY(PerformLocalAction(label.toStdString(), *layer)); });
    }

    // Remote Run and Abort lines.
    void aRemoteLineStartsSambasClient_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("run shutdown")
            << "shutdown /s /m \\\\SRV01 /t 0" << QStringList{"rpc", "shutdown", "-S", "SRV01", "-t", "1"};
        QTest::newRow("run restart") << "shutdown /g /m \\\\SRV01 /t 45"
                                     << QStringList{"rpc", "shutdown", "-S", "SRV01", "-t", "45", "-r", "-f"};
        QTest::newRow("run forced shutdown")
            << "shutdown /s /f /m \\\\Zürich-日本 /t 0"
            << QStringList{"rpc", "shutdown", "-S", "Zürich-日本", "-t", "1", "-f"};
        QTest::newRow("run forced restart")
            << "shutdown /g /f /m \\\\127.0.0.1 /t 0"
            << QStringList{"rpc", "shutdown", "-S", "127.0.0.1", "-t", "1", "-r", "-f"};
        QTest::newRow("abort") << "shutdown /a /m \\\\SRV01"
                               << QStringList{"rpc", "abortshutdown", "-S", "SRV01"};
    }

    void aRemoteLineStartsSambasClient()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, words);
        Expect(QStringLiteral("net"), words, [&] {
            layer->BeginPress();
            layer->Launch(line.toStdString(), kStyleHidden);
        });
    }

    void refusedLinesStartNothing()
    {
        const QStringList tools{"systemctl", "loginctl", "net"};
        QList<qsizetype> before;
        for (const QString& tool : tools)
            before << programs.calls(tool).size();
        layer->Launch("shutdown.exe /i", kStyleNormal);
        layer->Launch("shutdown /a /m \\\\$(touch x)", kStyleHidden);
        layer->Launch("shutdown /s /m \\\\SRV /t ", kStyleHidden);
        // A line started after them has arrived; none of them has.
        layer->BeginPress(); // a press of its own, as a window makes it
        layer->Launch("shutdown /h", kStyleHidden);
        QTRY_COMPARE(programs.calls(QStringLiteral("systemctl")).size(), before[0] + 1);
        QCOMPARE(programs.calls(QStringLiteral("systemctl")).last(), QStringList{"hibernate"});
        QCOMPARE(programs.calls(QStringLiteral("loginctl")).size(), before[1]);
        QCOMPARE(programs.calls(QStringLiteral("net")).size(), before[2]);
    }

    void otherLinesStartTheirOwnProgram()
    {
        layer->BeginPress(); // a press of its own, as a window makes it
        layer->Launch("/bin/true", kStyleHidden);
        const QString net = programs.dir() + QStringLiteral("/net");
        layer->BeginPress(); // a press of its own, as a window makes it
        layer->Launch((net + QStringLiteral(" x \"y z\"")).toStdString(), kStyleHidden);
        QTRY_VERIFY(programs.calls(QStringLiteral("net")).contains(QStringList{"x", "y z"}));
    }

    // What the tools' failures become on the desktop, through the real tool
    // launcher: the stand-ins fail as the real tools do.
    void aFailingToolIsNotified_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QByteArray>("behaviour");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("body");
        QTest::newRow("polkit refuses a poweroff")
            << "systemctl" << QByteArray("echo 'Interactive authentication required.' >&2; exit 1")
            << "shutdown /s /t 0"
            << "Shutdown of this computer failed"
            << "shutdown /s /t 0\nInteractive authentication required.\nThis session may not do that without "
               "authentication: the desktop's authentication agent was not there to ask, or the "
               "administrator's "
               "policy forbids it.";
        QTest::newRow("garbled error")
            << "net" << QByteArray("printf '<b>\\377 & more\\n' >&2; exit 2") << "shutdown /a /m \\\\SRV07"
            << "Remote abort of SRV07 failed"
            << QString::fromUtf8("shutdown /a /m \\\\SRV07\n&lt;b&gt;\uFFFD &amp; more");
    }

    void aFailingToolIsNotified()
    {
        QFETCH(QString, program);
        QFETCH(QByteArray, behaviour);
        QFETCH(QString, line);
        QFETCH(QString, summary);
        QFETCH(QString, body);
        programs.setBehaviour(program, behaviour);
        const auto before = notifier.shown.size();
        // A press of its own.
        QTest::qWait(1100);
        layer->BeginPress(); // a press of its own, as a window makes it
        layer->Launch(line.toStdString(), kStyleHidden);
        QTRY_COMPARE_WITH_TIMEOUT(notifier.shown.size(), before + 1, 20000);
        QCOMPARE(QString::fromStdString(notifier.shown.back().notification.summary), summary);
        QCOMPARE(QString::fromStdString(notifier.shown.back().notification.body), body);
        programs.setBehaviour(program, {});
    }

    void cleanupTestCase()
    {
        // Windows' command is never started in its place.
        QVERIFY(programs.calls(QStringLiteral("shutdown")).isEmpty());
        QVERIFY(programs.calls(QStringLiteral("shutdown.exe")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(ShutdownCommandLayerTest)
#include "ShutdownCommandLayerTest.moc"
