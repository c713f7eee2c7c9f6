#include "outcome/WatchedShutdownLauncher.h"
#include "support/RecordingLauncher.h"
#include "support/RecordingNotifier.h"

#include <gtest/gtest.h>
#include <optional>
#include <sstream>

using namespace voltrail;
using Kind = LineOutcome::Kind;

// Where Windows has its own `shutdown`: which lines are watched, and what the
// window and the notification hear of their ends.
TEST(WatchedShutdownLauncher, HiddenShutdownLinesAreWatchedToTheirEnd)
{
    struct Case {
        std::string line;
        std::int16_t style;
        bool watched;
        ToolEnd end = {};
        Kind kind = Kind::Succeeded;
        size_t notices = 0;
    };
    const Case cases[] = {
        {"shutdown /s /m \\\\SRV07 /t 30",
         kStyleHidden,
         true,
         {ToolEnd::How::Exited, 5, "", "SRV07: Access is denied.(5)"},
         Kind::Failed,
         1},
        {"shutdown /a /m \\\\SRV07",
         kStyleHidden,
         true,
         {ToolEnd::How::Exited, 1116, "", "none"},
         Kind::NothingToAbort},
        {"SHUTDOWN.EXE /s /t 0", kStyleHidden, true, {ToolEnd::How::Exited, 0, "", ""}},
        {"shutdown /s /t 0",
         kStyleHidden,
         true,
         {ToolEnd::How::Crashed, -1073741819, "", ""},
         Kind::Failed,
         1},
        // The dialog has a window of its own; other programs are not ours to judge.
        {"shutdown /i", kStyleNormal, false},
        {"notepad.exe x", kStyleHidden, false},
    };
    for (const auto& c : cases) {
        test::RecordingLauncher inner, tools;
        std::ostringstream report;
        test::RecordingNotifier notifier;
        WatchedShutdownLauncher layer(inner, tools,
                                      std::make_shared<ShutdownFailureReporter>(report, notifier));
        std::optional<LineOutcome> told;
        layer.BeginPress();
        if (c.style == kStyleHidden)
            layer.LaunchWatched(c.line, [&told](const LineOutcome& o) { told = o; });
        else
            layer.Launch(c.line, c.style);
        ASSERT_EQ(tools.ends.size(), c.watched ? 1u : 0u) << c.line;
        EXPECT_EQ(inner.lines(), c.watched ? std::vector<std::string>{} : std::vector{c.line}) << c.line;
        if (!c.watched)
            continue;
        EXPECT_EQ(tools.lines(), std::vector{c.line}) << c.line; // exactly the line shown
        tools.ends[0](c.end);
        ASSERT_TRUE(told) << c.line;
        EXPECT_EQ(told->kind, c.kind) << c.line;
        EXPECT_EQ(notifier.shown.size(), c.notices) << c.line;
    }
}
