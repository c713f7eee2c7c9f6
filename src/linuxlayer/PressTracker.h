#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

namespace voltrail {

// Tells which press a launched line belongs to. A press (BATCH RUN, ABORT ALL,
// one Run) starts its lines back to back on the UI thread, milliseconds
// apart; a person's next press comes later. So a line launched within `gap`
// of the one before belongs to the same press.
class PressTracker {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kDefaultGap{1000};

    explicit PressTracker(std::chrono::milliseconds gap = kDefaultGap) : gap_(gap) {}

    std::uint64_t PressAt(Clock::time_point now)
    {
        if (!last_ || now - *last_ > gap_)
            ++press_;
        last_ = now;
        return press_;
    }

private:
    std::chrono::milliseconds gap_;
    std::optional<Clock::time_point> last_;
    std::uint64_t press_ = 0;
};

} // namespace voltrail
