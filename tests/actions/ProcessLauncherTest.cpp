#include "actions/ProcessLauncher.h"
#include "support/ChildProcesses.h"
#include "support/RecordingProgram.h"
#include "support/StderrCapture.h"

#include <QtTest>

using namespace voltrail;
using voltrail::test::StderrCapture;

// The real launcher, with a recording `shutdown` first on PATH.
class ProcessLauncherTest : public QObject {
    Q_OBJECT
private:
    test::RecordingPrograms programs{{QStringLiteral("shutdown"), QStringLiteral("shutdown.exe")}};

    static int children() { return test::ChildProcessCount(); }

private slots:
    void initTestCase() { programs.putFirstOnPath(); }

    void programGetsTheWordsOfTheLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("local") << "shutdown /s /t 0"
                               << "shutdown" << QStringList{"/s", "/t", "0"};
        QTest::newRow("dialog") << "shutdown.exe /i"
                                << "shutdown.exe" << QStringList{"/i"};
        QTest::newRow("remote") << "shutdown /s /f /m \\\\SRV01 /t 30"
                                << "shutdown" << QStringList{"/s", "/f", "/m", "\\\\SRV01", "/t", "30"};
        QTest::newRow("shell characters stay words")
            << "shutdown /a /m \\\\PC & calc;$(id) `x` | y > z"
            << "shutdown" << QStringList{"/a", "/m", "\\\\PC", "&", "calc;$(id)", "`x`", "|", "y", ">", "z"};
        QTest::newRow("quotes") << "shutdown /a /m \\\\\"quoted name\""
                                << "shutdown" << QStringList{"/a", "/m", "\\quoted name"};
        QTest::newRow("non-ascii") << "shutdown /a /m \\\\Zürich-日本"
                                   << "shutdown" << QStringList{"/a", "/m", "\\\\Zürich-日本"};
        QTest::newRow("empty time-out") << "shutdown /g /m \\\\ /t "
                                        << "shutdown" << QStringList{"/g", "/m", "\\\\", "/t"};
        QTest::newRow("quotes in the program word") << "\"shut\"down /s /t 0"
                                                    << "shutdown" << QStringList{"/s", "/t", "0"};
    }

    void programGetsTheWordsOfTheLine()
    {
        QFETCH(QString, line);
        QFETCH(QString, program);
        QFETCH(QStringList, words);
        const auto before = programs.calls(program).size();
        ChildReaper launcherChildren;
        ProcessLauncher launcher{launcherChildren};
        launcher.Launch(line.toStdString(), kStyleHidden);
        QTRY_COMPARE(programs.calls(program).size(), before + 1);
        QCOMPARE(programs.calls(program).last(), words);
    }

    void endedProgramsAreCollected()
    {
        ChildReaper launcherChildren;
        ProcessLauncher launcher{launcherChildren};
        for (int i = 0; i < 5; ++i)
            launcher.Launch("shutdown /a /m \\\\SRV01", kStyleHidden);
        QElapsedTimer clock;
        clock.start();
        // The recording programs end at once; then nothing may be left.
        while (children() > 0 && clock.elapsed() < 5000)
            QTest::qWait(50);
        QCOMPARE(children(), 0);
    }

    void aLineHoldingANulStartsNothing()
    {
        const auto before = programs.calls(QStringLiteral("shutdown")).size();
        ChildReaper launcherChildren;
        ProcessLauncher launcher{launcherChildren};
        const char withNul[] = "shutdown /a /m \\\\X\0 /t 1";
        StderrCapture captured;
        launcher.Launch(std::string(withNul, sizeof withNul - 1), kStyleHidden);
        QCOMPARE(captured.lines(),
                 QStringList{
                     "ZT-VOLTRAIL: cannot start \"shutdown /a /m \\\\X\\x00 /t 1\": the command line holds "
                     "a NUL character"});
        launcher.Launch("shutdown /a /m \\\\after", kStyleHidden);
        QTRY_COMPARE(programs.calls(QStringLiteral("shutdown")).size(), before + 1);
        QCOMPARE(programs.calls(QStringLiteral("shutdown")).last(), (QStringList{"/a", "/m", "\\\\after"}));
    }

    // Its program word is empty, as the program's C runtime would read it.
    void aLineStartingWithABlankStartsNothing()
    {
        const auto before = programs.calls(QStringLiteral("shutdown")).size();
        ChildReaper launcherChildren;
        ProcessLauncher launcher{launcherChildren};
        launcher.Launch(" shutdown /s /t 0", kStyleHidden);
        launcher.Launch("\tshutdown /h", kStyleHidden);
        launcher.Launch("shutdown /a /m \\\\after", kStyleHidden);
        QTRY_COMPARE(programs.calls(QStringLiteral("shutdown")).size(), before + 1);
        QCOMPARE(programs.calls(QStringLiteral("shutdown")).last(), (QStringList{"/a", "/m", "\\\\after"}));
    }

    // A line that cannot be started is reported on stderr, with the reason,
    // and starts nothing: no child process appears.
    void aLineThatCannotStartIsReported_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("report");
        QTest::newRow("missing program") << "no-such-program-zt /x" << int(kStyleHidden)
                                         << "ZT-VOLTRAIL: cannot start \"no-such-program-zt /x\": no program "
                                            "\"no-such-program-zt\" on PATH";
        QTest::newRow("empty line") << "" << int(kStyleHidden)
                                    << "ZT-VOLTRAIL: cannot start \"\": the command line names no program";
        QTest::newRow("blanks, shown")
            << "   " << int(kStyleNormal)
            << "ZT-VOLTRAIL: cannot start \"   \": the command line names no program";
        QTest::newRow("empty quoted program")
            << "\"\" /s" << int(kStyleHidden)
            << "ZT-VOLTRAIL: cannot start \"\"\" /s\": the command line names no program";
        QTest::newRow("program path that is missing") << "/no/such/dir/shutdown /s" << int(kStyleHidden)
                                                      << "ZT-VOLTRAIL: cannot start \"/no/such/dir/shutdown "
                                                         "/s\": /no/such/dir/shutdown: No such file or "
                                                         "directory";
    }

    void aLineThatCannotStartIsReported()
    {
        QFETCH(QString, line);
        QFETCH(int, style);
        QFETCH(QString, report);
        QTRY_COMPARE(children(), 0); // what earlier tests started has been collected
        const auto before = programs.calls(QStringLiteral("shutdown")).size();
        StderrCapture captured;
        ChildReaper launcherChildren;
        ProcessLauncher launcher{launcherChildren};
        launcher.Launch(line.toStdString(), static_cast<std::int16_t>(style));
        QCOMPARE(children(), 0);
        QCOMPARE(captured.lines(), QStringList{report});
        QCOMPARE(programs.calls(QStringLiteral("shutdown")).size(), before);
    }
};

QTEST_GUILESS_MAIN(ProcessLauncherTest)
#include "ProcessLauncherTest.moc"
