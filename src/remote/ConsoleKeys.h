#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace voltrail {

inline constexpr int kConsoleRowCount = 30;

// The name of a console row's control, which is also its settings key:
// <kind>_<n>_<suffix>, n in decimal without leading zeros (PC_NAME_7_TEXTBOX).
std::string RowControlName(std::string_view kind, int row, std::string_view suffix);

// The name of row n's number box: the first row's has a name of its own, the
// others are numbered on from Text30.
std::string RowNumberBoxName(int row);

// Every key the console's Save writes, in the order it writes them (153).
std::vector<std::string> ConsoleSaveKeys();

} // namespace voltrail
