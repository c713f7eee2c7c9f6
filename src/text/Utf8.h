#pragma once

#include <optional>
#include <string_view>

namespace voltrail {

// Decodes the UTF-8 sequence at s[i] and moves i past it. Nothing, and i
// unchanged, when the sequence is malformed, overlong, a surrogate or beyond
// U+10FFFF.
std::optional<char32_t> NextCodePoint(std::string_view s, size_t& i);

} // namespace voltrail
