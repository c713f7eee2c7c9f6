#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace voltrail {

// Writes one argument so that SplitWindowsCommandLine reads it back unchanged:
// left bare when it holds no blank, tab or quote and is not empty; otherwise
// quoted, with backslashes doubled where they precede a quote or the closing
// quote and each quote escaped.
std::string QuoteWindowsArgument(std::string_view word);

// Joins words (program first) into a command line that the Windows C runtime,
// and so SplitWindowsCommandLine, splits back into exactly these words; or
// gives nothing when there is no such line: no words at all, or a program word
// holding a quote (quotes in the program word are never part of the name).
std::optional<std::string> JoinWindowsCommandLine(const std::vector<std::string>& words);

} // namespace voltrail
