#include "autotimer/CountdownArithmetic.h"
#include "support/FakeClock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace voltrail;
using test::FakeClock;

namespace {

double Seconds(int n)
{
    return n / 86400.0;
}

struct Reading {
    std::string text;
    int seconds;
};

class ReadsAsDuration : public testing::TestWithParam<Reading> {};

TEST_P(ReadsAsDuration, GivesTheSeconds)
{
    EXPECT_EQ(ReadDurationSeconds(GetParam().text), GetParam().seconds);
}

INSTANTIATE_TEST_SUITE_P(OneOrTwoDigitsAField, ReadsAsDuration,
                         testing::Values(Reading{"00:00:00", 0}, Reading{"0:0:0", 0}, Reading{"00:00:01", 1},
                                         Reading{"00:01:05", 65}, Reading{"0:1:5", 65},
                                         Reading{"1:05:03", 3903}, Reading{"9:9:9", 32949},
                                         Reading{"10:00:00", 36000}, Reading{"23:59:59", 86399},
                                         Reading{"07:59:00", 28740}));

class RefusedAsDuration : public testing::TestWithParam<std::string> {};

TEST_P(RefusedAsDuration, GivesNothing)
{
    EXPECT_FALSE(ReadDurationSeconds(GetParam()).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    NotATimeOfDay, RefusedAsDuration,
    testing::Values("", "   ", "::", "0::0", ":00:00", "00:00:", "abc", "1:2", "1:2:3:4",
                    "00:00:00:", "24:00:00", "99:00:00", "1:60:00", "1:00:60", "001:00:00", "1:000:00",
                    "1:00:000", " 1:00:00", "1:00:00 ", "1 :00:00", "+1:00:00", "-1:00:00", "1:-1:00",
                    "1:0a:00", "0x1:00:00", "1.5:00:00", "1;00;00", "12:34:56\n", std::string("1:00:00\0", 8),
                    "\xd9\xa1:00:00" /* an Arabic-Indic one */, "\xef\xbc\x91:00:00" /* a full-width one */,
                    std::string(1000, '9'), std::string(1000, ':'), "1:00:00" + std::string(993, '0')));

TEST(ReadCountdownStart, TakesOnlyATimeAboveZero)
{
    EXPECT_FALSE(ReadCountdownStart("00:01:05").refusal.has_value()); // the time: CountsDown below
    for (const char* text : {"00:00:00", "0:0:0", "0:00:0", "", "24:00:00", "abc"}) {
        const CountdownStart refused = ReadCountdownStart(text);
        EXPECT_FALSE(refused.remainingTime.has_value()) << text;
        EXPECT_EQ(refused.refusal, text[0] == '0' ? StartRefusal::Zero : StartRefusal::NotATime) << text;
    }
}

struct Shown {
    double days;
    std::string display;
};

class FormatsTimeOfDay : public testing::TestWithParam<Shown> {};

TEST_P(FormatsTimeOfDay, ToTheNearestSecond)
{
    EXPECT_EQ(FormatTimeOfDay(GetParam().days), GetParam().display);
}

INSTANTIATE_TEST_SUITE_P(
    Display, FormatsTimeOfDay,
    testing::Values(Shown{0.0, "00:00:00"}, Shown{Seconds(1), "00:00:01"}, Shown{Seconds(64), "00:01:04"},
                    Shown{Seconds(3903), "01:05:03"}, Shown{Seconds(86399), "23:59:59"},
                    // only the time of day is shown
                    Shown{1.0, "00:00:00"}, Shown{1.0 + Seconds(3661), "01:01:01"},
                    // a value below zero shows its magnitude
                    Shown{-Seconds(1), "00:00:01"}, Shown{-Seconds(65), "00:01:05"}, Shown{-0.0, "00:00:00"},
                    // nearest second, and rounding up past the end of the day wraps
                    Shown{Seconds(1) * 0.4, "00:00:00"}, Shown{Seconds(1) * 0.6, "00:00:01"},
                    Shown{Seconds(86399) + Seconds(1) * 0.6, "00:00:00"}, Shown{1e-12, "00:00:00"},
                    // never reached by counting, but must not misbehave
                    Shown{std::numeric_limits<double>::quiet_NaN(), "00:00:00"},
                    Shown{std::numeric_limits<double>::infinity(), "00:00:00"}, Shown{1e300, "00:00:00"}));

TEST(DisplayReadsZero, OnlyTheExactZeroText)
{
    EXPECT_TRUE(DisplayReadsZero("00:00:00"));
    for (const char* other : {"0:00:00", "00:00:00 ", "--:--:--", "00:00:01", "", "00-00-00"})
        EXPECT_FALSE(DisplayReadsZero(other)) << other;
}

class CountsDown : public testing::TestWithParam<std::string> {};

// Every tick shows one second less than the one before, and the display reads
// zero for the first time on exactly the N-th tick: no drift from summing
// fractions of a day, even over the longest countdown.
TEST_P(CountsDown, ReachesZeroOnTheNthTick)
{
    const CountdownStart start = ReadCountdownStart(GetParam());
    ASSERT_TRUE(start.remainingTime.has_value());
    const int n = *ReadDurationSeconds(GetParam());
    double remaining = *start.remainingTime;
    for (int tick = 1; tick < n; ++tick) {
        remaining = AfterOneTick(remaining);
        const std::string shown = FormatTimeOfDay(remaining);
        ASSERT_FALSE(DisplayReadsZero(shown)) << "tick " << tick;
        ASSERT_EQ(ReadDurationSeconds(shown), n - tick) << "tick " << tick << " shows " << shown;
    }
    EXPECT_TRUE(DisplayReadsZero(FormatTimeOfDay(AfterOneTick(remaining))));
}

INSTANTIATE_TEST_SUITE_P(Starts, CountsDown,
                         testing::Values("00:00:01", "00:00:02", "00:01:05", "0:10:0", "01:00:00", "12:00:00",
                                         "23:59:59"));

// The texts for the four labels are checked through the window.
TEST(FiringStatusText, NoneForAnyOtherLabel)
{
    for (const char* other : {"!!! SELECT ACTION !!!", "shutdown pc", "RESTART PC ", ""})
        EXPECT_FALSE(FiringStatusText(other).has_value()) << other;
}

constexpr std::int64_t kMinuteMs = 60000;
constexpr std::int64_t kHourMs = 60 * kMinuteMs;
constexpr auto At = &FakeClock::Local2026;

struct Occurrence {
    const char* name;
    std::int64_t nowMs;
    std::string typed;
    std::int64_t aheadMs; // how long after now it is
};

class NextOccurrenceOf : public testing::TestWithParam<Occurrence> {};

TEST_P(NextOccurrenceOf, IsTheNextTimeTheClockShowsIt)
{
    const auto target = NextOccurrence(*ReadDurationSeconds(GetParam().typed), GetParam().nowMs, FakeClock());
    ASSERT_TRUE(target.has_value());
    EXPECT_EQ(target->atMs - GetParam().nowMs, GetParam().aheadMs);
    EXPECT_EQ(target->secondOfDay, ReadDurationSeconds(GetParam().typed));
}

// Summer time starts on 29 March at 02:00, which becomes 03:00, and ends on
// 25 October at 03:00, which becomes 02:00.
INSTANTIATE_TEST_SUITE_P(
    LocalTime, NextOccurrenceOf,
    testing::Values(
        Occurrence{"later_today", At(12, 9, 12, 0, 0), "23:00:00", 11 * kHourMs},
        Occurrence{"now_is_tomorrow", At(12, 9, 12, 0, 0), "12:00:00", 24 * kHourMs},
        Occurrence{"just_passed", At(12, 9, 12, 0, 0) + 1, "12:00:00", 24 * kHourMs - 1},
        Occurrence{"across_midnight", At(12, 9, 23, 30, 0), "0:15:00", 45 * kMinuteMs},
        Occurrence{"across_the_year", At(12, 31, 23, 59, 59), "0:00:00", 1000},
        Occurrence{"skipped_is_next_day", At(3, 28, 23, 0, 0), "2:30:00", 26 * kHourMs + 30 * kMinuteMs},
        Occurrence{"after_the_skip", At(3, 29, 0, 0, 0), "3:30:00", 2 * kHourMs + 30 * kMinuteMs},
        Occurrence{"twice_the_first", At(10, 25, 0, 0, 0), "2:30:00", 2 * kHourMs + 30 * kMinuteMs},
        Occurrence{"twice_between", At(10, 25, 2, 45, 0), "2:30:00", 45 * kMinuteMs},
        Occurrence{"day_of_25_hours", At(10, 25, 0, 30, 0), "0:15:00", 24 * kHourMs + 45 * kMinuteMs}),
    [](const auto& info) { return std::string(info.param.name); });

struct Tick {
    std::int64_t msAfterTarget;
    ClockTick judged;
    std::string shown; // the time remaining while waiting
};

class ClockTicks : public testing::TestWithParam<Tick> {};

TEST_P(ClockTicks, FireOnTimeAndNeverLongAfter)
{
    const std::int64_t target = FakeClock::Local2026(12, 9, 23, 0, 0);
    const std::int64_t now = target + GetParam().msAfterTarget;
    EXPECT_EQ(JudgeClockTick(target, now), GetParam().judged);
    if (GetParam().judged == ClockTick::Waiting) {
        EXPECT_EQ(FormatSeconds(SecondsRemaining(target, now)), GetParam().shown);
    }
}

INSTANTIATE_TEST_SUITE_P(Lateness, ClockTicks,
                         testing::Values(Tick{-4300, ClockTick::Waiting, "00:00:05"},
                                         Tick{-(25 * kHourMs), ClockTick::Waiting, "25:00:00"},
                                         Tick{-(100 * kHourMs + 61000), ClockTick::Waiting, "100:01:01"},
                                         Tick{0, ClockTick::Fire, ""}, Tick{60000, ClockTick::Fire, ""},
                                         Tick{60001, ClockTick::Missed, ""}));

} // namespace
