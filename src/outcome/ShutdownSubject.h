#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace voltrail {

// What a Windows `shutdown` line asks for and of which computer, read as far
// as it can be read: also from lines that are refused.
struct ShutdownSubject {
    enum class Action { Shutdown, Restart, Hibernate, Logoff, Abort, Dialog, Unknown };
    Action action = Action::Unknown;
    bool remote = false;
    std::string computer; // as written after "\\" (safe text); remote only

    bool operator==(const ShutdownSubject&) const = default;
};

// Longer names are cut where a subject names its computer.
constexpr size_t kLongestShownName = 64;

// The subject of a line whose program is `shutdown` or `shutdown.exe` (any
// letter case): the first action switch, and the computer after the first
// /m; nothing for any other program. The line need not be one Windows takes.
std::optional<ShutdownSubject> ReadShutdownSubject(std::string_view commandLine);

// "Remote restart of SRV07 failed", "Shutdown of this computer failed".
std::string FailureSummary(const ShutdownSubject& subject);

// The computer as a list entry names it: "SRV07", "this computer".
std::string ComputerLabel(const ShutdownSubject& subject);

// "shutdown", "restart", "abort", ...
std::string ActionWord(ShutdownSubject::Action action);

} // namespace voltrail
