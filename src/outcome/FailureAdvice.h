#pragma once

#include "actions/ToolLauncher.h"
#include "outcome/ShutdownSubject.h"

#include <string>
#include <string_view>

namespace voltrail {

// The name the Windows system's own command goes by in reports.
inline constexpr std::string_view kWindowsShutdownProgram = "shutdown.exe";

// One plain line on what to do about a failed tool. Windows' `shutdown.exe`
// is read by its exit code (its text is in the system's language); `net`, for
// a remote action, and systemd's tools, for a local one, by what they wrote.
// Empty when the failure is not one we know; the tool's own line then stands
// alone.
std::string FailureAdvice(const ShutdownSubject& subject, std::string_view program, const ToolEnd& end);

// An abort that found no shutdown to abort: done, not failed.
bool FoundNothingToAbort(const ShutdownSubject& subject, std::string_view program, const ToolEnd& end);

} // namespace voltrail
