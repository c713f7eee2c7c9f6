#pragma once

#include "actions/ToolLauncher.h"

namespace voltrail {

// Starts a tool hidden and watches it from the event loop: its end is noticed
// as it happens (a pidfd, readable once the tool has ended) and collected
// then; the end of its standard error is kept, the rest read and dropped, so
// that the tool never blocks on it. A tool still running when the program
// ends is left running. Built once at start: it ignores SIGPIPE for the whole
// process, so that the tools it starts inherit it ignored, and puts back the
// default for a SIGCHLD inherited ignored, so that their ends can be seen.
class ToolProcessLauncher final : public ToolLauncher {
public:
    ToolProcessLauncher();
    void LaunchTool(const std::string& commandLine, EndHandler onEnd) override;
};

} // namespace voltrail
