#include "remote/ZT_VOLTRAIL_SGUI_SIMPLE.h"
#include "settings/QSettingsBackend.h"
#include "support/FakeWindowStacking.h"
#include "support/ModalDriver.h"
#include "support/RecordingLauncher.h"
#include "ui/TickBox.h"

#include <QLineEdit>
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
        Services services{store, launcher, stacking};

        ZT_VOLTRAIL_SGUI_SIMPLE simple(services, nullptr);
        simple.Load();
        simple.show();
        QTest::keyClicks(simple.PC_NAME_SSS_TEXTBOX, QStringLiteral("SRV01"));
        QTest::mouseClick(simple.SHUTDOWN_SSS_TICKBOX, Qt::LeftButton);
        QTest::mouseClick(simple.SAVE_BUTTON, Qt::LeftButton);
        QVERIFY(simple.isVisible());

        bool consoleSaved = false;
        ModalDriver::When(QStringLiteral("ZT_VOLTRAIL_SGUI_ADVANCED"), [&](QWidget* console) {
            QTest::mouseClick(Child(console, "SAVE_BUTTON"), Qt::LeftButton);
            consoleSaved = console->isVisible();
            QTest::mouseClick(Child(console, "ABORT_ALL_BUTTON"), Qt::LeftButton);
            QTest::mouseClick(Child(console, "CLOSE_BUTTON"), Qt::LeftButton);
        });
        QTest::mouseClick(simple.SGUI_ADVANCED_BUTTON, Qt::LeftButton);
        QCOMPARE(ModalDriver::missed(), 0);
        QVERIFY(consoleSaved);

        QTest::mouseClick(simple.RUN_SSS_BUTTON, Qt::LeftButton);
        QCOMPARE(launcher.launched.size(), size_t{31});
        QCOMPARE(launcher.launched.back().commandLine, std::string("shutdown /s /m \\\\SRV01 /t 30"));
        QTest::mouseClick(simple.CLOSE_BUTTON, Qt::LeftButton);
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
