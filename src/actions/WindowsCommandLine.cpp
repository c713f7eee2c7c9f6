#include "actions/WindowsCommandLine.h"

namespace voltrail {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

std::vector<std::string> SplitWindowsCommandLine(std::string_view line)
{
    std::vector<std::string> words;
    size_t i = 0;
    const size_t n = line.size();

    // The program word: quotes only switch quoting, nothing is escaped.
    std::string program;
    bool quoted = false;
    for (; i < n && (quoted || !IsBlank(line[i])); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else
            program += line[i];
    }
    words.push_back(program);

    while (true) {
        while (i < n && IsBlank(line[i]))
            ++i;
        if (i == n)
            break;
        std::string word;
        bool quoted = false;
        while (i < n && (quoted || !IsBlank(line[i]))) {
            if (line[i] == '\\') {
                size_t backslashes = 0;
                while (i < n && line[i] == '\\') {
                    ++backslashes;
                    ++i;
                }
                if (i < n && line[i] == '"') {
                    word.append(backslashes / 2, '\\');
                    if (backslashes % 2 == 1) {
                        word += '"';
                        ++i;
                    }
                    // An even count leaves the quote to the code below.
                } else {
                    word.append(backslashes, '\\');
                }
                continue;
            }
            if (line[i] == '"') {
                if (quoted && i + 1 < n && line[i + 1] == '"') {
                    word += '"';
                    i += 2;
                } else {
                    quoted = !quoted;
                    ++i;
                }
                continue;
            }
            word += line[i++];
        }
        words.push_back(word);
    }
    return words;
}

} // namespace voltrail
