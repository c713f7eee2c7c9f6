#pragma once

#include <functional>
#include <string>

namespace voltrail {

// How a started tool ended, or why it never started.
struct ToolEnd {
    enum class How {
        NotStarted, // `detail` says why
        Exited,     // `code` is the exit status
        Signalled,  // `code` is the signal, `detail` its name
        Unseen,     // it ended, but something else collected it: how is unknown
        Crashed,    // Windows: ended by an exception; `code` is its exit code
    };
    How how = How::Exited;
    int code = 0;
    std::string detail;
    // The tool's last line of output (safe text), or empty.
    std::string lastErrorLine;
    // The end of what it wrote, as written: what the failure is read from.
    std::string errorOutput = {};

    bool failed() const { return how != How::Exited || code != 0; }
};

// Starts a command line hidden, never through a shell, and returns at once.
// `onEnd` runs later on the event loop once the tool has ended (nothing waits
// for it), or at once when it cannot be started.
class ToolLauncher {
public:
    using EndHandler = std::function<void(const ToolEnd&)>;
    virtual ~ToolLauncher() = default;
    virtual void LaunchTool(const std::string& commandLine, EndHandler onEnd) = 0;
};

} // namespace voltrail
