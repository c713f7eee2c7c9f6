#include "settings/SettingsStore.h"
#include "settings/Placement.h"
#include "support/MemorySettingsBackend.h"

#include <gtest/gtest.h>

using namespace voltrail;
using voltrail::test::MemorySettingsBackend;

class SettingsStoreTest : public ::testing::Test {
protected:
    MemorySettingsBackend backend;
    SettingsStore store{backend};
};

TEST_F(SettingsStoreTest, AbsentKeysGiveTheirDefaults)
{
    EXPECT_EQ(store.LoadNumber("MAIN_Left", 1000), 1000.f);
    EXPECT_EQ(store.LoadTick("AlwaysOnTop_TICKBOX", 1), 1);
    EXPECT_EQ(store.LoadText("SHUTDOWN_TIMEOUT_TEXTBOX", "30"), "30");
    EXPECT_TRUE(backend.writes.empty());
}

TEST_F(SettingsStoreTest, UnconvertibleValuesReadAsAbsent)
{
    struct Case {
        const char* stored;
        float number; // as read with default 1000
        int tick;     // as read with default 0
    };
    const Case cases[] = {
        {"", 1000, 0},    {"abc", 1000, 0},        {"nan", 1000, 0},      {"1.5e", 1000, 0},
        {"1 2", 1000, 0}, {"99999", 99999, 0},     {"-40000", -40000, 0}, {"1.5", 1.5f, 0},
        {"-1", -1, -1},   {"32767", 32767, 32767},
    };
    for (const auto& c : cases) {
        backend.values["MAIN_Left"] = c.stored;
        backend.values["SHUTDOWN_TICKBOX"] = c.stored;
        EXPECT_EQ(store.LoadNumber("MAIN_Left", 1000), c.number) << c.stored;
        EXPECT_EQ(store.LoadTick("SHUTDOWN_TICKBOX", 0), c.tick) << c.stored;
    }
}

TEST(Twips, FifteenToAPixelAndBounded)
{
    EXPECT_EQ(TwipsToPixels(1000.f), 67);
    EXPECT_EQ(TwipsToPixels(-120.f), -8);
    EXPECT_EQ(TwipsToPixels(375.f), 25);
    EXPECT_EQ(PixelsToTwips(67), 1005.f);
    EXPECT_EQ(TwipsToPixels(3.0e38f), 1 << 24);
    EXPECT_EQ(TwipsToPixels(-3.0e38f), -(1 << 24));
}
