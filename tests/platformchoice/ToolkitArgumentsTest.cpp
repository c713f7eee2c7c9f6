#include "platformchoice/ToolkitArguments.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using voltrail::ToolkitArguments;

TEST(ToolkitArguments, AreTheProgramNameAlone)
{
    const struct {
        std::vector<const char*> given; // argv without its closing null
        const char* name;
    } cases[] = {
        {{"/usr/bin/ZT-VOLTRAIL-V1"}, "/usr/bin/ZT-VOLTRAIL-V1"},
        {{"./copy", "-platform", "offscreen", "-stylesheet", "/etc/passwd"}, "./copy"},
        {{"ZT", "-session", "x", "--", ""}, "ZT"},
        {{""}, ""},
        // execve() with an empty vector: Qt needs a name all the same.
        {{}, "ZT-VOLTRAIL-V1"},
        {{nullptr, "-reverse"}, "ZT-VOLTRAIL-V1"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> words;
        std::vector<char*> argv;
        for (const char* word : c.given)
            words.push_back(word ? word : "");
        for (std::size_t i = 0; i < words.size(); ++i)
            argv.push_back(c.given[i] ? words[i].data() : nullptr);
        argv.push_back(nullptr);

        ToolkitArguments arguments(static_cast<int>(c.given.size()), argv.data());
        ASSERT_EQ(arguments.argc(), 1) << c.name;
        EXPECT_STREQ(arguments.argv()[0], c.name);
        EXPECT_EQ(arguments.argv()[1], nullptr) << c.name;
        if (!c.given.empty() && c.given[0]) {
            EXPECT_EQ(arguments.argv()[0], argv[0]) << "the name itself, where Qt and the settings look";
        }
    }
}
