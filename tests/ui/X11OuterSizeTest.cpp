// Every window's outer frame, title bar and border included, on a real X
// server under a real window manager (a private Xvfb with openbox): it must
// come out at the stored or default Width x Height twips, with its top-left
// corner at Left, Top. Skips (exit code 77) when Xvfb or openbox is missing.
#include "mainbar/XProperty.h"
#include "mainbar/XServerTestMain.h"
#include "mainbar/ZT_VOLTRAIL_MAIN.h"
#include "settings/Placement.h"
#include "support/WindowOpener.h"
#include "support/WindowTestBase.h"

#include <QApplication>
#include <QtTest>
#include <cstdio>

using namespace voltrail;
using namespace voltrail::test;

namespace {

// The outer rectangle as the X server has it: the client window's place on
// the root, widened by the frame extents the window manager announces.
QRect ServerOuterRect(xcb_connection_t* connection, xcb_window_t window)
{
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr);
    xcb_translate_coordinates_reply_t* origin = xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, window, screen->root, 0, 0), nullptr);
    const auto extents = ReadProperty(connection, window, "_NET_FRAME_EXTENTS", XCB_ATOM_CARDINAL);
    QRect outer;
    if (geometry && origin && extents.size() == 4) {
        const int left = static_cast<int>(extents[0]);
        const int right = static_cast<int>(extents[1]);
        const int top = static_cast<int>(extents[2]);
        const int bottom = static_cast<int>(extents[3]);
        outer = QRect(origin->dst_x - left, origin->dst_y - top, geometry->width + left + right,
                      geometry->height + top + bottom);
    }
    std::free(geometry);
    std::free(origin);
    return outer;
}

QRect Pixels(float left, float top, float width, float height)
{
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

} // namespace

class X11OuterSizeTest : public WindowTestBase {
    Q_OBJECT
private:
    xcb_connection_t* connection = nullptr;

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        QVERIFY(x11);
        connection = x11->connection();
    }

    void init() { ResetFixture(); }

    void outerFrameIsTheStoredOrDefaultSize_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QStringList>("stored"); // Left, Top, Width, Height; empty: the defaults
        QTest::addColumn<QRect>("outer");        // twips
        const struct {
            const char* window;
            const char* prefix;
            QRect defaults;
        } windows[] = {
            {"bar", "MAIN", {1000, 1000, 2500, 780}},
            {"settings", "ABOUT", {1000, 1000, 6720, 3585}},
            {"run option", "RUN_OPTIONS", {1000, 1000, 4545, 1830}},
            {"confirm", "ACTION_WINDOW", {1000, 1000, 5160, 3210}},
            {"auto-timer", "AUTOTIMER", {1000, 1000, 5985, 4185}},
            {"simple", "SGUI_SIM", {1000, 1000, 6450, 3225}},
            {"console", "SGUI_ADV", {1000, 1000, 14595, 7300}},
        };
        for (const auto& w : windows) {
            QTest::addRow("%s, defaults", w.window) << w.window << w.prefix << QStringList() << w.defaults;
            // A size put in the store from outside, and a place of its own.
            const QRect stored(1500, 750, w.defaults.width() + 1500, w.defaults.height() + 600);
            QTest::addRow("%s, stored", w.window)
                << w.window << w.prefix
                << QStringList{QString::number(stored.x()), QString::number(stored.y()),
                               QString::number(stored.width()), QString::number(stored.height())}
                << stored;
        }
        // Dragged partly off the top-left corner, and restored there.
        QTest::newRow("simple, off the corner")
            << "simple"
            << "SGUI_SIM" << QStringList{"-1200", "-600"} << QRect(-1200, -600, 6450, 3225);
    }

    void outerFrameIsTheStoredOrDefaultSize()
    {
        QFETCH(QString, window);
        QFETCH(QString, prefix);
        QFETCH(QStringList, stored);
        QFETCH(QRect, outer);
        const char* const sides[] = {"_Left", "_Top", "_Width", "_Height"};
        for (int i = 0; i < stored.size(); ++i)
            backend->values[(prefix + QLatin1String(sides[i])).toStdString()] = stored[i].toStdString();

        ZT_VOLTRAIL_MAIN owner(*services);
        auto opened = LoadWindow(window, *services, owner);
        QVERIFY(opened);
        opened->show();
        QVERIFY(QTest::qWaitForWindowExposed(opened.get()));
        const QRect expected = Pixels(outer.x(), outer.y(), outer.width(), outer.height());
        // Framed: the window manager has announced its frame and Qt knows it.
        QTRY_VERIFY_WITH_TIMEOUT(opened->frameGeometry() != opened->geometry(), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(opened->frameGeometry(), expected, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(ServerOuterRect(connection, static_cast<xcb_window_t>(opened->winId())),
                                  expected, 5000);
        // And it stays so once everything has settled.
        QTest::qWait(300);
        QCOMPARE(opened->frameGeometry(), expected);
        QCOMPARE(ServerOuterRect(connection, static_cast<xcb_window_t>(opened->winId())), expected);
    }
};

int main(int argc, char* argv[])
{
    return voltrail::test::RunOnXServer<X11OuterSizeTest>(argc, argv);
}

#include "X11OuterSizeTest.moc"
