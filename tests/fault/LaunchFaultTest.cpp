#include "actions/ProcessLauncher.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace voltrail;

// The launcher never waits: not for a program that hangs, not for one that
// is missing.
class LaunchFaultTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir bin;
    QByteArray originalPath = qgetenv("PATH");

    void writeProgram(const QString& name, const QByteArray& body)
    {
        QFile f(bin.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\n" + body + "\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

private slots:
    void cleanup() { qputenv("PATH", originalPath); }

    void aHangingProgramDoesNotHoldTheCaller()
    {
        writeProgram(QStringLiteral("shutdown"),
                     "echo started > \"$(dirname \"$0\")/started\"; exec sleep 20");
        qputenv("PATH", bin.path().toUtf8() + ":" + originalPath);
        ProcessLauncher launcher;
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 5; ++i)
            launcher.Launch("shutdown /a /m \\\\SRV01", kStyleHidden);
        QVERIFY2(clock.elapsed() < 1000, "five launches of a hanging program took a second");
        QTRY_VERIFY(QFile::exists(bin.filePath(QStringLiteral("started"))));
        QProcess::execute(QStringLiteral("pkill"),
                          {QStringLiteral("-f"), bin.filePath(QStringLiteral("shutdown"))});
    }

    void noShutdownOnPathIsReported()
    {
        qputenv("PATH", bin.path().toUtf8() + "/empty");
        ProcessLauncher launcher;
        QElapsedTimer clock;
        clock.start();
        launcher.Launch("shutdown /s /t 0", kStyleHidden);
        launcher.Launch("shutdown.exe /i", kStyleNormal);
        QVERIFY(clock.elapsed() < 1000);
    }

    void aProgramThatCannotRunIsReported()
    {
        QFile f(bin.filePath(QStringLiteral("shutdown")));
        f.remove();
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a program");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner); // not executable
        qputenv("PATH", bin.path().toUtf8());
        ProcessLauncher launcher;
        launcher.Launch("shutdown /h", kStyleHidden);
        QVERIFY(true);
    }
};

QTEST_GUILESS_MAIN(LaunchFaultTest)
#include "LaunchFaultTest.moc"
