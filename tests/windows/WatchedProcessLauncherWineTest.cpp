#include "actions/OutputTail.h"
#include "actions/WatchedProcessLauncher.h"
#include "windows/Win32TestSupport.h"

#include <QTest>
#include <cstdio>
#include <optional>

using namespace voltrail;
using How = ToolEnd::How;

Q_DECLARE_METATYPE(How)

// Lines watched to their end against the recording shutdown.exe in the
// system directory, told by shutdown.fail beside it how to fail.
class WatchedProcessLauncherWineTest : public QObject {
    Q_OBJECT

    static std::wstring Beside(const wchar_t* name) { return test::SystemDirectory() + name; }

private slots:
    void initTestCase()
    {
        const auto program = test::ReadWholeFile(Beside(L"shutdown.exe"));
        QVERIFY2(program && program->find("VOLTRAIL RECORDING SHUTDOWN") != std::string::npos,
                 "the system directory's shutdown.exe is not the recorder: nothing is started");
    }

    void cleanup()
    {
        DeleteFileW(Beside(L"shutdown.fail").c_str());
        DeleteFileW(Beside(L"shutdown.log").c_str());
    }

    void eachEndIsSeen_data()
    {
        QTest::addColumn<QByteArray>("order"); // empty: no failure
        QTest::addColumn<QString>("line");
        QTest::addColumn<How>("how");
        QTest::addColumn<qint64>("code");
        QTest::addColumn<QString>("lastLine");
        const QString run = QStringLiteral("shutdown /s /m \\\\SRV07 /t 30");
        QTest::newRow("exit 0") << QByteArray() << run << How::Exited << qint64(0) << QString();
        QTest::newRow("5 on stderr") << QByteArray("err 5\nSRV07: Access is denied.(5)\r\n") << run
                                     << How::Exited << qint64(5)
                                     << QStringLiteral("SRV07: Access is denied.(5)");
        QTest::newRow("1190 on stdout")
            << QByteArray("out 1190\nA system shutdown has already been scheduled.(1190)\r\n")
            << QStringLiteral("shutdown /s /t 0") << How::Exited << qint64(1190)
            << QStringLiteral("A system shutdown has already been scheduled.(1190)");
        QTest::newRow("1116 for an abort") << QByteArray("err 1116\nUnable to abort.(1116)\r\n")
                                           << QStringLiteral("shutdown /a /m \\\\SRV07") << How::Exited
                                           << qint64(1116) << QStringLiteral("Unable to abort.(1116)");
        QTest::newRow("a hang, then its end")
            << QByteArray("hang 1500") << run << How::Exited << qint64(0) << QString();
        QTest::newRow("a crash") << QByteArray("crash 0") << run << How::Crashed
                                 << qint64(static_cast<int>(0xC0000005)) << QString();
        QTest::newRow("a flood") << QByteArray("flood 3\nlast words\r\n") << run << How::Exited << qint64(3)
                                 << QStringLiteral("last words");
    }

    // Nothing waits: the end comes on the event loop, with the code and the
    // end of what was written; the line started is exactly the one given,
    // hidden.
    void eachEndIsSeen()
    {
        QFETCH(QByteArray, order);
        QFETCH(QString, line);
        QFETCH(How, how);
        QFETCH(qint64, code);
        QFETCH(QString, lastLine);
        if (!order.isEmpty())
            QVERIFY(test::WriteWholeFile(Beside(L"shutdown.fail"), order.toStdString()));
        WatchedProcessLauncher launcher;
        std::optional<ToolEnd> end;
        launcher.LaunchTool(line.toStdString(), [&end](const ToolEnd& e) { end = e; });
        QVERIFY(!end); // told later, never while launching
        QTRY_VERIFY_WITH_TIMEOUT(end.has_value(), 30000);
        QCOMPARE(end->how, how);
        QCOMPARE(qint64(end->code), code);
        QCOMPARE(QString::fromStdString(end->lastErrorLine), lastLine);
        QVERIFY(end->errorOutput.size() <= OutputTail::kDefaultCapacity);
        const auto record = test::ReadWholeFile(Beside(L"shutdown.log"));
        QVERIFY(record);
        const auto newline = record->find('\n');
        unsigned long flags = 0;
        unsigned show = 99;
        QCOMPARE(std::sscanf(record->substr(0, newline).c_str(), "%lu %u", &flags, &show), 2);
        QVERIFY(flags & STARTF_USESHOWWINDOW);
        QCOMPARE(show, 0u);
        QCOMPARE(QString::fromStdString(record->substr(newline + 1)), line);
    }

    void aProgramThatCannotStartIsNotStarted()
    {
        WatchedProcessLauncher launcher(Beside(L"no-such-shutdown.exe"));
        std::optional<ToolEnd> end;
        launcher.LaunchTool("shutdown /s /t 0", [&end](const ToolEnd& e) { end = e; });
        QTRY_VERIFY(end.has_value());
        QCOMPARE(end->how, How::NotStarted);
        QVERIFY(!end->detail.empty());
    }
};

QTEST_GUILESS_MAIN(WatchedProcessLauncherWineTest)
#include "WatchedProcessLauncherWineTest.moc"
