#include "settings/ValueConversion.h"

#include <gtest/gtest.h>

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
         {"", " ", "abc", "12abc", "nan", "NaN", "inf", "-inf", "1e999", "1,5", "--1", "0x10", "12 34"})
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
    for (const char* text : {"32768", "-32769", "", "yes", "1.0", "1.5", "nan", "0x1", "true"})
        EXPECT_FALSE(ParseTick(text).has_value()) << text;
}

TEST(ValueConversion, NumbersAreWrittenShortWithSevenSignificantDigits)
{
    EXPECT_EQ(FormatNumber(1000.f), "1000");
    EXPECT_EQ(FormatNumber(-120.f), "-120");
    EXPECT_EQ(FormatNumber(1234.5f), "1234.5");
    EXPECT_EQ(FormatNumber(0.f), "0");
    EXPECT_EQ(FormatNumber(-0.f), "0");
    EXPECT_EQ(FormatNumber(1234567.f), "1234567");
    EXPECT_EQ(FormatNumber(3.14159265f), "3.141593");
    EXPECT_EQ(FormatTick(1), "1");
    EXPECT_EQ(FormatTick(-32768), "-32768");
}

TEST(ValueConversion, WrittenNumbersReadBack)
{
    for (float v : {0.f, 15.f, -15.f, 1000.f, 14595.f, -30000.f, 1234.5f, 9999990.f}) {
        const auto back = ParseNumber(FormatNumber(v));
        ASSERT_TRUE(back.has_value());
        EXPECT_FLOAT_EQ(*back, v);
    }
}
