#include "actions/WindowsCommandLine.h"

#include <gtest/gtest.h>

using voltrail::SplitWindowsCommandLine;
using Words = std::vector<std::string>;

TEST(WindowsCommandLine, SplitsAsAWindowsProgramWould)
{
    struct Case {
        const char* line;
        Words words;
    };
    const Case cases[] = {
        {"shutdown /s /t 0", {"shutdown", "/s", "/t", "0"}},
        {"shutdown.exe /i", {"shutdown.exe", "/i"}},
        {"shutdown /a /m \\\\", {"shutdown", "/a", "/m", "\\\\"}},
        {"shutdown /s /m \\\\SRV01 /t 30", {"shutdown", "/s", "/m", "\\\\SRV01", "/t", "30"}},
        {"shutdown /s /m \\\\ /t ", {"shutdown", "/s", "/m", "\\\\", "/t"}},
        {"shutdown /a /m \\\\PC & calc", {"shutdown", "/a", "/m", "\\\\PC", "&", "calc"}},
        {"shutdown /a /m \\\\a;b", {"shutdown", "/a", "/m", "\\\\a;b"}},
        {"shutdown /a /m \\\\$(x)", {"shutdown", "/a", "/m", "\\\\$(x)"}},
        {"shutdown /a /m \\\\\"quoted\"", {"shutdown", "/a", "/m", "\\quoted"}},
        {"shutdown /a /m \\\\\\SRV", {"shutdown", "/a", "/m", "\\\\\\SRV"}},
        {"shutdown /a /m \\\\  SRV  ", {"shutdown", "/a", "/m", "\\\\", "SRV"}},
        {"shutdown /a /m \\\\Zürich", {"shutdown", "/a", "/m", "\\\\Zürich"}},
        {"a \"b c\" d", {"a", "b c", "d"}},
        {"a \\\"b", {"a", "\"b"}},
        {"a \\\\\\\"b", {"a", "\\\"b"}},
        {"a \"\"", {"a", ""}},
        {"a \"x\"\"y\"", {"a", "x\"y"}},
        {"a b\\c\\", {"a", "b\\c\\"}},
        {"\"C:\\Program Files\\x.exe\" /q", {"C:\\Program Files\\x.exe", "/q"}},
        {"prog\targ", {"prog", "arg"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitWindowsCommandLine(c.line), c.words) << c.line;
}

// The program word by the C runtime's rule: quotes switch quoting and are
// dropped, backslashes are plain, and a leading blank leaves it empty.
TEST(WindowsCommandLine, ReadsTheProgramWordAsTheCRuntimeDoes)
{
    struct Case {
        const char* line;
        Words words;
    };
    const Case cases[] = {
        {"\"p\"q r", {"pq", "r"}},
        {"a\"b c\"", {"ab c"}},
        {"a\"b c\" d", {"ab c", "d"}},
        {"\"C:\\My Dir\\\" x", {"C:\\My Dir\\", "x"}},
        {"\"C:\\My Dir\"\\ x", {"C:\\My Dir\\", "x"}},
        {"C:\\dir\\\" x", {"C:\\dir\\ x"}},
        {"p\\\"q r\" s", {"p\\q r", "s"}},
        {"\"\"\"\" x", {"", "x"}},
        {"\"unclosed x y", {"unclosed x y"}},
        {"\"shut\"down /s", {"shutdown", "/s"}},
        {" shutdown /s /t 0", {"", "shutdown", "/s", "/t", "0"}},
        {"\t prog\targ", {"", "prog", "arg"}},
        {"", {""}},
        {"   ", {""}},
        {"\"\"", {""}},
        {"\"", {""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitWindowsCommandLine(c.line), c.words) << c.line;
}
