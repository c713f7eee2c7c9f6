// The keeper as the main bar runs it: on the bar's own AlwaysOnTopTimer,
// against the recording stacking backend.
#include "mainbar/NullWindowStacking.h"
#include "mainbar/WindowStackingFactory.h"
#include "support/BarTestBase.h"
#include "ui/TickBox.h"

#include <QDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using namespace voltrail;
using namespace voltrail::test;

namespace {

using Calls = std::vector<std::string>;

// Another program's window; far above the small ids the offscreen platform
// hands out, so it never is the bar.
constexpr WindowHandle kOther = 0x5a5a5a5;

} // namespace

class MainBarKeeperTest : public BarTestBase {
    Q_OBJECT
private:
    // What one tick asks when another window is in front.
    Calls restack(WindowHandle inFront) const
    {
        return {"foreground", "foreground", "notopmost " + std::to_string(inFront),
                "topmost " + std::to_string(static_cast<WindowHandle>(bar->winId()))};
    }

    // Waits for the next real tick of the bar's timer and returns what that
    // tick asked of the window system.
    Calls callsOfNextTick()
    {
        stacking->calls.clear();
        QSignalSpy ticked(bar->AlwaysOnTopTimer, &QTimer::timeout);
        if (!ticked.wait(1500))
            return {"no tick"};
        return stacking->calls;
    }

    // No call at all for longer than a tick.
    void verifyQuiet(int ms = 1500)
    {
        stacking->calls.clear();
        QTest::qWait(ms);
        QVERIFY(stacking->calls.empty());
    }

private slots:
    void init() { ResetFixture(); }
    void cleanup() { bar.reset(); }

    void offscreenGetsTheBackendThatDoesNothing()
    {
        QVERIFY(dynamic_cast<NullWindowStacking*>(MakeWindowStacking().get()));
    }

    void eachTick_data()
    {
        QTest::addColumn<bool>("barInFront");
        QTest::addColumn<WindowHandle>("inFront");
        QTest::newRow("bar in front: one query, no stacking") << true << WindowHandle{0};
        QTest::newRow("another program's window") << false << kOther;
        QTest::newRow("no foreground window") << false << WindowHandle{0};
    }

    void eachTick()
    {
        QFETCH(bool, barInFront);
        QFETCH(WindowHandle, inFront);
        OpenBar();
        stacking->foreground = barInFront ? static_cast<WindowHandle>(bar->winId()) : inFront;
        const Calls expected = barInFront ? Calls{"foreground"} : restack(inFront);
        QCOMPARE(callsOfNextTick(), expected);
        // Nothing is remembered: the next tick does the same again.
        QCOMPARE(callsOfNextTick(), expected);
    }

    void settingsWindowInFrontIsDemotedWhileItIsOpen()
    {
        OpenBar();
        Calls seen;
        WindowHandle settings = 0;
        ModalDriver::When(QStringLiteral("ZT_VOLTRAIL_ABOUT"), [&](QWidget* window) {
            settings = window->winId();
            stacking->foreground = settings;
            seen = callsOfNextTick();
            static_cast<QDialog*>(window)->reject();
        });
        QTest::mouseClick(bar->ZT_BUTTON, Qt::LeftButton);
        QCOMPARE(ModalDriver::missed(), 0);
        QCOMPARE(seen, restack(settings));
    }

    void storedOffThenSwitchedOnThenOff()
    {
        backend->values["AlwaysOnTop_TICKBOX"] = "0";
        OpenBar();
        QVERIFY(!bar->AlwaysOnTopTimer->isActive());
        QCOMPARE(bar->AlwaysOnTopTimer->interval(), 1000);
        QCOMPARE(bar->AlwaysOnTopTimer->timerType(), Qt::PreciseTimer);
        stacking->foreground = kOther;
        verifyQuiet();

        SwitchKeeper(*bar, true);
        QTRY_COMPARE_WITH_TIMEOUT(stacking->calls.size(), size_t{4}, 1500);
        QCOMPARE(stacking->calls, restack(kOther));

        // Stops at once and leaves the bar as it is.
        SwitchKeeper(*bar, false);
        verifyQuiet();
        QCOMPARE(bar->AlwaysOnTop_TICKBOX->value(), std::int16_t{0});
    }

    void closingTheBarStopsTheKeeperForGood()
    {
        OpenBar();
        stacking->foreground = kOther;
        bar->close();
        QVERIFY(!bar->AlwaysOnTopTimer->isActive());
        verifyQuiet(1200);
    }
};

QTEST_MAIN(MainBarKeeperTest)
#include "MainBarKeeperTest.moc"
