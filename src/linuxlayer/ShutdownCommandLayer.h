#pragma once

#include "actions/ShellLauncher.h"
#include "notifications/DesktopNotifier.h"

#include <memory>

namespace voltrail {

// Where the operating system has no Windows `shutdown` command, a layer around
// `inner` that carries out its command lines with the local tools, for the
// user's own session, and tells of what it could not carry out on stderr and
// through `notifier` (which must outlive the layer). Where it has one,
// nothing: use `inner` as it is.
std::unique_ptr<ShellLauncher> MakeShutdownCommandLayer(ShellLauncher& inner, DesktopNotifier& notifier);

} // namespace voltrail
