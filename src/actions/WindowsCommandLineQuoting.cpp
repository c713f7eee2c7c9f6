#include "actions/WindowsCommandLineQuoting.h"

namespace voltrail {

namespace {

bool HasBlank(const std::string& s)
{
    return s.find_first_of(" \t") != std::string_view::npos;
}

} // namespace

std::string QuoteWindowsArgument(std::string_view word)
{
    if (!word.empty() && word.find_first_of(" \t\"") == std::string_view::npos)
        return std::string(word);

    std::string out = "\"";
    size_t backslashes = 0;
    for (const char c : word) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"') {
            // 2n+1 backslashes before a quote give n backslashes and the quote.
            out.append(backslashes * 2 + 1, '\\');
        } else {
            out.append(backslashes, '\\');
        }
        backslashes = 0;
        out += c;
    }
    // Before the closing quote, 2n backslashes give n.
    out.append(backslashes * 2, '\\');
    out += '"';
    return out;
}

std::optional<std::string> JoinWindowsCommandLine(const std::vector<std::string>& words)
{
    if (words.empty())
        return std::nullopt;

    // The program word has no escapes: its quotes only switch quoting, so a
    // quote in it cannot be written at all.
    const std::string& program = words.front();
    if (program.find('"') != std::string::npos)
        return std::nullopt;
    std::string line;
    if (!program.empty() && !HasBlank(program)) {
        line = program;
    } else {
        // Trailing backslashes go after the closing quote: read by the rules
        // of the other words, "C:\dir\" would escape it.
        const size_t end = program.find_last_not_of('\\') + 1;
        line = "\"" + program.substr(0, end) + "\"" + program.substr(end);
    }
    for (size_t i = 1; i < words.size(); ++i) {
        line += ' ';
        line += QuoteWindowsArgument(words[i]);
    }
    return line;
}

} // namespace voltrail
