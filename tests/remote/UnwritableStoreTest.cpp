#include "remote/ZT_VOLTRAIL_SGUI_SIMPLE.h"
#include "settings/QSettingsBackend.h"
#include "support/FakeClock.h"
#include "support/FakeWindowStacking.h"
#include "support/ModalDriver.h"
#include "support/RecordingLauncher.h"
#include "support/WindowTestHelpers.h"
#include "ui/TickBox.h"

#include <QPushButton>
#include <QtTest>

using namespace voltrail;
using namespace voltrail::test;

// The real store pointed at a place that can never be written: saving goes
// on, and both windows stay usable.
class UnwritableStoreTest : public QObject {
    Q_OBJECT
private slots:
    void saveReturnsAndTheWindowsStayUsable()
    {
        QSettingsBackend backend("ZT-VOLTRAIL-V1");
        QVERIFY2(backend.location().startsWith(QStringLiteral("/dev/null/")), qPrintable(backend.location()));
        SettingsStore store(backend);
        RecordingLauncher launcher;
        FakeWindowStacking stacking;
        FakeClock clock;
        Services services{store, launcher, stacking, clock};

        ZT_VOLTRAIL_SGUI_SIMPLE simple(services, nullptr);
        simple.Load();
        simple.show();
        QTest::keyClicks(simple.PC_NAME_SSS_TEXTBOX, QStringLiteral("SRV01"));
        Click(simple.SHUTDOWN_SSS_TICKBOX);
        Click(simple.SAVE_BUTTON);
        QVERIFY(simple.isVisible());

        bool consoleSaved = false;
        ModalDriver::When(QStringLiteral("ZT_VOLTRAIL_SGUI_ADVANCED"), [&](QWidget* console) {
            Click(Child(console, "SAVE_BUTTON"));
            consoleSaved = console->isVisible();
            Click(Child(console, "ABORT_ALL_BUTTON"));
            Click(Child(console, "CLOSE_BUTTON"));
        });
        Click(simple.SGUI_ADVANCED_BUTTON);
        QCOMPARE(ModalDriver::missed(), 0);
        QVERIFY(consoleSaved);

        Click(simple.RUN_SSS_BUTTON);
        QCOMPARE(Launched(launcher).size(), 31);
        QCOMPARE(Launched(launcher).last(), QStringLiteral("shutdown /s /m \\\\SRV01 /t 30"));
        Click(simple.CLOSE_BUTTON);
        QVERIFY(!simple.isVisible());
    }

private:
    static QPushButton* Child(QWidget* w, const char* name)
    {
        return w->findChild<QPushButton*>(QLatin1String(name));
    }
};

QTEST_MAIN(UnwritableStoreTest)
#include "UnwritableStoreTest.moc"
