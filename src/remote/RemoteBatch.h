#pragma once

#include "remote/RemoteRow.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace voltrail {

// A console row: its batch mark and its remote inputs.
struct ConsoleRow {
    std::int16_t batchMark = 0; // 1 marks the row for the batch run
    RemoteRow row;
};

// What became of a line of the row at `index` (from 0).
using RowOutcomeHandler = std::function<void(size_t index, const LineOutcome&)>;

// One press: runs every row whose mark is exactly 1, in row order: all lines
// of one row before any line of the next. Unmarked rows are never run.
void BatchRunRows(std::span<const ConsoleRow> rows, const std::string& timeOutText, CommandDisplay& display,
                  ShellLauncher& launcher, const RowOutcomeHandler& onOutcome = {});

// One press: aborts every row in row order, whatever its marks and ticks,
// empty names included: one line per row.
void AbortAllRows(std::span<const ConsoleRow> rows, CommandDisplay& display, ShellLauncher& launcher,
                  const RowOutcomeHandler& onOutcome = {});

} // namespace voltrail
