#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace voltrail {

class ShellLauncher;

enum class PowerAction { Shutdown, Restart, Hibernate, Logoff };

struct PowerActionEntry {
    PowerAction action;
    std::string_view label;       // the only form in which an action passes between windows
    std::string_view commandLine; // handed to the launcher verbatim
};

namespace labels {
inline constexpr std::string_view kShutdown = "SHUTDOWN PC";
inline constexpr std::string_view kRestart = "RESTART PC";
inline constexpr std::string_view kHibernate = "HIBERNATE PC";
inline constexpr std::string_view kLogoff = "LOGOFF CURRENT USER";
} // namespace labels

// In the order in which labels are compared.
const std::array<PowerActionEntry, 4>& PowerActionTable();

std::string_view LabelOf(PowerAction action);

// Exact, case-sensitive comparison of the whole label; nothing for any other text.
std::optional<std::string> CommandForLabel(std::string_view label);

// Launches the label's command line hidden, as a press of its own. False (and nothing started) when
// the text is no label.
bool PerformLocalAction(std::string_view label, ShellLauncher& launcher);

} // namespace voltrail
