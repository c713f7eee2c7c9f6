#pragma once

#include "notifications/DesktopNotifier.h"

#include <memory>

namespace voltrail {

// The notifier that fits the system: the freedesktop notification service
// where there is one to ask, else one that shows nothing.
std::unique_ptr<DesktopNotifier> MakeDesktopNotifier();

} // namespace voltrail
