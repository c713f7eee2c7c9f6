#pragma once

#include "actions/ToolLauncher.h"

#include <optional>
#include <string>

namespace voltrail {

// Windows: starts a line hidden, with no console window, exactly as written
// (the system directory's shutdown.exe for a `shutdown` line, as the process
// launcher starts it), and watches it from the event loop: its exit code and
// the end of what it writes on either stream are kept, the rest read and
// dropped. A line still running when the program ends is left running.
class WatchedProcessLauncher final : public ToolLauncher {
public:
    // `program`, for tests: the program every line starts instead.
    explicit WatchedProcessLauncher(std::optional<std::wstring> program = std::nullopt);
    void LaunchTool(const std::string& commandLine, EndHandler onEnd) override;

private:
    std::optional<std::wstring> program_;
};

} // namespace voltrail
