#include "actions/ProcessLauncher.h"
#include "windows/Win32TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>

using namespace voltrail;
using test::ProgramDirectory;

namespace {

struct Record {
    DWORD flags = 0;
    unsigned show = 0;
    std::string commandLine;
};

// The recording shutdown.exe sits beside this test program, where the
// program search looks first, and leaves its record in shutdown.log there.
class RecordingShutdown {
public:
    RecordingShutdown() { DeleteFileW(LogPath().c_str()); }
    ~RecordingShutdown() { DeleteFileW(LogPath().c_str()); }

    static std::wstring LogPath() { return ProgramDirectory() + L"shutdown.log"; }

    // Without the stand-in in place, a launch could reach a real shutdown.exe.
    static bool InPlace()
    {
        return GetFileAttributesW((ProgramDirectory() + L"shutdown.exe").c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    std::optional<Record> WaitForRecord() const
    {
        const auto text = test::WaitForFile(LogPath());
        if (!text)
            return std::nullopt;
        const auto newline = text->find('\n');
        if (newline == std::string::npos)
            return std::nullopt;
        Record record;
        if (std::sscanf(text->substr(0, newline).c_str(), "%lu %u", &record.flags, &record.show) != 2)
            return std::nullopt;
        record.commandLine = text->substr(newline + 1);
        return record;
    }
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
    ProcessLauncher launcher;

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

TEST(LaunchUnderWine, ProgramThatCannotStartIsReported)
{
    ASSERT_TRUE(RecordingShutdown::InPlace());
    const char* lines[] = {"voltrail-no-such-program /s /t 0", "", "   "};
    for (const char* line : lines) {
        ProcessLauncher launcher;
        ::testing::internal::CaptureStderr();
        launcher.Launch(line, kStyleHidden);
        const std::string report = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(report.find("cannot start"), std::string::npos) << "line \"" << line << "\": " << report;
        EXPECT_NE(report.find(std::string("\"") + line + "\""), std::string::npos) << report;
    }
}

} // namespace
