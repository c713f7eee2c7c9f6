#include "settings/ValueConversion.h"

#include <charconv>
#include <cmath>

namespace voltrail {

namespace {

// Hand-edited stores may hold " 1000": blanks around a value are not part of it.
std::string_view TrimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// One sign at most: from_chars takes '-' but not '+', so a '+' is dropped
// here, and only when no other sign follows it.
std::optional<std::string_view> WithoutPlus(std::string_view text)
{
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && (text.front() == '+' || text.front() == '-'))
            return std::nullopt;
    }
    if (text.empty())
        return std::nullopt;
    return text;
}

constexpr int kMostDigits = 7;

// A decimal number as written: its significant digits (no trailing zeros)
// and the power of ten of the first one.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// The value rounded to `digits` significant digits.
Decimal RoundTo(float value, int digits)
{
    char buffer[64];
    const auto [ptr, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, digits - 1);
    const std::string_view text(buffer, ec == std::errc() ? static_cast<size_t>(ptr - buffer) : 0);
    Decimal d;
    size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        d.negative = true;
        ++i;
    }
    for (; i < text.size() && text[i] != 'e'; ++i) {
        if (text[i] != '.')
            d.digits += text[i];
    }
    if (i < text.size())
        std::from_chars(text.data() + i + (text[i + 1] == '+' ? 2 : 1), text.data() + text.size(),
                        d.exponent);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

// Written as printf's %.7g would place it: plain from 1e-4 up to below 1e7
// (so whole twips stay integers), with an exponent outside that.
std::string Written(const Decimal& d)
{
    std::string out = d.negative ? "-" : "";
    const int count = static_cast<int>(d.digits.size());
    if (d.exponent >= -4 && d.exponent < kMostDigits) {
        if (d.exponent < 0) {
            out += "0." + std::string(static_cast<size_t>(-d.exponent - 1), '0') + d.digits;
        } else if (count <= d.exponent + 1) {
            out += d.digits + std::string(static_cast<size_t>(d.exponent + 1 - count), '0');
        } else {
            out += d.digits.substr(0, static_cast<size_t>(d.exponent + 1)) + "." +
                   d.digits.substr(static_cast<size_t>(d.exponent + 1));
        }
        return out;
    }
    out += d.digits.substr(0, 1);
    if (count > 1)
        out += "." + d.digits.substr(1);
    const int magnitude = std::abs(d.exponent);
    out += d.exponent < 0 ? "e-" : "e+";
    if (magnitude < 10)
        out += '0';
    out += std::to_string(magnitude);
    return out;
}

// The fewest digits (at most seven) that read back as exactly this value.
std::optional<std::string> Shortest(float value)
{
    for (int digits = 1; digits <= kMostDigits; ++digits) {
        std::string text = Written(RoundTo(value, digits));
        if (ParseNumber(text) == value)
            return text;
    }
    return std::nullopt;
}

} // namespace

std::optional<float> ParseNumber(std::string_view text)
{
    const auto number = WithoutPlus(TrimBlanks(text));
    if (!number)
        return std::nullopt;
    float value = 0;
    const auto* end = number->data() + number->size();
    const auto [ptr, ec] = std::from_chars(number->data(), end, value, std::chars_format::general);
    if (ec != std::errc() || ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int16_t> ParseTick(std::string_view text)
{
    const auto number = WithoutPlus(TrimBlanks(text));
    if (!number)
        return std::nullopt;
    std::int16_t value = 0;
    const auto* end = number->data() + number->size();
    const auto [ptr, ec] = std::from_chars(number->data(), end, value);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

std::string FormatNumber(float value)
{
    if (value == 0)
        return "0";
    // Never stored by the program; written so that it reads back as absent.
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    if (auto text = Shortest(value))
        return *text;
    // Most floats need more than seven digits. Write the seven-digit value,
    // and write it as that value's own shortest text, so that saving what was
    // read gives the same text again.
    const std::string nearest = Written(RoundTo(value, kMostDigits));
    if (const auto read = ParseNumber(nearest)) {
        if (auto text = Shortest(*read))
            return *text;
    }
    return nearest;
}

std::string FormatTick(std::int16_t value)
{
    return std::to_string(value);
}

} // namespace voltrail
