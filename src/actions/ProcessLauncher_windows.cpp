#include "actions/ProcessLauncher.h"

#include "actions/StartFailureReport.h"
#include "actions/WindowsProcessStart.h"

#include <cstdio>
#include <string>
#include <windows.h>

namespace voltrail {

namespace {

void ReportNotStarted(const std::string& commandLine, const std::string& reason)
{
    std::fprintf(stderr, "%s\n", StartFailureReport(commandLine, reason).c_str());
}

} // namespace

void ProcessLauncher::Launch(const std::string& commandLine, std::int16_t windowStyle)
{
    WindowsProcessStart start = PrepareWindowsProcessStart(commandLine);
    if (!start.refusal.empty()) {
        ReportNotStarted(commandLine, start.refusal);
        return;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(windowStyle);
    PROCESS_INFORMATION info{};

    if (!CreateProcessW(start.application ? start.application->c_str() : nullptr, start.commandLine.data(),
                        nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        ReportNotStarted(commandLine, SystemMessage(GetLastError()));
        return;
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
}

} // namespace voltrail
