#pragma once

#include "mainbar/WindowStacking.h"

#include <string>
#include <vector>

namespace voltrail::test {

// Answers the foreground window from a field and records every call.
class FakeWindowStacking final : public WindowStacking {
public:
    WindowHandle ForegroundWindow() override
    {
        calls.push_back("foreground");
        return foreground;
    }

    void SetTopmost(WindowHandle window, bool topmost) override
    {
        calls.push_back((topmost ? "topmost " : "notopmost ") + std::to_string(window));
    }

    WindowHandle foreground = 0;
    std::vector<std::string> calls;
};

} // namespace voltrail::test
