#pragma once

#include "mainbar/WindowStacking.h"

#include <string>

namespace voltrail {

// For window systems where one program cannot restack another's windows
// (offscreen, Wayland): does nothing and says so once on stderr, unless the
// start of the program has said it already.
class NullWindowStacking final : public WindowStacking {
public:
    explicit NullWindowStacking(std::string platformName, bool alreadyTold = false)
        : platformName_(std::move(platformName)), told_(alreadyTold)
    {
    }

    WindowHandle ForegroundWindow() override;
    void SetTopmost(WindowHandle window, bool topmost) override;

private:
    std::string platformName_;
    bool told_;
};

} // namespace voltrail
