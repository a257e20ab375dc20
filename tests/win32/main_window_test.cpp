// The Windows main window over the core, driven with real input (SendInput)
// on a display: where it appears, what its labels draw, which presses and
// releases act, the tab order, the lists, the buttons and the icon's
// restore. The services are the in-memory fakes; the windows are the
// program's own.
#include <set>

#include "app/caret_timeout.h"
#include "preferences/links.h"
#include "win32/main_window_fixture.h"

namespace tarvenel::win32 {
namespace {

using namespace tarvenel::win32::test;

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

// The caret of the focused list blinks after input and then rests, lit, so
// that an idle window wakes only for its clock; a key sets it blinking again.
TEST_F(WinMainWindow, TheCaretRestsLitAFewSecondsAfterTheLastInput) {
    Load();
    SetForegroundWindow(Main());
    Type(VK_TAB); // the month list, whose short text leaves room after it
    Type(VK_END);
    HWND field = GetFocus();
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetGUIThreadInfo(GetCurrentThreadId(), &info));
    ASSERT_EQ(info.hwndCaret, field);
    const POINT at{info.rcCaret.left, (info.rcCaret.top + info.rcCaret.bottom) / 2};
    // The colours the caret's place takes over a second and a half.
    auto coloursSeen = [&] {
        std::set<COLORREF> colours;
        for (int i = 0; i < 15; ++i) {
            Pump(Main(), 100);
            HDC dc = GetDC(field);
            colours.insert(GetPixel(dc, at.x, at.y));
            ReleaseDC(field, dc);
        }
        return colours;
    };
    EXPECT_EQ(coloursSeen().size(), 2u) << "the caret blinks after a key";
    Pump(Main(), kCaretBlinkTimeoutMs);
    const auto resting = coloursSeen();
    ASSERT_EQ(resting.size(), 1u) << "the caret still blinks";
    EXPECT_NE(*resting.begin(), RGB(255, 255, 255)) << "the resting caret is not lit";
    Type(VK_END);
    EXPECT_EQ(coloursSeen().size(), 2u) << "a key does not wake the caret";
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
    // Clicked again at once (the system reports a double click): a click of
    // its own, stored and confirmed, not a box toggled behind the switch.
    Click(Child("Check4"), 10, 8);
    EXPECT_EQ(SendMessageW(Child("Check4"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(settings.Stored("GuDingTime"), "0");
    EXPECT_EQ(LastMessage(), "已经取消“预先设置为默认关机时间”功能！");
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

// Typed text is looked at only when arming: typing into a selector runs no
// click handler (the target line does not follow it).
TEST_F(WinMainWindow, TypingIntoASelectorRunsNoHandler) {
    Load();
    SetForegroundWindow(Main());
    const std::wstring before = TextOf(Child("Label1"));
    Click(Child("Combo2"), 10, 10); // the month's text field, with room after its text
    ASSERT_TRUE(PumpUntil(Main(), [&] { return Focused() == Child("Combo2"); }));
    Type(VK_END);
    // The field's own messages: the test display's keymap types no digits
    // into Wine (the end-to-end tests type through X).
    for (int i = 0; i < 2; ++i)
        SendMessageW(GetFocus(), WM_CHAR, L'7', 1);
    EXPECT_TRUE(PumpUntil(
        Main(), [&] { return TextOf(Child("Combo2")).find(L"7") != std::wstring::npos; }));
    EXPECT_EQ(TextOf(Child("Label1")), before);
}

// Every way the system closes the window takes the icon away with it.
TEST_F(WinMainWindow, ClosingOrTheSessionsEndRemovesTheIcon) {
    settings.Seed("MsgOK", "0");
    clock.Set({2026, 12, 7, 9, 0, 0});
    for (const UINT message : {WM_CLOSE, WM_ENDSESSION}) {
        TestWindow armed{SystemServices{clock, dateText, settings, dialogs, startup, countdown,
                                        urls, exit, screen}};
        ASSERT_TRUE(armed.Create());
        armed.Frm().Form_Load();
        Pump(armed.Handle());
        auto iconThere = [&] {
            NOTIFYICONDATAW data{};
            data.cbSize = sizeof(data);
            data.hWnd = armed.Handle();
            data.uID = 1;
            return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
        };
        SetWindowTextW(armed.Child("Combo4"), L"10时");
        Click(armed.Child("XPButton1"));
        ASSERT_TRUE(armed.Frm().State().IsArmed);
        ASSERT_TRUE(iconThere());
        SendMessageW(armed.Handle(), message, message == WM_ENDSESSION, 0);
        EXPECT_FALSE(iconThere()) << message;
    }
    EXPECT_EQ(exit.ended, 2);
}

// The buttons draw with the theme's system colours, and follow a change of
// them: here the caption colour.
TEST_F(WinMainWindow, TheButtonsFollowTheThemesSystemColours) {
    Load();
    auto reddish = [&] {
        const Shot shot = TakeShot(Child("XPButton1"));
        int count = 0;
        for (std::uint32_t pixel : shot.pixels) {
            const int red = pixel >> 16 & 0xFF, green = pixel >> 8 & 0xFF, blue = pixel & 0xFF;
            count += red > green + 80 && red > blue + 80; // the text's smoothed edges too
        }
        return count;
    };
    const int element = COLOR_BTNTEXT;
    const COLORREF before = GetSysColor(element);
    struct Restore {
        int element;
        COLORREF colour;
        ~Restore() { SetSysColors(1, &element, &colour); }
    } restore{element, before};
    // Away from the button, whose hover look is orange.
    SetCursorPos(0, 0);
    ASSERT_TRUE(PumpUntil(Main(), [&] { return reddish() == 0; }));
    const COLORREF red = RGB(255, 0, 0);
    ASSERT_TRUE(SetSysColors(1, &element, &red));
    EXPECT_TRUE(PumpUntil(Main(), [&] { return reddish() > 10; }));
    SetSysColors(1, &element, &before);
    EXPECT_TRUE(PumpUntil(Main(), [&] { return reddish() == 0; }));
}

TEST(WinButtonWindow, ANewSizeLaysTheButtonOutAgain) {
    LoneCheckButton lone;
    Pump(lone.parent);
    auto outlineWidth = [&] {
        const HRGN region = CreateRectRgn(0, 0, 0, 0);
        RECT box{};
        if (GetWindowRgn(lone.Handle(), region) != ERROR)
            GetRgnBox(region, &box);
        DeleteObject(region);
        return box.right - box.left;
    };
    const int before = outlineWidth(); // for 90 pixels
    ASSERT_GT(before, 0);
    SetWindowPos(lone.Handle(), nullptr, 0, 0, 100, 20, SWP_NOMOVE | SWP_NOZORDER);
    Pump(lone.parent);
    EXPECT_EQ(outlineWidth(), before + 10);
}

TEST(WinButtonWindow, AnAccessKeyTakesTheButtonsAccessKeyPathInEveryMode) {
    LoneCheckButton lone;
    FormButton& button = *lone.button;
    SetForegroundWindow(lone.parent);
    Pump(lone.parent);
    ASSERT_EQ(button.Model().Mode(), 1);
    ASSERT_FALSE(button.Model().Value());
    SendKey(VK_MENU, false);
    SendKey('A', false);
    SendKey('A', true);
    SendKey(VK_MENU, true);
    Pump(lone.parent);
    EXPECT_TRUE(button.Model().Value());
}

} // namespace
} // namespace tarvenel::win32
