#pragma once

#include "actions/ShellLauncher.h"
#include "linuxlayer/ToolLauncher.h"

#include <string>
#include <vector>

namespace voltrail::test {

// Records every launch instead of starting anything. A tool launch is recorded
// as hidden, and keeps its end handler for the test to call.
class RecordingLauncher final : public ShellLauncher, public ToolLauncher {
public:
    struct Launched {
        std::string commandLine;
        std::int16_t style;
        bool operator==(const Launched&) const = default;
    };

    void Launch(const std::string& commandLine, std::int16_t windowStyle) override
    {
        launched.push_back({commandLine, windowStyle});
    }

    void LaunchTool(const std::string& commandLine, EndHandler onEnd) override
    {
        launched.push_back({commandLine, kStyleHidden});
        ends.push_back(std::move(onEnd));
    }

    std::vector<std::string> lines() const
    {
        std::vector<std::string> out;
        for (const auto& l : launched)
            out.push_back(l.commandLine);
        return out;
    }

    std::vector<Launched> launched;
    std::vector<EndHandler> ends; // one per tool launch, in order
};

} // namespace voltrail::test
