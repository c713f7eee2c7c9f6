#include "outcome/ShutdownFailureReporter.h"
#include "support/RecordingNotifier.h"

#include <gtest/gtest.h>
#include <set>
#include <sstream>

using namespace voltrail;
using How = ToolEnd::How;

namespace {

struct Fixture {
    std::ostringstream report;
    test::RecordingNotifier notifier;
    ShutdownFailureReporter reporter{report, notifier};

    LineOutcome Ended(std::uint64_t press, const std::string& line, const std::string& toolLine,
                      const std::string& program, const ToolEnd& end)
    {
        return reporter.ToolEnded(press, line, *ReadShutdownSubject(line), toolLine, program, end);
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
        {{How::Crashed, static_cast<int>(0xC0000005), "", ""},
         "ZT-VOLTRAIL: failed \"" + line + "\": net crashed (exit code 0xC0000005)\n",
         "net crashed (exit code 0xC0000005)"},
    };
    for (const auto& c : cases) {
        Fixture f;
        const auto press = f.reporter.LineArrived();
        const LineOutcome outcome = f.Ended(press, line, "net rpc abortshutdown -S SRV07", "net", c.end);
        EXPECT_EQ(outcome, (LineOutcome{LineOutcome::Kind::Failed, c.body})) << c.stderrLine;
        EXPECT_EQ(f.report.str(), c.stderrLine);
        ASSERT_EQ(f.notifier.shown.size(), 1u) << c.stderrLine;
        EXPECT_EQ(f.notifier.shown[0].notification,
                  (Notification{"Remote abort of SRV07 failed", line + "\n" + c.body}));
    }
}

// Neither a success nor an abort that found nothing to abort is a failure.
TEST(ShutdownFailureReporter, SuccessIsNotAnnounced)
{
    struct Case {
        std::string line;
        std::string program;
        ToolEnd end;
        LineOutcome::Kind kind;
    };
    const Case cases[] = {
        {"shutdown /s /t 0",
         "systemctl",
         {How::Exited, 0, "", "a warning on the way"},
         LineOutcome::Kind::Succeeded},
        {"shutdown /a /m \\\\SRV07",
         "shutdown.exe",
         {How::Exited, 1116, "", "Unable to abort.(1116)"},
         LineOutcome::Kind::NothingToAbort},
        {"shutdown /a /m \\\\SRV07",
         "net",
         {How::Exited, 255, "", "x", "WERR_NO_SHUTDOWN_IN_PROGRESS"},
         LineOutcome::Kind::NothingToAbort},
    };
    for (const auto& c : cases) {
        Fixture f;
        EXPECT_EQ(f.Ended(f.reporter.LineArrived(), c.line, c.line, c.program, c.end).kind, c.kind) << c.line;
        EXPECT_EQ(f.report.str(), "") << c.line;
        EXPECT_TRUE(f.notifier.shown.empty()) << c.line;
    }
}

// Windows' code is the key to its advice; a balloon gets the brief form.
TEST(ShutdownFailureReporter, AWindowsFailureGetsItsAdviceInTheBriefForm)
{
    Fixture f;
    f.notifier.formShown = DesktopNotifier::Form::Brief;
    const std::string line = "shutdown /g /m \\\\SRV07 /t 30";
    const LineOutcome outcome = f.Ended(f.reporter.LineArrived(), line, line, "shutdown.exe",
                                        {How::Exited, 5, "", "SRV07: Access is denied.(5)"});
    EXPECT_EQ(outcome.kind, LineOutcome::Kind::Failed);
    EXPECT_EQ(outcome.reason, "SRV07: Access is denied.(5)");
    ASSERT_EQ(f.notifier.shown.size(), 1u);
    EXPECT_EQ(
        f.notifier.shown[0].notification,
        (Notification{"Remote restart of SRV07 failed", "SRV07: Access is denied.(5)\n" + outcome.advice}));
    EXPECT_NE(outcome.advice.find("Force shutdown from a remote system"), std::string::npos);
}

// The lines a window launches for one press share one notification, which
// each later failure of the press replaces, whenever it comes.
TEST(ShutdownFailureReporter, FailuresOfOnePressShareOneNotification)
{
    struct Event {
        enum { Press, Launch, Fail } what;
        size_t line = 0; // launch: the line's number; fail: the launched line that fails
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
         {{E::Press},
          {E::Launch, 0},
          {E::Launch, 1},
          {E::Launch, 2},
          {E::Fail, 2},
          {E::Fail, 0},
          {E::Fail, 1}},
         {{0, "Remote abort of H2 failed"}, {0, "2 remote aborts failed"}, {0, "3 remote aborts failed"}}},
        {"two presses",
         {{E::Press},
          {E::Launch, 0},
          {E::Launch, 1},
          {E::Press},
          {E::Launch, 2},
          {E::Fail, 0},
          {E::Fail, 2},
          {E::Fail, 1}},
         {{0, "Remote abort of H0 failed"}, {1, "Remote abort of H2 failed"}, {0, "2 remote aborts failed"}}},
        {"five presses, of which the first fails last",
         {{E::Press},
          {E::Launch, 0},
          {E::Launch, 1},
          {E::Fail, 0},
          {E::Press},
          {E::Launch, 2},
          {E::Fail, 2},
          {E::Press},
          {E::Launch, 3},
          {E::Fail, 3},
          {E::Press},
          {E::Launch, 4},
          {E::Fail, 4},
          {E::Press},
          {E::Launch, 5},
          {E::Fail, 5},
          {E::Fail, 1}},
         {{0, "Remote abort of H0 failed"},
          {1, "Remote abort of H2 failed"},
          {2, "Remote abort of H3 failed"},
          {3, "Remote abort of H4 failed"},
          {4, "Remote abort of H5 failed"},
          {0, "2 remote aborts failed"}}},
        {"lines before any press, and presses that launched nothing",
         {{E::Launch, 0},
          {E::Launch, 1},
          {E::Press},
          {E::Press},
          {E::Launch, 2},
          {E::Fail, 0},
          {E::Fail, 1},
          {E::Fail, 2}},
         {{0, "Remote abort of H0 failed"}, {0, "2 remote aborts failed"}, {1, "Remote abort of H2 failed"}}},
    };
    for (const auto& c : cases) {
        Fixture f;
        std::vector<std::uint64_t> pressOf;
        for (const auto& e : c.events) {
            const std::string line = "shutdown /a /m \\\\H" + std::to_string(e.line);
            if (e.what == E::Press)
                f.reporter.PressBegins();
            else if (e.what == E::Launch)
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
    f.reporter.PressBegins();
    for (int i = 1; i <= 30; ++i)
        presses.push_back(f.reporter.LineArrived());
    for (int i = 1; i <= 30; ++i) {
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
