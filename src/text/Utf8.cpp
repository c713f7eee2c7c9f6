#include "text/Utf8.h"

#include <algorithm>
#include <iterator>

namespace voltrail {

namespace {

struct CodePointRange {
    char32_t first;
    char32_t last;
};

#include "text/InvisibleCodePoints.inc"

// The tables are sorted and their ranges do not overlap.
template <size_t N> bool InRanges(const CodePointRange (&table)[N], char32_t cp)
{
    const auto* after = std::upper_bound(std::begin(table), std::end(table), cp,
                                         [](char32_t c, const CodePointRange& r) { return c < r.first; });
    return after != std::begin(table) && cp <= std::prev(after)->last;
}

} // namespace

std::optional<char32_t> NextCodePoint(std::string_view s, size_t& i)
{
    const auto lead = static_cast<unsigned char>(s[i]);
    size_t length = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        length = 1;
        cp = lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        cp = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (i + length > s.size())
        return std::nullopt;
    for (size_t k = 1; k < length; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80)
            return std::nullopt;
        cp = (cp << 6) | (c & 0x3F);
    }
    static constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kShortest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return std::nullopt;
    i += length;
    return cp;
}

bool IsControl(char32_t cp)
{
    return cp < 0x20 || (cp >= 0x7F && cp < 0xA0);
}

bool IsInvisibleFormat(char32_t cp)
{
    return InRanges(kInvisibleFormat, cp);
}

bool IsForeignBlank(char32_t cp)
{
    return InRanges(kForeignBlanks, cp);
}

} // namespace voltrail
