// The keeper on a real X server: a private Xvfb with openbox, the bar in this
// process on the xcb platform, and another window that holds
// _NET_WM_STATE_ABOVE and is active. Skips (exit code 77) when Xvfb or
// openbox is not installed.
#include "XServerSession.h"
#include "mainbar/WindowStackingFactory.h"
#include "mainbar/X11WindowStacking.h"
#include "mainbar/ZT_VOLTRAIL_MAIN.h"
#include "support/MemorySettingsBackend.h"
#include "support/RecordingLauncher.h"
#include "ui/TickBox.h"

#include <QApplication>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <xcb/xcb.h>

using namespace voltrail;
using namespace voltrail::test;

namespace {

constexpr int kSkipped = 77;

} // namespace

class X11KeeperTest : public QObject {
    Q_OBJECT
private:
    MemorySettingsBackend backend;
    SettingsStore store{backend};
    RecordingLauncher launcher;
    std::unique_ptr<WindowStacking> stacking;
    std::unique_ptr<Services> services;
    std::unique_ptr<ZT_VOLTRAIL_MAIN> bar;
    std::unique_ptr<QWidget> other;

    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
    xcb_atom_t activeAtom = 0;
    xcb_atom_t stateAtom = 0;
    xcb_atom_t aboveAtom = 0;
    xcb_atom_t stackingAtom = 0;

    xcb_atom_t Atom(const char* name)
    {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name),
            nullptr);
        const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply);
        return atom;
    }

    // What the window manager says, read straight from the server.
    WId ActiveWindow()
    {
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, root, activeAtom, XCB_ATOM_WINDOW, 0, 1), nullptr);
        WId window = 0;
        if (reply && xcb_get_property_value_length(reply) >= 4)
            window = *static_cast<const xcb_window_t*>(xcb_get_property_value(reply));
        std::free(reply);
        return window;
    }

    // Managed windows, bottom to top.
    std::vector<WId> StackingOrder()
    {
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, root, stackingAtom, XCB_ATOM_WINDOW, 0, 1024),
            nullptr);
        std::vector<WId> windows;
        if (reply) {
            const auto* ids = static_cast<const xcb_window_t*>(xcb_get_property_value(reply));
            windows.assign(ids, ids + xcb_get_property_value_length(reply) / 4);
        }
        std::free(reply);
        return windows;
    }

    bool IsAbove(const QWidget* upper, const QWidget* lower)
    {
        const auto order = StackingOrder();
        const auto up = std::find(order.begin(), order.end(), upper->winId());
        const auto low = std::find(order.begin(), order.end(), lower->winId());
        return up != order.end() && low != order.end() && up > low;
    }

    bool HasAbove(const QWidget* window)
    {
        const auto id = static_cast<xcb_window_t>(window->winId());
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, id, stateAtom, XCB_ATOM_ATOM, 0, 64), nullptr);
        bool above = false;
        if (reply) {
            const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
            const int count = xcb_get_property_value_length(reply) / 4;
            for (int i = 0; i < count; ++i)
                above = above || atoms[i] == aboveAtom;
        }
        std::free(reply);
        return above;
    }

    // The bar loaded with the keeper off, and another program's kind of
    // window in front of it that keeps itself on top.
    void openBarBehindActiveTopmostWindow()
    {
        backend.values.insert_or_assign("AlwaysOnTop_TICKBOX", std::string(1, '0'));
        bar = std::make_unique<ZT_VOLTRAIL_MAIN>(*services);
        bar->Form_Load();
        bar->show();
        QVERIFY(QTest::qWaitForWindowExposed(bar.get()));
        QVERIFY(!bar->AlwaysOnTopTimer->isActive());

        other = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::WindowStaysOnTopHint);
        other->setWindowTitle(QStringLiteral("another program"));
        other->setGeometry(200, 200, 300, 200);
        other->show();
        QVERIFY(QTest::qWaitForWindowExposed(other.get()));
        other->activateWindow();
        QTRY_COMPARE_WITH_TIMEOUT(ActiveWindow(), other->winId(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(HasAbove(other.get()), 5000);
        QVERIFY(!HasAbove(bar.get()));
        QTRY_VERIFY_WITH_TIMEOUT(IsAbove(other.get(), bar.get()), 5000);
    }

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        stacking = MakeWindowStacking();
        QVERIFY(dynamic_cast<X11WindowStacking*>(stacking.get()));
        services = std::make_unique<Services>(Services{store, launcher, *stacking});
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        QVERIFY(x11);
        connection = x11->connection();
        root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        activeAtom = Atom("_NET_ACTIVE_WINDOW");
        stateAtom = Atom("_NET_WM_STATE");
        aboveAtom = Atom("_NET_WM_STATE_ABOVE");
        stackingAtom = Atom("_NET_CLIENT_LIST_STACKING");
    }

    void init() { backend.values.clear(); }

    void cleanup()
    {
        other.reset();
        bar.reset();
    }

    void keeperTakesTopmostFromTheActiveWindow()
    {
        openBarBehindActiveTopmostWindow();
        if (QTest::currentTestFailed())
            return;
        const QRect barPlace = bar->frameGeometry();
        const QRect otherPlace = other->frameGeometry();

        // As the settings window switches it on.
        bar->AlwaysOnTop_TICKBOX->setValue(1);
        bar->AlwaysOnTopTimer->start();
        QTRY_VERIFY_WITH_TIMEOUT(!HasAbove(other.get()) && HasAbove(bar.get()), 2000);
        QTRY_VERIFY_WITH_TIMEOUT(IsAbove(bar.get(), other.get()), 1000);

        // Stacking only: the other window keeps the focus, nothing moved.
        QCOMPARE(ActiveWindow(), other->winId());
        QCOMPARE(bar->frameGeometry(), barPlace);
        QCOMPARE(other->frameGeometry(), otherPlace);
    }

    // The bar's own handle must be what the window manager calls active, or
    // the keeper would restack the bar against itself every second.
    void barInFrontIsLeftAlone()
    {
        bar = std::make_unique<ZT_VOLTRAIL_MAIN>(*services);
        bar->Form_Load();
        QVERIFY(bar->AlwaysOnTopTimer->isActive());
        bar->show();
        QVERIFY(QTest::qWaitForWindowExposed(bar.get()));
        bar->activateWindow();
        QTRY_COMPARE_WITH_TIMEOUT(ActiveWindow(), bar->winId(), 5000);
        QSignalSpy ticked(bar->AlwaysOnTopTimer, &QTimer::timeout);
        QVERIFY(ticked.wait(1500));
        QTest::qWait(200);
        QVERIFY(!HasAbove(bar.get()));
    }

    void keeperOffChangesNothing()
    {
        openBarBehindActiveTopmostWindow();
        if (QTest::currentTestFailed())
            return;
        QTest::qWait(2500);
        QVERIFY(HasAbove(other.get()));
        QVERIFY(!HasAbove(bar.get()));
        QVERIFY(IsAbove(other.get(), bar.get()));
    }

    void switchedOffTheBarKeepsWhatItHas()
    {
        openBarBehindActiveTopmostWindow();
        if (QTest::currentTestFailed())
            return;
        bar->AlwaysOnTop_TICKBOX->setValue(1);
        bar->AlwaysOnTopTimer->start();
        QTRY_VERIFY_WITH_TIMEOUT(HasAbove(bar.get()), 2000);

        bar->AlwaysOnTop_TICKBOX->setValue(0);
        bar->AlwaysOnTopTimer->stop();
        // The other window takes topmost back; with the keeper off, it keeps it.
        stacking->SetTopmost(other->winId(), true);
        QTRY_VERIFY_WITH_TIMEOUT(HasAbove(other.get()), 2000);
        QTest::qWait(1500);
        QVERIFY(HasAbove(other.get()));
        QVERIFY(HasAbove(bar.get()));
    }
};

int main(int argc, char* argv[])
{
    XServerSession session;
    switch (session.Start()) {
    case XServerSession::Outcome::Ready:
        break;
    case XServerSession::Outcome::Missing:
        std::printf("SKIP: %s\n", session.problem().c_str());
        return kSkipped;
    case XServerSession::Outcome::Failed:
        std::fprintf(stderr, "FAIL: %s\n", session.problem().c_str());
        return EXIT_FAILURE;
    }
    qputenv("DISPLAY", QByteArray::fromStdString(session.display()));
    qputenv("QT_QPA_PLATFORM", "xcb");
    int result = EXIT_FAILURE;
    {
        QApplication app(argc, argv);
        X11KeeperTest test;
        result = QTest::qExec(&test, argc, argv);
    }
    session.Stop();
    return result;
}

#include "X11KeeperTest.moc"
