#include "actions/WindowsCommandLineQuoting.h"
#include "actions/WindowsCommandLine.h"

#include <gtest/gtest.h>

using voltrail::JoinWindowsCommandLine;
using voltrail::QuoteWindowsArgument;
using voltrail::SplitWindowsCommandLine;
using Words = std::vector<std::string>;

TEST(WindowsCommandLineQuoting, SplittingGivesBackExactlyTheWords)
{
    const Words cases[] = {
        {"net", "rpc", "shutdown", "-S", "SRV01", "-t", "30", "-r", "-f"},
        {"prog", ""},
        {"prog", "", "", "x"},
        {"prog", "a b", "\ttab"},
        {"prog", "\"", "\"\"", "a\"b", "\"quoted\""},
        {"prog", "\\", "\\\\", "a\\", "a\\\\", "\\\"", "\\\\\"", "end\\ x\\"},
        {"prog", "\\\\SRV", "\\\\\\SRV", "C:\\dir\\"},
        {"prog", "&", "calc;$(id)", "`x`", "|", ">", "%PATH%", "!x!", "^"},
        {"prog", "Zürich-日本", "line\nbreak"},
        {"C:\\Program Files\\x.exe", "/q"},
        {"my prog", "a"},
        {"", "a"},
        {""},
        {"C:\\My Dir\\", "x"},
        {"C:\\My Dir\\\\", "\\"},
        {"C:\\dir\\", "x y"},
        {"\t", "x"},
        {"prog"},
    };
    for (const auto& words : cases) {
        const auto line = JoinWindowsCommandLine(words);
        ASSERT_TRUE(line.has_value()) << words.front();
        EXPECT_EQ(SplitWindowsCommandLine(*line), words) << *line;
    }
}

TEST(WindowsCommandLineQuoting, PlainWordsStayBareAndOthersAreQuoted)
{
    EXPECT_EQ(QuoteWindowsArgument("poweroff"), "poweroff");
    EXPECT_EQ(QuoteWindowsArgument("a\\b"), "a\\b");
    EXPECT_EQ(QuoteWindowsArgument(""), "\"\"");
    EXPECT_EQ(QuoteWindowsArgument("a b\\"), "\"a b\\\\\"");
    EXPECT_EQ(QuoteWindowsArgument("a\\\"b"), "\"a\\\\\\\"b\"");
    EXPECT_EQ(*JoinWindowsCommandLine({"systemctl", "poweroff"}), "systemctl poweroff");
    EXPECT_EQ(*JoinWindowsCommandLine({"C:\\My Dir\\", "x"}), "\"C:\\My Dir\"\\ x");
    EXPECT_EQ(*JoinWindowsCommandLine({""}), "\"\"");
}

TEST(WindowsCommandLineQuoting, AProgramNameThatCannotBeWrittenGivesNothing)
{
    // Quotes in the program word are never part of the name, so a name that
    // holds one cannot be written; nor can a line of no words at all.
    const Words cases[] = {{"my \"prog\"", "a"}, {"\"prog", "a"}, {"p\"", "a"}, {"p\"q"}, {}};
    for (const auto& words : cases)
        EXPECT_FALSE(JoinWindowsCommandLine(words).has_value()) << (words.empty() ? "" : words.front());
}
