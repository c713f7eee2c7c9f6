#include "actions/ProcessLauncher.h"

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
        ProcessLauncher launcher;
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

    void aMissingOrBrokenProgramIsReported_data()
    {
        QTest::addColumn<bool>("present");
        QTest::newRow("not on the path") << false;
        QTest::newRow("not executable") << true;
    }

    void aMissingOrBrokenProgramIsReported()
    {
        QFETCH(bool, present);
        writeShutdown("not a program", QFile::ReadOwner | QFile::WriteOwner);
        qputenv("PATH", bin.path().toUtf8() + (present ? "" : "/empty"));
        launchFiveTimes("shutdown /s /t 0");
    }
};

QTEST_GUILESS_MAIN(LaunchFaultTest)
#include "LaunchFaultTest.moc"
