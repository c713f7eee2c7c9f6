#include "linuxlayer/ShutdownFailureReporter.h"

#include <algorithm>
#include <cstdio>

namespace voltrail {

namespace {

// Late failures of older presses start afresh rather than growing them.
constexpr size_t kRememberedPresses = 4;

// Typed text goes to a terminal: control characters are shown, not obeyed.
std::string Printable(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", u);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out;
}

std::string StatusText(const std::string& program, const ToolEnd& end)
{
    switch (end.how) {
    case ToolEnd::How::NotStarted:
        return end.detail;
    case ToolEnd::How::Exited:
        return program + " ended with status " + std::to_string(end.code);
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

ShutdownFailureReporter::ShutdownFailureReporter(std::ostream& report, DesktopNotifier& notifier, Clock clock)
    : report_(report), notifier_(notifier), clock_(std::move(clock))
{
}

std::uint64_t ShutdownFailureReporter::LineArrived()
{
    return presses_.PressAt(clock_());
}

void ShutdownFailureReporter::Refused(std::uint64_t press, const std::string& windowsLine,
                                      const std::string& reason)
{
    report_ << "ZT-VOLTRAIL: not carried out \"" << Printable(windowsLine) << "\": " << Printable(reason)
            << std::endl;
    Notify(press, {DescribeShutdownLine(windowsLine), windowsLine, reason});
}

void ShutdownFailureReporter::Unwritable(std::uint64_t press, const std::string& windowsLine)
{
    Refused(press, windowsLine, "the local command cannot be written as a command line");
}

void ShutdownFailureReporter::ToolEnded(std::uint64_t press, const std::string& windowsLine,
                                        const std::string& toolLine, const std::string& program,
                                        const ToolEnd& end)
{
    if (!end.failed())
        return;
    if (end.how == ToolEnd::How::NotStarted) {
        report_ << "ZT-VOLTRAIL: cannot start \"" << Printable(toolLine) << "\": " << Printable(end.detail)
                << std::endl;
    } else {
        report_ << "ZT-VOLTRAIL: failed \"" << Printable(windowsLine) << "\": " << StatusText(program, end);
        if (!end.lastErrorLine.empty())
            report_ << ": " << end.lastErrorLine;
        report_ << std::endl;
    }
    Notify(press, {DescribeShutdownLine(windowsLine), windowsLine, ToolEndReason(program, end)});
}

void ShutdownFailureReporter::Notify(std::uint64_t press, ShutdownFailure failure)
{
    auto it = std::find_if(recent_.begin(), recent_.end(), [&](const Press& p) { return p.id == press; });
    if (it == recent_.end()) {
        recent_.push_back({press, {}, 0});
        if (recent_.size() > kRememberedPresses)
            recent_.pop_front();
        it = std::prev(recent_.end());
    }
    ++it->total;
    if (it->failures.size() < kListedFailures)
        it->failures.push_back(std::move(failure));
    notifier_.Show(press, ComposeFailureNotice(it->failures, it->total));
}

} // namespace voltrail
