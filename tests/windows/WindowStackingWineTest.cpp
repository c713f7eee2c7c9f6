#include "mainbar/AlwaysOnTopKeeper.h"
#include "mainbar/Win32WindowStacking.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <windows.h>

using namespace voltrail;

namespace {

// Hands every call on to the real backend and counts the z-order calls.
class CountingStacking final : public WindowStacking {
public:
    WindowHandle ForegroundWindow() override { return real.ForegroundWindow(); }
    void SetTopmost(WindowHandle window, bool topmost) override
    {
        ++zOrderCalls;
        real.SetTopmost(window, topmost);
    }

    Win32WindowStacking real;
    int zOrderCalls = 0;
};

void PumpMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool IsTopmost(HWND window)
{
    return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

WindowHandle HandleOf(HWND window)
{
    return reinterpret_cast<WindowHandle>(window);
}

// A plain top-level window, shown; topmost on request.
class TestWindow {
public:
    TestWindow(const wchar_t* title, bool topmost, int left)
    {
        static const wchar_t* const kClass = [] {
            WNDCLASSW windowClass{};
            windowClass.lpfnWndProc = DefWindowProcW;
            windowClass.hInstance = GetModuleHandleW(nullptr);
            windowClass.lpszClassName = L"VoltrailStackingTestWindow";
            RegisterClassW(&windowClass);
            return windowClass.lpszClassName;
        }();
        handle_ =
            CreateWindowExW(topmost ? WS_EX_TOPMOST : 0, kClass, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                            left, 40, 240, 120, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        PumpMessages();
    }
    ~TestWindow()
    {
        if (handle_)
            DestroyWindow(handle_);
        PumpMessages();
    }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND handle() const { return handle_; }

    // Brings the window to the foreground and waits until the system says so.
    bool BringToFront() const
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < end) {
            SetForegroundWindow(handle_);
            PumpMessages();
            if (GetForegroundWindow() == handle_)
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }

    RECT Rect() const
    {
        RECT rect{};
        GetWindowRect(handle_, &rect);
        return rect;
    }

private:
    HWND handle_ = nullptr;
};

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(Win32WindowStackingUnderWine, ForegroundWindowIsTheHandleOfTheWindowInFront)
{
    TestWindow window(L"front", false, 40);
    ASSERT_TRUE(window.handle()) << "no window could be created (is there a display?)";
    ASSERT_TRUE(window.BringToFront());
    Win32WindowStacking stacking;
    EXPECT_EQ(stacking.ForegroundWindow(), HandleOf(window.handle()));
}

TEST(Win32WindowStackingUnderWine, KeeperDemotesTheTopmostForegroundAndRaisesTheBar)
{
    TestWindow bar(L"bar", false, 40);
    TestWindow other(L"other program", true, 320);
    ASSERT_TRUE(bar.handle() && other.handle()) << "no window could be created (is there a display?)";
    ASSERT_TRUE(other.BringToFront());
    ASSERT_TRUE(IsTopmost(other.handle()));
    ASSERT_FALSE(IsTopmost(bar.handle()));
    const RECT barRect = bar.Rect();
    const RECT otherRect = other.Rect();

    CountingStacking stacking;
    AlwaysOnTopKeeper keeper(stacking, [&] { return HandleOf(bar.handle()); });
    keeper.Tick();
    PumpMessages();

    EXPECT_FALSE(IsTopmost(other.handle()));
    EXPECT_TRUE(IsTopmost(bar.handle()));
    EXPECT_EQ(stacking.zOrderCalls, 2);
    EXPECT_TRUE(SameRect(bar.Rect(), barRect)) << "the bar was moved or resized";
    EXPECT_TRUE(SameRect(other.Rect(), otherRect)) << "the other window was moved or resized";
}

TEST(Win32WindowStackingUnderWine, KeeperLeavesEverythingAloneWhileTheBarIsInFront)
{
    TestWindow other(L"other program", true, 320);
    TestWindow bar(L"bar", false, 40);
    ASSERT_TRUE(bar.handle() && other.handle()) << "no window could be created (is there a display?)";
    ASSERT_TRUE(bar.BringToFront());

    CountingStacking stacking;
    AlwaysOnTopKeeper keeper(stacking, [&] { return HandleOf(bar.handle()); });
    keeper.Tick();
    PumpMessages();

    EXPECT_EQ(stacking.zOrderCalls, 0);
    EXPECT_TRUE(IsTopmost(other.handle()));
    EXPECT_FALSE(IsTopmost(bar.handle()));
}

} // namespace
