#include "outcome/ShutdownCommandLayer.h"

#include "actions/WatchedProcessLauncher.h"
#include "outcome/OwnedShutdownLayer.h"
#include "outcome/WatchedShutdownLauncher.h"

#include <iostream>

namespace voltrail {

std::unique_ptr<ShellLauncher> MakeShutdownCommandLayer(ShellLauncher& inner, DesktopNotifier& notifier)
{
    return std::make_unique<OwnedShutdownLayer<WatchedProcessLauncher, WatchedShutdownLauncher>>(
        std::cerr, notifier, inner);
}

} // namespace voltrail
