#include "linuxlayer/ToolProcessLauncher.h"

#include <QtTest>
#include <csignal>
#include <optional>

using namespace voltrail;

Q_DECLARE_METATYPE(ToolEnd::How)

// The real tool launcher, with stand-in tools first on PATH that misbehave in
// the ways real tools do.
class ToolProcessLauncherTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    int tools = 0;

    // Starts a new stand-in tool running `behaviour` (a shell script, in
    // which @DIR@ is a private directory) and gives its end once it has come.
    std::shared_ptr<std::optional<ToolEnd>> Launch(const QByteArray& behaviour)
    {
        const QString name = QStringLiteral("tool-%1").arg(++tools);
        const QString path = dir.filePath(name);
        QFile script(path);
        script.open(QIODevice::WriteOnly);
        script.write("#!/bin/sh\n" + QByteArray(behaviour).replace("@DIR@", dir.path().toUtf8()) + "\n");
        script.close();
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        auto end = std::make_shared<std::optional<ToolEnd>>();
        ToolProcessLauncher launcher;
        launcher.LaunchTool(name.toStdString(), [end](const ToolEnd& e) { *end = e; });
        return end;
    }

    static pid_t ReadPid(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? static_cast<pid_t>(f.readAll().trimmed().toInt()) : 0;
    }

private slots:
    void initTestCase() { qputenv("PATH", (dir.path() + QLatin1Char(':')).toUtf8() + qgetenv("PATH")); }

    void theEndIsNoticedWithTheLastErrorLine_data()
    {
        QTest::addColumn<QByteArray>("behaviour");
        QTest::addColumn<ToolEnd::How>("how");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("lastLine");
        QTest::newRow("polkit refuses")
            << QByteArray("echo 'Interactive authentication required.' >&2; exit 1") << ToolEnd::How::Exited
            << 1 << "Interactive authentication required.";
        QTest::newRow("success says nothing") << QByteArray("exit 0") << ToolEnd::How::Exited << 0 << "";
        QTest::newRow("status without a word") << QByteArray("exit 7") << ToolEnd::How::Exited << 7 << "";
        QTest::newRow("the last of two lines")
            << QByteArray("printf 'Could not connect\\nConnection failed: NT_STATUS_X\\n\\n' >&2; exit 255")
            << ToolEnd::How::Exited << 255 << "Connection failed: NT_STATUS_X";
        QTest::newRow("megabytes on stderr")
            << QByteArray(
                   "head -c 8000000 /dev/zero | tr '\\0' 'x' >&2; echo >&2; echo 'the real error' >&2; "
                   "exit 3")
            << ToolEnd::How::Exited << 3 << "the real error";
        QTest::newRow("invalid utf-8")
            << QByteArray("printf 'bad \\377\\376 \\033[2J end\\n' >&2; exit 2") << ToolEnd::How::Exited << 2
            << QString::fromUtf8("bad \uFFFD\uFFFD \\x1B[2J end");
        QTest::newRow("killed") << QByteArray("echo 'going' >&2; kill -9 $$") << ToolEnd::How::Signalled << 9
                                << "going";
        // Its end is what counts, not the end of its error stream.
        QTest::newRow("stderr closed early")
            << QByteArray("exec 2>&-; sleep 0.3; exit 4") << ToolEnd::How::Exited << 4 << "";
        QTest::newRow("a child keeps stderr open")
            << QByteArray("echo 'parent error' >&2; sleep 60 & echo $! > @DIR@/child.pid; exit 5")
            << ToolEnd::How::Exited << 5 << "parent error";
        // Hidden: no terminal, nothing on stdin, stdout to the null device.
        QTest::newRow("runs hidden")
            << QByteArray(
                   "[ \"$(readlink /proc/$$/fd/0)\" = /dev/null ] && [ \"$(readlink /proc/$$/fd/1)\" = "
                   "/dev/null ] && ! [ -t 2 ] && exit 0; exit 9")
            << ToolEnd::How::Exited << 0 << "";
    }

    void theEndIsNoticedWithTheLastErrorLine()
    {
        QFETCH(QByteArray, behaviour);
        QFETCH(ToolEnd::How, how);
        QFETCH(int, code);
        QFETCH(QString, lastLine);
        const auto end = Launch(behaviour);
        QTRY_VERIFY_WITH_TIMEOUT(end->has_value(), 20000);
        QCOMPARE((*end)->how, how);
        QCOMPARE((*end)->code, code);
        QCOMPARE(QString::fromStdString((*end)->lastErrorLine), lastLine);
    }

    // A SIGCHLD inherited ignored is put back when the launcher is built;
    // ignored again later, the kernel reaps the tool, and an end nobody saw
    // is never taken for success.
    void anEndNotSeenIsNeverSuccess()
    {
        std::signal(SIGCHLD, SIG_IGN);
        const auto seen = Launch("exit 3");
        QTRY_VERIFY_WITH_TIMEOUT(seen->has_value(), 20000);
        QCOMPARE((*seen)->how, ToolEnd::How::Exited);
        QCOMPARE((*seen)->code, 3);

        ToolProcessLauncher launcher;
        std::signal(SIGCHLD, SIG_IGN);
        std::optional<ToolEnd> unseen;
        launcher.LaunchTool("true", [&](const ToolEnd& e) { unseen = e; });
        QTRY_VERIFY_WITH_TIMEOUT(unseen.has_value(), 20000);
        std::signal(SIGCHLD, SIG_DFL);
        QCOMPARE(unseen->how, ToolEnd::How::Unseen);
        QVERIFY(unseen->failed());
    }

    void aToolThatCannotStartSaysWhyAtOnce_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("detail");
        QTest::newRow("missing") << "no-such-tool-zt x"
                                 << "no program \"no-such-tool-zt\" on PATH";
        QTest::newRow("empty") << ""
                               << "the command line names no program";
        const QString plain = dir.filePath(QStringLiteral("plain-file"));
        QFile(plain).open(QIODevice::WriteOnly);
        QTest::newRow("not executable") << plain << plain + QStringLiteral(": Permission denied");
    }

    void aToolThatCannotStartSaysWhyAtOnce()
    {
        QFETCH(QString, line);
        QFETCH(QString, detail);
        std::optional<ToolEnd> end;
        ToolProcessLauncher launcher;
        launcher.LaunchTool(line.toStdString(), [&](const ToolEnd& e) { end = e; });
        QVERIFY(end.has_value());
        QCOMPARE(end->how, ToolEnd::How::NotStarted);
        QCOMPARE(QString::fromStdString(end->detail), detail);
    }

    // A tool that never ends holds nothing up: later tools end and are
    // heard of while it runs, and it is left running.
    void aHungToolBlocksNothing()
    {
        const auto hung = Launch("echo $$ > @DIR@/hung.pid; while :; do echo spam >&2; done");
        QTRY_VERIFY(ReadPid(dir.filePath(QStringLiteral("hung.pid"))) > 0);
        const pid_t pid = ReadPid(dir.filePath(QStringLiteral("hung.pid")));
        const auto quick = Launch("echo 'quick one' >&2; exit 1");
        QTRY_VERIFY_WITH_TIMEOUT(quick->has_value(), 20000);
        QCOMPARE(QString::fromStdString((*quick)->lastErrorLine), QStringLiteral("quick one"));
        QVERIFY(!hung->has_value());
        QCOMPARE(::kill(pid, 0), 0);
        // Ended from outside, however late, it is heard of.
        ::kill(pid, SIGKILL);
        QTRY_VERIFY(hung->has_value());
        QCOMPARE((*hung)->how, ToolEnd::How::Signalled);
        QCOMPARE((*hung)->code, SIGKILL);
    }

    // The program ends while its tool still runs: the tool is neither
    // ended nor upset when it writes to the error stream nobody reads now.
    void aToolStillRunningAtTheEndIsLeftAlone()
    {
        const QString name = QStringLiteral("tool-left");
        QFile script(dir.filePath(name));
        script.open(QIODevice::WriteOnly);
        script.write(QByteArray("#!/bin/sh\necho $$ > @DIR@/left.pid\nsleep 1\necho 'late error' >&2\n"
                                "echo alive > @DIR@/left.alive\n")
                         .replace("@DIR@", dir.path().toUtf8()));
        script.close();
        QFile::setPermissions(script.fileName(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcess probe;
        probe.start(QStringLiteral(TOOL_LEFT_RUNNING_PROBE), {name});
        QVERIFY(probe.waitForFinished(10000));
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(probe.exitCode(), 0);
        QTRY_VERIFY(ReadPid(dir.filePath(QStringLiteral("left.pid"))) > 0);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath(QStringLiteral("left.alive"))), 10000);
    }

    void cleanupTestCase()
    {
        // What the stand-ins left running, by pid.
        for (const QString& file : QDir(dir.path()).entryList({QStringLiteral("*.pid")})) {
            if (const pid_t pid = ReadPid(dir.filePath(file)); pid > 0)
                ::kill(pid, SIGKILL);
        }
    }
};

QTEST_GUILESS_MAIN(ToolProcessLauncherTest)
#include "ToolProcessLauncherTest.moc"
