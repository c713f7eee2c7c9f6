#include "outcome/ShutdownCommandLayer.h"

#include "actions/WatchedProcessLauncher.h"
#include "outcome/WatchedShutdownLauncher.h"

#include <iostream>

namespace voltrail {

namespace {

// The watching launcher with the process launcher and the reporter it uses.
class ShutdownCommandLayer final : public ShellLauncher {
public:
    ShutdownCommandLayer(ShellLauncher& inner, DesktopNotifier& notifier)
        : reporter_(std::make_shared<ShutdownFailureReporter>(std::cerr, notifier)),
          layer_(inner, tools_, reporter_)
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
    WatchedProcessLauncher tools_;
    std::shared_ptr<ShutdownFailureReporter> reporter_;
    WatchedShutdownLauncher layer_;
};

} // namespace

std::unique_ptr<ShellLauncher> MakeShutdownCommandLayer(ShellLauncher& inner, DesktopNotifier& notifier)
{
    return std::make_unique<ShutdownCommandLayer>(inner, notifier);
}

} // namespace voltrail
