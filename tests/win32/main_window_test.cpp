// The Windows main window over the core, driven with real input (SendInput)
// on a display: where it appears, what its labels draw, which presses and
// releases act, the tab order, the lists, the buttons and the icon's
// restore. The services are the in-memory fakes; the windows are the
// program's own.
#include "platform/win32/win_api.h"

#include <commctrl.h>
#include <cstring>
#include <gtest/gtest.h>
#include <uxtheme.h>

#include "platform/win32/button_window.h"
#include "platform/win32/gdi_text_renderer.h"
#include "platform/win32/image_window.h"
#include "platform/win32/main_window.h"
#include "platform/win32/wide.h"
#include "platform/win32/win_services.h"
#include "preferences/links.h"
#include "support/fake_services.h"

namespace tarvenel::win32 {
namespace {

using namespace tarvenel::test;

HINSTANCE Instance() {
    return GetModuleHandleW(nullptr);
}

void RegisterClassesOnce() {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        MainWindow::Register(Instance());
        ButtonWindow::Register(Instance());
        ImageWindow::Register(Instance());
        return true;
    }();
    (void)registered;
}

// The program's message loop, for a while.
void Pump(HWND dialogWindow, int milliseconds = 150) {
    const DWORD until = GetTickCount() + static_cast<DWORD>(milliseconds);
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (dialogWindow && IsWindow(dialogWindow) && IsDialogMessageW(dialogWindow, &msg))
                continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    } while (GetTickCount() < until);
}

void SendMouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}

void SendKey(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof(input));
}

POINT OnScreen(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    return p;
}

RECT ClientRectOf(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return r;
}

// A screen copy of the window's client area, top-down 0x00RRGGBB pixels.
struct Shot {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y * width + x)] & 0xFFFFFF;
    }
};

Shot TakeShot(HWND window) {
    Shot shot;
    const RECT r = ClientRectOf(window);
    shot.width = r.right;
    shot.height = r.bottom;
    shot.pixels.resize(static_cast<std::size_t>(shot.width * shot.height));
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = shot.width;
    info.bmiHeader.biHeight = -shot.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const POINT origin = OnScreen(window, 0, 0);
    BitBlt(memory, 0, 0, shot.width, shot.height, screen, origin.x, origin.y, SRCCOPY);
    GdiFlush();
    std::memcpy(shot.pixels.data(), bits, shot.pixels.size() * 4);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return shot;
}

RECT RectIn(HWND control, HWND parent) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

class WinMainWindow : public testing::Test {
protected:
    void SetUp() override { RegisterClassesOnce(); }
    void TearDown() override {
        window.Discard();
        Pump(nullptr, 50);
    }

    void Create() { ASSERT_TRUE(window.Create()); }
    void Load(const CivilDateTime& now = {2026, 12, 7, 9, 0, 0}) {
        clock.Set(now);
        if (!window.Handle())
            Create();
        window.Frm().Form_Load();
        Pump(window.Handle(), 300);
    }
    HWND Main() const { return window.Handle(); }
    HWND Child(const char* name) const { return window.Child(name); }

    // The left (or another) button pressed and released at a point of a
    // control, as the mouse does it.
    void Press(HWND control, int x, int y, DWORD down = MOUSEEVENTF_LEFTDOWN) {
        const POINT p = OnScreen(control, x, y);
        SetCursorPos(p.x, p.y);
        Pump(Main(), 30);
        SendMouse(down);
        Pump(Main());
    }
    void Release(HWND control, int x, int y, DWORD up = MOUSEEVENTF_LEFTUP) {
        const POINT p = OnScreen(control, x, y);
        SetCursorPos(p.x, p.y);
        Pump(Main(), 30);
        SendMouse(up);
        Pump(Main());
    }
    void Click(HWND control, int x = -1, int y = -1) {
        const RECT r = ClientRectOf(control);
        if (x < 0) {
            x = r.right / 2;
            y = r.bottom / 2;
        }
        Press(control, x, y);
        Release(control, x, y);
    }
    void Type(WORD key) {
        SendKey(key, false);
        SendKey(key, true);
        Pump(Main());
    }
    // The control that has the keyboard focus, a combo box for its text field.
    HWND Focused() const {
        HWND focus = GetFocus();
        wchar_t name[32] = {};
        GetClassNameW(GetParent(focus), name, 32);
        return lstrcmpiW(name, L"ComboBox") == 0 ? GetParent(focus) : focus;
    }
    std::string LastMessage() const {
        return dialogs.shown.empty() ? "" : dialogs.shown.back().text;
    }

    FakeClock clock;
    FakeDateText dateText;
    FakeSettings settings;
    FakeDialogs dialogs;
    FakeStartupList startup;
    FakeCountdown countdown;
    FakeUrlOpener urls;
    FakeExit exit;
    WinScreen screen;
    MainWindow window{Instance(), SystemServices{clock, dateText, settings, dialogs, startup,
                                                 countdown, urls, exit, screen}};
};

// --- The window

TEST_F(WinMainWindow, AppearsCentredPlacedAndShaped) {
    Create();
    // What the window is like at the moment it is first shown.
    struct Seen {
        bool shown = false;
        RECT rect{};
        bool shaped = false;
    } seen;
    SetWindowSubclass(
        Main(),
        [](HWND w, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
            auto* s = reinterpret_cast<Seen*>(data);
            if (message == WM_SHOWWINDOW && wParam && !s->shown) {
                s->shown = true;
                GetWindowRect(w, &s->rect);
                HRGN region = CreateRectRgn(0, 0, 0, 0);
                s->shaped = GetWindowRgn(w, region) != ERROR;
                DeleteObject(region);
            }
            return DefSubclassProc(w, message, wParam, lParam);
        },
        1, reinterpret_cast<DWORD_PTR>(&seen));
    Load();
    ASSERT_TRUE(seen.shown);
    const int left = (GetSystemMetrics(SM_CXSCREEN) - 376) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - 216) / 2;
    EXPECT_EQ(seen.rect.left, left);
    EXPECT_EQ(seen.rect.top, top);
    EXPECT_EQ(seen.rect.right - seen.rect.left, 376);
    EXPECT_EQ(seen.rect.bottom - seen.rect.top, 216);
    EXPECT_TRUE(seen.shaped);
}

TEST_F(WinMainWindow, TheKeyboardStartsOnTheYearAndTabsInScreenOrder) {
    Load();
    SetForegroundWindow(Main());
    Pump(Main());
    EXPECT_EQ(Focused(), Child("Combo1"));
    const char* order[] = {"Combo2", "Combo3",    "Combo4",    "Combo5",
                           "Combo6", "XPButton1", "XPButton3", // 取 消 is disabled while idle
                           "Check1", "Check2",    "Check3",    "Check4",
                           "Combo7", "Combo8",    "Combo9",    "Combo1"};
    for (const char* name : order) {
        Type(VK_TAB);
        EXPECT_EQ(Focused(), Child(name)) << name;
    }
}

TEST_F(WinMainWindow, NativeControlsShareTheClassicLook) {
    Load();
    for (const char* name : {"Combo1", "Combo6", "Combo9", "Check1", "Check4"})
        EXPECT_EQ(GetWindowTheme(Child(name)), nullptr) << name;
}

// --- Labels

// True when some pixel in the columns [left, right) of the row band differs
// from the pixel at (left - 1, top) (the background just before the text).
bool InkIn(const Shot& shot, const RECT& band, int left, int right) {
    const std::uint32_t background = shot.At(band.left, band.top);
    for (int x = left; x < right; ++x)
        for (int y = band.top; y < band.bottom; ++y)
            if (shot.At(x, y) != background)
                return true;
    return false;
}

TEST_F(WinMainWindow, TheTimeLinesAndTheCreditLineAreDrawnWhole) {
    Load({2026, 12, 31, 23, 59, 59}); // the longest clock and target lines
    const Shot shot = TakeShot(Main());
    for (const char* name : {"Label0", "Label1", "LbBR"}) {
        HWND label = Child(name);
        const std::wstring text = TextOf(label);
        const int width = TextWidth(label, text);
        const int last = TextWidth(label, text.substr(text.size() - 1));
        const RECT area = RectIn(label, Main());
        ASSERT_GE(area.right - area.left, width) << name;
        EXPECT_TRUE(InkIn(shot, area, area.left + width - last, area.left + width)) << name;
    }
    const RECT credit = RectIn(Child("LbBR"), Main());
    EXPECT_EQ(credit.right - credit.left, TextWidth(Child("LbBR"), TextOf(Child("LbBR"))));
    EXPECT_EQ(credit.right, 376 - 8); // Width - width - 120 twips
}

TEST_F(WinMainWindow, LinksActOnAReleaseOverThemAndOnlyTheCreditTextIsALink) {
    Load();
    HWND help = Child("Label2");
    Press(help, 5, 5);
    EXPECT_TRUE(dialogs.shown.empty()); // not on the press
    Release(help, 6, 6);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, "Tarvenel 帮助");

    HWND page = Child("Label3");
    Press(page, 5, 5);
    Release(Main(), 200, 100); // dragged off before letting go
    EXPECT_TRUE(urls.opened.empty());

    // The bar left of the credit text moves the window (the system's move
    // loop runs until the button comes up, so both go in at once); the text
    // opens the page.
    const RECT credit = RectIn(Child("LbBR"), Main());
    const POINT bar = OnScreen(Main(), credit.left - 20, credit.top + 5);
    SetCursorPos(bar.x, bar.y);
    Pump(Main(), 30);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
    Pump(Main());
    EXPECT_TRUE(urls.opened.empty());
    Click(Child("LbBR"), 3, 5);
    EXPECT_EQ(urls.opened, std::vector<std::string>{kMakerHomeUrl});
}

// --- Option boxes

TEST_F(WinMainWindow, OptionBoxesActOnAReleaseThatFollowsAPressOnThemAndOnTheSpaceBar) {
    Load();
    HWND autoArm = Child("Check3");
    // Pressed on the background, released over the box: nothing.
    Press(Main(), 200, 100, MOUSEEVENTF_RIGHTDOWN);
    Release(autoArm, 10, 8, MOUSEEVENTF_RIGHTUP);
    EXPECT_EQ(settings.writes, 0);
    EXPECT_TRUE(dialogs.shown.empty());

    Click(autoArm, 10, 8);
    EXPECT_EQ(SendMessageW(autoArm, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(settings.Stored("AutoOK"), "1");
    EXPECT_EQ(LastMessage(), "已经启用“程序启动后自动开始运行”功能！");

    // The space bar switches the option as a left click would.
    SetFocus(autoArm);
    Type(VK_SPACE);
    EXPECT_EQ(SendMessageW(autoArm, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(settings.Stored("AutoOK"), "0");
    EXPECT_EQ(LastMessage(), "已经取消“程序启动后自动开始运行”功能！");

    // Check4 takes the default time into the selectors.
    Click(Child("Check4"), 10, 8);

    EXPECT_EQ(settings.Stored("GuDingTime"), "1");
    EXPECT_EQ(TextOf(Child("Combo4")), L"23时");
}

// --- Lists and buttons

TEST_F(WinMainWindow, ListEntriesAndTheThreeButtonsAnswerTheMouse) {
    Load();
    // Open the hour list at its arrow and pick 5时.
    HWND hour = Child("Combo4");
    const RECT box = ClientRectOf(hour);
    Click(hour, box.right - 5, box.bottom / 2);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(hour, &info));
    ASSERT_TRUE(IsWindowVisible(info.hwndList));
    RECT item{};
    SendMessageW(info.hwndList, LB_GETITEMRECT, 5, reinterpret_cast<LPARAM>(&item));
    Click(info.hwndList, (item.left + item.right) / 2, (item.top + item.bottom) / 2);
    EXPECT_EQ(TextOf(hour), L"5时");
    EXPECT_EQ(TextOf(Child("Label1")), L"设定关机时间：2026年12月7日5时0分0秒");

    // 重 置 puts the selectors back on now.
    clock.Set({2026, 12, 7, 9, 30, 0});
    Click(Child("XPButton3"));
    EXPECT_EQ(TextOf(Child("Label1")), L"设定关机时间：2026年12月7日9时30分0秒");

    // 确 定 arms (the target a minute ahead) and hides the window; the
    // icon brings it back where the user dragged it; 取 消 disarms.
    settings.Seed("MsgOK", "0");
    clock.Set({2026, 12, 7, 9, 29, 0});
    SendMessageW(Child("Check2"), BM_SETCHECK, BST_UNCHECKED, 0);
    Click(Child("XPButton1"));
    ASSERT_TRUE(window.Frm().State().IsArmed);
    EXPECT_FALSE(IsWindowVisible(Main()));
    // The icon's other mouse messages (moves, right button, double click)
    // leave it hidden; the left button's release brings it back.
    for (UINT other : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_RBUTTONUP, WM_LBUTTONDBLCLK})
        PostMessageW(Main(), WM_MOUSEMOVE, 1, MAKELPARAM(other, 0));
    Pump(Main());
    EXPECT_FALSE(IsWindowVisible(Main()));
    PostMessageW(Main(), WM_MOUSEMOVE, 1, MAKELPARAM(WM_LBUTTONUP, 0)); // the icon's click
    Pump(Main());
    ASSERT_TRUE(IsWindowVisible(Main()));
    SetWindowPos(Main(), nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER); // dragged
    Click(Child("Immin"));
    EXPECT_FALSE(IsWindowVisible(Main()));
    PostMessageW(Main(), WM_MOUSEMOVE, 1, MAKELPARAM(WM_LBUTTONUP, 0));
    Pump(Main());
    RECT where{};
    GetWindowRect(Main(), &where);
    EXPECT_EQ(where.left, 40);
    EXPECT_EQ(where.top, 30);
    Click(Child("XPButton2"));
    EXPECT_FALSE(window.Frm().State().IsArmed);
    EXPECT_TRUE(IsWindowEnabled(Child("Combo4")));
}

TEST(WinButtonWindow, AnAccessKeyTakesTheButtonsAccessKeyPathInEveryMode) {
    RegisterClassesOnce();
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 10, 10, 200, 80,
                                  nullptr, nullptr, Instance(), nullptr);
    ButtonContainer container{0xFFFFFF};
    GdiTextRenderer text;
    StoredButton stored = MainWindowButtons()[0];
    stored.properties.Write("Caption", std::string("&Auto"));
    stored.properties.Write("Mode", std::int64_t{1}); // a check box
    ButtonWindow button;
    button.Create(parent, 10, RECT{10, 10, 100, 40}, container, stored, text);
    SetForegroundWindow(parent);
    Pump(parent);
    ASSERT_EQ(button.Model().Mode(), 1);
    ASSERT_FALSE(button.Model().Value());
    SendKey(VK_MENU, false);
    SendKey('A', false);
    SendKey('A', true);
    SendKey(VK_MENU, true);
    Pump(parent);
    EXPECT_TRUE(button.Model().Value());
    DestroyWindow(parent);
}

} // namespace
} // namespace tarvenel::win32
