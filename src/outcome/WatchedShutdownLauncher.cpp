#include "outcome/WatchedShutdownLauncher.h"

#include "outcome/FailureAdvice.h"

namespace voltrail {

WatchedShutdownLauncher::WatchedShutdownLauncher(ShellLauncher& inner, ToolLauncher& tools,
                                                 std::shared_ptr<ShutdownFailureReporter> reporter)
    : inner_(inner), tools_(tools), reporter_(std::move(reporter))
{
}

void WatchedShutdownLauncher::Launch(const std::string& commandLine, std::int16_t windowStyle)
{
    if (windowStyle != kStyleHidden) {
        inner_.Launch(commandLine, windowStyle);
        return;
    }
    LaunchWatched(commandLine, {});
}

void WatchedShutdownLauncher::BeginPress()
{
    reporter_->PressBegins();
}

void WatchedShutdownLauncher::LaunchWatched(const std::string& commandLine, OutcomeHandler onOutcome)
{
    const auto subject = ReadShutdownSubject(commandLine);
    if (!subject) {
        inner_.Launch(commandLine, kStyleHidden);
        return;
    }
    const std::uint64_t press = reporter_->LineArrived();
    tools_.LaunchTool(commandLine, [reporter = std::weak_ptr(reporter_), press, commandLine,
                                    subject = *subject,
                                    onOutcome = std::move(onOutcome)](const ToolEnd& end) {
        const auto live = reporter.lock();
        if (!live)
            return;
        const LineOutcome outcome = live->ToolEnded(press, commandLine, subject, commandLine,
                                                    std::string(kWindowsShutdownProgram), end);
        if (onOutcome)
            onOutcome(outcome);
    });
}

} // namespace voltrail
