#include "linuxlayer/LinuxShutdownLauncher.h"

#include "actions/WindowsCommandLineQuoting.h"

namespace voltrail {

LinuxShutdownLauncher::LinuxShutdownLauncher(ShellLauncher& inner, ToolLauncher& tools, LocalSession session,
                                             std::shared_ptr<ShutdownFailureReporter> reporter)
    : inner_(inner), tools_(tools), session_(std::move(session)), reporter_(std::move(reporter))
{
}

void LinuxShutdownLauncher::Launch(const std::string& commandLine, std::int16_t windowStyle)
{
    Carry(commandLine, windowStyle, {});
}

void LinuxShutdownLauncher::BeginPress()
{
    reporter_->PressBegins();
}

void LinuxShutdownLauncher::LaunchWatched(const std::string& commandLine, OutcomeHandler onOutcome)
{
    Carry(commandLine, kStyleHidden, std::move(onOutcome));
}

void LinuxShutdownLauncher::Carry(const std::string& commandLine, std::int16_t windowStyle,
                                  OutcomeHandler onOutcome)
{
    const ShutdownTranslation translation = TranslateShutdownCommand(commandLine, session_);
    if (translation.outcome == ShutdownTranslation::Outcome::NotShutdown) {
        inner_.Launch(commandLine, windowStyle);
        return;
    }
    const auto tell = [&onOutcome](const LineOutcome& outcome) {
        if (onOutcome)
            onOutcome(outcome);
    };
    const std::uint64_t press = reporter_->LineArrived();
    if (translation.outcome == ShutdownTranslation::Outcome::Refuse) {
        tell(reporter_->Refused(press, commandLine, translation.subject, translation.reason));
        return;
    }
    // The tool launcher splits the line by the same rules, so the tool gets
    // exactly these words, whatever they hold.
    const auto line = JoinWindowsCommandLine(translation.words);
    if (!line) {
        tell(reporter_->Unwritable(press, commandLine, translation.subject));
        return;
    }
    tools_.LaunchTool(*line, [reporter = std::weak_ptr(reporter_), press, commandLine, toolLine = *line,
                              subject = translation.subject, program = translation.words.front(),
                              onOutcome = std::move(onOutcome)](const ToolEnd& end) {
        const auto live = reporter.lock();
        if (!live)
            return;
        const LineOutcome outcome = live->ToolEnded(press, commandLine, subject, toolLine, program, end);
        if (onOutcome)
            onOutcome(outcome);
    });
}

} // namespace voltrail
