#include "linuxlayer/ShutdownSubject.h"

#include "actions/WindowsCommandLine.h"
#include "text/PlainText.h"

namespace voltrail {

namespace {

using Action = ShutdownSubject::Action;

// Longer names are cut in summaries; the body holds the whole line.
constexpr size_t kLongestShownName = 64;

Action ActionOf(char letter)
{
    switch (letter) {
    case 's':
        return Action::Shutdown;
    case 'g':
    case 'r':
        return Action::Restart;
    case 'h':
        return Action::Hibernate;
    case 'l':
        return Action::Logoff;
    case 'a':
        return Action::Abort;
    case 'i':
        return Action::Dialog;
    default:
        return Action::Unknown;
    }
}

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

ShutdownSubject DescribeShutdownLine(std::string_view commandLine)
{
    ShutdownSubject subject;
    const auto words = SplitWindowsCommandLine(commandLine);
    for (size_t i = 1; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.size() != 2 || (word[0] != '/' && word[0] != '-'))
            continue;
        const char letter = LowerAscii(word[1]);
        if (letter == 'm') {
            subject.remote = true;
            if (i + 1 < words.size()) {
                std::string_view target = words[++i];
                if (target.starts_with("\\\\"))
                    target.remove_prefix(2);
                subject.computer = TruncateUtf8(SafeLine(target), kLongestShownName);
            }
        } else if (subject.action == Action::Unknown) {
            subject.action = ActionOf(letter);
        }
    }
    return subject;
}

std::string ActionWord(Action action)
{
    switch (action) {
    case Action::Shutdown:
        return "shutdown";
    case Action::Restart:
        return "restart";
    case Action::Hibernate:
        return "hibernation";
    case Action::Logoff:
        return "logoff";
    case Action::Abort:
        return "abort";
    case Action::Dialog:
        return "remote shutdown dialog";
    case Action::Unknown:
        break;
    }
    return "shutdown command";
}

std::string ComputerLabel(const ShutdownSubject& subject)
{
    if (!subject.remote)
        return "this computer";
    return subject.computer.empty() ? "a computer with no name" : subject.computer;
}

std::string FailureSummary(const ShutdownSubject& subject)
{
    if (subject.remote)
        return "Remote " + ActionWord(subject.action) + " of " + ComputerLabel(subject) + " failed";
    switch (subject.action) {
    case Action::Logoff:
        return "Logoff of the current user failed";
    case Action::Abort:
        return "Abort of a shutdown of this computer failed";
    case Action::Dialog:
        return "Remote shutdown dialog failed";
    case Action::Unknown:
        return "Shutdown command failed";
    default:
        break;
    }
    std::string word = ActionWord(subject.action);
    word[0] = static_cast<char>(word[0] - 'a' + 'A');
    return word + " of this computer failed";
}

} // namespace voltrail
