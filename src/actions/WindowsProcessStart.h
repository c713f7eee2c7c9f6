#pragma once

#include <optional>
#include <string>

namespace voltrail {

// A command line made ready for CreateProcessW, or the reason it must not
// start. A line whose program is `shutdown` starts the system directory's
// shutdown.exe, never one the ordinary search would find first.
struct WindowsProcessStart {
    std::optional<std::wstring> application; // the program to start; else the search decides
    std::wstring commandLine;                // the whole line, NUL-terminated and writable
    std::string refusal;                     // not empty: start nothing
};

WindowsProcessStart PrepareWindowsProcessStart(const std::string& commandLine);

// The system's text for an error code, on one line.
std::string SystemMessage(unsigned long error);

} // namespace voltrail
