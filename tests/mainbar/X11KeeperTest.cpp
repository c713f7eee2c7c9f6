// The keeper on a real X server: a private Xvfb with openbox, the bar in this
// process on the xcb platform, and another window that holds
// _NET_WM_STATE_ABOVE and is active. Skips (exit code 77) when Xvfb or
// openbox is not installed.
#include "XProperty.h"
#include "XServerTestMain.h"
#include "mainbar/WindowStackingFactory.h"
#include "mainbar/X11WindowStacking.h"
#include "mainbar/ZT_VOLTRAIL_MAIN.h"
#include "support/BarTestBase.h"
#include "support/FakeClock.h"
#include "support/MemorySettingsBackend.h"
#include "support/RecordingLauncher.h"
#include "ui/TickBox.h"

#include <QApplication>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <cstdio>

using namespace voltrail;
using namespace voltrail::test;

class X11KeeperTest : public QObject {
    Q_OBJECT
private:
    MemorySettingsBackend backend;
    SettingsStore store{backend};
    RecordingLauncher launcher;
    FakeClock clock;
    std::unique_ptr<WindowStacking> stacking;
    std::unique_ptr<Services> services;
    std::unique_ptr<ZT_VOLTRAIL_MAIN> bar;
    std::unique_ptr<QWidget> other;
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;

    // What the window manager says, read straight from the server.
    WId ActiveWindow()
    {
        const auto ids = ReadProperty(connection, root, "_NET_ACTIVE_WINDOW", XCB_ATOM_WINDOW);
        return ids.empty() ? 0 : ids.front();
    }

    // Whether upper is higher than lower in the managed windows' stacking order.
    bool IsAbove(const QWidget* upper, const QWidget* lower)
    {
        const auto order = ReadProperty(connection, root, "_NET_CLIENT_LIST_STACKING", XCB_ATOM_WINDOW);
        const auto up = std::find(order.begin(), order.end(), upper->winId());
        const auto low = std::find(order.begin(), order.end(), lower->winId());
        return up != order.end() && low != order.end() && up > low;
    }

    bool HasAbove(const QWidget* window)
    {
        const auto atoms = ReadProperty(connection, static_cast<xcb_window_t>(window->winId()),
                                        "_NET_WM_STATE", XCB_ATOM_ATOM);
        return std::count(atoms.begin(), atoms.end(), InternAtom(connection, "_NET_WM_STATE_ABOVE")) > 0;
    }

    void openBar()
    {
        bar = std::make_unique<ZT_VOLTRAIL_MAIN>(*services);
        bar->Form_Load();
        bar->show();
        QVERIFY(QTest::qWaitForWindowExposed(bar.get()));
    }

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        stacking = MakeWindowStacking();
        QVERIFY(dynamic_cast<X11WindowStacking*>(stacking.get()));
        services = std::make_unique<Services>(Services{store, launcher, *stacking, clock});
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        QVERIFY(x11);
        connection = x11->connection();
        root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    }

    void init() { backend.values.clear(); }

    void cleanup()
    {
        other.reset();
        bar.reset();
    }

    // The bar loaded with the keeper off, and another program's kind of
    // window in front of it that keeps itself on top.
    void keeperTakesTopmostFromTheActiveWindowWhileOn()
    {
        // Spelled out: GCC 12 at -O2 misreports `values[key] = "0"` here (-Wrestrict).
        backend.values.insert_or_assign("AlwaysOnTop_TICKBOX", std::string(1, '0'));
        openBar();
        QVERIFY(!bar->AlwaysOnTopTimer->isActive());
        other = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::WindowStaysOnTopHint);
        other->setGeometry(200, 200, 300, 200);
        other->show();
        QVERIFY(QTest::qWaitForWindowExposed(other.get()));
        other->activateWindow();
        QTRY_COMPARE_WITH_TIMEOUT(ActiveWindow(), other->winId(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(HasAbove(other.get()), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(IsAbove(other.get(), bar.get()), 5000);
        const QRect barPlace = bar->frameGeometry();
        const QRect otherPlace = other->frameGeometry();

        // Off: nothing changes.
        QTest::qWait(1500);
        QVERIFY(HasAbove(other.get()) && !HasAbove(bar.get()) && IsAbove(other.get(), bar.get()));

        SwitchKeeper(*bar, true);
        QTRY_VERIFY_WITH_TIMEOUT(!HasAbove(other.get()) && HasAbove(bar.get()), 2000);
        QTRY_VERIFY_WITH_TIMEOUT(IsAbove(bar.get(), other.get()), 1000);
        // Stacking only: the other window keeps the focus, nothing moved.
        QCOMPARE(ActiveWindow(), other->winId());
        QCOMPARE(bar->frameGeometry(), barPlace);
        QCOMPARE(other->frameGeometry(), otherPlace);

        // Switched off, the bar keeps what it has; the other window takes
        // topmost back and keeps it too.
        SwitchKeeper(*bar, false);
        stacking->SetTopmost(other->winId(), true);
        QTRY_VERIFY_WITH_TIMEOUT(HasAbove(other.get()), 2000);
        QTest::qWait(1500);
        QVERIFY(HasAbove(other.get()) && HasAbove(bar.get()));
    }

    // The bar's own handle must be what the window manager calls active, or
    // the keeper would restack the bar against itself every second.
    void barInFrontIsLeftAlone()
    {
        openBar();
        QVERIFY(bar->AlwaysOnTopTimer->isActive());
        bar->activateWindow();
        QTRY_COMPARE_WITH_TIMEOUT(ActiveWindow(), bar->winId(), 5000);
        QSignalSpy ticked(bar->AlwaysOnTopTimer, &QTimer::timeout);
        QVERIFY(ticked.wait(1500));
        QTest::qWait(200);
        QVERIFY(!HasAbove(bar.get()));
    }
};

int main(int argc, char* argv[])
{
    return voltrail::test::RunOnXServer<X11KeeperTest>(argc, argv);
}

#include "X11KeeperTest.moc"
