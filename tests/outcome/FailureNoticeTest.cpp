#include "outcome/FailureNotice.h"
#include "linuxlayer/LinuxShutdownTranslation.h"
#include "outcome/FailureAdvice.h"

#include <gtest/gtest.h>

using namespace voltrail;
using Action = ShutdownSubject::Action;

namespace {

ShutdownSubject SubjectOf(const std::string& line)
{
    return *ReadShutdownSubject(line);
}

} // namespace

TEST(ShutdownSubject, EveryLineNamesItsActionAndComputer)
{
    struct Case {
        std::string line;
        ShutdownSubject subject;
        std::string summary;
        std::string label;
    };
    const Case cases[] = {
        {"shutdown /s /t 0",
         {Action::Shutdown, false, ""},
         "Shutdown of this computer failed",
         "this computer"},
        {"shutdown /g /f /t 0",
         {Action::Restart, false, ""},
         "Restart of this computer failed",
         "this computer"},
        {"shutdown /h",
         {Action::Hibernate, false, ""},
         "Hibernation of this computer failed",
         "this computer"},
        {"shutdown /l", {Action::Logoff, false, ""}, "Logoff of the current user failed", "this computer"},
        {"shutdown.exe /i", {Action::Dialog, false, ""}, "Remote shutdown dialog failed", "this computer"},
        {"shutdown /a",
         {Action::Abort, false, ""},
         "Abort of a shutdown of this computer failed",
         "this computer"},
        {"shutdown", {Action::Unknown, false, ""}, "Shutdown command failed", "this computer"},
        {"shutdown /g /m \\\\SRV07 /t 0",
         {Action::Restart, true, "SRV07"},
         "Remote restart of SRV07 failed",
         "SRV07"},
        {"shutdown /s /f /m \\\\Zürich-日本 /t 30",
         {Action::Shutdown, true, "Zürich-日本"},
         "Remote shutdown of Zürich-日本 failed",
         "Zürich-日本"},
        {"SHUTDOWN -A -M \\\\srv", {Action::Abort, true, "srv"}, "Remote abort of srv failed", "srv"},
        // What is typed, as far as the line can be read: refused lines too.
        {"shutdown /a /m \\\\",
         {Action::Abort, true, ""},
         "Remote abort of a computer with no name failed",
         "a computer with no name"},
        {"shutdown /a /m",
         {Action::Abort, true, ""},
         "Remote abort of a computer with no name failed",
         "a computer with no name"},
        {"shutdown /s /m \\\\<b>x</b> /t 5",
         {Action::Shutdown, true, "<b>x</b>"},
         "Remote shutdown of <b>x</b> failed",
         "<b>x</b>"},
        {"shutdown /a /m \\\\PC\x1b[2J",
         {Action::Abort, true, "PC\\x1B[2J"},
         "Remote abort of PC\\x1B[2J failed",
         "PC\\x1B[2J"},
        {"shutdown /a /m SRV", {Action::Abort, true, "SRV"}, "Remote abort of SRV failed", "SRV"},
        {"shutdown /a /m \\\\" + std::string(300, 'n'),
         {Action::Abort, true, std::string(61, 'n') + "\xE2\x80\xA6"},
         "Remote abort of " + std::string(61, 'n') + "\xE2\x80\xA6 failed",
         std::string(61, 'n') + "\xE2\x80\xA6"},
    };
    for (const auto& c : cases) {
        const ShutdownSubject subject = SubjectOf(c.line);
        EXPECT_EQ(subject, c.subject) << c.line;
        EXPECT_EQ(FailureSummary(subject), c.summary) << c.line;
        EXPECT_EQ(ComputerLabel(subject), c.label) << c.line;
    }
}

namespace {

ShutdownFailure Failure(const std::string& line, const std::string& reason, const std::string& advice = "")
{
    return {SubjectOf(line), line, reason, advice};
}

std::vector<ShutdownFailure> Denied(int count)
{
    std::vector<ShutdownFailure> out;
    for (int i = 1; i <= count; ++i) {
        const std::string name = "SRV" + std::to_string(i);
        out.push_back(
            Failure("shutdown /s /m \\\\" + name + " /t 0", name + ": Access is denied.(5)", "Ask."));
    }
    return out;
}

} // namespace

TEST(FailureNotice, OneFailureShowsItsLineAndReason)
{
    struct Case {
        ShutdownFailure failure;
        Notification notice;
    };
    const Case cases[] = {
        {Failure("shutdown /s /t 0", "Interactive authentication required."),
         {"Shutdown of this computer failed", "shutdown /s /t 0\nInteractive authentication required."}},
        {Failure("shutdown /g /m \\\\SRV07 /t 0", "Connection failed: NT_STATUS_CONNECTION_REFUSED"),
         {"Remote restart of SRV07 failed",
          "shutdown /g /m \\\\SRV07 /t 0\nConnection failed: NT_STATUS_CONNECTION_REFUSED"}},
        // The body may be read as markup; the summary is plain text.
        {Failure("shutdown /a /m \\\\<i>&x", "the computer name \"<i>&x\" holds \"<\""),
         {"Remote abort of <i>&x failed",
          "shutdown /a /m \\\\&lt;i&gt;&amp;x\nthe computer name \"&lt;i&gt;&amp;x\" holds \"&lt;\""}},
        // A line with a line end in it stays one line.
        {Failure("shutdown /a /m \\\\A\nB", "x\ny"),
         {"Remote abort of A B failed", "shutdown /a /m \\\\A B\nx y"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ComposeFailureNotice(std::span(&c.failure, 1), 1), c.notice) << c.failure.windowsLine;
}

TEST(FailureNotice, ManyFailuresListEachComputerWithItsReason)
{
    struct Case {
        std::vector<ShutdownFailure> failures;
        size_t total;
        Notification notice;
    };
    const Case cases[] = {
        {{Failure("shutdown /a /m \\\\A", "refused"), Failure("shutdown /a /m \\\\B", "timed <out>")},
         2,
         {"2 remote aborts failed", "A: refused\nB: timed &lt;out&gt;"}},
        {{Failure("shutdown /s /m \\\\A /t 0", "r1"), Failure("shutdown /g /m \\\\A /t 0", "r2"),
          Failure("shutdown /a /m \\\\", "empty")},
         3,
         {"3 remote actions failed",
          "A (shutdown): r1\nA (restart): r2\na computer with no name (abort): empty"}},
        {{Failure("shutdown /h", "no swap"), Failure("shutdown /a /m \\\\B", "off")},
         2,
         {"2 actions failed", "this computer (hibernation): no swap\nB (abort): off"}},
        // Failures beyond the list are counted.
        {{Failure("shutdown /a /m \\\\A", "x"), Failure("shutdown /a /m \\\\B", "y")},
         75,
         {"75 remote aborts failed", "A: x\nB: y\n73 more not listed"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ComposeFailureNotice(c.failures, c.total), c.notice) << c.notice.summary;
}

// A balloon: plain text, the reason most share and as many of its computers
// as fit in the 255 characters Windows shows.
TEST(FailureNotice, TheBriefFormGroupsByReasonWithinTheBalloonsLimit)
{
    struct Case {
        std::vector<ShutdownFailure> failures;
        size_t total;
        Notification notice;
    };
    auto mixed = Denied(2);
    mixed.insert(mixed.begin(), Failure("shutdown /s /m \\\\OFF /t 0", "OFF: not found.(53)", "Check it."));
    const Case cases[] = {
        {{Failure("shutdown /g /m \\\\<b>S</b> /t 0", "<b>S</b>: Access is denied.(5)", "Ask.")},
         1,
         {"Remote restart of <b>S</b> failed", "<b>S</b>: Access is denied.(5)\nAsk."}},
        {Denied(3),
         3,
         {"3 remote shutdowns failed", "SRV1, SRV2 and SRV3\nSRV1: Access is denied.(5)\nAsk."}},
        {mixed,
         3,
         {"3 remote shutdowns failed",
          "SRV1 and SRV2\nSRV1: Access is denied.(5)\nAsk.\nand 1 other failure"}},
        {Denied(60),
         75,
         {"75 remote shutdowns failed",
          "SRV1, SRV2, SRV3, SRV4, SRV5, SRV6, SRV7, SRV8, SRV9, SRV10, SRV11, SRV12, SRV13, SRV14, SRV15, "
          "SRV16, "
          "SRV17, SRV18, SRV19, SRV20, SRV21, SRV22, SRV23, SRV24, SRV25, SRV26, SRV27, SRV28 and 32 more\n"
          "SRV1: Access is denied.(5)\nAsk.\nand 15 other failures"}},
    };
    for (const auto& c : cases) {
        const Notification notice = ComposeBriefFailureNotice(c.failures, c.total);
        EXPECT_EQ(notice.summary, c.notice.summary);
        EXPECT_EQ(notice.body, c.notice.body);
        EXPECT_LE(notice.body.size(), kBriefLength) << c.notice.summary;
    }
}

// What the tools say, against the line of advice it gets (by a phrase of it).
TEST(FailureAdvice, EachKnownFailureSaysWhatToDo)
{
    struct Case {
        std::string line;
        std::string output;
        std::string advice; // a phrase of it; empty: no advice
        std::string program = "net";
        int code = 1;
    };
    const std::string windows = "shutdown.exe";
    const std::string remote = "shutdown /s /m \\\\SRV07 /t 0";
    const Case cases[] = {
        {remote, "result was: WERR_ACCESS_DENIED\n", "Force shutdown from a remote system"},
        {remote, "Could not initialise pipe winreg. Error was NT_STATUS_ACCESS_DENIED\nfailed\n",
         "remote UAC"},
        {remote, "Connection failed: NT_STATUS_LOGON_FAILURE", "kinit"},
        {remote, "Connection failed: NT_STATUS_ACCOUNT_DISABLED", "USER and PASSWD"},
        {remote, "session setup failed: NT_STATUS_PASSWORD_EXPIRED", "password was refused"},
        {remote, "Unable to find a suitable server for domain WORKGROUP", "use the computer's IP address"},
        {remote, "tree connect failed: NT_STATUS_BAD_NETWORK_NAME", "does not resolve"},
        {remote, "Connection failed: NT_STATUS_CONNECTION_REFUSED", "TCP 445"},
        {remote, "NT_STATUS_HOST_UNREACHABLE", "off or unreachable"},
        {remote, "NT_STATUS_IO_TIMEOUT", "off or unreachable"},
        {remote, "NT_STATUS_NETWORK_UNREACHABLE", "off or unreachable"},
        {"shutdown /s /t 0", "Failed to power off system via logind: Interactive authentication required.",
         "authentication agent"},
        {"shutdown /l", "Could not terminate session: Access denied", "administrator's policy"},
        {"shutdown /h", "Failed to hibernate system via logind: Sleep verb \"hibernate\" not supported",
         "cannot hibernate"},
        {"shutdown /h",
         "Not enough suitable swap space for hibernation available on compatible block devices",
         "no swap or resume device"},
        {"shutdown /h", "Failed to hibernate system via logind: Access denied", "authentication agent"},
        // Unknown failures, and marks of the other kind of tool: the tool's line alone.
        {remote, "Connection failed: NT_STATUS_UNSUCCESSFUL", ""},
        {remote, "Interactive authentication required.", ""},
        {"shutdown /s /t 0", "Operation not supported", ""},
        {"shutdown /s /t 0", "WERR_ACCESS_DENIED", ""},
        {"shutdown /s /t 0", "", ""},
        // Windows' own command, by its exit code whatever its language.
        {remote, "SRV07: Zugriff verweigert.(5)", "Force shutdown from a remote system", windows, 5},
        {remote, "", "LocalAccountTokenFilterPolicy", windows, 5},
        {remote, "SRV07: The entered computer name is not valid.(53)", "File and Printer Sharing", windows,
         53},
        {remote, "", "does not resolve or the computer is off", windows, 67},
        {remote, "SRV07: The RPC server is unavailable.(1722)", "Remote Administration", windows, 1722},
        {remote, "", "net use \\\\SRV07\\IPC$ /user:SRV07\\account", windows, 1326},
        {remote, "", "refused your logon", windows, 1907},
        {remote, "", "already scheduled on that computer: abort it first", windows, 1190},
        {"shutdown /s /t 0", "A system shutdown has already been scheduled.(1190)",
         "already scheduled on this computer", windows, 1190},
        {remote, "", "already scheduled", windows, 1115},
        {remote, "", "check the time-out (a whole number from 0 to 315360000)", windows, 87},
        {remote, "WERR_ACCESS_DENIED", "", windows, 1},
        {remote, "", "", windows, 1116},
    };
    for (const auto& c : cases) {
        const std::string advice =
            FailureAdvice(SubjectOf(c.line), c.program, {ToolEnd::How::Exited, c.code, "", "", c.output});
        if (c.advice.empty())
            EXPECT_EQ(advice, "") << c.output;
        else
            EXPECT_NE(advice.find(c.advice), std::string::npos) << c.output << " -> " << advice;
    }
}
