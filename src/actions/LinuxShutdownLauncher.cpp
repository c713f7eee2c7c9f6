#include "actions/LinuxShutdownLauncher.h"

#include "actions/WindowsCommandLineQuoting.h"

#include <cstdio>

namespace voltrail {

namespace {

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

} // namespace

LinuxShutdownLauncher::LinuxShutdownLauncher(ShellLauncher& inner, LocalSession session, std::ostream& report)
    : inner_(inner), session_(std::move(session)), report_(report)
{
}

void LinuxShutdownLauncher::Launch(const std::string& commandLine, std::int16_t windowStyle)
{
    const ShutdownTranslation translation = TranslateShutdownCommand(commandLine, session_);
    switch (translation.outcome) {
    case ShutdownTranslation::Outcome::NotShutdown:
        inner_.Launch(commandLine, windowStyle);
        return;
    case ShutdownTranslation::Outcome::Refuse:
        report_ << "ZT-VOLTRAIL: not carried out \"" << Printable(commandLine)
                << "\": " << Printable(translation.reason) << std::endl;
        return;
    case ShutdownTranslation::Outcome::Start:
        break;
    }
    // The inner launcher splits the line by the same rules, so the tool gets
    // exactly these words, whatever they hold.
    const auto line = JoinWindowsCommandLine(translation.words);
    if (!line) {
        report_ << "ZT-VOLTRAIL: not carried out \"" << Printable(commandLine)
                << "\": the local command cannot be written as a command line" << std::endl;
        return;
    }
    inner_.Launch(*line, kStyleHidden);
}

} // namespace voltrail
