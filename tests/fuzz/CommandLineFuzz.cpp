// Splitting, joining and quoting Windows command lines: every line splits
// into a program word and its arguments, joining those words gives a line
// that splits back into exactly them (or nothing, when the program word holds
// a quote), and a quoted word reads back as itself.
#include "FuzzCheck.h"
#include "actions/WindowsCommandLine.h"
#include "actions/WindowsCommandLineQuoting.h"

#include <cstddef>
#include <cstdint>

using namespace voltrail;
using fuzz::Shown;

namespace {

void CheckJoinReadsBack(const std::vector<std::string>& words)
{
    const auto line = JoinWindowsCommandLine(words);
    const bool writable = words.front().find('"') == std::string::npos;
    FUZZ_CHECK(line.has_value() == writable,
               "a line exactly when the program word holds no quote: " + Shown(words));
    if (line)
        FUZZ_CHECK(SplitWindowsCommandLine(*line) == words, *line + " should split into " + Shown(words));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);

    // The input as a line.
    const auto words = SplitWindowsCommandLine(input);
    FUZZ_CHECK(!words.empty(), "every line has a program word");
    CheckJoinReadsBack(words);
    for (size_t i = 1; i < words.size(); ++i) {
        FUZZ_CHECK(!words[i].empty() || input.find('"') != std::string::npos,
                   "an empty argument needs quotes");
        const auto quoted = SplitWindowsCommandLine("p " + QuoteWindowsArgument(words[i]));
        FUZZ_CHECK(quoted == (std::vector<std::string>{"p", words[i]}), "quoting reads back: " + words[i]);
    }

    // The input as words, one per NUL-separated piece.
    std::vector<std::string> pieces{""};
    for (const char c : input) {
        if (c == '\0')
            pieces.emplace_back();
        else
            pieces.back() += c;
    }
    CheckJoinReadsBack(pieces);
    return 0;
}
