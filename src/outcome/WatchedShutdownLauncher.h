#pragma once

#include "actions/ShellLauncher.h"
#include "actions/ToolLauncher.h"
#include "outcome/ShutdownFailureReporter.h"

#include <memory>

namespace voltrail {

// Where the system has its own `shutdown` command: every hidden `shutdown`
// line is started through `tools`, which watch it to its end, and a failure
// goes to the reporter and to the line's handler. A line shown in a window of
// its own (the /i dialog) and any other program go to `inner`, unwatched.
class WatchedShutdownLauncher final : public ShellLauncher {
public:
    WatchedShutdownLauncher(ShellLauncher& inner, ToolLauncher& tools,
                            std::shared_ptr<ShutdownFailureReporter> reporter);

    void Launch(const std::string& commandLine, std::int16_t windowStyle) override;
    void BeginPress() override;
    void LaunchWatched(const std::string& commandLine, OutcomeHandler onOutcome) override;

private:
    ShellLauncher& inner_;
    ToolLauncher& tools_;
    // Shared with the end handlers of lines still running, which may outlive
    // the launcher; they report only while it lives.
    std::shared_ptr<ShutdownFailureReporter> reporter_;
};

} // namespace voltrail
