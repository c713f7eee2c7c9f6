#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace voltrail {

// Text that came from a tool or from a person's typing, made inert wherever it
// is shown (a terminal, a desktop notification): valid UTF-8, nothing that a
// terminal obeys or that turns the text around.

// Every malformed UTF-8 sequence becomes U+FFFD; a tab becomes a blank; other
// C0 and C1 controls and invisible format characters are written out as
// escapes ("\x1B", "\x85", "\u202E"), so that they are seen, not obeyed.
// '\n' is kept.
std::string SafeUtf8(std::string_view text);

// SafeUtf8, and line ends become blanks.
std::string SafeLine(std::string_view text);

// At most `maxBytes` bytes of valid UTF-8 `text`, cut between characters;
// "…" ends a text that was cut (within the limit).
std::string TruncateUtf8(std::string_view text, size_t maxBytes);

// At most `maxChars` characters of `text` (a malformed byte counts as one),
// the last of them "…" when it was cut.
std::string TruncateChars(std::string_view text, size_t maxChars);

// A typed word as a message quotes it: in double quotes, at most
// kLongestQuote characters of it.
std::string QuoteTyped(std::string_view word);
inline constexpr size_t kLongestQuote = 64;

// A command line as a report quotes it: SafeLine, in double quotes, at most
// kLongestQuotedCommand characters of it.
std::string QuoteCommand(std::string_view commandLine);
inline constexpr size_t kLongestQuotedCommand = 400;

// The longest line of ours on stderr, in characters.
inline constexpr size_t kLongestReportLine = 1000;

// One line for stderr: SafeLine, at most kLongestReportLine characters.
std::string ReportLine(std::string_view text);

// Notification bodies may be read as markup: '<', '>' and '&' are written as
// entities so that they show as themselves.
std::string EscapeMarkup(std::string_view text);

// A-Z as a-z; every other byte as it is.
std::string AsciiLower(std::string_view text);

} // namespace voltrail
