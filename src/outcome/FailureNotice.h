#pragma once

#include "notifications/DesktopNotifier.h"
#include "outcome/ShutdownSubject.h"

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

// The same failures in the few plain characters a notification-area balloon
// holds (its text at most kBriefLength): one failure, its reason and advice;
// more, the reason most of them share, its advice, and as many of their
// computers as fit ("SRV01, SRV04 and 12 more").
Notification ComposeBriefFailureNotice(std::span<const ShutdownFailure> failures, size_t total);

// In bytes of UTF-8, which are never fewer than the UTF-16 units Windows counts.
constexpr size_t kBriefLength = 255;

constexpr size_t kListedFailures = 60;

} // namespace voltrail
