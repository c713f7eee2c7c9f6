#include "text/PlainText.h"

#include <gtest/gtest.h>

using namespace voltrail;

namespace {
const std::string kBad = "\xEF\xBF\xBD"; // U+FFFD
}

TEST(PlainText, MalformedUtf8AndControlsBecomeSafe)
{
    struct Case {
        std::string in, safe, line;
    };
    const Case cases[] = {
        {"plain ascii", "plain ascii", "plain ascii"},
        {"Zürich-日本 🚀", "Zürich-日本 🚀", "Zürich-日本 🚀"},
        {"two\nlines", "two\nlines", "two lines"},
        {"tab\there", "tab here", "tab here"},
        // Controls are shown as escapes, never obeyed: C0, DEL and C1 alike.
        {"bell\a esc\x1b[2J del\x7f", "bell\\x07 esc\\x1B[2J del\\x7F", "bell\\x07 esc\\x1B[2J del\\x7F"},
        {"cr\r\n", "cr\\x0D\n", "cr\\x0D "},
        {"c1\xC2\x85x\xC2\x9B", "c1\\x85x\\x9B", "c1\\x85x\\x9B"},
        // Bidi controls and invisible marks, which could turn text around.
        {"a\u202Eb\u2066c\u200Bd\uFEFF", "a\\u202Eb\\u2066c\\u200Bd\\uFEFF",
         "a\\u202Eb\\u2066c\\u200Bd\\uFEFF"},
        {"tag\xF3\xA0\x80\x81", "tag\\U000E0001", "tag\\U000E0001"},
        {"hier\U00013430o\uFFF0x", "hier\\U00013430o\\uFFF0x", "hier\\U00013430o\\uFFF0x"},
        // A lone byte, a cut sequence, an overlong form, a surrogate, beyond U+10FFFF.
        {"a\xFF"
         "b",
         "a" + kBad + "b", "a" + kBad + "b"},
        {"cut\xE6\x97", "cut" + kBad + kBad, "cut" + kBad + kBad},
        {"over\xC0\xAF", "over" + kBad + kBad, "over" + kBad + kBad},
        {"sur\xED\xA0\x80", "sur" + kBad + kBad + kBad, "sur" + kBad + kBad + kBad},
        {"big\xF4\x90\x80\x80", "big" + kBad + kBad + kBad + kBad, "big" + kBad + kBad + kBad + kBad},
        {std::string("nul\0x", 5), "nul\\x00x", "nul\\x00x"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SafeUtf8(c.in), c.safe) << c.in;
        EXPECT_EQ(SafeLine(c.in), c.line) << c.in;
    }
}

TEST(PlainText, TruncationCutsBetweenCharactersAndSaysSo)
{
    struct Case {
        std::string in;
        size_t max;
        std::string out;
    };
    const Case cases[] = {
        {"short", 5, "short"},
        {"longer", 5, "lo\xE2\x80\xA6"},
        // "日" is three bytes: never cut in half.
        {"日本語", 8, "日\xE2\x80\xA6"},
        {"日本語", 9, "日本語"},
        {"aé", 3, "aé"},
        {"aébc", 4, "a\xE2\x80\xA6"},
        {"abc", 2, ""},
    };
    for (const auto& c : cases) {
        const std::string out = TruncateUtf8(c.in, c.max);
        EXPECT_EQ(out, c.out) << c.in << " " << c.max;
        EXPECT_LE(out.size(), c.max) << c.in;
        EXPECT_EQ(SafeUtf8(out), out) << c.in;
    }
}

TEST(PlainText, CharacterCountsCutTypedWords)
{
    EXPECT_EQ(TruncateChars("abcdef", 4), "abc\xE2\x80\xA6");
    EXPECT_EQ(TruncateChars("日本語日本", 3), "日本\xE2\x80\xA6");
    EXPECT_EQ(TruncateChars("日本語", 3), "日本語");
    EXPECT_EQ(TruncateChars("a\xFF\xFE"
                            "bc",
                            3),
              "a\xFF\xE2\x80\xA6");
    // A 32 KB time-out is quoted by its first 63 characters.
    EXPECT_EQ(QuoteTyped(std::string(32768, '9')), "\"" + std::string(63, '9') + "\xE2\x80\xA6\"");
    EXPECT_EQ(ReportLine(std::string(5000, 'x') + "\x1b").size(), 999u + 3u);
}

TEST(PlainText, MarkupCharactersAreWrittenAsEntities)
{
    struct Case {
        std::string in, out;
    };
    const Case cases[] = {
        {"<b>bold</b>", "&lt;b&gt;bold&lt;/b&gt;"},
        {"a & b", "a &amp; b"},
        {"&amp;", "&amp;amp;"},
        {"<a href=\"x\">", "&lt;a href=\"x\"&gt;"},
        {"no markup 'here'", "no markup 'here'"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EscapeMarkup(c.in), c.out) << c.in;
}
