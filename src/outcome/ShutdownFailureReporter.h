#pragma once

#include "actions/ShellLauncher.h"
#include "actions/ToolLauncher.h"
#include "notifications/DesktopNotifier.h"
#include "outcome/FailureNotice.h"

#include <deque>
#include <ostream>

namespace voltrail {

// Tells a person what became of the `shutdown` lines that failed: a line on
// the report stream (stderr) for each failure, with a line of advice where the
// failure is one we know, and one notification per press, which each later
// failure of that press replaces with the longer list, however late it comes.
// Successes, and aborts that found nothing to abort, are not reported. Each
// call that ends a line also says what became of it, for the window that
// started it.
//
// Every line that arrives ends with exactly one call of Refused, Unwritable
// or ToolEnded. A press is remembered while it is the latest one or any of
// its lines is still running; then the notifier may forget its group.
class ShutdownFailureReporter {
public:
    // Presses with lines still running beyond this many: the oldest is
    // forgotten, by the reporter and the notifier alike.
    static constexpr size_t kRememberedPresses = 64;

    ShutdownFailureReporter(std::ostream& report, DesktopNotifier& notifier);

    // A person pressed a button: the lines that arrive from now on, up to the
    // next press, are its lines. Lines that arrive before any press are one.
    void PressBegins();

    // A `shutdown` line is being carried out now: the press it belongs to.
    std::uint64_t LineArrived();

    // The layer refuses the line.
    LineOutcome Refused(std::uint64_t press, const std::string& windowsLine, const ShutdownSubject& subject,
                        const std::string& reason);
    // The line could not be written as the tool's command line.
    LineOutcome Unwritable(std::uint64_t press, const std::string& windowsLine,
                           const ShutdownSubject& subject);
    // The tool started for the line has ended (or never started); `toolLine`
    // is what was started, `program` the tool's name.
    LineOutcome ToolEnded(std::uint64_t press, const std::string& windowsLine, const ShutdownSubject& subject,
                          const std::string& toolLine, const std::string& program, const ToolEnd& end);

private:
    struct Press {
        std::uint64_t id = 0;
        size_t running = 0; // lines not yet ended
        std::vector<ShutdownFailure> failures;
        size_t total = 0;
    };

    void Notify(std::uint64_t press, ShutdownFailure failure);
    Notification Compose(std::span<const ShutdownFailure> failures, size_t total) const;
    void LineEnded(std::uint64_t press);
    std::deque<Press>::iterator Find(std::uint64_t press);
    void Forget(std::deque<Press>::iterator press);

    std::ostream& report_;
    DesktopNotifier& notifier_;
    std::uint64_t press_ = 1;   // the latest press begun
    std::deque<Press> presses_; // oldest first; the latest press is last
};

// How a tool's end reads in a notification: its last error line, else its
// status or signal.
std::string ToolEndReason(const std::string& program, const ToolEnd& end);

} // namespace voltrail
