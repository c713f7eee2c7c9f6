#pragma once

#include "platformchoice/PlatformChoice.h"

#include <chrono>
#include <string>

namespace voltrail {

// Connects to the X server on display as Qt's xcb platform would (same
// display parsing, same authorisation) and hangs up again. Waits at most
// patience for the server's answer: Silent if none came by then.
XServerAnswer AskXServer(const std::string& display, std::chrono::milliseconds patience);

} // namespace voltrail
