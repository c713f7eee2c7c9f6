#include "actions/WindowsProcessStart.h"

#include "actions/WindowsCommandLine.h"

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

} // namespace

std::string SystemMessage(unsigned long error)
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

WindowsProcessStart PrepareWindowsProcessStart(const std::string& commandLine)
{
    WindowsProcessStart start;
    // A NUL would end the line early and start something other than what
    // the caller shows: refuse it.
    if (commandLine.find('\0') != std::string::npos) {
        start.refusal = "the command line holds a NUL character";
        return start;
    }
    // The started program reads its name by the C runtime's rule; a line
    // whose name is empty (it starts with a blank) would leave the choice of
    // program to the search alone.
    const auto words = SplitWindowsCommandLine(commandLine);
    if (words.front().empty()) {
        start.refusal = "the command line names no program";
        return start;
    }
    // Either reading of the name may be the one the search uses or the one
    // the program goes by: when either says shutdown, it is the system's.
    if (NamesSystemShutdown(words.front()) || NamesSystemShutdown(FirstSearchedName(commandLine))) {
        start.application = SystemShutdown();
        if (!start.application) {
            start.refusal = "the system directory is not known: " + SystemMessage(GetLastError());
            return start;
        }
    }
    // CreateProcessW may write into the command line buffer.
    start.commandLine = FromUtf8(commandLine);
    start.commandLine.push_back(L'\0');
    return start;
}

} // namespace voltrail
