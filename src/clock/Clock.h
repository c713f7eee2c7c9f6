#pragma once

#include <cstdint>

namespace voltrail {

// The wall clock and the local time zone, as whatever waits for a time of
// day reads them. main.cpp hands in the system's; tests move a fake one.
class Clock {
public:
    virtual ~Clock() = default;

    // Now, in milliseconds since 1970-01-01 00:00 UTC.
    virtual std::int64_t NowMs() const = 0;

    // How many seconds local time is ahead of UTC at that instant (seconds
    // since the epoch): daylight saving time included.
    virtual int UtcOffsetAt(std::int64_t epochSeconds) const = 0;
};

} // namespace voltrail
