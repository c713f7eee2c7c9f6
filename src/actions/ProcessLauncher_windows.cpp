#include "actions/ProcessLauncher.h"

#include "actions/StartFailureReport.h"
#include "actions/WindowsCommandLine.h"

#include <cstdio>
#include <optional>
#include <string>
#include <windows.h>

namespace voltrail {

namespace {

std::wstring FromUtf8(const std::string& text)
{
    if (text.empty())
        return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size);
    return out;
}

std::string SystemMessage(DWORD error)
{
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string message = length ? std::string(buffer, length) : "error " + std::to_string(error);
    LocalFree(buffer);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
        message.pop_back();
    return message;
}

// The program word as Windows resolves a file name: trailing dots and blanks
// are dropped, and letter case does not count.
bool NamesSystemShutdown(const std::string& program)
{
    std::wstring name = FromUtf8(program);
    while (!name.empty() && (name.back() == L'.' || name.back() == L' '))
        name.pop_back();
    const auto is = [&name](const wchar_t* other) {
        return CompareStringOrdinal(name.c_str(), static_cast<int>(name.size()), other, -1, TRUE) ==
               CSTR_EQUAL;
    };
    return is(L"shutdown") || is(L"shutdown.exe");
}

// The name CreateProcessW itself looks for first when it is given no
// application name: up to the closing quote, or up to the first blank.
std::string FirstSearchedName(const std::string& line)
{
    if (!line.empty() && line.front() == '"')
        return line.substr(1, line.find('"', 1) - 1);
    return line.substr(0, line.find_first_of(" \t"));
}

// The system's own shutdown.exe. The ordinary program search looks in the
// program's folder and the current directory first, where anyone may have
// left a shutdown.exe of their own.
std::optional<std::wstring> SystemShutdown()
{
    std::wstring directory(MAX_PATH, L'\0');
    UINT length = GetSystemDirectoryW(directory.data(), static_cast<UINT>(directory.size()));
    if (length >= directory.size()) {
        directory.resize(length);
        length = GetSystemDirectoryW(directory.data(), static_cast<UINT>(directory.size()));
    }
    if (length == 0 || length >= directory.size())
        return std::nullopt;
    directory.resize(length);
    return directory + L"\\shutdown.exe";
}

void ReportNotStarted(const std::string& commandLine, const std::string& reason)
{
    std::fprintf(stderr, "%s\n", StartFailureReport(commandLine, reason).c_str());
}

} // namespace

void ProcessLauncher::Launch(const std::string& commandLine, std::int16_t windowStyle)
{
    // A NUL would end the line early and start something other than what
    // the caller shows: refuse it.
    if (commandLine.find('\0') != std::string::npos) {
        ReportNotStarted(commandLine, "the command line holds a NUL character");
        return;
    }
    // The started program reads its name by the C runtime's rule; a line
    // whose name is empty (it starts with a blank) would leave the choice of
    // program to the search alone.
    const auto words = SplitWindowsCommandLine(commandLine);
    if (words.front().empty()) {
        ReportNotStarted(commandLine, "the command line names no program");
        return;
    }
    std::optional<std::wstring> application;
    // Either reading of the name may be the one the search uses or the one
    // the program goes by: when either says shutdown, it is the system's.
    if (NamesSystemShutdown(words.front()) || NamesSystemShutdown(FirstSearchedName(commandLine))) {
        application = SystemShutdown();
        if (!application) {
            ReportNotStarted(commandLine,
                             "the system directory is not known: " + SystemMessage(GetLastError()));
            return;
        }
    }
    // CreateProcessW may write into the command line buffer.
    std::wstring line = FromUtf8(commandLine);
    line.push_back(L'\0');

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(windowStyle);
    PROCESS_INFORMATION info{};

    if (!CreateProcessW(application ? application->c_str() : nullptr, line.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &info)) {
        ReportNotStarted(commandLine, SystemMessage(GetLastError()));
        return;
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
}

} // namespace voltrail
