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
    std::string advice = {}; // one line on what to do, or empty
};

// The notification for the failures of one press, in the order they came.
// One failure: its summary, then the Windows line, the reason and the advice.
// More: how many failed, then one entry per failure with its computer and
// reason, at most kListedFailures of them, then each different advice once.
// `total` counts failures no longer listed.
Notification ComposeFailureNotice(std::span<const ShutdownFailure> failures, size_t total);

constexpr size_t kListedFailures = 60;

} // namespace voltrail
