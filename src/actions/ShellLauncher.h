#pragma once

#include <cstdint>
#include <string>

namespace voltrail {

// Show-window codes handed to a started program.
enum WindowStyle : std::int16_t {
    kStyleHidden = 0, // no visible window
    kStyleNormal = 1, // normal window, shown and activated
};

// Starts a command line as a new process and returns at once. Nothing waits
// for the program, reads its output or learns its exit status. A line that
// cannot be started is reported by the launcher itself; callers carry on.
class ShellLauncher {
public:
    virtual ~ShellLauncher() = default;
    virtual void Launch(const std::string& commandLine, std::int16_t windowStyle) = 0;
};

} // namespace voltrail
