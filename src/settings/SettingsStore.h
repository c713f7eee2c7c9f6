#pragma once

#include "settings/SettingsBackend.h"

#include <cstdint>
#include <string>

namespace voltrail {

// Typed access to the per-user store. Every read names its own default; a key
// that is absent, or whose text does not convert, yields that default.
class SettingsStore {
public:
    explicit SettingsStore(SettingsBackend& backend) : backend_(backend) {}

    std::string ReadValue(const std::string& key, const std::string& defaultText) const;
    void WriteValue(const std::string& key, const std::string& text);

    float LoadNumber(const std::string& key, int defaultValue) const;
    void SaveNumber(const std::string& key, float value);

    std::int16_t LoadTick(const std::string& key, int defaultValue) const;
    void SaveTick(const std::string& key, std::int16_t value);

    std::string LoadText(const std::string& key, const std::string& defaultText) const;
    void SaveText(const std::string& key, const std::string& text);

    // Called once at the end of every handler that writes.
    void Flush();
    // Called once at the start of every window's load: no value read before
    // stands in for what is stored now.
    void Refresh();

private:
    SettingsBackend& backend_;
};

} // namespace voltrail
