// The Linux reading of `shutdown` lines: whatever the line, what is started
// is made of fixed tool words and words of the line, a line naming a computer
// with /m never becomes a local action and one without it never reaches
// `net`, and a refusal always says why.
#include "FuzzCheck.h"
#include "actions/WindowsCommandLine.h"
#include "actions/WindowsCommandLineQuoting.h"
#include "linuxlayer/LinuxShutdownTranslation.h"

#include <cstddef>
#include <cstdint>
#include <set>

using namespace voltrail;
using fuzz::Shown;
using Outcome = ShutdownTranslation::Outcome;

namespace {

const std::set<std::string> kToolWords = {
    "systemctl",
    "poweroff",
    "reboot",
    "hibernate",
    "loginctl",
    "terminate-session",
    "terminate-user",
    "net",
    "rpc",
    "abortshutdown",
    "shutdown",
    "-S",
    "-t",
    "-r",
    "-f",
    "30", // Windows' own time-out when the line gives none
    "1",  // the least delay `net` sends, for a time-out of 0
};

std::string Lower(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

void Check(const std::string& line, const LocalSession& session)
{
    const ShutdownTranslation t = TranslateShutdownCommand(line, session);
    const auto lineWords = SplitWindowsCommandLine(line);
    const std::string program = Lower(lineWords.front());
    const bool isShutdown = program == "shutdown" || program == "shutdown.exe";

    FUZZ_CHECK((t.outcome == Outcome::NotShutdown) == !isShutdown, "only shutdown lines are read: " + line);
    if (t.outcome == Outcome::Refuse)
        FUZZ_CHECK(!t.reason.empty(), "a refusal says why: " + line);
    else
        FUZZ_CHECK(t.reason.empty(), "only a refusal has a reason: " + line);
    FUZZ_CHECK((t.outcome == Outcome::Start) == !t.words.empty(), "words exactly when started: " + line);
    if (t.outcome != Outcome::Start)
        return;

    for (const auto& word : t.words) {
        bool fromLine = kToolWords.count(word) > 0 || word == session.sessionId || word == session.user;
        for (size_t i = 1; i < lineWords.size() && !fromLine; ++i)
            fromLine = lineWords[i].find(word) != std::string::npos;
        FUZZ_CHECK(fromLine, "\"" + word + "\" is neither a tool word nor from the line " + line);
    }
    for (size_t i = 0; i + 1 < t.words.size(); ++i) {
        if (t.words[i] == "-S")
            FUZZ_CHECK(!t.words[i + 1].empty() && t.words[i + 1][0] != '-', "a computer name is no option");
    }

    bool namesComputer = false;
    for (size_t i = 1; i < lineWords.size(); ++i)
        namesComputer = namesComputer || Lower(lineWords[i]) == "/m" || Lower(lineWords[i]) == "-m";
    const std::string& tool = t.words.front();
    if (namesComputer)
        FUZZ_CHECK(tool == "net", "a line with /m starts " + Shown(t.words) + ": " + line);
    else
        FUZZ_CHECK(tool == "systemctl" || tool == "loginctl", "a line without /m starts " + Shown(t.words));
    FUZZ_CHECK(JoinWindowsCommandLine(t.words).has_value(), "what is started can be written as a line");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string line(reinterpret_cast<const char*>(data), size);
    Check(line, {"c7", "alice"});
    Check(line, {"", ""});
    // The same words after the program the system always writes.
    Check("shutdown " + line, {"", "bob"});
    return 0;
}
