#include "actions/ProcessLauncher.h"

#include "actions/ProcessStart_unix.h"
#include "actions/StartFailureReport.h"

#include <cstdio>

namespace voltrail {

void ProcessLauncher::Launch(const std::string& commandLine, std::int16_t windowStyle)
{
    // The child starts a session of its own, with default signal handling and
    // nothing of ours but the environment.
    const ProcessStart started = StartCommandLine(commandLine, {.hidden = windowStyle == kStyleHidden});
    if (!started.problem.empty()) {
        // Typed text goes to a terminal: shown, never obeyed.
        std::fprintf(stderr, "%s\n", StartFailureReport(commandLine, started.problem).c_str());
        return;
    }
    children_.Add(started.pid);
}

} // namespace voltrail
