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
#include "ui/WindowPlacement.h"

#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
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

// Moves the frame as the window manager does for a person's drag.
void MoveFrame(xcb_connection_t* connection, xcb_window_t window, QPoint topLeft)
{
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_atom_t type = InternAtom(connection, "_NET_MOVERESIZE_WINDOW");
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = type;
    // North-west gravity (the frame's corner), x and y given, from a pager or the user.
    message.data.data32[0] = 1 | (1 << 8) | (1 << 9) | (2 << 12);
    message.data.data32[1] = static_cast<uint32_t>(topLeft.x());
    message.data.data32[2] = static_cast<uint32_t>(topLeft.y());
    xcb_send_event(connection, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
}

// Switches openbox to another theme (another title height), as a person does.
bool ChangeTheme(const QString& theme)
{
    QFile config(qEnvironmentVariable("VOLTRAIL_TEST_OPENBOX_CONFIG"));
    if (!config.open(QIODevice::ReadOnly))
        return false;
    QString text = QString::fromUtf8(config.readAll());
    config.close();
    text.replace(QRegularExpression(QStringLiteral(R"((<theme>\s*<name>)[^<]*(</name>))")),
                 QStringLiteral("\\1%1\\2").arg(theme));
    if (!config.open(QIODevice::WriteOnly | QIODevice::Truncate) || config.write(text.toUtf8()) < 0)
        return false;
    config.close();
    return QProcess::execute(QStringLiteral("openbox"), {QStringLiteral("--reconfigure")}) == 0;
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

    // A new theme changes the frame's margins; the bar must not go back to
    // where it started, nor store that place.
    void movedBarStaysThroughThemeChanges()
    {
        if (qEnvironmentVariableIsEmpty("VOLTRAIL_TEST_OPENBOX_CONFIG"))
            QSKIP("no openbox configuration of the test's own");
        ZT_VOLTRAIL_MAIN owner(*services);
        auto bar = LoadWindow(QStringLiteral("bar"), *services, owner);
        bar->show();
        QVERIFY(QTest::qWaitForWindowExposed(bar.get()));
        const auto window = static_cast<xcb_window_t>(bar->winId());
        const QRect placed = Pixels(1000, 1000, 2500, 780);
        QTRY_COMPARE_WITH_TIMEOUT(ServerOuterRect(connection, window), placed, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(bar->frameGeometry(), placed, 5000);

        // At a person's pace: no hand moves a window, or opens a theme, within
        // the time the keeper gives a manager to finish a frame.
        const int personsPaceMs = 300;
        QTest::qWait(personsPaceMs);
        const QRect moved(QPoint(300, 200), placed.size());
        MoveFrame(connection, window, moved.topLeft());
        QTRY_COMPARE_WITH_TIMEOUT(ServerOuterRect(connection, window), moved, 5000);
        QTest::qWait(personsPaceMs);
        for (const char* theme : {"Bear2", "Orang", "Artwiz-boxed", "Clearlooks"}) {
            const auto before = ReadProperty(connection, window, "_NET_FRAME_EXTENTS", XCB_ATOM_CARDINAL);
            QVERIFY(ChangeTheme(QLatin1String(theme)));
            QTRY_VERIFY_WITH_TIMEOUT(
                ReadProperty(connection, window, "_NET_FRAME_EXTENTS", XCB_ATOM_CARDINAL) != before, 5000);
            QTRY_COMPARE_WITH_TIMEOUT(ServerOuterRect(connection, window), moved, 5000);
            QTest::qWait(personsPaceMs);
            QCOMPARE(ServerOuterRect(connection, window), moved);
            QCOMPARE(bar->frameGeometry(), moved);
        }
        SavePlacement(*bar, services->settings, "MAIN");
        QCOMPARE(services->settings.LoadNumber("MAIN_Left", 0), PixelsToTwips(moved.x()));
        QCOMPARE(services->settings.LoadNumber("MAIN_Top", 0), PixelsToTwips(moved.y()));
    }
};

int main(int argc, char* argv[])
{
    return voltrail::test::RunOnXServer<X11OuterSizeTest>(argc, argv);
}

#include "X11OuterSizeTest.moc"
