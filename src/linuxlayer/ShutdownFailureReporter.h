#pragma once

#include "linuxlayer/FailureNotice.h"
#include "linuxlayer/PressTracker.h"
#include "linuxlayer/ToolLauncher.h"
#include "notifications/DesktopNotifier.h"

#include <deque>
#include <functional>
#include <ostream>

namespace voltrail {

// Tells a person what the shutdown layer could not carry out: a line on the
// report stream (stderr) for each failure, with a line of advice where the
// failure is one we know, and one desktop notification per press, which each
// later failure of that press replaces with the longer list, however late it
// comes. Successes are not reported.
//
// Every line that arrives ends with exactly one call of Refused, Unwritable
// or ToolEnded. A press is remembered while it is the latest one or any of
// its lines is still running; then the notifier may forget its group.
class ShutdownFailureReporter {
public:
    using Clock = std::function<PressTracker::Clock::time_point()>;

    // Presses with lines still running beyond this many: the oldest is
    // forgotten, by the reporter and the notifier alike.
    static constexpr size_t kRememberedPresses = 64;

    ShutdownFailureReporter(std::ostream& report, DesktopNotifier& notifier,
                            Clock clock = PressTracker::Clock::now);

    // A Windows line is being carried out now: the press it belongs to.
    std::uint64_t LineArrived();

    // The layer refuses the line.
    void Refused(std::uint64_t press, const std::string& windowsLine, const ShutdownSubject& subject,
                 const std::string& reason);
    // The line could not be written as the tool's command line.
    void Unwritable(std::uint64_t press, const std::string& windowsLine, const ShutdownSubject& subject);
    // The tool started for the line has ended (or never started); `toolLine`
    // is what was started, `program` the tool's name.
    void ToolEnded(std::uint64_t press, const std::string& windowsLine, const ShutdownSubject& subject,
                   const std::string& toolLine, const std::string& program, const ToolEnd& end);

private:
    struct Press {
        std::uint64_t id = 0;
        size_t running = 0; // lines not yet ended
        std::vector<ShutdownFailure> failures;
        size_t total = 0;
    };

    void Notify(std::uint64_t press, ShutdownFailure failure);
    void LineEnded(std::uint64_t press);
    std::deque<Press>::iterator Find(std::uint64_t press);
    void Forget(std::deque<Press>::iterator press);

    std::ostream& report_;
    DesktopNotifier& notifier_;
    Clock clock_;
    PressTracker tracker_;
    std::deque<Press> presses_; // oldest first; the latest press is last
};

// How a tool's end reads in a notification: its last error line, else its
// status or signal.
std::string ToolEndReason(const std::string& program, const ToolEnd& end);

} // namespace voltrail
