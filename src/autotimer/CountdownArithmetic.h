#pragma once

#include "clock/Clock.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace voltrail {

// The countdown keeps its remaining time as a date-time value: a number of
// days, one second being 1/86,400 of a day. Only its time of day is shown.
inline constexpr double kOneSecondInDays = 1.0 / 24.0 / 60.0 / 60.0;

inline constexpr std::string_view kZeroDisplay = "00:00:00";
inline constexpr std::string_view kFiredDisplay = "--:--:--";

// Reads "H:MM:SS" with one or two ASCII digits a field: hours 0-23, minutes
// and seconds 0-59, nothing else around or between them. Gives the seconds.
std::optional<int> ReadDurationSeconds(std::string_view text);

enum class StartRefusal { NotATime, Zero };

// What OK makes of the countdown box: the remaining time in days, or why the
// text cannot start a countdown. A start of zero would never read zero again
// (the first tick goes below it), so it is refused.
struct CountdownStart {
    std::optional<double> remainingTime;
    std::optional<StartRefusal> refusal;
};
CountdownStart ReadCountdownStart(std::string_view text);

// The status line's words for a refused start.
std::string_view RefusalText(StartRefusal refusal);

// One tick: exactly one second less, however late the tick came.
double AfterOneTick(double remainingTime);

// "hh:mm:ss" of the time of day of a remaining time, to the nearest second.
// A negative value shows its magnitude.
std::string FormatTimeOfDay(double remainingTime);

// The countdown ends on the tick whose display reads zero.
bool DisplayReadsZero(std::string_view display);

// The status line while the action of a label is being performed; nothing for
// a text that is no action label.
std::optional<std::string_view> FiringStatusText(std::string_view label);

// A start at a clock time: the instant it stands for, and the time of day
// that was typed.
struct ClockTarget {
    std::int64_t atMs;
    int secondOfDay;
};

// The next time the local clock shows that time of day after now: later
// today, else tomorrow (so now itself is tomorrow). A time that occurs twice
// on a day the clock goes back is the first of the two still ahead; one that
// the clock skips going forward is taken on the next day that has it.
// Nothing only where no day in the next few has it.
std::optional<ClockTarget> NextOccurrence(int secondOfDay, std::int64_t nowMs, const Clock& clock);

// Whole seconds until the target, rounded up: it reads zero only once reached.
std::int64_t SecondsRemaining(std::int64_t targetMs, std::int64_t nowMs);

// "hh:mm:ss" of a number of seconds; hours past 23 are shown as they are
// (a day the clock goes back is 25 hours long), and less than zero as zero.
std::string FormatSeconds(std::int64_t seconds);

// A tick later than this past the target (the machine slept, or was too busy
// to deliver ticks) must not act by surprise.
inline constexpr std::int64_t kMissedAfterMs = 60'000;

enum class ClockTick { Waiting, Fire, Missed };

// What a tick at now does to a countdown to a clock time.
ClockTick JudgeClockTick(std::int64_t targetMs, std::int64_t nowMs);

// The status line when a clock time was missed.
std::string MissedText(int secondOfDay);

} // namespace voltrail
