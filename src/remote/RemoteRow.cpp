#include "remote/RemoteRow.h"

#include "actions/ShellLauncher.h"
#include "remote/CommandDisplay.h"

namespace voltrail {

namespace {

// Shown first, then started as read back from the box.
void Issue(const std::string& line, CommandDisplay& display, ShellLauncher& launcher)
{
    display.SetText(line);
    launcher.Launch(display.Text(), kStyleHidden);
}

std::string RunLine(std::string_view prefix, const std::string& pcName, const std::string& timeOutText)
{
    std::string line;
    line.reserve(prefix.size() + pcName.size() + remote_prefix::kTimeOutSeparator.size() +
                 timeOutText.size());
    line.append(prefix).append(pcName).append(remote_prefix::kTimeOutSeparator).append(timeOutText);
    return line;
}

} // namespace

void RunRemoteRow(const RemoteRow& row, const std::string& timeOutText, CommandDisplay& display,
                  ShellLauncher& launcher)
{
    // Four independent tests in this order; none is an "else" of another.
    if (row.shutdown == 1 && row.force == 0)
        Issue(RunLine(remote_prefix::kShutdown, row.pcName, timeOutText), display, launcher);
    if (row.restart == 1 && row.force == 0)
        Issue(RunLine(remote_prefix::kRestart, row.pcName, timeOutText), display, launcher);
    if (row.shutdown == 1 && row.force == 1)
        Issue(RunLine(remote_prefix::kForcedShutdown, row.pcName, timeOutText), display, launcher);
    if (row.restart == 1 && row.force == 1)
        Issue(RunLine(remote_prefix::kForcedRestart, row.pcName, timeOutText), display, launcher);
}

void AbortRemoteRow(const std::string& pcName, CommandDisplay& display, ShellLauncher& launcher)
{
    std::string line(remote_prefix::kAbort);
    line.append(pcName);
    Issue(line, display, launcher);
}

} // namespace voltrail
