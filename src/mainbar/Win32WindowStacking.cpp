#include "mainbar/Win32WindowStacking.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace voltrail {

namespace {

constexpr UINT kKeepPlaceAndSize = SWP_NOSIZE | SWP_NOMOVE;
static_assert(kKeepPlaceAndSize == 3, "nothing but SWP_NOSIZE and SWP_NOMOVE");

} // namespace

WindowHandle Win32WindowStacking::ForegroundWindow()
{
    return reinterpret_cast<WindowHandle>(::GetForegroundWindow());
}

void Win32WindowStacking::SetTopmost(WindowHandle window, bool topmost)
{
    ::SetWindowPos(reinterpret_cast<HWND>(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   kKeepPlaceAndSize);
}

} // namespace voltrail
