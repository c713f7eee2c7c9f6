#pragma once

#include "actions/ShellLauncher.h"

#include <string>
#include <vector>

namespace voltrail::test {

// Records every launch instead of starting anything.
class RecordingLauncher final : public ShellLauncher {
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

    std::vector<std::string> lines() const
    {
        std::vector<std::string> out;
        for (const auto& l : launched)
            out.push_back(l.commandLine);
        return out;
    }

    std::vector<Launched> launched;
};

} // namespace voltrail::test
