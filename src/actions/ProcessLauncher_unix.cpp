#include "actions/ProcessLauncher.h"

#include "actions/ProcessStart_unix.h"
#include "text/PlainText.h"

#include <cstdio>

namespace voltrail {

void ProcessLauncher::Launch(const std::string& commandLine, std::int16_t windowStyle)
{
    // The child starts a session of its own, with default signal handling and
    // nothing of ours but the environment.
    const ProcessStart started = StartCommandLine(commandLine, {.hidden = windowStyle == kStyleHidden});
    if (!started.problem.empty()) {
        // Typed text goes to a terminal: shown, never obeyed.
        const std::string line =
            "ZT-VOLTRAIL: cannot start " + QuoteCommand(commandLine) + ": " + started.problem;
        std::fprintf(stderr, "%s\n", ReportLine(line).c_str());
        return;
    }
    children_.Add(started.pid);
}

} // namespace voltrail
