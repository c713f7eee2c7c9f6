#pragma once

#include "platformchoice/PlatformChoice.h"

#include <chrono>
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
    XServerProbe(const std::string& display, std::chrono::milliseconds patience);
    ~XServerProbe();
    XServerProbe(const XServerProbe&) = delete;
    XServerProbe& operator=(const XServerProbe&) = delete;

    // Silent when no answer came within the patience.
    XServerAnswer answer() const { return answer_; }

    struct Attempt;

private:
    std::shared_ptr<Attempt> attempt_;
    XServerAnswer answer_;
};

} // namespace voltrail
