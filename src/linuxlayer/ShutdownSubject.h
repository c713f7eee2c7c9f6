#pragma once

#include <string>
#include <string_view>

namespace voltrail {

// What a Windows `shutdown` line asks for and of which computer, read as far
// as it can be read: also from lines that are refused (the translation reads
// it).
struct ShutdownSubject {
    enum class Action { Shutdown, Restart, Hibernate, Logoff, Abort, Dialog, Unknown };
    Action action = Action::Unknown;
    bool remote = false;
    std::string computer; // as written after "\\" (safe text); remote only

    bool operator==(const ShutdownSubject&) const = default;
};

// "Remote restart of SRV07 failed", "Shutdown of this computer failed".
std::string FailureSummary(const ShutdownSubject& subject);

// The computer as a list entry names it: "SRV07", "this computer".
std::string ComputerLabel(const ShutdownSubject& subject);

// "shutdown", "restart", "abort", ...
std::string ActionWord(ShutdownSubject::Action action);

} // namespace voltrail
