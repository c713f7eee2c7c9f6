#include "SambaPeer.h"
#include "actions/ProcessLauncher.h"
#include "outcome/ShutdownCommandLayer.h"
#include "support/Ci.h"
#include "support/RecordingNotifier.h"

#include <QtTest>

using namespace voltrail;

// Remote Run and Abort, through the program's own composition and the real
// `net`, reach a Samba server on 127.0.0.1 as the remote request that
// Windows' command sends.
class SambaPeerTest : public QObject {
    Q_OBJECT
private:
    test::SambaPeer peer;
    ChildReaper processesChildren;
    ProcessLauncher processes{processesChildren};
    test::RecordingNotifier notifier;
    std::unique_ptr<ShellLauncher> layer;
    bool started = false;

    void LaunchAndExpect(const char* line, const QString& record)
    {
        const auto before = peer.Records().size();
        layer->BeginPress(); // a press of its own, as a window makes it
        layer->Launch(line, kStyleHidden);
        QTRY_COMPARE_WITH_TIMEOUT(peer.Records().size(), before + 1, 20000);
        QCOMPARE(peer.Records().last(), record);
    }

private slots:
    void initTestCase()
    {
        if (const QString why = peer.Unavailable(); !why.isEmpty())
            VOLTRAIL_QSKIP(qPrintable(why));
        const QString error = peer.Start();
        started = true;
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QTRY_VERIFY_WITH_TIMEOUT(test::SambaPeer::Listening(), 15000);
        // The user's own Samba client credentials, as `net` reads them.
        qputenv("USER", test::SambaPeer::kUser);
        qputenv("PASSWD", test::SambaPeer::kPassword);
        qputenv("PATH", peer.WatchedNetDir().toUtf8() + ':' + qgetenv("PATH"));
        layer = MakeShutdownCommandLayer(processes, notifier);
        QVERIFY(layer);
    }

    // What the peer is asked, and the delay on the wire: 0 goes as 1, since
    // `net` would send its own default of 20 seconds for 0.
    void shutdownReachesThePeerWithItsDelay_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("record");
        QTest::addColumn<int>("delay");
        QTest::newRow("now") << "shutdown /s /m \\\\127.0.0.1 /t 0"
                             << "shutdown|" << 1;
        QTest::newRow("forced restart now") << "shutdown /g /f /m \\\\127.0.0.1 /t 0"
                                            << "shutdown|-r|-f|" << 1;
        QTest::newRow("one second") << "shutdown /s /m \\\\127.0.0.1 /t 1"
                                    << "shutdown|-f|" << 1;
        // A delay implies a forced shutdown, as on Windows.
        QTest::newRow("delayed") << "shutdown /s /m \\\\127.0.0.1 /t 30"
                                 << "shutdown|-f|" << 30;
    }

    void shutdownReachesThePeerWithItsDelay()
    {
        QFETCH(QString, line);
        QFETCH(QString, record);
        QFETCH(int, delay);
        LaunchAndExpect(line.toUtf8().constData(), record);
        QVERIFY(!peer.SentTimeouts().isEmpty());
        QCOMPARE(peer.SentTimeouts().last(), delay);
    }

    void abortReachesThePeer() { LaunchAndExpect("shutdown /a /m \\\\127.0.0.1", "abort|"); }

    void cleanupTestCase()
    {
        if (!started)
            return;
        peer.Stop();
        QVERIFY(peer.StartedPids().isEmpty());
        QVERIFY(!test::SambaPeer::Listening());
    }
};

QTEST_GUILESS_MAIN(SambaPeerTest)
#include "SambaPeerTest.moc"
