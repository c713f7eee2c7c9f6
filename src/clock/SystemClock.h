#pragma once

#include "clock/Clock.h"

namespace voltrail {

// The system's clock and time zone, read afresh at every call, so a clock
// that is set, a change of daylight saving time or a sleep is followed.
class SystemClock : public Clock {
public:
    std::int64_t NowMs() const override;
    int UtcOffsetAt(std::int64_t epochSeconds) const override;
};

} // namespace voltrail
