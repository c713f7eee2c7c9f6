#include "actions/ProcessLauncher.h"
#include "support/RecordingProgram.h"

#include <QtTest>

using namespace voltrail;

// The real launcher, with a recording `shutdown` first on PATH.
class ProcessLauncherTest : public QObject {
    Q_OBJECT
private:
    test::RecordingPrograms programs{{QStringLiteral("shutdown"), QStringLiteral("shutdown.exe")}};

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
