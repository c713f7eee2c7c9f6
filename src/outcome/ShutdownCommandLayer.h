#pragma once

#include "actions/ShellLauncher.h"
#include "notifications/DesktopNotifier.h"

#include <memory>

namespace voltrail {

// A layer around `inner` through which every `shutdown` line goes, and which
// tells of the lines that failed on stderr and through `notifier` (which must
// outlive the layer). Where the system has no `shutdown` command of its own,
// the layer carries its lines out with the local tools, for the user's own
// session (linuxlayer/); where it has one, it watches each hidden line to
// its end.
std::unique_ptr<ShellLauncher> MakeShutdownCommandLayer(ShellLauncher& inner, DesktopNotifier& notifier);

} // namespace voltrail
