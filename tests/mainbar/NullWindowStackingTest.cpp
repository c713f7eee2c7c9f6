#include "mainbar/NullWindowStacking.h"

#include <gtest/gtest.h>

using namespace voltrail;

TEST(NullWindowStacking, DoesNothingAndSaysSoOnce)
{
    NullWindowStacking stacking("wayland");
    testing::internal::CaptureStderr();
    EXPECT_EQ(stacking.ForegroundWindow(), WindowHandle{0});
    stacking.SetTopmost(0, false);
    stacking.SetTopmost(42, true);
    stacking.SetTopmost(42, true);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("\"wayland\""), std::string::npos) << said;
    EXPECT_EQ(said.find('\n'), said.size() - 1) << "one line only: " << said;
}

TEST(NullWindowStacking, SaysNothingWhenToldAlready)
{
    NullWindowStacking stacking("wayland", true);
    testing::internal::CaptureStderr();
    stacking.SetTopmost(42, true);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}
