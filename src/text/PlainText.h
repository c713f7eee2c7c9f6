#pragma once

#include <string>
#include <string_view>

namespace voltrail {

// Text that came from a tool or from a person's typing, made fit for a desktop
// notification: valid UTF-8, no control characters but line ends.

// Every malformed UTF-8 sequence becomes U+FFFD; every control character
// except '\n' becomes a blank ('\t') or U+FFFD (the others).
std::string SafeUtf8(std::string_view text);

// SafeUtf8, and line ends become blanks.
std::string SafeLine(std::string_view text);

// At most `maxBytes` bytes of valid UTF-8 `text`, cut between characters;
// "…" ends a text that was cut (within the limit).
std::string TruncateUtf8(std::string_view text, size_t maxBytes);

// Notification bodies may be read as markup: '<', '>' and '&' are written as
// entities so that they show as themselves.
std::string EscapeMarkup(std::string_view text);

} // namespace voltrail
