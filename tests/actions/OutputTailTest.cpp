#include "actions/OutputTail.h"

#include <gtest/gtest.h>

using namespace voltrail;

namespace {
const std::string kCut = "\xE2\x80\xA6"; // "…" where a line's start was dropped
}

TEST(OutputTail, LastLineIsTheLastOneWithText)
{
    struct Case {
        std::vector<std::string> writes;
        std::string last;
    };
    const Case cases[] = {
        {{}, ""},
        {{"\n\n  \n"}, ""},
        {{"Interactive authentication required.\n"}, "Interactive authentication required."},
        {{"Could not connect to server 127.0.0.2\n", "Connection failed: NT_STATUS_CONNECTION_REFUSED\n"},
         "Connection failed: NT_STATUS_CONNECTION_REFUSED"},
        // Written in pieces, with trailing blank lines and CRLF ends.
        {{"first\nsec", "ond line", "\r\n\r\n   \n"}, "second line"},
        {{"  indented\t \n"}, "indented"},
        {{"no newline at the end"}, "no newline at the end"},
        // Made safe: invalid UTF-8 and control characters.
        {{"bad \xFF\xFE bytes \x1b[31mred\n"}, "bad \xEF\xBF\xBD\xEF\xBF\xBD bytes \\x1B[31mred"},
        {{"tab\tinside\n"}, "tab inside"},
    };
    for (const auto& c : cases) {
        OutputTail tail;
        std::string all;
        for (const auto& w : c.writes) {
            tail.Append(w);
            all += w;
        }
        EXPECT_EQ(tail.LastLine(), c.last) << all;
    }
}

TEST(OutputTail, KeepsOnlyItsCapacityHoweverMuchIsWritten)
{
    struct Case {
        size_t capacity;
        std::string chunk;
        size_t times;
        std::string end; // written last
        std::string last;
    };
    const Case cases[] = {
        // Megabytes of noise, then the line that matters.
        {4096, std::string(1000, 'x') + "\n", 4000, "real error\n", "real error"},
        // One chunk larger than the whole capacity.
        {64, std::string(1 << 20, 'y'), 1, "\nend\n", "end"},
        // A last line longer than what is kept: its start is gone.
        {16, "", 0, std::string(100, 'z') + "\n", kCut + std::string(15, 'z')},
        // The cut falls inside a character: the rest of it is skipped, not garbled.
        {8, "", 0, "日日日日\n", kCut + "日日"},
        // A line longer than kLongestLine is cut off at its end.
        {4096, "", 0, std::string(500, 'w') + "\n",
         std::string(OutputTail::kLongestLine - kCut.size(), 'w') + kCut},
        // Exactly the capacity is not a cut.
        {6, "", 0, "exact\n", "exact"},
    };
    for (const auto& c : cases) {
        OutputTail tail(c.capacity);
        for (size_t i = 0; i < c.times; ++i) {
            tail.Append(c.chunk);
            ASSERT_LE(tail.kept().size(), c.capacity);
        }
        tail.Append(c.end);
        EXPECT_LE(tail.kept().size(), c.capacity);
        EXPECT_EQ(tail.LastLine(), c.last) << c.capacity;
    }
}
