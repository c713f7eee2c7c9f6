#include "remote/ConsoleKeys.h"

#include <utility>

namespace voltrail {

std::string RowControlName(std::string_view kind, int row, std::string_view suffix)
{
    std::string name(kind);
    name.append("_").append(std::to_string(row)).append("_").append(suffix);
    return name;
}

std::string RowNumberBoxName(int row)
{
    if (row == 1)
        return "PC_NUMBER_1_TEXTBOX";
    return "Text" + std::to_string(row + 28);
}

std::vector<std::string> ConsoleSaveKeys()
{
    std::vector<std::string> keys{"SGUI_ADV_Left", "SGUI_ADV_Top", "SHUTDOWN_TIMEOUT_TEXTBOX"};
    const std::pair<std::string_view, std::string_view> groups[] = {
        {"BATCH_RUN", "TICKBOX"}, {"PC_NAME", "TEXTBOX"}, {"SHUTDOWN", "TICKBOX"},
        {"RESTART", "TICKBOX"},   {"FORCE", "TICKBOX"},
    };
    for (const auto& [kind, suffix] : groups) {
        for (int n = 1; n <= kConsoleRowCount; ++n)
            keys.push_back(RowControlName(kind, n, suffix));
    }
    return keys;
}

} // namespace voltrail
