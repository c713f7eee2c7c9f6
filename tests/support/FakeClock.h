#pragma once

#include "clock/Clock.h"

#include <cstdint>

namespace voltrail::test {

// A clock that stands still until a test moves it, in a fixed zone: Central
// European Time with 2026's changes (summer time from 29 March 01:00 UTC to
// 25 October 01:00 UTC), so the tests mean the same on any machine.
class FakeClock final : public Clock {
public:
    static constexpr std::int64_t kSummerFrom = 1774746000;
    static constexpr std::int64_t kSummerTo = 1792890000;

    std::int64_t NowMs() const override { return nowMs; }
    int UtcOffsetAt(std::int64_t epochSeconds) const override
    {
        return epochSeconds >= kSummerFrom && epochSeconds < kSummerTo ? 7200 : 3600;
    }

    // The instant a wall clock in this zone shows that 2026 local time (the
    // earlier one where it shows it twice), in milliseconds.
    static std::int64_t Local2026(int month, int day, int hour, int minute, int second)
    {
        static constexpr int kDaysBefore[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
        const std::int64_t days = 20454 + kDaysBefore[month - 1] + day - 1; // 2026-01-01
        const std::int64_t local = days * 86400 + hour * 3600 + minute * 60 + second;
        const std::int64_t summer = local - 7200;
        const bool inSummer = summer >= kSummerFrom && summer < kSummerTo;
        return (inSummer ? summer : local - 3600) * 1000;
    }

    std::int64_t nowMs = Local2026(12, 9, 12, 0, 0);
};

} // namespace voltrail::test
