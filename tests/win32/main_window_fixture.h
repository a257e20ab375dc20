#pragma once
// The Windows main window over the core with the in-memory services, on a
// display, and the real input (SendInput) the window tests drive it with.
#include "platform/win32/win_api.h"

#include <commctrl.h>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <uxtheme.h>

#include "button/form_button.h"
#include "platform/win32/gdi_text_renderer.h"
#include "platform/win32/icons.h"
#include "platform/win32/native_form.h"
#include "platform/win32/wide.h"
#include "platform/win32/win_notify_icon.h"
#include "platform/win32/win_services.h"
#include "scheduler/main_form.h"
#include "support/fake_services.h"

namespace tarvenel::win32::test {

using namespace tarvenel::test;

inline HINSTANCE Instance() {
    return GetModuleHandleW(nullptr);
}

inline void RegisterClassesOnce() {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        WinForm::Register(Instance());
        return true;
    }();
    (void)registered;
}

// The form behind one of the program's windows; null for another window.
inline WinForm* FormOf(HWND window) {
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    const bool ours = std::wstring_view(name).starts_with(L"Tarvenel.");
    return ours ? reinterpret_cast<WinForm*>(GetWindowLongPtrW(window, GWLP_USERDATA)) : nullptr;
}

// The program's message loop, for a while: the window's keys go to its form
// first, as they do in the program.
inline void Pump(HWND dialogWindow, int milliseconds = 150) {
    const DWORD until = GetTickCount() + static_cast<DWORD>(milliseconds);
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            const bool live = dialogWindow && IsWindow(dialogWindow);
            WinForm* form = live ? FormOf(dialogWindow) : nullptr;
            if (form ? form->PreTranslate(msg) : live && IsDialogMessageW(dialogWindow, &msg))
                continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    } while (GetTickCount() < until);
}

// The message loop until `done` holds, for ten seconds at most: a busy
// machine may take its time. Returns whether it held.
template <class Done> bool PumpUntil(HWND dialogWindow, Done done, int milliseconds = 10000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > static_cast<DWORD>(milliseconds))
            return false;
        Pump(dialogWindow, 10);
    }
    return true;
}

inline void SendMouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}

inline void SendKey(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof(input));
}

inline POINT OnScreen(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    return p;
}

inline RECT ClientRectOf(HWND window) {
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

inline Shot TakeShot(HWND window) {
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

// Pixels of one line of text in the window's font.
inline int TextWidth(HWND window, const std::wstring& text) {
    HDC dc = GetDC(window);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return size.cx;
}

inline RECT RectIn(HWND control, HWND parent) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

inline std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

// The program's main window as the program makes it: its form on a Win32
// window, with the real notification icon.
class TestWindow {
public:
    explicit TestWindow(const SystemServices& services) : services_(services) {}
    ~TestWindow() { Discard(); }

    bool Create() {
        if (!native_.Create())
            return false;
        icon_ = std::make_unique<WinNotifyIcon>(native_.Handle(), picture_.Get());
        form_ = std::make_unique<MainForm>(native_, services_, *icon_, text_);
        return true;
    }
    HWND Handle() const { return native_.Handle(); }
    HWND Child(const char* name) const { return native_.Child(name); }
    FrmMain& Frm() { return form_->Logic(); }
    MainForm& Form() { return *form_; }
    void Discard() {
        if (form_)
            form_->Discard();
    }

private:
    SystemServices services_;
    WinForm native_{Instance(), WinForm::Frame::Skinned};
    GdiTextRenderer text_;
    IconHandle picture_ = ArtworkIcon(Artwork::Icon32);
    std::unique_ptr<WinNotifyIcon> icon_;
    std::unique_ptr<MainForm> form_;
};

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
        MouseAt(control, x, y, down);
    }
    void Release(HWND control, int x, int y, DWORD up = MOUSEEVENTF_LEFTUP) {
        MouseAt(control, x, y, up);
    }
    // The cursor moved to a point of a control, then one mouse event there.
    void MouseAt(HWND control, int x, int y, DWORD event) {
        const POINT p = OnScreen(control, x, y);
        SetCursorPos(p.x, p.y);
        Pump(Main(), 30);
        SendMouse(event);
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
    TestWindow window{
        SystemServices{clock, dateText, settings, dialogs, startup, countdown, urls, exit, screen}};
};

// A check-box button captioned "&Auto" on a window of its own, loaded from
// the arm button's stored values.
struct LoneCheckButton {
    LoneCheckButton() {
        RegisterClassesOnce();
        native.Create();
        const int id = host.Declare({"Lone", "", "", {150, 150, 1350, 450}, 0}, ControlKind::Drawn);
        host.MakeAll();
        StoredButton stored = MainWindowButtons()[0];
        stored.properties.Write("Caption", std::string("&Auto"));
        stored.properties.Write("Mode", std::int64_t{1});
        button = std::make_unique<FormButton>(host, id, container, stored, text,
                                              ButtonScreen{800, 600, kFormTwipsPerPixel}, dialogs);
        native.SetPlace(kForm, {150, 150, 3000, 1200});
        native.SetVisible(kForm, true); // with the focus nowhere, as on a plain window
        parent = native.Handle();
    }
    ~LoneCheckButton() { host.Discard(); }
    HWND Handle() const { return native.Child("Lone"); }

    WinForm native{Instance(), WinForm::Frame::Skinned};
    FormHost host{native};
    ButtonContainer container{0xFFFFFF};
    GdiTextRenderer text;
    FakeDialogs dialogs;
    std::unique_ptr<FormButton> button;
    HWND parent = nullptr;
};

} // namespace tarvenel::win32::test
