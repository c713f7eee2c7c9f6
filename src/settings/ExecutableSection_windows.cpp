#include "settings/SectionName.h"

#include <string>
#include <windows.h>

namespace voltrail {

namespace {

std::string ToUtf8(const std::wstring& text)
{
    if (text.empty())
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr,
                        nullptr);
    return out;
}

} // namespace

// Windows names the module file itself, extension and all, however it was
// started; the start name (which may lack the extension) is not needed.
std::string CurrentExecutableSection(std::string_view)
{
    std::wstring path(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length);
    return SectionFromExecutablePath(ToUtf8(path), true);
}

} // namespace voltrail
