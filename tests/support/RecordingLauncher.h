#pragma once

#include "actions/ShellLauncher.h"
#include "actions/ToolLauncher.h"

#include <string>
#include <vector>

namespace voltrail::test {

// Records every launch instead of starting anything. A tool launch is recorded
// as hidden, and keeps its end handler for the test to call; so does a watched
// launch its outcome handler. Presses are counted.
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

    void BeginPress() override { ++presses; }

    void LaunchWatched(const std::string& commandLine, OutcomeHandler onOutcome) override
    {
        launched.push_back({commandLine, kStyleHidden});
        outcomes.push_back(std::move(onOutcome));
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
    std::vector<EndHandler> ends;         // one per tool launch, in order
    std::vector<OutcomeHandler> outcomes; // one per watched launch, in order
    int presses = 0;
};

} // namespace voltrail::test
