#pragma once

#include <cstdint>

namespace voltrail {

// A native window handle (HWND on Windows, an X window id on X11); 0 is none.
using WindowHandle = std::uintptr_t;

// What the keeper needs of the window system. Failures are ignored by callers.
class WindowStacking {
public:
    virtual ~WindowStacking() = default;
    // The window the user is working in, in any program; may be 0.
    virtual WindowHandle ForegroundWindow() = 0;
    // Puts a window into (true) or out of (false) the topmost band, without
    // moving or resizing it.
    virtual void SetTopmost(WindowHandle window, bool topmost) = 0;
};

} // namespace voltrail
