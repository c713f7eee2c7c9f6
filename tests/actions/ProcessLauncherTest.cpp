#include "actions/ProcessLauncher.h"
#include "support/RecordingProgram.h"

#include <QtTest>

using namespace voltrail;

// The real launcher, with a recording `shutdown` first on PATH.
class ProcessLauncherTest : public QObject {
    Q_OBJECT
private:
    test::RecordingPrograms programs{{QStringLiteral("shutdown"), QStringLiteral("shutdown.exe")}};

    // Children of this process, running or ended but not collected.
    static int children()
    {
        int count = 0;
        const QString self = QString::number(QCoreApplication::applicationPid());
        for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
            QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
            if (!stat.open(QIODevice::ReadOnly))
                continue;
            // pid (name) state ppid ...
            const QString line = QString::fromLatin1(stat.readAll());
            const QStringList rest = line.mid(line.lastIndexOf(QLatin1Char(')')) + 2).split(QLatin1Char(' '));
            if (rest.size() > 1 && rest[1] == self)
                ++count;
        }
        return count;
    }

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
        ProcessLauncher launcher;
        launcher.Launch(line.toStdString(), kStyleHidden);
        QTRY_COMPARE(programs.calls(program).size(), before + 1);
        QCOMPARE(programs.calls(program).last(), words);
    }

    void endedProgramsAreCollected()
    {
        ProcessLauncher launcher;
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
        ProcessLauncher launcher;
        const char withNul[] = "shutdown /a /m \\\\X\0 /t 1";
        launcher.Launch(std::string(withNul, sizeof withNul - 1), kStyleHidden);
        launcher.Launch("shutdown /a /m \\\\after", kStyleHidden);
        QTRY_COMPARE(programs.calls(QStringLiteral("shutdown")).size(), before + 1);
        QCOMPARE(programs.calls(QStringLiteral("shutdown")).last(), (QStringList{"/a", "/m", "\\\\after"}));
    }

    // Its program word is empty, as the program's C runtime would read it.
    void aLineStartingWithABlankStartsNothing()
    {
        const auto before = programs.calls(QStringLiteral("shutdown")).size();
        ProcessLauncher launcher;
        launcher.Launch(" shutdown /s /t 0", kStyleHidden);
        launcher.Launch("\tshutdown /h", kStyleHidden);
        launcher.Launch("shutdown /a /m \\\\after", kStyleHidden);
        QTRY_COMPARE(programs.calls(QStringLiteral("shutdown")).size(), before + 1);
        QCOMPARE(programs.calls(QStringLiteral("shutdown")).last(), (QStringList{"/a", "/m", "\\\\after"}));
    }

    void aMissingProgramIsReportedNotCrashedOn()
    {
        ProcessLauncher launcher;
        launcher.Launch("no-such-program-zt /x", kStyleHidden);
        launcher.Launch("", kStyleHidden);
        launcher.Launch("   ", kStyleNormal);
        QVERIFY(true); // reaching here is the test: nothing thrown, nothing started
    }
};

QTEST_GUILESS_MAIN(ProcessLauncherTest)
#include "ProcessLauncherTest.moc"
