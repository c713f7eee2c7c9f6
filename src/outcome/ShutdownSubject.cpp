#include "outcome/ShutdownSubject.h"

#include "actions/WindowsCommandLine.h"
#include "text/PlainText.h"

namespace voltrail {

using Action = ShutdownSubject::Action;

namespace {

Action ActionOfSwitch(char letter)
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

} // namespace

std::optional<ShutdownSubject> ReadShutdownSubject(std::string_view commandLine)
{
    const auto words = SplitWindowsCommandLine(commandLine);
    if (words.empty())
        return std::nullopt;
    const std::string program = AsciiLower(words.front());
    if (program != "shutdown" && program != "shutdown.exe")
        return std::nullopt;
    ShutdownSubject subject;
    bool actionGiven = false;
    bool computerGiven = false;
    for (size_t i = 1; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.size() < 2 || (word.front() != '/' && word.front() != '-'))
            continue;
        const std::string name = AsciiLower(word.substr(1));
        if (name.size() == 1 && std::string_view("sgrhlai").find(name.front()) != std::string_view::npos) {
            if (!actionGiven)
                subject.action = ActionOfSwitch(name.front());
            actionGiven = true;
        } else if (name == "m" || name == "t") {
            // Each takes the next word.
            subject.remote = subject.remote || name == "m";
            if (i + 1 == words.size())
                break;
            const std::string& value = words[++i];
            if (name == "m" && !computerGiven) {
                std::string_view target = value;
                if (target.starts_with("\\\\"))
                    target.remove_prefix(2);
                subject.computer = TruncateUtf8(SafeLine(target), kLongestShownName);
                computerGiven = true;
            }
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
