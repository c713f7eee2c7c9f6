#include "actions/PowerAction.h"
#include "support/RecordingLauncher.h"

#include <gtest/gtest.h>

using namespace voltrail;

TEST(CommandForLabel, MapsEachLabelToItsExactLine)
{
    EXPECT_EQ(CommandForLabel("SHUTDOWN PC"), "shutdown /s /t 0");
    EXPECT_EQ(CommandForLabel("RESTART PC"), "shutdown /g /f /t 0");
    EXPECT_EQ(CommandForLabel("HIBERNATE PC"), "shutdown /h");
    EXPECT_EQ(CommandForLabel("LOGOFF CURRENT USER"), "shutdown /l");
}

TEST(CommandForLabel, AnythingElseIsNoLabel)
{
    for (const char* text :
         {"shutdown pc", "Shutdown Pc", "RESTART PC ", " RESTART PC", "ACTION_TEXTBOX",
          "!!! SELECT ACTION !!!", "", "SLEEP PC", "MY CMD", "LOGOFF CURRENT USER\n", "HIBERNATE\u00a0PC"})
        EXPECT_FALSE(CommandForLabel(text).has_value()) << text;
}

TEST(PerformLocalAction, LaunchesHiddenOnlyForALabel)
{
    test::RecordingLauncher launcher;
    EXPECT_TRUE(PerformLocalAction("RESTART PC", launcher));
    EXPECT_FALSE(PerformLocalAction("ACTION_TEXTBOX", launcher));
    ASSERT_EQ(launcher.launched.size(), 1u);
    EXPECT_EQ(launcher.launched[0].commandLine, "shutdown /g /f /t 0");
    EXPECT_EQ(launcher.launched[0].style, 0);
}

TEST(PowerActionTable, LabelsAreDistinctAndInComparisonOrder)
{
    const auto& table = PowerActionTable();
    EXPECT_EQ(table[0].label, "SHUTDOWN PC");
    EXPECT_EQ(table[1].label, "RESTART PC");
    EXPECT_EQ(table[2].label, "HIBERNATE PC");
    EXPECT_EQ(table[3].label, "LOGOFF CURRENT USER");
    EXPECT_EQ(LabelOf(PowerAction::Logoff), "LOGOFF CURRENT USER");
}
