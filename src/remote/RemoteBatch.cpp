#include "remote/RemoteBatch.h"

namespace voltrail {

namespace {

OutcomeHandler ForRow(const RowOutcomeHandler& onOutcome, size_t index)
{
    if (!onOutcome)
        return {};
    return [onOutcome, index](const LineOutcome& outcome) { onOutcome(index, outcome); };
}

} // namespace

void BatchRunRows(std::span<const ConsoleRow> rows, const std::string& timeOutText, CommandDisplay& display,
                  ShellLauncher& launcher, const RowOutcomeHandler& onOutcome)
{
    launcher.BeginPress();
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].batchMark == 1)
            IssueRemoteRow(rows[i].row, timeOutText, display, launcher, ForRow(onOutcome, i));
    }
}

void AbortAllRows(std::span<const ConsoleRow> rows, CommandDisplay& display, ShellLauncher& launcher,
                  const RowOutcomeHandler& onOutcome)
{
    launcher.BeginPress();
    for (size_t i = 0; i < rows.size(); ++i)
        IssueRemoteAbort(rows[i].row.pcName, display, launcher, ForRow(onOutcome, i));
}

} // namespace voltrail
