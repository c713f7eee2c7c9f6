#include "outcome/FailureNotice.h"

#include "text/PlainText.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace voltrail {

namespace {

using Action = ShutdownSubject::Action;

// A typed line can be any length; the window shows what a person typed.
constexpr size_t kLongestShownLine = 1024;

std::string Plural(std::string word)
{
    if (word.ends_with('y'))
        return word.substr(0, word.size() - 1) + "ies";
    return word + "s";
}

std::string GroupSummary(std::span<const ShutdownFailure> failures, size_t total)
{
    const Action first = failures.front().subject.action;
    const bool sameAction = std::all_of(failures.begin(), failures.end(),
                                        [&](const ShutdownFailure& f) { return f.subject.action == first; });
    const bool allRemote = std::all_of(failures.begin(), failures.end(),
                                       [](const ShutdownFailure& f) { return f.subject.remote; });
    const std::string count = std::to_string(total);
    if (allRemote && sameAction)
        return count + " remote " + Plural(ActionWord(first)) + " failed";
    if (allRemote)
        return count + " remote actions failed";
    return count + " actions failed";
}

// The failures that share a reason: the same advice, else the same line.
const std::string& ReasonKey(const ShutdownFailure& f)
{
    return f.advice.empty() ? f.reason : f.advice;
}

// "SRV01, SRV04 and 12 more", in at most `room` bytes where it can be; the
// first name always.
std::string NameList(const std::vector<std::string>& names, size_t room)
{
    std::string fitted;
    for (size_t shown = names.size(); shown >= 1; --shown) {
        fitted.clear();
        for (size_t i = 0; i < shown; ++i) {
            if (i > 0)
                fitted += (i + 1 == shown && shown == names.size()) ? " and " : ", ";
            fitted += names[i];
        }
        if (shown < names.size())
            fitted += " and " + std::to_string(names.size() - shown) + " more";
        if (fitted.size() <= room)
            break;
    }
    return fitted;
}

} // namespace

Notification ComposeBriefFailureNotice(std::span<const ShutdownFailure> failures, size_t total)
{
    if (failures.empty())
        return {};
    total = std::max(total, failures.size());
    if (total == 1) {
        const ShutdownFailure& f = failures.front();
        std::string text = SafeLine(f.reason);
        if (!f.advice.empty())
            text += "\n" + f.advice;
        return {FailureSummary(f.subject), TruncateUtf8(text, kBriefLength)};
    }
    // The reason most share; the first to come of those as many.
    const ShutdownFailure* most = &failures.front();
    size_t mostCount = 0;
    for (const ShutdownFailure& f : failures) {
        const auto count = static_cast<size_t>(
            std::count_if(failures.begin(), failures.end(),
                          [&](const ShutdownFailure& g) { return ReasonKey(g) == ReasonKey(f); }));
        if (count > mostCount) {
            most = &f;
            mostCount = count;
        }
    }
    std::vector<std::string> names;
    for (const ShutdownFailure& f : failures) {
        if (ReasonKey(f) == ReasonKey(*most))
            names.push_back(ComputerLabel(f.subject));
    }
    std::string rest = "\n" + SafeLine(most->reason);
    if (!most->advice.empty())
        rest += "\n" + most->advice;
    if (const size_t others = total - mostCount; others > 0)
        rest += "\nand " + std::to_string(others) + (others == 1 ? " other failure" : " other failures");
    const size_t room = rest.size() < kBriefLength ? kBriefLength - rest.size() : 0;
    return {GroupSummary(failures, total), TruncateUtf8(NameList(names, room) + rest, kBriefLength)};
}

Notification ComposeFailureNotice(std::span<const ShutdownFailure> failures, size_t total)
{
    if (failures.empty())
        return {};
    total = std::max(total, failures.size());
    if (total == 1) {
        const ShutdownFailure& f = failures.front();
        const std::string line = TruncateUtf8(SafeLine(f.windowsLine), kLongestShownLine);
        std::string body = EscapeMarkup(line) + "\n" + EscapeMarkup(SafeLine(f.reason));
        if (!f.advice.empty())
            body += "\n" + EscapeMarkup(f.advice);
        return {FailureSummary(f.subject), body};
    }
    const Action first = failures.front().subject.action;
    const bool sameAction = std::all_of(failures.begin(), failures.end(),
                                        [&](const ShutdownFailure& f) { return f.subject.action == first; });
    std::string body;
    const size_t listed = std::min(failures.size(), kListedFailures);
    for (size_t i = 0; i < listed; ++i) {
        const ShutdownFailure& f = failures[i];
        std::string who = ComputerLabel(f.subject);
        if (!sameAction)
            who += " (" + ActionWord(f.subject.action) + ")";
        if (!body.empty())
            body += '\n';
        body += EscapeMarkup(who + ": " + SafeLine(f.reason));
    }
    if (total > listed)
        body += "\n" + std::to_string(total - listed) + " more not listed";
    std::vector<std::string_view> advised;
    for (const ShutdownFailure& f : failures) {
        if (f.advice.empty() || std::find(advised.begin(), advised.end(), f.advice) != advised.end())
            continue;
        advised.push_back(f.advice);
        body += "\n" + EscapeMarkup(f.advice);
    }
    return {GroupSummary(failures, total), body};
}

} // namespace voltrail
