#include "actions/WindowsCommandLine.h"
#include "actions/WindowsCommandLineQuoting.h"
#include "windows/Win32TestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

using namespace voltrail;
using test::ProgramDirectory;
using Words = std::vector<std::string>;

namespace {

struct ProbeWords {
    Words runtime; // what the C runtime gave main
    Words shell;   // what CommandLineToArgvW made of the same line
};

std::string FromHex(const std::string& hex)
{
    std::string out;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        out += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return out;
}

// Starts the probe with exactly this command line (the program is named
// apart, so the line may start with anything) and reads what it reports.
std::optional<ProbeWords> RunProbe(const std::string& line)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return std::nullopt;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = INVALID_HANDLE_VALUE;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION info{};
    const std::wstring program = ProgramDirectory() + L"voltrail_argv_probe.exe";
    std::wstring wide = test::Widen(line);
    wide.push_back(L'\0');
    const BOOL started = CreateProcessW(program.c_str(), wide.data(), nullptr, nullptr, TRUE,
                                        CREATE_NO_WINDOW, nullptr, nullptr, &startup, &info);
    CloseHandle(writeEnd);
    if (!started) {
        std::printf("could not start the probe: error %lu\n", GetLastError());
        CloseHandle(readEnd);
        return std::nullopt;
    }
    std::string output;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0)
        output.append(buffer, got);
    CloseHandle(readEnd);
    WaitForSingleObject(info.hProcess, INFINITE);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);

    ProbeWords words;
    size_t start = 0;
    while (start < output.size()) {
        const size_t end = output.find('\n', start);
        const std::string record = output.substr(start, end - start);
        start = end == std::string::npos ? output.size() : end + 1;
        if (record.size() < 2)
            continue;
        (record[0] == 'c' ? words.runtime : words.shell).push_back(FromHex(record.substr(2)));
    }
    return words;
}

std::string Shown(const Words& words)
{
    std::string out = "{";
    for (const auto& w : words)
        out += "[" + w + "]";
    return out + "}";
}

// The probe for many lines at once: Wine starts a process in a fifth of a
// second, mostly waiting, so several run side by side.
std::vector<std::optional<ProbeWords>> RunProbes(const std::vector<std::string>& lines)
{
    std::vector<std::optional<ProbeWords>> results(lines.size());
    std::atomic<size_t> next{0};
    std::vector<std::thread> workers;
    for (int n = 0; n < 6; ++n) {
        workers.emplace_back([&] {
            for (size_t i = next++; i < lines.size(); i = next++)
                // A start that fails under load is tried again.
                for (int attempt = 0; attempt < 3 && !results[i]; ++attempt)
                    results[i] = RunProbe(lines[i]);
        });
    }
    for (auto& worker : workers)
        worker.join();
    return results;
}

// The same pieces every run: the characters that matter to the rules, and
// some that must pass through untouched.
const char* const kPieces[] = {" ",    "\t", "\"", "\"", "\"\"", "\\", "\\",
                               "\\\\", "a",  "b",  "/s", "é",    "日", "  "};

std::string Generated(std::mt19937& random, int shortest, int longest, bool quotes = true)
{
    std::uniform_int_distribution<size_t> piece(0, std::size(kPieces) - 1);
    std::uniform_int_distribution<int> length(shortest, longest);
    std::string text;
    for (int n = length(random); n > 0; --n) {
        const std::string p = kPieces[piece(random)];
        if (quotes || p.find('"') == std::string::npos)
            text += p;
    }
    return text;
}

// Where Wine's runtime parts from the documented rules. Each entry: one line,
// the words the documented rules give (and SplitWindowsCommandLine gives),
// the words Wine gives, and how to tell that a line differs for this reason.
struct KnownDifference {
    const char* what;
    std::string line;
    Words documented;
    Words wine;
    bool (*explains)(const std::string& line, const Words& wine);
};

// The program word read by the rules of the other words.
Words ProgramReadAsArgument(const std::string& line)
{
    Words words = SplitWindowsCommandLine("p " + line);
    words.erase(words.begin());
    return words;
}

const KnownDifference kKnownDifferences[] = {
    {"Wine's msvcrt reads the program word by the rules of the other words: backslashes before a quote "
     "escape it, and \"\" inside quotes is a quote",
     "a\\\"b c\" d",
     {"a\\b c", "d"},
     {"a\"b", "c d"},
     [](const std::string& line, const Words& wine) {
         return !line.empty() && line[0] != ' ' && line[0] != '\t' && wine == ProgramReadAsArgument(line);
     }},
    {"Wine's CreateProcessW hands a program started with an empty command line its own path as the "
     "line",
     "",
     {""},
     {},
     [](const std::string& line, const Words& wine) { return line.empty() && wine.size() == 1; }},
};

TEST(CommandLineUnderWine, KnownDifferencesStillHoldOneExampleEach)
{
    for (const auto& d : kKnownDifferences) {
        EXPECT_EQ(SplitWindowsCommandLine(d.line), d.documented) << d.what;
        const auto probe = RunProbe(d.line);
        ASSERT_TRUE(probe) << d.what;
        if (!d.wine.empty()) { // else a path that depends on where the tests are
            EXPECT_EQ(probe->runtime, d.wine) << d.what;
        }
        EXPECT_TRUE(d.explains(d.line, probe->runtime)) << d.what << ": " << Shown(probe->runtime);
    }
}

TEST(CommandLineUnderWine, GeneratedLinesSplitAsTheRuntimeSplitsThem)
{
    std::mt19937 random(20261208);
    std::vector<std::string> lines;
    for (int i = 0; i < 1200; ++i)
        lines.push_back(Generated(random, 1, 14));
    const auto probes = RunProbes(lines);

    std::vector<int> explained(std::size(kKnownDifferences), 0);
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        ASSERT_TRUE(probes[i]) << "the probe did not run for <" << line << ">";
        const Words& wine = probes[i]->runtime;
        const Words ours = SplitWindowsCommandLine(line);
        if (wine == ours)
            continue;
        bool known = false;
        for (size_t k = 0; k < std::size(kKnownDifferences) && !known; ++k) {
            known = kKnownDifferences[k].explains(line, wine);
            explained[k] += known;
        }
        EXPECT_TRUE(known) << "<" << line << ">: the runtime gives " << Shown(wine) << ", we give "
                           << Shown(ours) << " (CommandLineToArgvW: " << Shown(probes[i]->shell) << ")";
    }
    for (size_t k = 0; k < std::size(kKnownDifferences); ++k)
        std::printf("known difference on %d of %zu lines: %s\n", explained[k], lines.size(),
                    kKnownDifferences[k].what);
}

TEST(CommandLineUnderWine, JoinedWordsReadBackExactly)
{
    std::mt19937 random(8122026);
    std::vector<Words> lists;
    std::vector<std::string> lines;
    for (int i = 0; i < 500; ++i) {
        Words words{Generated(random, 0, 4, i % 5 != 0)};
        for (int n = std::uniform_int_distribution<int>(0, 4)(random); n > 0; --n)
            words.push_back(Generated(random, 0, 5));
        const auto line = JoinWindowsCommandLine(words);
        // Nothing exactly when no line can hold the program word.
        ASSERT_EQ(line.has_value(), words.front().find('"') == std::string::npos) << Shown(words);
        if (!line)
            continue;
        ASSERT_EQ(SplitWindowsCommandLine(*line), words) << *line;
        lists.push_back(words);
        lines.push_back(*line);
    }
    const auto probes = RunProbes(lines);
    for (size_t i = 0; i < lines.size(); ++i) {
        ASSERT_TRUE(probes[i]) << lines[i];
        EXPECT_EQ(probes[i]->runtime, lists[i]) << "<" << lines[i] << ">";
    }
}

} // namespace
