#include "remote/RemoteBatch.h"

namespace voltrail {

void BatchRunRows(std::span<const ConsoleRow> rows, const std::string& timeOutText, CommandDisplay& display,
                  ShellLauncher& launcher)
{
    for (const ConsoleRow& row : rows) {
        if (row.batchMark == 1)
            RunRemoteRow(row.row, timeOutText, display, launcher);
    }
}

void AbortAllRows(std::span<const ConsoleRow> rows, CommandDisplay& display, ShellLauncher& launcher)
{
    for (const ConsoleRow& row : rows)
        AbortRemoteRow(row.row.pcName, display, launcher);
}

} // namespace voltrail
