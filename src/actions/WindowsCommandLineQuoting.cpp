#include "actions/WindowsCommandLineQuoting.h"

namespace voltrail {

namespace {

bool HasBlank(std::string_view s)
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
        return std::string();

    const std::string& program = words.front();
    std::string line;
    if (!program.empty() && !HasBlank(program) && program.front() != '"') {
        line = program;
    } else if (program.find('"') == std::string::npos) {
        line = "\"" + program + "\"";
    } else {
        return std::nullopt;
    }
    for (size_t i = 1; i < words.size(); ++i) {
        line += ' ';
        line += QuoteWindowsArgument(words[i]);
    }
    return line;
}

} // namespace voltrail
