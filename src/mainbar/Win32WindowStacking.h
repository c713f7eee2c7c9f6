#pragma once

#include "mainbar/WindowStacking.h"

namespace voltrail {

// user32 stacking: GetForegroundWindow, and SetWindowPos into or out of the
// topmost band without moving or resizing. Results are ignored; the next tick
// tries again.
class Win32WindowStacking final : public WindowStacking {
public:
    WindowHandle ForegroundWindow() override;
    // A null window is handed to SetWindowPos as it is.
    void SetTopmost(WindowHandle window, bool topmost) override;
};

} // namespace voltrail
