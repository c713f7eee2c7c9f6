// The keeper as the main bar runs it: on the bar's own AlwaysOnTopTimer,
// against the recording stacking backend.
#include "mainbar/NullWindowStacking.h"
#include "mainbar/WindowStackingFactory.h"
#include "mainbar/ZT_VOLTRAIL_MAIN.h"
#include "support/WindowTestBase.h"
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
const std::string kOtherText = std::to_string(kOther);

std::string Handle(const QWidget* window)
{
    return std::to_string(static_cast<WindowHandle>(window->winId()));
}

} // namespace

class MainBarKeeperTest : public WindowTestBase {
    Q_OBJECT
private:
    std::unique_ptr<ZT_VOLTRAIL_MAIN> bar;

    void openBar()
    {
        bar = std::make_unique<ZT_VOLTRAIL_MAIN>(*services);
        bar->Form_Load();
        bar->show();
        QVERIFY(QTest::qWaitForWindowExposed(bar.get()));
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

    // What the settings window does when Always On Top is clicked there.
    void switchKeeper(bool on)
    {
        bar->AlwaysOnTop_TICKBOX->setValue(on ? 1 : 0);
        if (on)
            bar->AlwaysOnTopTimer->start();
        else
            bar->AlwaysOnTopTimer->stop();
    }

private slots:
    void init() { ResetFixture(); }
    void cleanup() { bar.reset(); }

    void offscreenGetsTheBackendThatDoesNothing()
    {
        const auto backend = MakeWindowStacking();
        QVERIFY(dynamic_cast<NullWindowStacking*>(backend.get()));
    }

    void timerIsAPreciseSecond()
    {
        openBar();
        QVERIFY(bar->AlwaysOnTopTimer->isActive());
        QCOMPARE(bar->AlwaysOnTopTimer->interval(), 1000);
        QCOMPARE(bar->AlwaysOnTopTimer->timerType(), Qt::PreciseTimer);
    }

    void eachTick_data()
    {
        QTest::addColumn<QString>("inFront");
        QTest::addColumn<bool>("stacks");
        QTest::newRow("bar in front: one query, no stacking") << "bar" << false;
        QTest::newRow("another program's window") << QString::fromStdString(kOtherText) << true;
        QTest::newRow("no foreground window") << "0" << true;
    }

    void eachTick()
    {
        QFETCH(QString, inFront);
        QFETCH(bool, stacks);
        openBar();
        const WindowHandle barHandle = bar->winId();
        stacking->foreground = inFront == "bar" ? barHandle : inFront.toULongLong();
        const Calls expected = stacks
                                   ? Calls{"foreground", "foreground", "notopmost " + inFront.toStdString(),
                                           "topmost " + Handle(bar.get())}
                                   : Calls{"foreground"};
        QCOMPARE(callsOfNextTick(), expected);
        // Nothing is remembered: the next tick does the same again.
        QCOMPARE(callsOfNextTick(), expected);
    }

    void settingsWindowInFrontIsDemotedWhileItIsOpen()
    {
        openBar();
        Calls seen;
        std::string settingsHandle;
        ModalDriver::When(QStringLiteral("ZT_VOLTRAIL_ABOUT"), [&](QWidget* window) {
            settingsHandle = Handle(window);
            stacking->foreground = window->winId();
            seen = callsOfNextTick();
            static_cast<QDialog*>(window)->reject();
        });
        QTest::mouseClick(bar->ZT_BUTTON, Qt::LeftButton);
        QCOMPARE(ModalDriver::missed(), 0);
        QCOMPARE(seen, (Calls{"foreground", "foreground", "notopmost " + settingsHandle,
                              "topmost " + Handle(bar.get())}));
    }

    void switchedOffStopsAtOnceAndLeavesTheBarAsItIs()
    {
        openBar();
        stacking->foreground = kOther;
        QCOMPARE(callsOfNextTick(), (Calls{"foreground", "foreground", "notopmost " + kOtherText,
                                           "topmost " + Handle(bar.get())}));
        switchKeeper(false);
        stacking->calls.clear();
        QTest::qWait(1500);
        QVERIFY(stacking->calls.empty());
        QCOMPARE(bar->AlwaysOnTop_TICKBOX->value(), std::int16_t{0});
    }

    void storedOffThenSwitchedOn()
    {
        backend->values["AlwaysOnTop_TICKBOX"] = "0";
        openBar();
        QVERIFY(!bar->AlwaysOnTopTimer->isActive());
        QCOMPARE(bar->AlwaysOnTopTimer->interval(), 1000);
        stacking->foreground = kOther;
        QTest::qWait(1500);
        QVERIFY(stacking->calls.empty());

        switchKeeper(true);
        QTRY_COMPARE_WITH_TIMEOUT(stacking->calls.size(), size_t{4}, 1500);
        QCOMPARE(stacking->calls, (Calls{"foreground", "foreground", "notopmost " + kOtherText,
                                         "topmost " + Handle(bar.get())}));
    }

    void closingTheBarStopsTheKeeperForGood()
    {
        openBar();
        stacking->foreground = kOther;
        bar->close();
        QVERIFY(!bar->AlwaysOnTopTimer->isActive());
        stacking->calls.clear();
        QTest::qWait(1200);
        QVERIFY(stacking->calls.empty());
    }
};

QTEST_MAIN(MainBarKeeperTest)
#include "MainBarKeeperTest.moc"
