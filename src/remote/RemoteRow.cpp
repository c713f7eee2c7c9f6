#include "remote/RemoteRow.h"

#include "actions/ShellLauncher.h"
#include "remote/CommandDisplay.h"

namespace voltrail {

namespace {

// Shown first, then started as read back from the box.
void Issue(const std::string& line, CommandDisplay& display, ShellLauncher& launcher,
           const OutcomeHandler& onOutcome)
{
    display.SetText(line);
    launcher.LaunchWatched(display.Text(), onOutcome);
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

void IssueRemoteRow(const RemoteRow& row, const std::string& timeOutText, CommandDisplay& display,
                    ShellLauncher& launcher, const OutcomeHandler& onOutcome)
{
    // Four independent tests in this order; none is an "else" of another.
    if (row.shutdown == 1 && row.force == 0)
        Issue(RunLine(remote_prefix::kShutdown, row.pcName, timeOutText), display, launcher, onOutcome);
    if (row.restart == 1 && row.force == 0)
        Issue(RunLine(remote_prefix::kRestart, row.pcName, timeOutText), display, launcher, onOutcome);
    if (row.shutdown == 1 && row.force == 1)
        Issue(RunLine(remote_prefix::kForcedShutdown, row.pcName, timeOutText), display, launcher, onOutcome);
    if (row.restart == 1 && row.force == 1)
        Issue(RunLine(remote_prefix::kForcedRestart, row.pcName, timeOutText), display, launcher, onOutcome);
}

void IssueRemoteAbort(const std::string& pcName, CommandDisplay& display, ShellLauncher& launcher,
                      const OutcomeHandler& onOutcome)
{
    std::string line(remote_prefix::kAbort);
    line.append(pcName);
    Issue(line, display, launcher, onOutcome);
}

void RunRemoteRow(const RemoteRow& row, const std::string& timeOutText, CommandDisplay& display,
                  ShellLauncher& launcher, const OutcomeHandler& onOutcome)
{
    launcher.BeginPress();
    IssueRemoteRow(row, timeOutText, display, launcher, onOutcome);
}

void AbortRemoteRow(const std::string& pcName, CommandDisplay& display, ShellLauncher& launcher,
                    const OutcomeHandler& onOutcome)
{
    launcher.BeginPress();
    IssueRemoteAbort(pcName, display, launcher, onOutcome);
}

} // namespace voltrail
