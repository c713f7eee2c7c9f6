#pragma once

#include "settings/SettingsBackend.h"

#include <map>
#include <string>
#include <vector>

namespace voltrail::test {

// An in-memory store that also records every write, in order.
class MemorySettingsBackend final : public SettingsBackend {
public:
    std::optional<std::string> Read(const std::string& key) override
    {
        const auto it = values.find(key);
        if (it == values.end())
            return std::nullopt;
        return it->second;
    }

    void Write(const std::string& key, const std::string& value) override
    {
        values[key] = value;
        writes.push_back(key);
    }

    void Flush() override { ++flushes; }
    void Refresh() override { ++refreshes; }

    bool has(const std::string& key) const { return values.count(key) != 0; }

    std::map<std::string, std::string> values;
    std::vector<std::string> writes;
    int flushes = 0;
    int refreshes = 0;
};

} // namespace voltrail::test
