#include "actions/PowerAction.h"

#include "actions/ShellLauncher.h"

namespace voltrail {

const std::array<PowerActionEntry, 4>& PowerActionTable()
{
    static constexpr std::array<PowerActionEntry, 4> table{{
        {PowerAction::Shutdown, labels::kShutdown, "shutdown /s /t 0"},
        {PowerAction::Restart, labels::kRestart, "shutdown /g /f /t 0"},
        {PowerAction::Hibernate, labels::kHibernate, "shutdown /h"},
        {PowerAction::Logoff, labels::kLogoff, "shutdown /l"},
    }};
    return table;
}

std::string_view LabelOf(PowerAction action)
{
    for (const auto& entry : PowerActionTable())
        if (entry.action == action)
            return entry.label;
    return {};
}

std::optional<std::string> CommandForLabel(std::string_view label)
{
    for (const auto& entry : PowerActionTable())
        if (entry.label == label)
            return std::string(entry.commandLine);
    return std::nullopt;
}

bool PerformLocalAction(std::string_view label, ShellLauncher& launcher)
{
    const auto command = CommandForLabel(label);
    if (!command)
        return false;
    launcher.BeginPress();
    launcher.Launch(*command, kStyleHidden);
    return true;
}

} // namespace voltrail
