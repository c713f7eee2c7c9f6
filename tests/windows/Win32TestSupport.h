#pragma once

#include <chrono>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <windows.h>

namespace voltrail::test {

inline std::wstring Widen(const std::string& utf8)
{
    if (utf8.empty())
        return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), size);
    return out;
}

inline std::string Narrow(const std::wstring& wide)
{
    if (wide.empty())
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), size, nullptr,
                        nullptr);
    return out;
}

// The directory of the running program, with a trailing backslash.
inline std::wstring ProgramDirectory()
{
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

// The system directory, with a trailing backslash.
inline std::wstring SystemDirectory()
{
    std::wstring path(32768, L'\0');
    path.resize(GetSystemDirectoryW(path.data(), static_cast<UINT>(path.size())));
    return path + L"\\";
}

// The current directory, with a trailing backslash.
inline std::wstring CurrentDirectory()
{
    std::wstring path(32768, L'\0');
    path.resize(GetCurrentDirectoryW(static_cast<DWORD>(path.size()), path.data()));
    if (!path.empty() && path.back() != L'\\')
        path += L'\\';
    return path;
}

inline std::optional<std::string> ReadWholeFile(const std::wstring& path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline bool WriteWholeFile(const std::wstring& path, const std::string& data)
{
    std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
    out << data;
    return static_cast<bool>(out.flush());
}

// Polls for a file that another process writes in one piece (by renaming).
inline std::optional<std::string> WaitForFile(const std::wstring& path,
                                              std::chrono::milliseconds limit = std::chrono::seconds(20))
{
    const auto end = std::chrono::steady_clock::now() + limit;
    for (;;) {
        if (auto text = ReadWholeFile(path))
            return text;
        if (std::chrono::steady_clock::now() > end)
            return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

} // namespace voltrail::test
