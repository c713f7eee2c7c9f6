#include "mainbar/X11WindowStacking.h"

#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace voltrail {

namespace {

// _NET_WM_STATE actions, and the source indication of a pager-like tool that
// acts for the user (the bar changes other programs' windows).
constexpr std::uint32_t kStateRemove = 0;
constexpr std::uint32_t kStateAdd = 1;
constexpr std::uint32_t kSourcePager = 2;

std::uint32_t InternReply(xcb_connection_t* connection, xcb_intern_atom_cookie_t cookie)
{
    xcb_generic_error_t* error = nullptr;
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, &error);
    std::free(error);
    if (!reply)
        return XCB_ATOM_NONE;
    const std::uint32_t atom = reply->atom;
    std::free(reply);
    return atom;
}

xcb_intern_atom_cookie_t InternRequest(xcb_connection_t* connection, const char* name)
{
    return xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
}

} // namespace

X11WindowStacking::X11WindowStacking(xcb_connection_t* connection) : connection_(connection)
{
    if (!connection_ || xcb_connection_has_error(connection_))
        return;
    const xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
    if (screens.rem > 0)
        root_ = screens.data->root;
    requests_[0] = InternRequest(connection_, "_NET_ACTIVE_WINDOW").sequence;
    requests_[1] = InternRequest(connection_, "_NET_WM_STATE").sequence;
    requests_[2] = InternRequest(connection_, "_NET_WM_STATE_ABOVE").sequence;
    collected_ = false;
}

void X11WindowStacking::CollectAtoms()
{
    if (collected_)
        return;
    collected_ = true;
    activeWindowAtom_ = InternReply(connection_, {requests_[0]});
    stateAtom_ = InternReply(connection_, {requests_[1]});
    aboveAtom_ = InternReply(connection_, {requests_[2]});
}

WindowHandle X11WindowStacking::ForegroundWindow()
{
    CollectAtoms();
    if (!root_ || activeWindowAtom_ == XCB_ATOM_NONE)
        return 0;
    const auto cookie = xcb_get_property(connection_, 0, root_, activeWindowAtom_, XCB_ATOM_WINDOW, 0, 1);
    xcb_generic_error_t* error = nullptr;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(connection_, cookie, &error);
    std::free(error);
    if (!reply)
        return 0;
    WindowHandle window = 0;
    if (reply->type == XCB_ATOM_WINDOW && reply->format == 32 && xcb_get_property_value_length(reply) >= 4)
        window = *static_cast<const xcb_window_t*>(xcb_get_property_value(reply));
    std::free(reply);
    return window;
}

void X11WindowStacking::SetTopmost(WindowHandle window, bool topmost)
{
    CollectAtoms();
    if (window == 0 || !root_ || stateAtom_ == XCB_ATOM_NONE || aboveAtom_ == XCB_ATOM_NONE)
        return;
    xcb_client_message_event_t message;
    std::memset(&message, 0, sizeof message);
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window);
    message.type = stateAtom_;
    message.data.data32[0] = topmost ? kStateAdd : kStateRemove;
    message.data.data32[1] = aboveAtom_;
    message.data.data32[2] = 0;
    message.data.data32[3] = kSourcePager;
    message.data.data32[4] = 0;
    xcb_send_event(connection_, 0, root_,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection_);
}

} // namespace voltrail
