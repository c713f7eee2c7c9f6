// A stand-in for the system's shutdown.exe, put in the system directory of the
// throw-away Wine prefix (scripts/test-windows.sh). It only records how it was
// started: its whole command line and the show-window request it was given.
// Nothing else happens, whatever the arguments say. Built a second time as a
// decoy (VOLTRAIL_DECOY), which the tests plant where the ordinary program
// search would find it first, and which records to a file of its own.
//
// Record (UTF-8) in shutdown.log (the decoy: decoy-shutdown.log) beside this
// program:
//   <dwFlags> <wShowWindow>\n<command line>
//
// It fails on demand, as the system's own does, when shutdown.fail lies
// beside it: its first line is "<how> <exit code>", the rest the text to write.
//   err 5        the text on standard error, exit code 5
//   out 1190     the text on standard output
//   flood 3      8 MiB on standard output, then the text on standard error
//   hang 2000    nothing for 2000 ms, then exit code 0
//   crash 0      ended as by an access violation (exit code 0xC0000005)
#include <cstdlib>
#include <optional>
#include <string>
#include <windows.h>

// The tests look for this text in the system directory's shutdown.exe before
// they start anything, so that only this recorder can ever be started there.
extern "C" __attribute__((used)) const char kVoltrailRecorderMark[] = "VOLTRAIL RECORDING SHUTDOWN";

namespace {

#ifdef VOLTRAIL_DECOY
constexpr const wchar_t* kLogName = L"decoy-shutdown.log";
#else
constexpr const wchar_t* kLogName = L"shutdown.log";
#endif
constexpr const wchar_t* kFailName = L"shutdown.fail";

std::string ToUtf8(const wchar_t* text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return {};
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    out.pop_back(); // the terminating NUL
    return out;
}

bool WriteAll(const std::wstring& path, const std::string& data)
{
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, data.data(), static_cast<DWORD>(data.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == data.size();
}

std::optional<std::string> ReadAll(const std::wstring& path)
{
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::string data;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0)
        data.append(chunk, got);
    CloseHandle(file);
    return data;
}

void Write(DWORD stream, const std::string& text)
{
    DWORD written = 0;
    WriteFile(GetStdHandle(stream), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

int Fail(const std::string& order)
{
    const auto newline = order.find('\n');
    const std::string head = order.substr(0, newline);
    const std::string text = newline == std::string::npos ? "" : order.substr(newline + 1);
    const auto blank = head.find(' ');
    const std::string how = head.substr(0, blank);
    const int code = blank == std::string::npos ? 0 : std::atoi(head.c_str() + blank + 1);
    if (how == "out") {
        Write(STD_OUTPUT_HANDLE, text);
    } else if (how == "flood") {
        const std::string block = std::string(64 * 1024 - 2, 'x') + "\r\n";
        for (int i = 0; i < 128; ++i)
            Write(STD_OUTPUT_HANDLE, block);
        Write(STD_ERROR_HANDLE, text);
    } else if (how == "hang") {
        Sleep(static_cast<DWORD>(code));
        return 0;
    } else if (how == "crash") {
        TerminateProcess(GetCurrentProcess(), 0xC0000005);
    } else {
        Write(STD_ERROR_HANDLE, text);
    }
    return code;
}

} // namespace

int main()
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);

    const std::string record = std::to_string(startup.dwFlags) + ' ' + std::to_string(startup.wShowWindow) +
                               '\n' + ToUtf8(GetCommandLineW());

    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    const std::wstring log = path.substr(0, path.find_last_of(L"\\/") + 1) + kLogName;
    const std::wstring partial = log + L".part";

    // Written aside and renamed, so a reader never sees half a record.
    if (!WriteAll(partial, record) || !MoveFileExW(partial.c_str(), log.c_str(), MOVEFILE_REPLACE_EXISTING))
        return 1;
    const auto order = ReadAll(path.substr(0, path.find_last_of(L"\\/") + 1) + kFailName);
    return order ? Fail(*order) : 0;
}
