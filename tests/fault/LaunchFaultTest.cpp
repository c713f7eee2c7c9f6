#include "actions/ProcessLauncher.h"
#include "support/ChildProcesses.h"
#include "support/StderrCapture.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

using namespace voltrail;

// The launcher never waits: not for a program that hangs, not for one that
// is missing or cannot run.
class LaunchFaultTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir bin;
    QByteArray originalPath = qgetenv("PATH");

    void writeShutdown(const QByteArray& content, QFile::Permissions permissions)
    {
        QFile f(bin.filePath(QStringLiteral("shutdown")));
        f.remove();
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        f.setPermissions(permissions);
    }

    // Five launches, none of which may hold the caller.
    static void launchFiveTimes(const char* line)
    {
        ChildReaper launcherChildren;
        ProcessLauncher launcher{launcherChildren};
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 5; ++i)
            launcher.Launch(line, kStyleHidden);
        QVERIFY2(clock.elapsed() < 1000, "five launches took a second");
    }

private slots:
    void cleanup() { qputenv("PATH", originalPath); }

    void aHangingProgramDoesNotHoldTheCaller()
    {
        // exec keeps the pid each copy writes down, so the test ends them by pid.
        writeShutdown("#!/bin/sh\necho $$ >> \"$(dirname \"$0\")/started\"; exec sleep 20\n",
                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", bin.path().toUtf8() + ":" + originalPath);
        launchFiveTimes("shutdown /a /m \\\\SRV01");
        const auto pids = [this] {
            QFile started(bin.filePath(QStringLiteral("started")));
            return started.open(QIODevice::ReadOnly) ? started.readAll().trimmed().split('\n')
                                                     : QByteArrayList();
        };
        QTRY_COMPARE(pids().size(), 5);
        for (const QByteArray& pid : pids())
            QVERIFY(pid.toInt() > 0 && ::kill(pid.toInt(), SIGKILL) == 0);
    }

    // Each of the five launches is reported on stderr with its reason, and
    // none starts anything: the stand-in would leave a mark if it ran.
    void aMissingOrBrokenProgramIsReported_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("executable");
        QTest::addColumn<bool>("onPath");
        QTest::addColumn<QString>("reason"); // %1: the stand-in's path
        const QByteArray marks = "#!/bin/sh\necho ran >> \"$(dirname \"$0\")/ran\"\n";
        QTest::newRow("not on the path") << marks << true << false << "no program \"shutdown\" on PATH";
        QTest::newRow("not executable") << marks << false << true << "no program \"shutdown\" on PATH";
        QTest::newRow("executable, but not a program")
            << QByteArray("not a program") << true << true << "%1: Exec format error";
    }

    void aMissingOrBrokenProgramIsReported()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, executable);
        QFETCH(bool, onPath);
        QFETCH(QString, reason);
        writeShutdown(content, QFile::ReadOwner | QFile::WriteOwner |
                                   (executable ? QFile::ExeOwner : QFile::Permissions()));
        qputenv("PATH", bin.path().toUtf8() + (onPath ? "" : "/empty"));
        QTRY_COMPARE(test::ChildProcessCount(), 0);
        QStringList lines;
        {
            test::StderrCapture captured;
            launchFiveTimes("shutdown /s /t 0");
            lines = captured.lines();
        }
        QCOMPARE(test::ChildProcessCount(), 0);
        const QString report = QStringLiteral("ZT-VOLTRAIL: cannot start \"shutdown /s /t 0\": ") +
                               reason.arg(bin.filePath(QStringLiteral("shutdown")));
        QCOMPARE(lines, QStringList(5, report));
        QVERIFY(!QFile::exists(bin.filePath(QStringLiteral("ran"))));
    }
};

QTEST_GUILESS_MAIN(LaunchFaultTest)
#include "LaunchFaultTest.moc"
