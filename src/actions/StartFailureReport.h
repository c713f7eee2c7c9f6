#pragma once

#include <string>
#include <string_view>

namespace voltrail {

// The stderr line for a command line that could not be started, the same
// from every launcher: the line shown inert and cut short, then the reason.
std::string StartFailureReport(std::string_view commandLine, std::string_view reason);

} // namespace voltrail
