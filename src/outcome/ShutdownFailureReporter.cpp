#include "outcome/ShutdownFailureReporter.h"

#include "actions/StartFailureReport.h"
#include "outcome/FailureAdvice.h"
#include "text/PlainText.h"

#include <algorithm>
#include <cstdio>

namespace voltrail {

namespace {

std::string StatusText(const std::string& program, const ToolEnd& end)
{
    switch (end.how) {
    case ToolEnd::How::NotStarted:
        return end.detail;
    case ToolEnd::How::Exited:
        return program + " ended with status " + std::to_string(end.code);
    case ToolEnd::How::Unseen:
        return program + " ended unseen: outcome unknown";
    case ToolEnd::How::Crashed: {
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(end.code));
        return program + " crashed (exit code " + hex + ")";
    }
    case ToolEnd::How::Signalled:
        break;
    }
    std::string text = program + " was ended by signal " + std::to_string(end.code);
    if (!end.detail.empty())
        text += " (" + end.detail + ")";
    return text;
}

} // namespace

std::string ToolEndReason(const std::string& program, const ToolEnd& end)
{
    if (end.how != ToolEnd::How::NotStarted && !end.lastErrorLine.empty())
        return end.lastErrorLine;
    return StatusText(program, end);
}

ShutdownFailureReporter::ShutdownFailureReporter(std::ostream& report, DesktopNotifier& notifier)
    : report_(report), notifier_(notifier)
{
}

void ShutdownFailureReporter::PressBegins()
{
    // A press that launched nothing leaves no trace.
    if (!presses_.empty() && presses_.back().id == press_)
        ++press_;
}

std::uint64_t ShutdownFailureReporter::LineArrived()
{
    const std::uint64_t id = press_;
    if (presses_.empty() || presses_.back().id != id) {
        // The press before is no longer the latest: done once its lines are.
        if (!presses_.empty() && presses_.back().running == 0)
            Forget(std::prev(presses_.end()));
        presses_.push_back({id, 0, {}, 0});
        if (presses_.size() > kRememberedPresses)
            Forget(presses_.begin());
    }
    ++presses_.back().running;
    return id;
}

LineOutcome ShutdownFailureReporter::Refused(std::uint64_t press, const std::string& windowsLine,
                                             const ShutdownSubject& subject, const std::string& reason)
{
    report_ << ReportLine("ZT-VOLTRAIL: not carried out " + QuoteCommand(windowsLine) + ": " + reason)
            << std::endl;
    ShutdownFailure failure{subject, windowsLine, reason};
    LineOutcome outcome{LineOutcome::Kind::Failed, SafeLine(reason)};
    Notify(press, std::move(failure));
    LineEnded(press);
    return outcome;
}

LineOutcome ShutdownFailureReporter::Unwritable(std::uint64_t press, const std::string& windowsLine,
                                                const ShutdownSubject& subject)
{
    return Refused(press, windowsLine, subject, "the local command cannot be written as a command line");
}

LineOutcome ShutdownFailureReporter::ToolEnded(std::uint64_t press, const std::string& windowsLine,
                                               const ShutdownSubject& subject, const std::string& toolLine,
                                               const std::string& program, const ToolEnd& end)
{
    LineOutcome outcome;
    if (FoundNothingToAbort(subject, program, end)) {
        outcome.kind = LineOutcome::Kind::NothingToAbort;
    } else if (end.failed()) {
        std::string advice;
        if (end.how == ToolEnd::How::NotStarted) {
            report_ << StartFailureReport(toolLine, end.detail) << std::endl;
        } else {
            std::string line =
                "ZT-VOLTRAIL: failed " + QuoteCommand(windowsLine) + ": " + StatusText(program, end);
            if (!end.lastErrorLine.empty())
                line += ": " + end.lastErrorLine;
            report_ << ReportLine(line) << std::endl;
            advice = FailureAdvice(subject, program, end);
            if (!advice.empty())
                report_ << ReportLine("ZT-VOLTRAIL: hint: " + advice) << std::endl;
        }
        const std::string reason = ToolEndReason(program, end);
        outcome = {LineOutcome::Kind::Failed, SafeLine(reason), advice};
        Notify(press, {subject, windowsLine, reason, advice});
    }
    LineEnded(press);
    return outcome;
}

void ShutdownFailureReporter::Notify(std::uint64_t press, ShutdownFailure failure)
{
    auto it = Find(press);
    if (it == presses_.end()) {
        // Forgotten beyond the limit: a notification of its own.
        notifier_.Show(press, Compose(std::span(&failure, 1), 1));
        notifier_.Forget(press);
        return;
    }
    ++it->total;
    if (it->failures.size() < kListedFailures)
        it->failures.push_back(std::move(failure));
    notifier_.Show(press, Compose(it->failures, it->total));
}

Notification ShutdownFailureReporter::Compose(std::span<const ShutdownFailure> failures, size_t total) const
{
    return notifier_.form() == DesktopNotifier::Form::Brief ? ComposeBriefFailureNotice(failures, total)
                                                            : ComposeFailureNotice(failures, total);
}

void ShutdownFailureReporter::LineEnded(std::uint64_t press)
{
    const auto it = Find(press);
    if (it == presses_.end())
        return;
    if (it->running > 0)
        --it->running;
    if (it->running == 0 && std::next(it) != presses_.end())
        Forget(it);
}

std::deque<ShutdownFailureReporter::Press>::iterator ShutdownFailureReporter::Find(std::uint64_t press)
{
    return std::find_if(presses_.begin(), presses_.end(), [&](const Press& p) { return p.id == press; });
}

void ShutdownFailureReporter::Forget(std::deque<Press>::iterator press)
{
    if (press->total > 0)
        notifier_.Forget(press->id);
    presses_.erase(press);
}

} // namespace voltrail
