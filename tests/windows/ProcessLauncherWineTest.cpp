#include "actions/ProcessLauncher.h"
#include "text/PlainText.h"
#include "windows/Win32TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>

using namespace voltrail;
using test::CurrentDirectory;
using test::ProgramDirectory;
using test::SystemDirectory;

namespace {

struct Record {
    DWORD flags = 0;
    unsigned show = 0;
    std::string commandLine;
};

std::optional<Record> ParseRecord(const std::string& text)
{
    const auto newline = text.find('\n');
    if (newline == std::string::npos)
        return std::nullopt;
    Record record;
    if (std::sscanf(text.substr(0, newline).c_str(), "%lu %u", &record.flags, &record.show) != 2)
        return std::nullopt;
    record.commandLine = text.substr(newline + 1);
    return record;
}

// The recording shutdown.exe sits in the system directory of the throw-away
// prefix (scripts/test-windows.sh puts it there) and leaves its record in
// shutdown.log beside itself.
class RecordingShutdown {
public:
    RecordingShutdown() { DeleteFileW(LogPath().c_str()); }
    ~RecordingShutdown() { DeleteFileW(LogPath().c_str()); }

    static std::wstring LogPath() { return SystemDirectory() + L"shutdown.log"; }

    // Anything else there could be a real shutdown.exe: start nothing then.
    static bool InPlace()
    {
        const auto program = test::ReadWholeFile(SystemDirectory() + L"shutdown.exe");
        return program && program->find("VOLTRAIL RECORDING SHUTDOWN") != std::string::npos;
    }

    std::optional<Record> WaitForRecord() const
    {
        const auto text = test::WaitForFile(LogPath());
        return text ? ParseRecord(*text) : std::nullopt;
    }
};

// A decoy shutdown.exe where the ordinary program search looks before the
// system directory. It records to decoy-shutdown.log beside itself.
class Decoy {
public:
    explicit Decoy(std::wstring directory) : directory_(std::move(directory))
    {
        DeleteFileW(Log().c_str());
        planted_ = CopyFileW((ProgramDirectory() + L"decoy\\shutdown.exe").c_str(), Program().c_str(), FALSE);
    }
    ~Decoy()
    {
        DeleteFileW(Program().c_str());
        DeleteFileW(Log().c_str());
    }
    Decoy(const Decoy&) = delete;
    Decoy& operator=(const Decoy&) = delete;

    bool Planted() const { return planted_; }
    bool Ran() const { return GetFileAttributesW(Log().c_str()) != INVALID_FILE_ATTRIBUTES; }
    bool WaitUntilRan() const { return test::WaitForFile(Log()).has_value(); }
    void Forget() const { DeleteFileW(Log().c_str()); }

private:
    std::wstring Program() const { return directory_ + L"shutdown.exe"; }
    std::wstring Log() const { return directory_ + L"decoy-shutdown.log"; }

    std::wstring directory_;
    bool planted_ = false;
};

struct LaunchCase {
    const char* name;
    std::string commandLine;
    std::int16_t style;
};

class LaunchUnderWine : public ::testing::TestWithParam<LaunchCase> {};

TEST_P(LaunchUnderWine, ReachesTheProgramVerbatimWithItsStyle)
{
    const LaunchCase& c = GetParam();
    ASSERT_TRUE(RecordingShutdown::InPlace());
    RecordingShutdown shutdown;
    ChildReaper launcherChildren;
    ProcessLauncher launcher{launcherChildren};

    launcher.Launch(c.commandLine, c.style);

    const auto record = shutdown.WaitForRecord();
    ASSERT_TRUE(record) << "the recording shutdown.exe was not started";
    EXPECT_EQ(record->commandLine, c.commandLine);
    EXPECT_TRUE(record->flags & STARTF_USESHOWWINDOW);
    EXPECT_EQ(record->show, static_cast<unsigned>(c.style));
}

// Local lines, the dialog line, and remote lines with names as typed: the name
// is neither quoted nor trimmed, so blanks, quotes and letters beyond ASCII
// must arrive untouched.
INSTANTIATE_TEST_SUITE_P(
    CommandLines, LaunchUnderWine,
    ::testing::Values(LaunchCase{"Shutdown", "shutdown /s /t 0", kStyleHidden},
                      LaunchCase{"Restart", "shutdown /g /f /t 0", kStyleHidden},
                      LaunchCase{"Hibernate", "shutdown /h", kStyleHidden},
                      LaunchCase{"Logoff", "shutdown /l", kStyleHidden},
                      LaunchCase{"Dialog", "shutdown.exe /i", kStyleNormal},
                      LaunchCase{"ShutdownShown", "shutdown /s /t 0", kStyleNormal},
                      LaunchCase{"RemoteShutdown", "shutdown /s /m \\\\SRV01 /t 30", kStyleHidden},
                      LaunchCase{"RemoteForcedShutdown", "shutdown /s /f /m \\\\SRV01 /t 30", kStyleHidden},
                      LaunchCase{"RemoteRestart", "shutdown /g /m \\\\SRV01 /t 30", kStyleHidden},
                      LaunchCase{"RemoteForcedRestart", "shutdown /g /f /m \\\\SRV01 /t 30", kStyleHidden},
                      LaunchCase{"AbortNoName", "shutdown /a /m \\\\", kStyleHidden},
                      LaunchCase{"AbortNamed", "shutdown /a /m \\\\SRV01", kStyleHidden},
                      LaunchCase{"EmptyNameAndTimeout", "shutdown /s /m \\\\ /t ", kStyleHidden},
                      LaunchCase{"NameWithBlanks", "shutdown /s /m \\\\FILE SERVER 2 /t 30", kStyleHidden},
                      LaunchCase{"NameWithQuotes", "shutdown /g /m \\\\\"SRV 01\" /t \"30\"", kStyleHidden},
                      LaunchCase{"NameWithOddQuote", "shutdown /a /m \\\\SRV\"01", kStyleHidden},
                      LaunchCase{"NameBeyondAscii", "shutdown /s /m \\\\BÜRO-Ærø-服务器 /t 30", kStyleHidden},
                      LaunchCase{"DoubledBlanks", "shutdown  /s   /t 0 ", kStyleHidden}),
    [](const ::testing::TestParamInfo<LaunchCase>& info) { return std::string(info.param.name); });

// Wherever a shutdown.exe of someone else's lies in the ordinary search, the
// system's own is started: the line names it in any letter case, quoted or
// not, with or without its extension.
struct DecoyCase {
    const char* name;
    std::wstring (*directory)();
};

class DecoyInTheSearch : public ::testing::TestWithParam<DecoyCase> {};

TEST_P(DecoyInTheSearch, NeverRunsAndTheSystemsOwnDoes)
{
    ASSERT_TRUE(RecordingShutdown::InPlace());
    const Decoy decoy(GetParam().directory());
    ASSERT_TRUE(decoy.Planted());
    {
        // The ordinary search does reach the decoy: without the system
        // directory's path, this is what a shutdown line would start.
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        std::wstring line = L"shutdown /s /t 0";
        ASSERT_TRUE(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                                   nullptr, &startup, &info));
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
        ASSERT_TRUE(decoy.WaitUntilRan()) << "the ordinary search did not find the decoy";
        decoy.Forget();
    }
    const char* lines[] = {
        "shutdown /s /t 0",      "SHUTDOWN.EXE /i",         "Shutdown.Exe /h",
        "\"shutdown\" /l",       "shut\"down\" /g /f /t 0", "\"shutdown.exe\"x /a /m \\\\SRV",
        "shutdown.exe. /s /t 0",
    };
    for (const char* line : lines) {
        RecordingShutdown shutdown;
        ChildReaper launcherChildren;
        ProcessLauncher launcher{launcherChildren};
        launcher.Launch(line, kStyleHidden);
        const auto record = shutdown.WaitForRecord();
        ASSERT_TRUE(record) << "the system's shutdown.exe was not started for: " << line;
        EXPECT_EQ(record->commandLine, line);
        EXPECT_FALSE(decoy.Ran()) << line;
    }
}

INSTANTIATE_TEST_SUITE_P(Places, DecoyInTheSearch,
                         ::testing::Values(DecoyCase{"BesideTheProgram", &ProgramDirectory},
                                           DecoyCase{"InTheCurrentDirectory", &CurrentDirectory}),
                         [](const ::testing::TestParamInfo<DecoyCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(LaunchUnderWine, ProgramThatCannotStartIsReported)
{
    ASSERT_TRUE(RecordingShutdown::InPlace());
    // No such program; no line; and a line whose program name is empty, which
    // the ordinary search must not be left to resolve.
    const char* lines[] = {"voltrail-no-such-program /s /t 0", "", "   ", " shutdown /s /t 0",
                           "\tshutdown /h"};
    for (const char* line : lines) {
        ChildReaper launcherChildren;
        ProcessLauncher launcher{launcherChildren};
        ::testing::internal::CaptureStderr();
        launcher.Launch(line, kStyleHidden);
        const std::string report = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(report.find("cannot start"), std::string::npos) << "line \"" << line << "\": " << report;
        EXPECT_NE(report.find(QuoteCommand(line)), std::string::npos) << report;
    }
}

} // namespace
