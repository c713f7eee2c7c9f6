#include "settings/SettingsStore.h"

#include "settings/ValueConversion.h"

namespace voltrail {

std::string SettingsStore::ReadValue(const std::string& key, const std::string& defaultText) const
{
    return backend_.Read(key).value_or(defaultText);
}

void SettingsStore::WriteValue(const std::string& key, const std::string& text)
{
    backend_.Write(key, text);
}

float SettingsStore::LoadNumber(const std::string& key, int defaultValue) const
{
    const auto parsed = ParseNumber(ReadValue(key, std::to_string(defaultValue)));
    return parsed ? *parsed : static_cast<float>(defaultValue);
}

void SettingsStore::SaveNumber(const std::string& key, float value)
{
    WriteValue(key, FormatNumber(value));
}

std::int16_t SettingsStore::LoadTick(const std::string& key, int defaultValue) const
{
    const auto parsed = ParseTick(ReadValue(key, std::to_string(defaultValue)));
    return parsed ? *parsed : static_cast<std::int16_t>(defaultValue);
}

void SettingsStore::SaveTick(const std::string& key, std::int16_t value)
{
    WriteValue(key, FormatTick(value));
}

std::string SettingsStore::LoadText(const std::string& key, const std::string& defaultText) const
{
    return ReadValue(key, defaultText);
}

void SettingsStore::SaveText(const std::string& key, const std::string& text)
{
    WriteValue(key, text);
}

void SettingsStore::Flush()
{
    backend_.Flush();
}

void SettingsStore::Refresh()
{
    backend_.Refresh();
}

} // namespace voltrail
