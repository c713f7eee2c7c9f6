#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace voltrail {

// Splits a command line into words the way the Windows C runtime hands them
// to a program's main, so a line means the same to the program wherever it is
// started. There is always a first word, the program, possibly empty.
// The program word runs to the first blank or tab outside quotes; quotes
// switch quoting on and off and are dropped; backslashes are plain
// characters. A line that starts with a blank therefore has an empty program
// word, and its first visible word is an argument.
// In the other words: blanks and tabs separate outside quotes; 2n backslashes
// before a quote give n backslashes and the quote opens or closes quoting;
// 2n+1 give n backslashes and a literal quote; "" inside quotes gives a quote
// and quoting goes on; other backslashes are plain.
std::vector<std::string> SplitWindowsCommandLine(std::string_view line);

} // namespace voltrail
