// What every window tells the window manager, read back from a real X server:
// a private Xvfb with openbox, the windows in this process on the xcb
// platform. Skips (exit code 77) when Xvfb or openbox is not installed.
//
// Secondary windows: a fixed single border with a close box and neither a
// minimise nor a maximise box, transient for and modal over their owner. The
// bar: a fixed tool window with a close box that stays out of the task bar.
// The Motif hints and size hints are what the program asks for;
// _NET_WM_ALLOWED_ACTIONS is what the window manager grants after reading
// them. openbox grants minimising to every dialog and utility window
// whatever the Motif hints say, so only the request is checked for that.
#include "XProperty.h"
#include "XServerTestMain.h"
#include "autotimer/ZT_VOLTRAIL_AUTOTIMER_WINDOW.h"
#include "dialogs/ZT_VOLTRAIL_ABOUT.h"
#include "dialogs/ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW.h"
#include "dialogs/ZT_VOLTRAIL_RUN_OPTION_WINDOW.h"
#include "mainbar/ZT_VOLTRAIL_MAIN.h"
#include "remote/ZT_VOLTRAIL_SGUI_ADVANCED.h"
#include "remote/ZT_VOLTRAIL_SGUI_SIMPLE.h"
#include "support/WindowTestBase.h"

#include <QApplication>
#include <QtTest>
#include <algorithm>
#include <cstdio>

using namespace voltrail;
using namespace voltrail::test;

namespace {

// _MOTIF_WM_HINTS words and bits.
enum : uint32_t { kMwmFlagFunctions = 1, kMwmFlagDecorations = 2 };
enum : uint32_t {
    kFuncAll = 1,
    kFuncResize = 2,
    kFuncMove = 4,
    kFuncMinimize = 8,
    kFuncMaximize = 16,
    kFuncClose = 32
};
enum : uint32_t {
    kDecorAll = 1,
    kDecorBorder = 2,
    kDecorTitle = 8,
    kDecorMinimize = 32,
    kDecorMaximize = 64
};
// WM_NORMAL_HINTS flags and the words holding the minimum and maximum size.
enum : uint32_t { kPMinSize = 16, kPMaxSize = 32 };
enum { kMinWidth = 5, kMinHeight = 6, kMaxWidth = 7, kMaxHeight = 8 };

} // namespace

class X11WindowHintsTest : public WindowTestBase {
    Q_OBJECT
private:
    xcb_connection_t* connection = nullptr;
    std::unique_ptr<ZT_VOLTRAIL_MAIN> bar;
    std::unique_ptr<Form> simple; // the console's owner
    std::unique_ptr<Form> window;

    std::vector<uint32_t> Property(const QWidget* w, const char* name, xcb_atom_t type = XCB_ATOM_ANY)
    {
        return ReadProperty(connection, static_cast<xcb_window_t>(w->winId()), name, type);
    }

    bool Has(const std::vector<uint32_t>& atoms, const char* name)
    {
        return std::count(atoms.begin(), atoms.end(), InternAtom(connection, name)) > 0;
    }

    // Framed by the window manager, with the client size fixed to what the
    // frame margins leave of the outer size.
    bool Settled(const QWidget* w)
    {
        const auto hints = Property(w, "WM_NORMAL_HINTS", XCB_ATOM_WM_SIZE_HINTS);
        return !Property(w, "_NET_FRAME_EXTENTS", XCB_ATOM_CARDINAL).empty() &&
               !Property(w, "_NET_WM_ALLOWED_ACTIONS", XCB_ATOM_ATOM).empty() && hints.size() > kMaxHeight &&
               hints[kMinWidth] == static_cast<uint32_t>(w->width()) &&
               hints[kMinHeight] == static_cast<uint32_t>(w->height());
    }

    template <typename W, typename... Args> std::unique_ptr<Form> Show(Args&&... args)
    {
        auto form = std::make_unique<W>(*services, std::forward<Args>(args)...);
        form->Load();
        form->show();
        return form;
    }

    // The window a row names, opened over its owner as the program opens it.
    QWidget* Open(const QString& name)
    {
        if (name == QLatin1String("ZT_VOLTRAIL_MAIN"))
            return bar.get();
        if (name == QLatin1String("ZT_VOLTRAIL_ABOUT"))
            window = Show<ZT_VOLTRAIL_ABOUT>(*bar);
        else if (name == QLatin1String("ZT_VOLTRAIL_RUN_OPTION_WINDOW"))
            window = Show<ZT_VOLTRAIL_RUN_OPTION_WINDOW>(*bar);
        else if (name == QLatin1String("ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW"))
            window = Show<ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW>(*bar, bar.get());
        else if (name == QLatin1String("ZT_VOLTRAIL_AUTOTIMER_WINDOW"))
            window = Show<ZT_VOLTRAIL_AUTOTIMER_WINDOW>(bar.get());
        else if (name == QLatin1String("ZT_VOLTRAIL_SGUI_SIMPLE"))
            window = Show<ZT_VOLTRAIL_SGUI_SIMPLE>(bar.get());
        else if (name == QLatin1String("ZT_VOLTRAIL_SGUI_ADVANCED")) {
            simple = Show<ZT_VOLTRAIL_SGUI_SIMPLE>(bar.get());
            if (!QTest::qWaitForWindowExposed(simple.get()))
                return nullptr;
            window = Show<ZT_VOLTRAIL_SGUI_ADVANCED>(simple.get());
        }
        return window.get();
    }

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        QVERIFY(x11);
        connection = x11->connection();
    }

    void init()
    {
        ResetFixture();
        bar = std::make_unique<ZT_VOLTRAIL_MAIN>(*services);
        bar->Form_Load();
        bar->show();
        QVERIFY(QTest::qWaitForWindowExposed(bar.get()));
    }

    void cleanup()
    {
        window.reset();
        simple.reset();
        bar.reset();
    }

    void windowManagerHints_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("owner"); // empty: owned by no window of ours
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<bool>("modal");
        QTest::addColumn<bool>("skipsTaskBar");

        const QByteArray dialog = "_NET_WM_WINDOW_TYPE_DIALOG";
        const QString bar = QStringLiteral("ZT_VOLTRAIL_MAIN");
        // clang-format off
        QTest::newRow("main bar")       << bar << QString() << QByteArray("_NET_WM_WINDOW_TYPE_UTILITY") << false << true;
        QTest::newRow("settings")       << "ZT_VOLTRAIL_ABOUT" << bar << dialog << true << false;
        QTest::newRow("task")           << "ZT_VOLTRAIL_RUN_OPTION_WINDOW" << bar << dialog << true << false;
        QTest::newRow("confirm action") << "ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW" << bar << dialog << true << false;
        QTest::newRow("auto-timer")     << "ZT_VOLTRAIL_AUTOTIMER_WINDOW" << bar << dialog << true << false;
        QTest::newRow("simple remote")  << "ZT_VOLTRAIL_SGUI_SIMPLE" << bar << dialog << true << false;
        QTest::newRow("remote console") << "ZT_VOLTRAIL_SGUI_ADVANCED" << "ZT_VOLTRAIL_SGUI_SIMPLE" << dialog << true << false;
        // clang-format on
    }

    void windowManagerHints()
    {
        QFETCH(QString, name);
        QFETCH(QString, owner);
        QFETCH(QByteArray, type);
        QFETCH(bool, modal);
        QFETCH(bool, skipsTaskBar);

        QWidget* w = Open(name);
        QVERIFY(w);
        QCOMPARE(w->objectName(), name);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QTRY_VERIFY_WITH_TIMEOUT(Settled(w), 5000);

        const auto types = Property(w, "_NET_WM_WINDOW_TYPE", XCB_ATOM_ATOM);
        QVERIFY(!types.empty());
        QCOMPARE(types.front(), InternAtom(connection, type.constData()));

        // Asked for: move and close, no minimise or maximise, and a title
        // and border without their buttons.
        const auto motif = Property(w, "_MOTIF_WM_HINTS");
        QVERIFY(motif.size() >= 3);
        QVERIFY(motif[0] & kMwmFlagFunctions);
        QCOMPARE(motif[1] & (kFuncAll | kFuncMinimize | kFuncMaximize), 0u);
        QCOMPARE(motif[1] & (kFuncMove | kFuncClose), kFuncMove | kFuncClose);
        QVERIFY(motif[0] & kMwmFlagDecorations);
        QCOMPARE(motif[2] & (kDecorAll | kDecorMinimize | kDecorMaximize), 0u);
        QCOMPARE(motif[2] & (kDecorTitle | kDecorBorder), kDecorTitle | kDecorBorder);

        // Fixed size: minimum and maximum both the client size.
        const auto sizes = Property(w, "WM_NORMAL_HINTS", XCB_ATOM_WM_SIZE_HINTS);
        QVERIFY(sizes.size() > kMaxHeight);
        QCOMPARE(sizes[0] & (kPMinSize | kPMaxSize), kPMinSize | kPMaxSize);
        QCOMPARE(QSize(int(sizes[kMinWidth]), int(sizes[kMinHeight])), w->size());
        QCOMPARE(QSize(int(sizes[kMaxWidth]), int(sizes[kMaxHeight])), w->size());

        // Granted: close and move, never resize or maximise.
        const auto actions = Property(w, "_NET_WM_ALLOWED_ACTIONS", XCB_ATOM_ATOM);
        QVERIFY(Has(actions, "_NET_WM_ACTION_CLOSE"));
        QVERIFY(Has(actions, "_NET_WM_ACTION_MOVE"));
        QVERIFY(!Has(actions, "_NET_WM_ACTION_RESIZE"));
        QVERIFY(!Has(actions, "_NET_WM_ACTION_MAXIMIZE_HORZ"));
        QVERIFY(!Has(actions, "_NET_WM_ACTION_MAXIMIZE_VERT"));

        if (!owner.isEmpty()) {
            const QWidget* ownerWindow =
                owner == bar->objectName() ? static_cast<QWidget*>(bar.get()) : simple.get();
            QVERIFY(ownerWindow);
            QCOMPARE(ownerWindow->objectName(), owner);
            const auto transientFor = Property(w, "WM_TRANSIENT_FOR", XCB_ATOM_WINDOW);
            QCOMPARE(transientFor.size(), size_t{1});
            QCOMPARE(WId(transientFor.front()), ownerWindow->winId());
        }

        const auto state = Property(w, "_NET_WM_STATE", XCB_ATOM_ATOM);
        QCOMPARE(Has(state, "_NET_WM_STATE_MODAL"), modal);
        QCOMPARE(Has(state, "_NET_WM_STATE_SKIP_TASKBAR"), skipsTaskBar);
    }

    // Shown again after a close, the bar must still stay out of the task bar:
    // the window manager drops _NET_WM_STATE when a window is withdrawn.
    void barStaysOutOfTaskBarWhenShownAgain()
    {
        QTRY_VERIFY_WITH_TIMEOUT(
            Has(Property(bar.get(), "_NET_WM_STATE", XCB_ATOM_ATOM), "_NET_WM_STATE_SKIP_TASKBAR"), 5000);
        bar->hide();
        QTRY_VERIFY_WITH_TIMEOUT(
            !Has(Property(bar.get(), "_NET_WM_STATE", XCB_ATOM_ATOM), "_NET_WM_STATE_SKIP_TASKBAR"), 5000);
        bar->show();
        QVERIFY(QTest::qWaitForWindowExposed(bar.get()));
        QTRY_VERIFY_WITH_TIMEOUT(
            Has(Property(bar.get(), "_NET_WM_STATE", XCB_ATOM_ATOM), "_NET_WM_STATE_SKIP_TASKBAR"), 5000);
    }
};

int main(int argc, char* argv[])
{
    return voltrail::test::RunOnXServer<X11WindowHintsTest>(argc, argv);
}

#include "X11WindowHintsTest.moc"
