#pragma once

#include "actions/ShellLauncher.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace voltrail {

class CommandDisplay;

// One remote computer's inputs, read from a window's controls at the moment
// of a request. Tick values are compared with exactly 0 and 1: anything else
// (only from a hand-edited store) counts as clear for Shutdown and Restart and
// matches neither Force form, so such a row starts nothing.
struct RemoteRow {
    std::string pcName;
    std::int16_t shutdown = 0;
    std::int16_t restart = 0;
    std::int16_t force = 0;
};

namespace remote_prefix {
inline constexpr std::string_view kShutdown = "shutdown /s /m \\\\";
inline constexpr std::string_view kRestart = "shutdown /g /m \\\\";
inline constexpr std::string_view kForcedShutdown = "shutdown /s /f /m \\\\";
inline constexpr std::string_view kForcedRestart = "shutdown /g /f /m \\\\";
inline constexpr std::string_view kAbort = "shutdown /a /m \\\\";
inline constexpr std::string_view kTimeOutSeparator = " /t ";
} // namespace remote_prefix

// One press: starts the row's shutdown line, then its restart line, each only
// when asked for; zero, one or two lines. The name and the time-out go in as
// typed. `onOutcome` hears what became of each line, where the launcher
// watches them.
void RunRemoteRow(const RemoteRow& row, const std::string& timeOutText, CommandDisplay& display,
                  ShellLauncher& launcher, const OutcomeHandler& onOutcome = {});

// One press: starts the abort line for the named computer; always exactly one
// line.
void AbortRemoteRow(const std::string& pcName, CommandDisplay& display, ShellLauncher& launcher,
                    const OutcomeHandler& onOutcome = {});

// The same, as part of a press already begun.
void IssueRemoteRow(const RemoteRow& row, const std::string& timeOutText, CommandDisplay& display,
                    ShellLauncher& launcher, const OutcomeHandler& onOutcome);
void IssueRemoteAbort(const std::string& pcName, CommandDisplay& display, ShellLauncher& launcher,
                      const OutcomeHandler& onOutcome);

} // namespace voltrail
