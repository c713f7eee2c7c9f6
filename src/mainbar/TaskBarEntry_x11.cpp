#include "mainbar/TaskBarEntry.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>
#include <xcb/xcb.h>

namespace voltrail {

namespace {

xcb_atom_t Intern(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// Before a window is mapped its _NET_WM_STATE is the client's to write, and
// Qt keeps what it finds there when it adds its own states at mapping.
void AddSkipTaskBar(xcb_connection_t* connection, xcb_window_t window)
{
    const xcb_atom_t state = Intern(connection, "_NET_WM_STATE");
    const xcb_atom_t skip = Intern(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    if (state == XCB_ATOM_NONE || skip == XCB_ATOM_NONE)
        return;
    std::vector<xcb_atom_t> atoms;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, state, XCB_ATOM_ATOM, 0, 1024), nullptr);
    if (reply && reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
        const auto* first = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
        atoms.assign(first, first + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    if (std::find(atoms.begin(), atoms.end(), skip) != atoms.end())
        return;
    atoms.push_back(skip);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, state, XCB_ATOM_ATOM, 32,
                        static_cast<std::uint32_t>(atoms.size()), atoms.data());
    xcb_flush(connection);
}

// The show event comes after the native window is created and before it is
// mapped; a spontaneous one (restored by the window manager) is left alone.
class SkipTaskBarOnShow final : public QObject {
public:
    SkipTaskBarOnShow(QWidget& window, xcb_connection_t* connection)
        : QObject(&window), window_(window), connection_(connection)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show && !event->spontaneous())
            AddSkipTaskBar(connection_, static_cast<xcb_window_t>(window_.winId()));
        return false;
    }

private:
    QWidget& window_;
    xcb_connection_t* connection_;
};

} // namespace

void KeepOutOfTaskBar(QWidget& window)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (connection)
        new SkipTaskBarOnShow(window, connection);
}

} // namespace voltrail
