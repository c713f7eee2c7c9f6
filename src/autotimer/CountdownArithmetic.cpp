#include "autotimer/CountdownArithmetic.h"

#include "actions/PowerAction.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <utility>

namespace voltrail {

namespace {

constexpr int kSecondsPerDay = 24 * 60 * 60;

// Division that rounds towards minus infinity, for instants before 1970 too.
std::int64_t FloorDiv(std::int64_t value, std::int64_t divisor)
{
    const std::int64_t quotient = value / divisor;
    return quotient * divisor > value ? quotient - 1 : quotient;
}

// One or two ASCII digits, read as a number no larger than max.
std::optional<int> ReadField(std::string_view field, int max)
{
    if (field.empty() || field.size() > 2)
        return std::nullopt;
    int value = 0;
    for (char c : field) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > max)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<int> ReadDurationSeconds(std::string_view text)
{
    const auto first = text.find(':');
    if (first == std::string_view::npos)
        return std::nullopt;
    const auto second = text.find(':', first + 1);
    if (second == std::string_view::npos)
        return std::nullopt;
    const auto hours = ReadField(text.substr(0, first), 23);
    const auto minutes = ReadField(text.substr(first + 1, second - first - 1), 59);
    const auto seconds = ReadField(text.substr(second + 1), 59);
    if (!hours || !minutes || !seconds)
        return std::nullopt;
    return *hours * 3600 + *minutes * 60 + *seconds;
}

CountdownStart ReadCountdownStart(std::string_view text)
{
    const auto seconds = ReadDurationSeconds(text);
    if (!seconds)
        return {std::nullopt, StartRefusal::NotATime};
    if (*seconds == 0)
        return {std::nullopt, StartRefusal::Zero};
    return {static_cast<double>(*seconds) / kSecondsPerDay, std::nullopt};
}

std::string_view RefusalText(StartRefusal refusal)
{
    switch (refusal) {
    case StartRefusal::NotATime:
        return "!!! INVALID TIME (HH:MM:SS) !!!";
    case StartRefusal::Zero:
        return "!!! TIME MUST BE ABOVE 00:00:00 !!!";
    }
    return {};
}

double AfterOneTick(double remainingTime)
{
    return remainingTime - kOneSecondInDays;
}

std::string FormatTimeOfDay(double remainingTime)
{
    // Ticks only ever subtract whole seconds, so the value stays finite; keep
    // the arithmetic below defined whatever arrives.
    const double magnitude = std::isfinite(remainingTime) ? std::fabs(remainingTime) : 0.0;
    const double timeOfDay = magnitude - std::floor(magnitude);
    return FormatSeconds(std::lround(timeOfDay * kSecondsPerDay) % kSecondsPerDay);
}

bool DisplayReadsZero(std::string_view display)
{
    return display == kZeroDisplay;
}

std::optional<std::string_view> FiringStatusText(std::string_view label)
{
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 4> table{{
        {labels::kShutdown, "!!! SHUTTING DOWN !!!"},
        {labels::kRestart, "!!! RESTARTING !!!"},
        {labels::kHibernate, "!!! HIBERNATING !!!"},
        {labels::kLogoff, "!!! LOGGING OFF USER !!!"},
    }};
    for (const auto& [actionLabel, status] : table)
        if (actionLabel == label)
            return status;
    return std::nullopt;
}

std::optional<ClockTarget> NextOccurrence(int secondOfDay, std::int64_t nowMs, const Clock& clock)
{
    const std::int64_t nowSeconds = FloorDiv(nowMs, 1000);
    const std::int64_t today = FloorDiv(nowSeconds + clock.UtcOffsetAt(nowSeconds), kSecondsPerDay);
    // Today, tomorrow, and a few days more for a day the clock skips.
    for (std::int64_t day = today; day < today + 4; ++day) {
        const std::int64_t local = day * kSecondsPerDay + secondOfDay;
        // The instants that may show it: with the offset in force a day
        // before, or a day after. On the day the clock goes back both do.
        std::optional<std::int64_t> first;
        for (std::int64_t offsetAt : {local - kSecondsPerDay, local + kSecondsPerDay}) {
            const std::int64_t at = local - clock.UtcOffsetAt(offsetAt);
            if (at + clock.UtcOffsetAt(at) == local && at * 1000 > nowMs && (!first || at < *first))
                first = at;
        }
        if (first)
            return ClockTarget{*first * 1000, secondOfDay};
    }
    return std::nullopt;
}

std::int64_t SecondsRemaining(std::int64_t targetMs, std::int64_t nowMs)
{
    return targetMs > nowMs ? (targetMs - nowMs + 999) / 1000 : 0;
}

std::string FormatSeconds(std::int64_t seconds)
{
    const long long total = seconds > 0 ? seconds : 0;
    char text[64];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", total / 3600, total / 60 % 60, total % 60);
    return text;
}

ClockTick JudgeClockTick(std::int64_t targetMs, std::int64_t nowMs)
{
    if (nowMs < targetMs)
        return ClockTick::Waiting;
    return nowMs - targetMs > kMissedAfterMs ? ClockTick::Missed : ClockTick::Fire;
}

std::string MissedText(int secondOfDay)
{
    return "!!! MISSED " + FormatSeconds(secondOfDay) + " !!!";
}

} // namespace voltrail
