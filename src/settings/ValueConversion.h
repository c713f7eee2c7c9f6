#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace voltrail {

// Stored numbers are single-precision; stored ticks are 16-bit integers.
// Text that does not convert (or is out of range, or not finite) gives nothing,
// so the caller can fall back to its default.
std::optional<float> ParseNumber(std::string_view text);
std::optional<std::int16_t> ParseTick(std::string_view text);

// At most seven significant digits, shortest form, never locale dependent.
std::string FormatNumber(float value);
std::string FormatTick(std::int16_t value);

} // namespace voltrail
