#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace voltrail {

// Splits a command line into words the way a Windows program's start-up code
// does, so a line means the same to the program wherever it is started.
// The first word (the program) ends at the first blank, or at the closing
// quote when it starts with one; backslashes in it are plain characters. In
// the other words: blanks and tabs separate outside quotes; 2n backslashes
// before a quote give n backslashes and the quote opens or closes quoting;
// 2n+1 give n backslashes and a literal quote; "" inside quotes gives a quote;
// other backslashes are plain.
std::vector<std::string> SplitWindowsCommandLine(std::string_view line);

} // namespace voltrail
