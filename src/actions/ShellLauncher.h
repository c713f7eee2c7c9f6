#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace voltrail {

// Show-window codes handed to a started program.
enum WindowStyle : std::int16_t {
    kStyleHidden = 0, // no visible window
    kStyleNormal = 1, // normal window, shown and activated
};

// What became of a hidden line, as far as a launcher that watches it learns.
struct LineOutcome {
    enum class Kind { Succeeded, Failed, NothingToAbort };
    Kind kind = Kind::Succeeded;
    std::string reason = {}; // failed: one line, the tool's own or why nothing started (safe text)
    std::string advice = {}; // failed: what to do about it, or empty
    bool operator==(const LineOutcome&) const = default;
};
using OutcomeHandler = std::function<void(const LineOutcome&)>;

// Starts a command line as a new process and returns at once. A line that
// cannot be started is reported by the launcher itself; callers carry on.
class ShellLauncher {
public:
    virtual ~ShellLauncher() = default;
    virtual void Launch(const std::string& commandLine, std::int16_t windowStyle) = 0;

    // The lines launched from now on, up to the next call, answer one press
    // of a button: their failures are told together.
    virtual void BeginPress() {}

    // Launches the line hidden. A launcher that watches its lines tells
    // `onOutcome` once what became of it: at once when nothing could start,
    // else later on the event loop. One that does not watch never calls it.
    virtual void LaunchWatched(const std::string& commandLine, OutcomeHandler onOutcome)
    {
        (void)onOutcome;
        Launch(commandLine, kStyleHidden);
    }
};

} // namespace voltrail
