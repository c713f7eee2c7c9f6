#include "linuxlayer/LinuxShutdownLauncher.h"
#include "actions/PowerAction.h"
#include "actions/WindowsCommandLine.h"
#include "support/RecordingLauncher.h"
#include "support/RecordingNotifier.h"
#include "text/PlainText.h"

#include <gtest/gtest.h>
#include <optional>
#include <sstream>

using namespace voltrail;
using Words = std::vector<std::string>;

namespace {

const LocalSession kSession{"c7", "alice"};

struct Fixture {
    explicit Fixture(LocalSession session = kSession)
        : reporter(std::make_shared<ShutdownFailureReporter>(report, notifier)),
          layer(inner, inner, std::move(session), reporter)
    {
    }
    test::RecordingLauncher inner;
    std::ostringstream report;
    test::RecordingNotifier notifier;
    std::shared_ptr<ShutdownFailureReporter> reporter;
    LinuxShutdownLauncher layer;
};

} // namespace

TEST(LinuxShutdownLauncher, EveryLineOfTheSystemStartsTheLocalTool)
{
    struct Case {
        std::string line;
        Words words;
    };
    const Case cases[] = {
        // The local actions, as the confirm and auto-timer windows launch them.
        {*CommandForLabel(labels::kShutdown), {"systemctl", "poweroff"}},
        {*CommandForLabel(labels::kRestart), {"systemctl", "reboot"}},
        {*CommandForLabel(labels::kHibernate), {"systemctl", "hibernate"}},
        {*CommandForLabel(labels::kLogoff), {"loginctl", "terminate-session", "c7"}},
        // The remote run and abort lines.
        {"shutdown /s /m \\\\SRV01 /t 0", {"net", "rpc", "shutdown", "-S", "SRV01", "-t", "1"}},
        {"shutdown /g /m \\\\SRV01 /t 0", {"net", "rpc", "shutdown", "-S", "SRV01", "-t", "1", "-r"}},
        {"shutdown /s /f /m \\\\SRV01 /t 0", {"net", "rpc", "shutdown", "-S", "SRV01", "-t", "1", "-f"}},
        {"shutdown /g /f /m \\\\SRV01 /t 0",
         {"net", "rpc", "shutdown", "-S", "SRV01", "-t", "1", "-r", "-f"}},
        {"shutdown /a /m \\\\SRV01", {"net", "rpc", "abortshutdown", "-S", "SRV01"}},
        // A time-out above 0 implies a forced shutdown, as on Windows.
        {"shutdown /s /m \\\\host.example.org /t 30",
         {"net", "rpc", "shutdown", "-S", "host.example.org", "-t", "30", "-f"}},
        {"shutdown /g /f /m \\\\10.0.0.7 /t 315360000",
         {"net", "rpc", "shutdown", "-S", "10.0.0.7", "-t", "315360000", "-r", "-f"}},
        {"shutdown /a /m \\\\Zürich-日本_1", {"net", "rpc", "abortshutdown", "-S", "Zürich-日本_1"}},
        {"shutdown /s /m \\\\SRV /t 007", {"net", "rpc", "shutdown", "-S", "SRV", "-t", "7", "-f"}},
        {"shutdown /a /m \\\\fqdn.example.", {"net", "rpc", "abortshutdown", "-S", "fqdn.example."}},
        // Switches in any letter case, with '-' as well as '/', in any order.
        {"SHUTDOWN.EXE /S /T 0", {"systemctl", "poweroff"}},
        {"Shutdown -r -t 0", {"systemctl", "reboot"}},
        {"shutdown /t 0 /f /g", {"systemctl", "reboot"}},
        {"shutdown /h /f", {"systemctl", "hibernate"}},
        {"shutdown /M \\\\srv /T 5 /G", {"net", "rpc", "shutdown", "-S", "srv", "-t", "5", "-r", "-f"}},
        // The program word as the C runtime reads it: quotes only switch quoting.
        {"\"shut\"down /s /t 0", {"systemctl", "poweroff"}},
        {"\"SHUTDOWN.exe\" /h", {"systemctl", "hibernate"}},
    };
    for (const auto& c : cases) {
        Fixture f;
        f.layer.Launch(c.line, kStyleHidden);
        ASSERT_EQ(f.inner.launched.size(), 1u) << c.line;
        EXPECT_EQ(SplitWindowsCommandLine(f.inner.launched[0].commandLine), c.words) << c.line;
        EXPECT_EQ(f.inner.launched[0].style, kStyleHidden) << c.line;
        EXPECT_EQ(f.report.str(), "") << c.line;
    }
}

TEST(LinuxShutdownLauncher, LogoffEndsTheUsersSessionsWhenTheSessionIsUnknown)
{
    struct Case {
        LocalSession session;
        Words words;
    };
    const Case cases[] = {
        {{"", "alice"}, {"loginctl", "terminate-user", "alice"}},
        {{"", "1000"}, {"loginctl", "terminate-user", "1000"}},
        // Not a logind id: never handed on, where it could read as an option.
        {{"--all", "alice"}, {"loginctl", "terminate-user", "alice"}},
        {{"3 4", "alice"}, {"loginctl", "terminate-user", "alice"}},
    };
    for (const auto& c : cases) {
        Fixture f(c.session);
        f.layer.Launch("shutdown /l", kStyleHidden);
        ASSERT_EQ(f.inner.launched.size(), 1u);
        EXPECT_EQ(SplitWindowsCommandLine(f.inner.launched[0].commandLine), c.words);
    }

    Fixture nobody({"", "-x"});
    nobody.layer.Launch("shutdown /l", kStyleHidden);
    EXPECT_TRUE(nobody.inner.launched.empty());
    EXPECT_EQ(nobody.report.str(),
              "ZT-VOLTRAIL: not carried out \"shutdown /l\": the current user's session cannot be told\n");
}

TEST(LinuxShutdownLauncher, LinesThatCannotBeCarriedOutStartNothingAndSayWhy)
{
    struct Case {
        std::string line;
        std::string reason;
    };
    const Case cases[] = {
        {"shutdown.exe /i", "there is no remote shutdown dialog on this system"},
        // What users may type as a computer name.
        {"shutdown /s /m \\\\ /t 30", "the computer name after \\\\ is empty"},
        {"shutdown /a /m \\\\", "the computer name after \\\\ is empty"},
        {"shutdown /a /m \\\\  SRV  ", "the computer name after \\\\ is empty"},
        {"shutdown /a /m \\\\\\SRV",
         "the computer name \"\\SRV\" holds \"\\\", which no computer name holds"},
        {"shutdown /a /m \\\\a;b", "the computer name \"a;b\" holds \";\", which no computer name holds"},
        {"shutdown /a /m \\\\$(x)", "the computer name \"$(x)\" holds \"$\", which no computer name holds"},
        {"shutdown /a /m \\\\PC'x", "the computer name \"PC'x\" holds \"'\", which no computer name holds"},
        {"shutdown /a /m \\\\PC & calc", "unexpected word \"&\""},
        {"shutdown /s /m \\\\SRV /t 30 & calc", "unexpected word \"&\""},
        {"shutdown /a /m \\\\\"quoted name\"",
         "\"\\quoted name\" is not a computer name written as \\\\NAME"},
        {"shutdown /a /m \\\\-rf", "the computer name \"-rf\" starts with \"-\""},
        {"shutdown /a /m \\\\.x", "the computer name \".x\" starts with \".\""},
        {"shutdown /a /m \\\\a..b", "the computer name \"a..b\" has an empty part between dots"},
        {"shutdown /a /m \\\\PC\xC2\xA0X", "the computer name \"PC\xC2\xA0X\" holds \"\xC2\xA0\", which no "
                                           "computer name holds"},
        {"shutdown /a /m \\\\PC\xFF", "the computer name \"PC\xFF\" is not valid UTF-8 text"},
        // Invisible characters that make one name read as another.
        {"shutdown /a /m \\\\PC\u202Egnp.exe",
         "the computer name \"PC\u202Egnp.exe\" holds \"\u202E\", which no computer name holds"},
        {"shutdown /a /m \\\\PC\u2067x",
         "the computer name \"PC\u2067x\" holds \"\u2067\", which no computer name holds"},
        {"shutdown /a /m \\\\A\u200BB",
         "the computer name \"A\u200BB\" holds \"\u200B\", which no computer name holds"},
        {"shutdown /a /m \\\\A\u00ADB",
         "the computer name \"A\u00ADB\" holds \"\u00AD\", which no computer name holds"},
        {"shutdown /a /m \\\\A\u1680B",
         "the computer name \"A\u1680B\" holds \"\u1680\", which no computer name holds"},
        {"shutdown /a /m \\\\A\u070FB",
         "the computer name \"A\u070FB\" holds \"\u070F\", which no computer name holds"},
        {"shutdown /a /m \\\\A\U0001BCA0B",
         "the computer name \"A\U0001BCA0B\" holds \"\U0001BCA0\", which no computer name holds"},
        {"shutdown /a /m \\\\PC\xC2\x9B",
         "the computer name \"PC\xC2\x9B\" holds \"\xC2\x9B\", which no computer name holds"},
        {"shutdown /a /m \\\\" + std::string(254, 'a'), "the computer name is longer than 253 bytes"},
        {"shutdown /a /m SRV", "\"SRV\" is not a computer name written as \\\\NAME"},
        {"shutdown /a /m", "\"/m\" is not followed by a computer name"},
        {"shutdown /s /m /t 30", "\"/t\" is not a computer name written as \\\\NAME"},
        // What users may type as a time-out.
        {"shutdown /s /m \\\\SRV /t ", "\"/t\" is not followed by a time-out"},
        {"shutdown /s /m \\\\SRV /t -5", "the time-out \"-5\" is not a whole number from 0 to 315360000"},
        {"shutdown /s /m \\\\SRV /t 30s", "the time-out \"30s\" is not a whole number from 0 to 315360000"},
        {"shutdown /s /m \\\\SRV /t 1.5", "the time-out \"1.5\" is not a whole number from 0 to 315360000"},
        {"shutdown /s /m \\\\SRV /t 315360001",
         "the time-out \"315360001\" is not a whole number from 0 to 315360000"},
        {"shutdown /s /m \\\\SRV /t 99999999999999999999999",
         "the time-out \"99999999999999999999999\" is not a whole number from 0 to 315360000"},
        // A typed word is quoted by its first 63 characters.
        {"shutdown /s /m \\\\SRV /t " + std::string(32768, '9'),
         "the time-out \"" + std::string(63, '9') + "\u2026\" is not a whole number from 0 to 315360000"},
        {"shutdown /s /m \\\\SRV \"/t 30\"", "\"/t 30\" is not a switch that can be carried out here"},
        // Switches and combinations Windows' own command would not take.
        {"shutdown /s /m \\\\SRV /t 30 /x", "\"/x\" is not a switch that can be carried out here"},
        {"shutdown /s /i", "\"/i\" must be the first switch"},
        {"shutdown /p", "\"/p\" is not a switch that can be carried out here"},
        {"shutdown", "no action is given (/s, /g, /r, /h, /l, /a or /i)"},
        {"shutdown /f /t 0", "no action is given (/s, /g, /r, /h, /l, /a or /i)"},
        {"shutdown /s /g /t 0", "\"/s\" and \"/g\" cannot be given together"},
        {"shutdown /s /f /f /t 0", "\"/f\" is given twice"},
        {"shutdown /s /m \\\\A /m \\\\B", "\"/m\" is given twice"},
        {"shutdown /s /t 0 /t 0", "\"/t\" is given twice"},
        {"shutdown /l /m \\\\SRV", "\"/l\" ends the local session and takes neither \"/m\" nor \"/t\""},
        {"shutdown /l /t 0", "\"/l\" ends the local session and takes neither \"/m\" nor \"/t\""},
        {"shutdown /h /m \\\\SRV", "\"/h\" hibernates this computer and takes neither \"/m\" nor \"/t\""},
        {"shutdown /a /m \\\\SRV /t 30", "\"/a\" takes neither \"/f\" nor \"/t\""},
        {"shutdown /a", "no shutdown of this computer is pending: local ones are never delayed here"},
        // Windows waits 30 seconds without /t; there is no delayed local shutdown here.
        {"shutdown /s", "a delayed shutdown or restart of this computer cannot be carried out here"},
        {"shutdown /g /f /t 60", "a delayed shutdown or restart of this computer cannot be carried out here"},
    };
    for (const auto& c : cases) {
        Fixture f;
        f.layer.Launch(c.line, kStyleHidden);
        EXPECT_TRUE(f.inner.launched.empty()) << c.line;
        EXPECT_EQ(f.report.str(),
                  "ZT-VOLTRAIL: not carried out " + QuoteCommand(c.line) + ": " + SafeLine(c.reason) + "\n");
        EXPECT_EQ(TruncateChars(f.report.str(), kLongestReportLine + 1), f.report.str()) << c.line;
        // The desktop hears of it too, with the reason.
        ASSERT_EQ(f.notifier.shown.size(), 1u) << c.line;
        EXPECT_TRUE(f.notifier.shown[0].notification.body.ends_with("\n" + EscapeMarkup(SafeLine(c.reason))))
            << c.line;
    }
}

TEST(LinuxShutdownLauncher, ControlCharactersInAReportAreShownNotObeyed)
{
    Fixture f;
    f.layer.Launch("shutdown /a /m \\\\PC\x1b[2J", kStyleHidden);
    EXPECT_TRUE(f.inner.launched.empty());
    EXPECT_EQ(f.report.str(),
              "ZT-VOLTRAIL: not carried out \"shutdown /a /m \\\\PC\\x1B[2J\": the computer name "
              "\"PC\\x1B[2J\" holds \"\\x1B\", which no computer name holds\n");
}

TEST(LinuxShutdownLauncher, OtherLinesGoToTheInnerLauncherUnchanged)
{
    const test::RecordingLauncher::Launched cases[] = {
        {"notepad.exe C:\\x.txt", kStyleNormal},
        {"C:\\Windows\\System32\\shutdown.exe /s /t 0", kStyleHidden},
        {"/sbin/shutdown -h now", kStyleHidden},
        {"shutdownx /s /t 0", kStyleHidden},
        {"\"shutdown now\" /s", kStyleHidden},
        {"", kStyleHidden},
        {"   ", kStyleNormal},
        // A leading blank leaves the program word empty: "shutdown" is an argument.
        {" shutdown /s /t 0", kStyleHidden},
        {"\tshutdown /g /f /t 0", kStyleHidden},
    };
    for (const auto& c : cases) {
        Fixture f;
        f.layer.Launch(c.commandLine, c.style);
        ASSERT_EQ(f.inner.launched.size(), 1u) << c.commandLine;
        EXPECT_EQ(f.inner.launched[0], c) << c.commandLine;
        EXPECT_EQ(f.report.str(), "");
    }
}

TEST(LinuxShutdownLauncher, AToolsFailureReachesTheDesktopWithTheWindowsLine)
{
    struct Case {
        std::string line;
        ToolEnd end;
        Notification notice; // none when the summary is empty
    };
    const Case cases[] = {
        {"shutdown /s /t 0",
         {ToolEnd::How::Exited, 1, "", "Interactive authentication required."},
         {"Shutdown of this computer failed", "shutdown /s /t 0\nInteractive authentication required."}},
        {"shutdown /g /m \\\\SRV07 /t 0",
         {ToolEnd::How::Exited, 255, "", "Connection failed: NT_STATUS_LOGON_FAILURE"},
         {"Remote restart of SRV07 failed",
          "shutdown /g /m \\\\SRV07 /t 0\nConnection failed: NT_STATUS_LOGON_FAILURE"}},
        {"shutdown /l",
         {ToolEnd::How::NotStarted, 0, "no program \"loginctl\" on PATH", ""},
         {"Logoff of the current user failed", "shutdown /l\nno program \"loginctl\" on PATH"}},
        {"shutdown /a /m \\\\SRV07", {ToolEnd::How::Exited, 0, "", ""}, {}},
    };
    for (const auto& c : cases) {
        Fixture f;
        std::optional<LineOutcome> told;
        f.layer.LaunchWatched(c.line, [&told](const LineOutcome& o) { told = o; });
        ASSERT_EQ(f.inner.ends.size(), 1u) << c.line;
        EXPECT_TRUE(f.notifier.shown.empty()) << c.line; // nothing before the end
        EXPECT_FALSE(told) << c.line;
        f.inner.ends[0](c.end);
        ASSERT_TRUE(told) << c.line; // the window hears of it too
        EXPECT_EQ(told->kind,
                  c.notice.summary.empty() ? LineOutcome::Kind::Succeeded : LineOutcome::Kind::Failed)
            << c.line;
        if (c.notice.summary.empty()) {
            EXPECT_TRUE(f.notifier.shown.empty()) << c.line;
            EXPECT_EQ(f.report.str(), "") << c.line;
        } else {
            ASSERT_EQ(f.notifier.shown.size(), 1u) << c.line;
            EXPECT_EQ(f.notifier.shown[0].notification, c.notice) << c.line;
            EXPECT_NE(f.report.str(), "") << c.line;
        }
    }
}

TEST(LinuxShutdownLauncher, AToolEndingAfterTheLayerIsGoneIsNotReported)
{
    test::RecordingLauncher inner;
    std::ostringstream report;
    test::RecordingNotifier notifier;
    {
        LinuxShutdownLauncher layer(inner, inner, kSession,
                                    std::make_shared<ShutdownFailureReporter>(report, notifier));
        layer.Launch("shutdown /a /m \\\\SRV07", kStyleHidden);
    }
    ASSERT_EQ(inner.ends.size(), 1u);
    inner.ends[0]({ToolEnd::How::Exited, 1, "", "late"});
    EXPECT_TRUE(notifier.shown.empty());
    EXPECT_EQ(report.str(), "");
}
