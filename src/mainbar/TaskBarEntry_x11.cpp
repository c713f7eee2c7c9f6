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

xcb_atom_t InternReply(xcb_connection_t* connection, xcb_intern_atom_cookie_t cookie)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

xcb_intern_atom_cookie_t InternRequest(xcb_connection_t* connection, const char* name)
{
    return xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
}

// Before a window is mapped its _NET_WM_STATE is the client's to write, and
// Qt keeps what it finds there when it adds its own states at mapping. A
// window shown for the first time holds nothing of ours yet, so the state is
// added without reading it first (one round trip less before the bar shows).
void AddSkipTaskBar(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t state, xcb_atom_t skip,
                    bool firstShow)
{
    if (state == XCB_ATOM_NONE || skip == XCB_ATOM_NONE)
        return;
    if (firstShow) {
        xcb_change_property(connection, XCB_PROP_MODE_APPEND, window, state, XCB_ATOM_ATOM, 32, 1, &skip);
        xcb_flush(connection);
        return;
    }
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
// The atoms are asked for when the window is made, so their answers are
// there by the time it is shown.
class SkipTaskBarOnShow final : public QObject {
public:
    SkipTaskBarOnShow(QWidget& window, xcb_connection_t* connection)
        : QObject(&window), window_(window), connection_(connection),
          stateRequest_(InternRequest(connection, "_NET_WM_STATE")),
          skipRequest_(InternRequest(connection, "_NET_WM_STATE_SKIP_TASKBAR"))
    {
        // Sent now, so the server answers while the bar is still being made.
        xcb_flush(connection);
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show && !event->spontaneous()) {
            if (!collected_) {
                collected_ = true;
                state_ = InternReply(connection_, stateRequest_);
                skip_ = InternReply(connection_, skipRequest_);
            }
            const auto window = static_cast<xcb_window_t>(window_.winId());
            AddSkipTaskBar(connection_, window, state_, skip_, window != shownBefore_);
            shownBefore_ = window;
        }
        return false;
    }

private:
    QWidget& window_;
    xcb_connection_t* connection_;
    xcb_intern_atom_cookie_t stateRequest_;
    xcb_intern_atom_cookie_t skipRequest_;
    bool collected_ = false;
    xcb_atom_t state_ = XCB_ATOM_NONE;
    xcb_atom_t skip_ = XCB_ATOM_NONE;
    // The native window changes when Qt makes it again.
    xcb_window_t shownBefore_ = XCB_WINDOW_NONE;
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
