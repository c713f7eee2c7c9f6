// Stored numbers and ticks: text converts only when it is one number with at
// most one sign; what is written reads back, with the fewest digits (at most
// seven) that give the same float, and saving what was read keeps the text.
// Checked against the C library's own printf and strtof.
#include "FuzzCheck.h"
#include "settings/ValueConversion.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

using namespace voltrail;

namespace {

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The fewest significant digits, one to seven, that the C library reads back
// as this float; 0 when seven are not enough.
int FewestDigits(float value)
{
    for (int digits = 1; digits <= 7; ++digits) {
        char text[64];
        std::snprintf(text, sizeof text, "%.*e", digits - 1, static_cast<double>(value));
        if (std::strtof(text, nullptr) == value)
            return digits;
    }
    return 0;
}

int SignificantDigits(const std::string& text)
{
    std::string digits;
    for (const char c : text.substr(0, text.find('e'))) {
        if (c >= '0' && c <= '9')
            digits += c;
    }
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return 1;
    const auto last = digits.find_last_not_of('0');
    return static_cast<int>(last - first + 1);
}

void CheckWritten(float value)
{
    if (!std::isfinite(value))
        return;
    const std::string text = FormatNumber(value);
    const auto read = ParseNumber(text);
    FUZZ_CHECK(read.has_value(), "written text reads back: " + text);
    FUZZ_CHECK(FormatNumber(*read) == text, "saving what was read keeps " + text);
    FUZZ_CHECK(SignificantDigits(text) <= 7, "at most seven digits: " + text);
    const int fewest = FewestDigits(value);
    if (fewest > 0) {
        FUZZ_CHECK(*read == value, "reads back as the same float: " + text);
        FUZZ_CHECK(SignificantDigits(text) == fewest, "the fewest digits: " + text);
    }
    if (value == std::trunc(value) && std::fabs(value) < 1e7f)
        FUZZ_CHECK(text.find_first_of(".e") == std::string::npos, "a whole number stays plain: " + text);
}

void CheckTick(std::string_view text)
{
    const auto tick = ParseTick(text);
    // One optional sign and decimal digits, blanks around, within 16 bits.
    const std::string_view t = Trimmed(text);
    const size_t digitsFrom = !t.empty() && (t[0] == '+' || t[0] == '-') ? 1 : 0;
    bool isInteger = t.size() > digitsFrom;
    for (size_t i = digitsFrom; i < t.size() && isInteger; ++i)
        isInteger = t[i] >= '0' && t[i] <= '9';
    if (isInteger) {
        const long long value = std::strtoll(std::string(t).c_str(), nullptr, 10);
        const bool fits = value >= -32768 && value <= 32767; // strtoll saturates beyond its range
        FUZZ_CHECK(tick.has_value() == fits, "a 16-bit integer converts: " + std::string(text));
        if (fits)
            FUZZ_CHECK(*tick == value, "the tick is its value: " + std::string(text));
    } else {
        FUZZ_CHECK(!tick, "only an integer is a tick: " + std::string(text));
    }
    if (tick)
        FUZZ_CHECK(ParseTick(FormatTick(*tick)) == tick, "a written tick reads back");
}

void CheckNumberText(std::string_view text)
{
    const auto number = ParseNumber(text);
    if (!number)
        return;
    FUZZ_CHECK(std::isfinite(*number), "only finite numbers convert");
    // One sign at most before the digits; anything else is not a number.
    const std::string_view t = Trimmed(text);
    const size_t signs = t.find_first_not_of("+-");
    FUZZ_CHECK(signs <= 1, "one sign at most: " + std::string(text));
    // What the C library reads the same text as.
    const std::string plain(t);
    char* end = nullptr;
    const float c = std::strtof(plain.c_str(), &end);
    FUZZ_CHECK(end == plain.c_str() + plain.size() && c == *number, "reads as strtof does: " + plain);
    CheckWritten(*number);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckNumberText(text);
    CheckTick(text);
    // The first four bytes as a float: every float can come up.
    if (size >= 4) {
        float value = 0;
        std::memcpy(&value, data, sizeof value);
        CheckWritten(value);
    }
    return 0;
}
