#include "actions/ProcessLauncher.h"

#include <cstdio>
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

} // namespace

void ProcessLauncher::Launch(const std::string& commandLine, std::int16_t windowStyle)
{
    // A NUL would end the line early and start something other than what
    // the caller shows: refuse it.
    if (commandLine.find('\0') != std::string::npos) {
        std::fprintf(stderr, "ZT-VOLTRAIL: cannot start \"%s\": the command line holds a NUL character\n",
                     commandLine.c_str());
        return;
    }
    // CreateProcessW may write into the command line buffer.
    std::wstring line = FromUtf8(commandLine);
    line.push_back(L'\0');

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(windowStyle);
    PROCESS_INFORMATION info{};

    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info)) {
        std::fprintf(stderr, "ZT-VOLTRAIL: cannot start \"%s\": %s\n", commandLine.c_str(),
                     SystemMessage(GetLastError()).c_str());
        return;
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
}

} // namespace voltrail
