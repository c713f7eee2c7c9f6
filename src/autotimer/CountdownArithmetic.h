#pragma once

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

} // namespace voltrail
