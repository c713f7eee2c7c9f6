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
    return 0;
}
