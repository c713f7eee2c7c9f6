#pragma once

#include "actions/ChildReaper.h"
#include "actions/ShellLauncher.h"

namespace voltrail {

// Starts command lines as the operating system does, never through a shell.
// Windows: CreateProcessW with the whole line and the style as wShowWindow.
// Elsewhere: the line is split by the Windows rules, the program is found on
// PATH and started detached; a hidden start gets the null device for its
// standard streams; `children` collects it once it ends. A line that cannot
// be started is reported on stderr.
class ProcessLauncher final : public ShellLauncher {
public:
    explicit ProcessLauncher(ChildReaper& children) : children_(children) {}

    void Launch(const std::string& commandLine, std::int16_t windowStyle) override;

private:
    ChildReaper& children_;
};

} // namespace voltrail
