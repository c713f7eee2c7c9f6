#include "linuxlayer/ShutdownCommandLayer.h"

namespace voltrail {

// Windows has its own `shutdown` command: the lines go to it unchanged.
std::unique_ptr<ShellLauncher> MakeShutdownCommandLayer(ShellLauncher&, DesktopNotifier&)
{
    return nullptr;
}

} // namespace voltrail
