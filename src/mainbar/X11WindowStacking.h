#pragma once

#include "mainbar/WindowStacking.h"

#include <cstdint>

struct xcb_connection_t;

namespace voltrail {

// Stacking through the window manager, the EWMH way: the foreground window is
// the root's _NET_ACTIVE_WINDOW, and topmost is _NET_WM_STATE_ABOVE, asked for
// with _NET_WM_STATE client messages to the root window. That is the one way
// a program may change the state of another program's window; the window
// manager decides. Uses a connection it does not own.
class X11WindowStacking final : public WindowStacking {
public:
    explicit X11WindowStacking(xcb_connection_t* connection);

    WindowHandle ForegroundWindow() override;
    // Window 0 is ignored.
    void SetTopmost(WindowHandle window, bool topmost) override;

private:
    // The atoms are asked for when the backend is made and their answers
    // collected at first use (the first keeper tick), so the bar does not
    // wait for the X server before it is shown.
    void CollectAtoms();

    xcb_connection_t* connection_;
    unsigned int requests_[3] = {};
    bool collected_ = true;
    std::uint32_t root_ = 0;
    std::uint32_t activeWindowAtom_ = 0;
    std::uint32_t stateAtom_ = 0;
    std::uint32_t aboveAtom_ = 0;
};

} // namespace voltrail
