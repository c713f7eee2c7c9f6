#pragma once

#include "mainbar/WindowStacking.h"

#include <string>

namespace voltrail {

// For window systems where one program cannot restack another's windows
// (offscreen, Wayland): does nothing and says so once on stderr.
class NullWindowStacking final : public WindowStacking {
public:
    explicit NullWindowStacking(std::string platformName) : platformName_(std::move(platformName)) {}

    WindowHandle ForegroundWindow() override;
    void SetTopmost(WindowHandle window, bool topmost) override;

private:
    std::string platformName_;
    bool told_ = false;
};

} // namespace voltrail
