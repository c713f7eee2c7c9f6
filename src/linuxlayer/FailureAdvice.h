#pragma once

#include "linuxlayer/ShutdownSubject.h"

#include <string>
#include <string_view>

namespace voltrail {

// One plain line on what to do about a failure, read from what the tool wrote
// to its standard error: `net` for a remote action, systemd's tools for a
// local one. Empty when the failure is not one we know; the tool's own line
// then stands alone.
std::string FailureAdvice(const ShutdownSubject& subject, std::string_view toolOutput);

} // namespace voltrail
