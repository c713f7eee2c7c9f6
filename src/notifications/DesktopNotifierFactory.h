#pragma once

#include "notifications/DesktopNotifier.h"

#include <memory>

namespace voltrail {

// The notifier that fits the system: the notification area on Windows, the
// freedesktop notification service where there is a session bus to ask it
// on, else one that shows nothing.
std::unique_ptr<DesktopNotifier> MakeDesktopNotifier();

} // namespace voltrail
