#pragma once

#include "linuxlayer/ShutdownSubject.h"
#include "notifications/DesktopNotifier.h"

#include <span>
#include <string>

namespace voltrail {

// One line the shutdown layer could not carry out.
struct ShutdownFailure {
    ShutdownSubject subject;
    std::string windowsLine; // as shown in the window
    std::string reason;      // one line: the layer's reason or the tool's last error line
};

// The notification for the failures of one press, in the order they came.
// One failure: its summary, then the Windows line and the reason. More: how
// many failed, then one entry per failure with its computer and reason, at
// most kListedFailures of them. `total` counts failures no longer listed.
Notification ComposeFailureNotice(std::span<const ShutdownFailure> failures, size_t total);

constexpr size_t kListedFailures = 60;

} // namespace voltrail
