#include "mainbar/AlwaysOnTopKeeper.h"
#include "support/FakeWindowStacking.h"

#include <gtest/gtest.h>

using namespace voltrail;
using Calls = std::vector<std::string>;

TEST(AlwaysOnTopKeeper, TickSequence)
{
    struct Case {
        const char* name;
        WindowHandle foreground;
        Calls calls;
    };
    const WindowHandle bar = 42;
    const Case cases[] = {
        {"bar in front: one query, nothing else", bar, {"foreground"}},
        {"another window in front", 7, {"foreground", "foreground", "notopmost 7", "topmost 42"}},
        {"no foreground window", 0, {"foreground", "foreground", "notopmost 0", "topmost 42"}},
    };
    for (const auto& c : cases) {
        test::FakeWindowStacking stacking;
        stacking.foreground = c.foreground;
        int handleReads = 0;
        AlwaysOnTopKeeper keeper(stacking, [&] {
            ++handleReads;
            return bar;
        });
        keeper.Tick();
        EXPECT_EQ(stacking.calls, c.calls) << c.name;
        EXPECT_EQ(handleReads, c.foreground == bar ? 1 : 2) << c.name;
    }
}
