#include "linuxlayer/ShutdownFailureReporter.h"
#include "linuxlayer/LinuxShutdownTranslation.h"
#include "support/RecordingNotifier.h"

#include <gtest/gtest.h>
#include <set>
#include <sstream>

using namespace voltrail;
using namespace std::chrono_literals;
using How = ToolEnd::How;

namespace {

struct Fixture {
    std::ostringstream report;
    test::RecordingNotifier notifier;
    PressTracker::Clock::time_point now{};
    ShutdownFailureReporter reporter{report, notifier, [this] { return now; }};

    void Ended(std::uint64_t press, const std::string& line, const std::string& toolLine,
               const std::string& program, const ToolEnd& end)
    {
        reporter.ToolEnded(press, line, TranslateShutdownCommand(line, {}).subject, toolLine, program, end);
    }
};

} // namespace

TEST(ShutdownFailureReporter, EachWayOfFailingIsReportedOnStderrAndOnTheDesktop)
{
    struct Case {
        ToolEnd end;
        std::string stderrLine;
        std::string body;
    };
    const std::string line = "shutdown /a /m \\\\SRV07";
    const Case cases[] = {
        {{How::NotStarted, 0, "no program \"net\" on PATH", ""},
         "ZT-VOLTRAIL: cannot start \"net rpc abortshutdown -S SRV07\": no program \"net\" on PATH\n",
         "no program \"net\" on PATH"},
        {{How::Exited, 255, "", "Connection failed: NT_STATUS_CONNECTION_REFUSED"},
         "ZT-VOLTRAIL: failed \"" + line +
             "\": net ended with status 255: Connection failed: NT_STATUS_CONNECTION_REFUSED\n",
         "Connection failed: NT_STATUS_CONNECTION_REFUSED"},
        {{How::Exited, 1, "", ""},
         "ZT-VOLTRAIL: failed \"" + line + "\": net ended with status 1\n",
         "net ended with status 1"},
        {{How::Signalled, 9, "Killed", ""},
         "ZT-VOLTRAIL: failed \"" + line + "\": net was ended by signal 9 (Killed)\n",
         "net was ended by signal 9 (Killed)"},
        {{How::Unseen, 0, "", ""},
         "ZT-VOLTRAIL: failed \"" + line + "\": net ended unseen: outcome unknown\n",
         "net ended unseen: outcome unknown"},
        {{How::Signalled, 15, "Terminated", "half a line"},
         "ZT-VOLTRAIL: failed \"" + line + "\": net was ended by signal 15 (Terminated): half a line\n",
         "half a line"},
    };
    for (const auto& c : cases) {
        Fixture f;
        const auto press = f.reporter.LineArrived();
        f.Ended(press, line, "net rpc abortshutdown -S SRV07", "net", c.end);
        EXPECT_EQ(f.report.str(), c.stderrLine);
        ASSERT_EQ(f.notifier.shown.size(), 1u) << c.stderrLine;
        EXPECT_EQ(f.notifier.shown[0].notification,
                  (Notification{"Remote abort of SRV07 failed", line + "\n" + c.body}));
    }
}

TEST(ShutdownFailureReporter, SuccessIsNotAnnounced)
{
    Fixture f;
    f.Ended(f.reporter.LineArrived(), "shutdown /s /t 0", "systemctl poweroff", "systemctl",
            {How::Exited, 0, "", "a warning on the way"});
    EXPECT_EQ(f.report.str(), "");
    EXPECT_TRUE(f.notifier.shown.empty());
}

// Lines launched back to back are one press; its failures, whenever they
// come, grow one notification, which each later failure replaces.
TEST(ShutdownFailureReporter, FailuresOfOnePressShareOneNotification)
{
    struct Event {
        std::chrono::milliseconds at;
        enum { Launch, Fail } what;
        size_t line; // launch: the line's number; fail: the launched line that fails
    };
    struct Case {
        std::string name;
        std::vector<Event> events;
        // Per notification shown: its group and its summary.
        std::vector<std::pair<size_t, std::string>> shown;
    };
    using E = Event;
    const Case cases[] = {
        {"a batch of three, failing late and out of order",
         {{0ms, E::Launch, 0},
          {2ms, E::Launch, 1},
          {4ms, E::Launch, 2},
          {20000ms, E::Fail, 2},
          {20001ms, E::Fail, 0},
          {45000ms, E::Fail, 1}},
         {{0, "Remote abort of H2 failed"}, {0, "2 remote aborts failed"}, {0, "3 remote aborts failed"}}},
        {"two presses a few seconds apart",
         {{0ms, E::Launch, 0},
          {5ms, E::Launch, 1},
          {4000ms, E::Launch, 2},
          {4100ms, E::Fail, 0},
          {4100ms, E::Fail, 2},
          {4200ms, E::Fail, 1}},
         {{0, "Remote abort of H0 failed"}, {1, "Remote abort of H2 failed"}, {0, "2 remote aborts failed"}}},
        {"five presses, of which the first fails last",
         {{0ms, E::Launch, 0},
          {2ms, E::Launch, 1},
          {100ms, E::Fail, 0},
          {2000ms, E::Launch, 2},
          {2100ms, E::Fail, 2},
          {4000ms, E::Launch, 3},
          {4100ms, E::Fail, 3},
          {6000ms, E::Launch, 4},
          {6100ms, E::Fail, 4},
          {8000ms, E::Launch, 5},
          {8100ms, E::Fail, 5},
          {60000ms, E::Fail, 1}},
         {{0, "Remote abort of H0 failed"},
          {1, "Remote abort of H2 failed"},
          {2, "Remote abort of H3 failed"},
          {3, "Remote abort of H4 failed"},
          {4, "Remote abort of H5 failed"},
          {0, "2 remote aborts failed"}}},
        {"presses a second and a half apart are two",
         {{0ms, E::Launch, 0}, {1500ms, E::Launch, 1}, {1600ms, E::Fail, 0}, {1600ms, E::Fail, 1}},
         {{0, "Remote abort of H0 failed"}, {1, "Remote abort of H1 failed"}}},
        {"a long batch whose lines come slowly is still one press",
         {{0ms, E::Launch, 0},
          {900ms, E::Launch, 1},
          {1800ms, E::Launch, 2},
          {1900ms, E::Fail, 2},
          {1900ms, E::Fail, 0}},
         {{0, "Remote abort of H2 failed"}, {0, "2 remote aborts failed"}}},
    };
    for (const auto& c : cases) {
        Fixture f;
        std::vector<std::uint64_t> pressOf;
        for (const auto& e : c.events) {
            f.now = PressTracker::Clock::time_point(e.at);
            const std::string line = "shutdown /a /m \\\\H" + std::to_string(e.line);
            if (e.what == E::Launch)
                pressOf.push_back(f.reporter.LineArrived());
            else
                f.Ended(pressOf.at(e.line), line, "net", "net", {How::Exited, 1, "", "off"});
        }
        ASSERT_EQ(f.notifier.shown.size(), c.shown.size()) << c.name;
        std::vector<std::uint64_t> groups;
        for (size_t i = 0; i < c.shown.size(); ++i) {
            const auto& shown = f.notifier.shown[i];
            EXPECT_EQ(shown.notification.summary, c.shown[i].second) << c.name << " #" << i;
            if (c.shown[i].first == groups.size())
                groups.push_back(shown.group);
            EXPECT_EQ(shown.group, groups.at(c.shown[i].first)) << c.name << " #" << i;
        }
        EXPECT_EQ(std::set(groups.begin(), groups.end()).size(), groups.size()) << c.name;
    }
}

TEST(ShutdownFailureReporter, ABatchOfThirtyIsOneNotificationListingEveryComputer)
{
    Fixture f;
    std::vector<std::uint64_t> presses;
    for (int i = 1; i <= 30; ++i) {
        f.now += 2ms;
        presses.push_back(f.reporter.LineArrived());
    }
    for (int i = 1; i <= 30; ++i) {
        f.now += 30ms;
        const std::string name = "PC" + std::to_string(i);
        f.Ended(presses[static_cast<size_t>(i - 1)], "shutdown /a /m \\\\" + name, "net", "net",
                {How::Exited, 1, "", "no answer from " + name});
    }
    ASSERT_EQ(f.notifier.shown.size(), 30u);
    for (const auto& shown : f.notifier.shown)
        EXPECT_EQ(shown.group, f.notifier.shown.front().group);
    const Notification& last = f.notifier.shown.back().notification;
    EXPECT_EQ(last.summary, "30 remote aborts failed");
    std::string expected;
    for (int i = 1; i <= 30; ++i)
        expected +=
            (i > 1 ? "\n" : "") + ("PC" + std::to_string(i)) + ": no answer from PC" + std::to_string(i);
    EXPECT_EQ(last.body, expected);
}
