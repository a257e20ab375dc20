// Handles that leak build up over a long run: 10,000 button redraws and
// hover cycles and 50 arm-and-cancel cycles leave the process's GDI and USER
// object counts where they were.
#include "win32/main_window_fixture.h"

namespace tarvenel::win32 {
namespace {

using namespace tarvenel::win32::test;

// Wine's GetGuiResources is a stub that answers 0, so where it does the
// objects are counted directly: every GDI handle slot that names an object
// (Wine takes a handle by its slot alone), and every window of this thread.
bool GuiResourcesCount() {
    return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS) != 0;
}
DWORD GdiObjects() {
    if (GuiResourcesCount())
        return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    DWORD count = 0;
    for (ULONG_PTR slot = 1; slot < 0x10000; ++slot)
        count += GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0;
    return count;
}
BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
    ++*reinterpret_cast<DWORD*>(count);
    EnumChildWindows(window, CountWindow, count);
    return TRUE;
}
DWORD UserObjects() {
    if (GuiResourcesCount())
        return GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    DWORD count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

// The counts below mean something only if they follow what is made.
TEST(GuiResources, CountObjectsAsTheyAreMadeAndDestroyed) {
    const DWORD gdi = GdiObjects();
    std::vector<HBRUSH> brushes;
    for (int i = 0; i < 100; ++i)
        brushes.push_back(CreateSolidBrush(RGB(i, 0, 0)));
    EXPECT_GE(GdiObjects(), gdi + 100);
    for (HBRUSH brush : brushes)
        DeleteObject(brush);
    EXPECT_LE(GdiObjects(), gdi);

    const DWORD user = UserObjects();
    std::vector<HWND> windows;
    for (int i = 0; i < 20; ++i)
        windows.push_back(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                          nullptr, Instance(), nullptr));
    EXPECT_GE(UserObjects(), user + 20);
    for (HWND window : windows)
        DestroyWindow(window);
    EXPECT_LE(UserObjects(), user);
}

class WinGuiResources : public WinMainWindow {
protected:
    // A hover cycle as the button sees it: the mouse comes over it, then
    // its hover timer finds the cursor gone. Each change repaints it.
    void HoverCycle(HWND button) {
        const POINT inside = OnScreen(button, 10, 10);
        SetCursorPos(inside.x, inside.y);
        SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
        UpdateWindow(button);
        SetCursorPos(0, 0);
        SendMessageW(button, WM_TIMER, xpb::kHoverTimerId, 0);
        UpdateWindow(button);
    }
    void ArmAndCancel() {
        Click(Child("XPButton1"));
        ASSERT_TRUE(window.Frm().State().IsArmed);
        PostMessageW(Main(), WM_MOUSEMOVE, 1, MAKELPARAM(WM_LBUTTONUP, 0)); // the icon's click
        Pump(Main(), 30);
        Click(Child("XPButton2"));
        ASSERT_FALSE(window.Frm().State().IsArmed);
    }
};

TEST_F(WinGuiResources, RedrawsHoversAndArmingsLeaveGdiAndUserCountsFlat) {
    settings.Seed("MsgOK", "0");
    Load({2026, 12, 7, 9, 0, 0});
    Click(Child("XPButton3"));          // the selectors to now,
    clock.Set({2026, 12, 7, 8, 59, 0}); // which is a minute ahead
    HWND button = Child("XPButton3");
    // Caches (fonts, brushes of the look) fill on first use.
    for (int i = 0; i < 20; ++i)
        HoverCycle(button);
    ArmAndCancel();
    const DWORD gdi = GdiObjects(), user = UserObjects();

    for (int i = 0; i < 10000; ++i) {
        RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        HoverCycle(button);
    }
    EXPECT_LE(GdiObjects(), gdi) << "GDI objects after 10,000 redraws and hovers";
    EXPECT_LE(UserObjects(), user) << "USER objects after 10,000 redraws and hovers";

    for (int i = 0; i < 50; ++i)
        ArmAndCancel();
    EXPECT_LE(GdiObjects(), gdi) << "GDI objects after 50 arm-and-cancel cycles";
    EXPECT_LE(UserObjects(), user) << "USER objects after 50 arm-and-cancel cycles";
    std::printf("GDI %lu, USER %lu objects before and after\n", gdi, user);
}

} // namespace
} // namespace tarvenel::win32
