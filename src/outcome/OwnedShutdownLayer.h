#pragma once

#include "actions/ShellLauncher.h"
#include "notifications/DesktopNotifier.h"
#include "outcome/ShutdownFailureReporter.h"

#include <memory>
#include <ostream>
#include <utility>

namespace voltrail {

// A shutdown layer built with the tool launcher it starts lines through and
// the reporter it tells, and everything handed on to it. `Layer` takes
// (inner, tools, args..., reporter).
template <typename Tools, typename Layer> class OwnedShutdownLayer final : public ShellLauncher {
public:
    template <typename... Args>
    OwnedShutdownLayer(std::ostream& report, DesktopNotifier& notifier, ShellLauncher& inner, Args&&... args)
        : reporter_(std::make_shared<ShutdownFailureReporter>(report, notifier)),
          layer_(inner, tools_, std::forward<Args>(args)..., reporter_)
    {
    }

    void Launch(const std::string& commandLine, std::int16_t windowStyle) override
    {
        layer_.Launch(commandLine, windowStyle);
    }
    void BeginPress() override { layer_.BeginPress(); }
    void LaunchWatched(const std::string& commandLine, OutcomeHandler onOutcome) override
    {
        layer_.LaunchWatched(commandLine, std::move(onOutcome));
    }

private:
    Tools tools_;
    std::shared_ptr<ShutdownFailureReporter> reporter_;
    Layer layer_;
};

} // namespace voltrail
