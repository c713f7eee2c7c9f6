#pragma once

#include "linuxlayer/FailureNotice.h"
#include "linuxlayer/ToolLauncher.h"
#include "notifications/DesktopNotifier.h"
#include "linuxlayer/PressTracker.h"

#include <deque>
#include <functional>
#include <ostream>

namespace voltrail {

// Tells a person what the shutdown layer could not carry out: a line on the
// report stream (stderr) for each failure, and one desktop notification per
// press, which each later failure of that press replaces with the longer list.
// Successes are not reported.
class ShutdownFailureReporter {
public:
    using Clock = std::function<PressTracker::Clock::time_point()>;

    ShutdownFailureReporter(std::ostream& report, DesktopNotifier& notifier,
                            Clock clock = PressTracker::Clock::now);

    // A Windows line is being carried out now: the press it belongs to.
    std::uint64_t LineArrived();

    // The layer refuses the line.
    void Refused(std::uint64_t press, const std::string& windowsLine, const std::string& reason);
    // The line could not be written as the tool's command line.
    void Unwritable(std::uint64_t press, const std::string& windowsLine);
    // The tool started for the line has ended (or never started); `toolLine`
    // is what was started, `program` the tool's name.
    void ToolEnded(std::uint64_t press, const std::string& windowsLine, const std::string& toolLine,
                   const std::string& program, const ToolEnd& end);

private:
    struct Press {
        std::uint64_t id = 0;
        std::vector<ShutdownFailure> failures;
        size_t total = 0;
    };

    void Notify(std::uint64_t press, ShutdownFailure failure);

    std::ostream& report_;
    DesktopNotifier& notifier_;
    Clock clock_;
    PressTracker presses_;
    std::deque<Press> recent_;
};

// How a tool's end reads in a notification: its last error line, else its
// status or signal.
std::string ToolEndReason(const std::string& program, const ToolEnd& end);

} // namespace voltrail
