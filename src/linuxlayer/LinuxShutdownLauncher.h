#pragma once

#include "actions/ShellLauncher.h"
#include "actions/ToolLauncher.h"
#include "linuxlayer/LinuxShutdownTranslation.h"
#include "outcome/ShutdownFailureReporter.h"

#include <memory>

namespace voltrail {

// Stands in for Windows' `shutdown` command where there is none: its command
// lines are carried out with systemd/logind and Samba's client, started
// hidden through `tools` (which never uses a shell). A line that cannot be
// carried out as Windows would carry it out starts nothing; that, a tool that
// cannot be started and a tool that fails all go to the reporter, and what
// became of a watched line to its handler. Every other line goes to `inner`
// as it stands.
class LinuxShutdownLauncher final : public ShellLauncher {
public:
    LinuxShutdownLauncher(ShellLauncher& inner, ToolLauncher& tools, LocalSession session,
                          std::shared_ptr<ShutdownFailureReporter> reporter);

    void Launch(const std::string& commandLine, std::int16_t windowStyle) override;
    void BeginPress() override;
    void LaunchWatched(const std::string& commandLine, OutcomeHandler onOutcome) override;

private:
    void Carry(const std::string& commandLine, std::int16_t windowStyle, OutcomeHandler onOutcome);

    ShellLauncher& inner_;
    ToolLauncher& tools_;
    LocalSession session_;
    // Shared with the end handlers of tools still running, which may outlive
    // the layer; they report only while it lives.
    std::shared_ptr<ShutdownFailureReporter> reporter_;
};

} // namespace voltrail
