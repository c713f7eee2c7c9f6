#include "settings/ValueConversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

using namespace voltrail;

TEST(ValueConversion, NumbersThatConvert)
{
    const std::pair<const char*, float> cases[] = {
        {"1000", 1000.f}, {"-120", -120.f},    {"0", 0.f},      {"+15", 15.f},
        {" 42 ", 42.f},   {"1234.5", 1234.5f}, {"1e3", 1000.f}, {"-0", 0.f},
    };
    for (const auto& [text, value] : cases) {
        const auto parsed = ParseNumber(text);
        ASSERT_TRUE(parsed.has_value()) << text;
        EXPECT_FLOAT_EQ(*parsed, value) << text;
    }
}

TEST(ValueConversion, NumbersThatDoNotConvert)
{
    for (const char* text :
         {"",    " ",   "abc", "12abc", "nan", "NaN", "inf", "-inf",  "1e999",  "1,5", "--1", "0x10", "12 34",
          "+-5", "--5", "+",   "++5",   "-+5", "+ 5", "-",   "1e-46", "3.5e38", "1e",  "e5",  ".",    "+."})
        EXPECT_FALSE(ParseNumber(text).has_value()) << text;
}

TEST(ValueConversion, TicksInAndOutOf16BitRange)
{
    EXPECT_EQ(ParseTick("0"), std::int16_t{0});
    EXPECT_EQ(ParseTick("1"), std::int16_t{1});
    EXPECT_EQ(ParseTick("2"), std::int16_t{2});
    EXPECT_EQ(ParseTick("-1"), std::int16_t{-1});
    EXPECT_EQ(ParseTick("32767"), std::int16_t{32767});
    EXPECT_EQ(ParseTick("-32768"), std::int16_t{-32768});
    EXPECT_EQ(ParseTick(" +1\t"), std::int16_t{1});
    for (const char* text : {"32768", "-32769", "", "yes", "1.0", "1.5", "nan", "0x1", "true", "+-5", "--5",
                             "+", "++1", "-+1", "1e0"})
        EXPECT_FALSE(ParseTick(text).has_value()) << text;
}

TEST(ValueConversion, NumbersAreWrittenShortWithSevenSignificantDigits)
{
    const std::pair<float, const char*> cases[] = {
        // whole twips stay plain integers
        {1000.f, "1000"},
        {-120.f, "-120"},
        {0.f, "0"},
        {-0.f, "0"},
        {14595.f, "14595"},
        {1234567.f, "1234567"},
        {1e6f, "1000000"},
        {9999990.f, "9999990"},
        // the fewest digits that read back as the same float
        {1234.5f, "1234.5"},
        {0.1f, "0.1"},
        {123456.7f, "123456.7"},
        {1e-4f, "0.0001"},
        {1e-5f, "1e-05"},
        {1e7f, "1e+07"},
        {1e28f, "1e+28"},
        {-2.5e-20f, "-2.5e-20"},
        {1.40129846e-45f, "1e-45"},
        // no seven-digit text reads back: the nearest seven digits
        {3.14159265f, "3.141593"},
        {3.40282347e38f, "3.402823e+38"},
        {1.17549435e-38f, "1.175494e-38"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(FormatNumber(value), text) << text;
    EXPECT_EQ(FormatTick(1), "1");
    EXPECT_EQ(FormatTick(-32768), "-32768");
}

TEST(ValueConversion, WrittenNumbersReadBack)
{
    for (float v : {0.f, 15.f, -15.f, 1000.f, 14595.f, -30000.f, 1234.5f, 9999990.f, 1e28f, 1e-45f}) {
        const auto back = ParseNumber(FormatNumber(v));
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, v);
    }
}

// Saving what was read never changes the text: over a spread of all finite
// floats (every one with VOLTRAIL_FLOAT_STRIDE=1, which takes hours), and the
// ones beside every power of ten, where seven digits are tightest.
TEST(ValueConversion, SavingWhatWasReadKeepsTheText)
{
    const char* strideText = std::getenv("VOLTRAIL_FLOAT_STRIDE");
    const std::uint64_t stride = strideText ? std::max(1ull, std::strtoull(strideText, nullptr, 10)) : 65521;
    int failures = 0;
    const auto check = [&failures](float x) {
        if (!std::isfinite(x) || failures > 20)
            return;
        const std::string text = FormatNumber(x);
        const auto read = ParseNumber(text);
        const bool stable = read && FormatNumber(*read) == text;
        EXPECT_TRUE(stable) << std::hexfloat << x << " -> " << text;
        failures += !stable;
    };
    for (std::uint64_t bits = 0; bits <= 0xFFFFFFFFull; bits += stride)
        check(std::bit_cast<float>(static_cast<std::uint32_t>(bits)));
    for (int e = -45; e <= 38; ++e) {
        float f = std::strtof(("1e" + std::to_string(e)).c_str(), nullptr);
        for (int k = 0; k < 8; ++k) {
            check(f);
            check(-f);
            f = std::nextafter(f, 0.f);
        }
    }
}
