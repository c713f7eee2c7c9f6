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
    const ShutdownTranslation translation = TranslateShutdownCommand(commandLine, session_);
    if (translation.outcome == ShutdownTranslation::Outcome::NotShutdown) {
        inner_.Launch(commandLine, windowStyle);
        return;
    }
    const std::uint64_t press = reporter_->LineArrived();
    if (translation.outcome == ShutdownTranslation::Outcome::Refuse) {
        reporter_->Refused(press, commandLine, translation.subject, translation.reason);
        return;
    }
    // The tool launcher splits the line by the same rules, so the tool gets
    // exactly these words, whatever they hold.
    const auto line = JoinWindowsCommandLine(translation.words);
    if (!line) {
        reporter_->Unwritable(press, commandLine, translation.subject);
        return;
    }
    tools_.LaunchTool(*line, [reporter = std::weak_ptr(reporter_), press, commandLine, toolLine = *line,
                              subject = translation.subject,
                              program = translation.words.front()](const ToolEnd& end) {
        if (const auto live = reporter.lock())
            live->ToolEnded(press, commandLine, subject, toolLine, program, end);
    });
}

} // namespace voltrail
