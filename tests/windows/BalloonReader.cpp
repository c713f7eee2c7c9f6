// Prints the text of every notification-area balloon on the screen, one per
// line (UTF-8, line ends within a balloon shown as " | "), and exits 1 when
// there is none. Under Wine a balloon is a visible top-level tooltip window
// with the balloon style, whose text WM_GETTEXT gives.
#include "Win32TestSupport.h"

#include <string>
#include <windows.h>

#ifndef TTS_BALLOON
#define TTS_BALLOON 0x40
#endif

namespace {

BOOL CALLBACK Look(HWND window, LPARAM found)
{
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (lstrcmpiW(className, L"tooltips_class32") != 0 || !IsWindowVisible(window) ||
        !(GetWindowLongW(window, GWL_STYLE) & TTS_BALLOON))
        return TRUE;
    std::wstring text(4096, L'\0');
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, 2000, &length))
        return TRUE;
    text.resize(length);
    std::string line;
    for (const char c : voltrail::test::Narrow(text))
        line += c == '\n' ? std::string(" | ") : c == '\r' ? std::string() : std::string(1, c);
    line += '\n';
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line.data(), static_cast<DWORD>(line.size()), &written,
              nullptr);
    ++*reinterpret_cast<int*>(found);
    return TRUE;
}

} // namespace

int main()
{
    int found = 0;
    EnumWindows(Look, reinterpret_cast<LPARAM>(&found));
    return found > 0 ? 0 : 1;
}
