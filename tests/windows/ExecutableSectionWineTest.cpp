#include "windows/Win32TestSupport.h"

#include <gtest/gtest.h>

#include <string>

using namespace voltrail;

namespace {

// A fresh directory whose name has a blank and letters beyond ASCII, so the
// section is taken from the file name alone, not from the path.
class ScratchDirectory {
public:
    ScratchDirectory()
    {
        wchar_t base[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH, base);
        path_ = std::wstring(base) + L"voltrail section ø " + std::to_wstring(GetCurrentProcessId()) + L"\\";
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~ScratchDirectory()
    {
        WIN32_FIND_DATAW entry;
        HANDLE find = FindFirstFileW((path_ + L"*").c_str(), &entry);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                DeleteFileW((path_ + entry.cFileName).c_str());
            } while (FindNextFileW(find, &entry));
            FindClose(find);
        }
        RemoveDirectoryW(path_.c_str());
    }
    const std::wstring& path() const { return path_; }

private:
    std::wstring path_;
};

// Runs the probe under the given file name and returns the section it reports.
std::string SectionAs(const ScratchDirectory& dir, const std::string& fileName)
{
    const std::wstring copy = dir.path() + test::Widen(fileName);
    if (!CopyFileW((test::ProgramDirectory() + L"voltrail_section_probe.exe").c_str(), copy.c_str(), FALSE))
        return "<copy failed>";
    // The report goes to a plain ASCII path beside this test program.
    const std::wstring report = test::ProgramDirectory() + L"section_probe_report.txt";
    DeleteFileW(report.c_str());

    std::wstring line = L"\"" + copy + L"\" \"" + report + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(copy.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info))
        return "<start failed>";
    const DWORD waited = WaitForSingleObject(info.hProcess, 30000);
    DWORD exitCode = 1;
    GetExitCodeProcess(info.hProcess, &exitCode);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    if (waited != WAIT_OBJECT_0 || exitCode != 0)
        return "<probe failed>";
    const auto text = test::ReadWholeFile(report);
    DeleteFileW(report.c_str());
    return text.value_or("<no report>");
}

TEST(ExecutableSectionUnderWine, SectionIsTheFileNameWithoutExtension)
{
    struct Case {
        const char* fileName;
        const char* section;
    };
    const Case cases[] = {
        {"ZT-VOLTRAIL-V1.exe", "ZT-VOLTRAIL-V1"},
        {"ZT-VOLTRAIL-V1 - Copy.exe", "ZT-VOLTRAIL-V1 - Copy"},
        {"voltrail.second.exe", "voltrail.second"},
        {"Strømbar.EXE", "Strømbar"},
    };
    ScratchDirectory dir;
    for (const Case& c : cases)
        EXPECT_EQ(SectionAs(dir, c.fileName), c.section) << c.fileName;
}

} // namespace
