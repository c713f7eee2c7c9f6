#include "text/PlainText.h"

#include "text/Utf8.h"

#include <cstdio>

namespace voltrail {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD
constexpr std::string_view kEllipsis = "\xE2\x80\xA6";    // U+2026

std::string Escape(char32_t cp)
{
    char escaped[12];
    if (cp <= 0xFF)
        std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned>(cp));
    else if (cp <= 0xFFFF)
        std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(cp));
    else
        std::snprintf(escaped, sizeof escaped, "\\U%08X", static_cast<unsigned>(cp));
    return escaped;
}

std::string Clean(std::string_view text, bool keepLineEnds)
{
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const size_t start = i;
        const auto cp = NextCodePoint(text, i);
        if (!cp) {
            out += kReplacement;
            ++i; // one byte at a time, so the next good character is kept
            continue;
        }
        if (*cp == '\n')
            out += keepLineEnds ? '\n' : ' ';
        else if (*cp == '\t')
            out += ' ';
        else if (IsControl(*cp) || IsInvisibleFormat(*cp))
            out += Escape(*cp);
        else
            out += text.substr(start, i - start);
    }
    return out;
}

} // namespace

std::string SafeUtf8(std::string_view text)
{
    return Clean(text, true);
}

std::string SafeLine(std::string_view text)
{
    return Clean(text, false);
}

std::string TruncateUtf8(std::string_view text, size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return std::string(text);
    if (maxBytes < kEllipsis.size())
        return {};
    size_t end = maxBytes - kEllipsis.size();
    // Back up to the start of a character: continuation bytes are 10xxxxxx.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return std::string(text.substr(0, end)) + std::string(kEllipsis);
}

std::string TruncateChars(std::string_view text, size_t maxChars)
{
    if (text.size() <= maxChars)
        return std::string(text); // fewer bytes than that: fewer characters too
    if (maxChars == 0)
        return {};
    size_t i = 0;
    size_t chars = 0;
    size_t keep = 0; // the bytes that leave room for "…"
    while (i < text.size()) {
        if (chars == maxChars)
            return std::string(text.substr(0, keep)) + std::string(kEllipsis);
        if (!NextCodePoint(text, i))
            ++i;
        if (++chars + 1 == maxChars)
            keep = i;
    }
    return std::string(text);
}

std::string QuoteTyped(std::string_view word)
{
    return "\"" + TruncateChars(word, kLongestQuote) + "\"";
}

std::string QuoteCommand(std::string_view commandLine)
{
    return "\"" + TruncateChars(SafeLine(commandLine), kLongestQuotedCommand) + "\"";
}

std::string ReportLine(std::string_view text)
{
    return TruncateChars(SafeLine(text), kLongestReportLine);
}

std::string EscapeMarkup(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '&':
            out += "&amp;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string AsciiLower(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

} // namespace voltrail
