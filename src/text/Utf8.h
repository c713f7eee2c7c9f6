#pragma once

#include <optional>
#include <string_view>

namespace voltrail {

// Decodes the UTF-8 sequence at s[i] and moves i past it. Nothing, and i
// unchanged, when the sequence is malformed, overlong, a surrogate or beyond
// U+10FFFF.
std::optional<char32_t> NextCodePoint(std::string_view s, size_t& i);

// C0 and C1 controls and DEL.
bool IsControl(char32_t cp);

// Characters that show nothing themselves but change how text around them
// shows: Unicode's format characters (category Cf: bidi embeddings,
// overrides, isolates and marks, zero-width spaces and joiners, invisible
// operators, tags, the soft hyphen, the byte order mark) and its default
// ignorables (variation selectors, fillers). A name holding one can read as
// another name. Taken from the Unicode data by
// scripts/generate-invisible-code-points.py.
bool IsInvisibleFormat(char32_t cp);

// Unicode's space, line and paragraph separators other than the ASCII space.
bool IsForeignBlank(char32_t cp);

} // namespace voltrail
