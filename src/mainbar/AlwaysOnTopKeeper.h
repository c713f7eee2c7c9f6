#pragma once

#include "mainbar/WindowStacking.h"

#include <functional>

namespace voltrail {

// Once a second, unless the bar itself is in front: demote whatever window is
// in front, then make the bar topmost. It remembers nothing between ticks.
class AlwaysOnTopKeeper {
public:
    AlwaysOnTopKeeper(WindowStacking& stacking, std::function<WindowHandle()> barHandle)
        : stacking_(stacking), barHandle_(std::move(barHandle))
    {
    }

    void Tick();

private:
    WindowStacking& stacking_;
    std::function<WindowHandle()> barHandle_;
};

} // namespace voltrail
