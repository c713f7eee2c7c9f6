// The countdown's reading and ticking: a text reads as a duration only in the
// H:MM:SS form within one day; the display of a duration reads back as it;
// and a countdown from N seconds shows every second down to zero and reads
// zero first on the N-th tick.
#include "FuzzCheck.h"
#include "autotimer/CountdownArithmetic.h"

#include <cstddef>
#include <cstdint>

using namespace voltrail;

namespace {

// The reading by hand: three fields of one or two ASCII digits.
std::optional<int> Expected(std::string_view text)
{
    int fields[3] = {0, 0, 0};
    size_t field = 0;
    size_t digits = 0;
    for (const char c : text) {
        if (c == ':') {
            if (digits == 0 || ++field > 2)
                return std::nullopt;
            digits = 0;
        } else if (c >= '0' && c <= '9' && digits < 2) {
            fields[field] = fields[field] * 10 + (c - '0');
            ++digits;
        } else {
            return std::nullopt;
        }
    }
    if (field != 2 || digits == 0 || fields[0] > 23 || fields[1] > 59 || fields[2] > 59)
        return std::nullopt;
    return fields[0] * 3600 + fields[1] * 60 + fields[2];
}

std::string Display(int seconds)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto seconds = ReadDurationSeconds(text);
    FUZZ_CHECK(seconds == Expected(text), "reads as H:MM:SS: " + std::string(text));

    const CountdownStart start = ReadCountdownStart(text);
    FUZZ_CHECK(start.remainingTime.has_value() != start.refusal.has_value(), "a start or a reason");
    if (start.refusal)
        FUZZ_CHECK(!RefusalText(*start.refusal).empty(), "a refusal says why");
    if (!seconds)
        return 0;
    FUZZ_CHECK(ReadDurationSeconds(FormatTimeOfDay(*seconds / 86400.0)) == seconds, "the display reads back");
    if (!start.remainingTime)
        return 0;

    double remaining = *start.remainingTime;
    FUZZ_CHECK(FormatTimeOfDay(remaining) == Display(*seconds), "the start shows " + Display(*seconds));
    for (int tick = 1; tick <= *seconds; ++tick) {
        remaining = AfterOneTick(remaining);
        const std::string shown = FormatTimeOfDay(remaining);
        FUZZ_CHECK(shown == Display(*seconds - tick), "tick " + std::to_string(tick) + " shows " + shown);
        FUZZ_CHECK(DisplayReadsZero(shown) == (tick == *seconds), "zero on the last tick only");
    }
    return 0;
}
