#include "linuxlayer/ShutdownSubject.h"

namespace voltrail {

using Action = ShutdownSubject::Action;

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
