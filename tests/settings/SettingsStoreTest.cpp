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

TEST_F(SettingsStoreTest, TickValuesOtherThanZeroAndOneAreKept)
{
    backend.values["FORCE_SSS_TICKBOX"] = "2";
    EXPECT_EQ(store.LoadTick("FORCE_SSS_TICKBOX", 0), 2);
}

TEST_F(SettingsStoreTest, ValuesAreWrittenAsText)
{
    store.SaveNumber("MAIN_Left", -120.f);
    store.SaveTick("SHUTDOWN_TICKBOX", 1);
    store.SaveText("PC_NAME_SSS_TEXTBOX", "  SRV 01 ; \"x\" = %y% # \\\\z  ");
    EXPECT_EQ(backend.values["MAIN_Left"], "-120");
    EXPECT_EQ(backend.values["SHUTDOWN_TICKBOX"], "1");
    EXPECT_EQ(store.LoadText("PC_NAME_SSS_TEXTBOX", ""), "  SRV 01 ; \"x\" = %y% # \\\\z  ");
}

TEST_F(SettingsStoreTest, PlacementReadsFourKeysAndWritesTwo)
{
    backend.values["MAIN_Width"] = "6000";
    const Placement p = LoadPlacement(store, "MAIN", {1000, 1000, 2500, 780});
    EXPECT_EQ(p.left, 1000.f);
    EXPECT_EQ(p.top, 1000.f);
    EXPECT_EQ(p.width, 6000.f);
    EXPECT_EQ(p.height, 780.f);

    SavePosition(store, "MAIN", -300.f, 45.f);
    EXPECT_EQ(backend.writes, (std::vector<std::string>{"MAIN_Left", "MAIN_Top"}));
    EXPECT_EQ(backend.values["MAIN_Left"], "-300");
    EXPECT_EQ(backend.values["MAIN_Top"], "45");
    EXPECT_EQ(backend.values["MAIN_Width"], "6000");
    EXPECT_FALSE(backend.has("MAIN_Height"));
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
