#pragma once

#include "platformchoice/PlatformChoice.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>

namespace voltrail {

// Connects to the X server on a display as Qt's xcb platform would (same
// display parsing, same authorisation), waiting at most patience for its
// answer. The connection is held until the probe is destroyed: an X server
// resets when its last client leaves, and would then turn Qt away while it
// does.
class XServerProbe {
public:
    // Asks and waits for the answer.
    XServerProbe(const std::string& display, std::chrono::milliseconds patience);
    // Asks and returns at once: whenSilent runs, on a thread of the probe's,
    // if no answer has come within patience and the probe still lives. Qt
    // connects meanwhile, so this asks without credentials, and a server that
    // wants them says Absent: only whether it answers at all counts here.
    XServerProbe(const std::string& display, std::chrono::milliseconds patience,
                 std::function<void()> whenSilent);
    ~XServerProbe();
    XServerProbe(const XServerProbe&) = delete;
    XServerProbe& operator=(const XServerProbe&) = delete;

    // Silent when no answer came within the patience. A probe that did not
    // wait waits here, after whenSilent has run.
    XServerAnswer answer() const;

    struct Attempt;

private:
    std::shared_ptr<Attempt> attempt_;
};

} // namespace voltrail
