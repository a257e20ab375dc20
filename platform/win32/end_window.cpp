#include "platform/win32/end_window.h"

#include <algorithm>
#include <vector>

#include "platform/win32/gdi_text_renderer.h"
#include "platform/win32/wide.h"
#include "power/frm_end_design.h"

namespace tarvenel::win32 {
namespace {

constexpr wchar_t kClassName[] = L"Tarvenel.End";

// Buttons in tab order: the lowest tab indexes belong to buttons nobody sees.
enum : int {
    kCmdLogoff = 200,
    kCommand1,
    kCmdForceLogoff,
    kCmdShutdown,
    kCmdForceShutdown,
    kLabel1,
    kCommand2
};

} // namespace

std::string ButtonCaption::Caption() const {
    wchar_t text[256] = {};
    GetWindowTextW(window_, text, 256);
    return Narrow(text);
}

void ButtonCaption::SetEnabled(bool enabled) {
    // A disabled button loses the focus to nobody; the dialog takes it, so
    // that its keys (Escape) still arrive.
    if (!enabled && GetFocus() == window_)
        ::SetFocus(GetParent(window_));
    EnableWindow(window_, enabled);
}

void ButtonCaption::SetCaption(const std::string& text) {
    SetWindowTextW(window_, Widen(text).c_str());
}

EndWindow::EndWindow(HINSTANCE instance, HWND owner) : instance_(instance), owner_(owner) {}

EndWindow::~EndWindow() {
    if (Loaded()) {
        unloaded_ = true;
        timer1_.SetEnabled(false);
        DestroyWindow(window_);
    }
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(numberFont_), static_cast<HGDIOBJ>(buttonFont_),
                           static_cast<HGDIOBJ>(smallFont_), static_cast<HGDIOBJ>(face_)})
        if (object)
            DeleteObject(object);
}

void EndWindow::Register(HINSTANCE instance) {
    RegisterWindowClass(instance, kClassName, Proc, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
}

bool EndWindow::Create() {
    numberFont_ = CreateFontFor(frm_end_design::kNumberFont);
    buttonFont_ = CreateFontFor(frm_end_design::kCancelFont);
    smallFont_ = CreateFontFor(FontSpec{});
    face_ = CreateSolidBrush(frm_end_design::kCancelBackColour);
    icon_ = ArtworkIcon(Artwork::CountdownIcon16);
    // Made where it will be seen, at the size it gives itself when it loads,
    // so that showing it on top never flashes it elsewhere first.
    const int width = TwipsToPixels(kEndWidthTwips);
    const int height = TwipsToPixels(kEndHeightTwips);
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    // Owned by the main window, so it gets no taskbar button of its own.
    window_ =
        CreateWindowExW(WS_EX_DLGMODALFRAME, kClassName, Widen(frm_end_design::kCaption).c_str(),
                        WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, left, top, width,
                        height, owner_, nullptr, instance_, this);
    if (!window_)
        return false;
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.Get()));
    CreateControls();
    timer1_.Attach(window_);
    return true;
}

void EndWindow::SetAlwaysOnTop(bool onTop) {
    SetWindowPos(window_, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
}

void EndWindow::Present() {
    Show();
    SetFocus(GetDlgItem(window_, kCommand1));
}

void EndWindow::CreateControls() {
    namespace D = frm_end_design;
    struct Child {
        int id;
        const wchar_t* className;
        const ControlDesign* design;
        DWORD style;
        HFONT font;
        int tabIndex;
    };
    std::vector<Child> children{
        {kCommand1, L"BUTTON", &D::kCommand1, WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, buttonFont_,
         D::kCommand1TabIndex},
        {kLabel1, L"STATIC", &D::kLabel1, WS_VISIBLE | SS_CENTER | SS_NOPREFIX, numberFont_, 5},
    };
    const int powerIds[] = {kCmdLogoff, kCmdForceLogoff, kCmdShutdown, kCmdForceShutdown,
                            kCommand2};
    for (std::size_t i = 0; i < D::kPowerButtons.size(); ++i) {
        const auto& b = D::kPowerButtons[i];
        children.push_back({powerIds[i], L"BUTTON", &b.design,
                            WS_TABSTOP | (b.visible ? WS_VISIBLE : 0U), smallFont_, b.tabIndex});
    }
    // Windows are tabbed through in the order they were made.
    std::sort(children.begin(), children.end(),
              [](const Child& a, const Child& b) { return a.tabIndex < b.tabIndex; });
    for (const Child& c : children) {
        const TwipsRect& r = c.design->rect;
        HWND child = CreateWindowExW(
            0, c.className, Widen(c.design->caption).c_str(), WS_CHILD | c.style,
            TwipsToPixels(r.left), TwipsToPixels(r.top), TwipsToPixels(r.width),
            TwipsToPixels(r.height), window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)),
            instance_, nullptr);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(c.font), FALSE);
    }
    label1_.Attach(GetDlgItem(window_, kLabel1));
    command1_.Attach(GetDlgItem(window_, kCommand1));
}

bool EndWindow::PreTranslate(MSG& msg) {
    if (!Loaded() || !frm_ || (msg.hwnd != window_ && !IsChild(window_, msg.hwnd)))
        return false;
    // With no control focused (the cancel button is disabled once the
    // countdown has fired) keys reach the active window as system keys.
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
        const bool own = frm_->Form_KeyDown(static_cast<int>(msg.wParam), ShiftState());
        if (!Loaded())
            return true; // Escape closed the dialog
        // Keys with Alt (Alt+F4, the window menu) stay the system's.
        const bool alt = msg.message == WM_SYSKEYDOWN && (HIWORD(msg.lParam) & KF_ALTDOWN);
        if (own && !alt)
            return true;
    }
    return IsDialogMessageW(window_, &msg) != FALSE;
}

LRESULT CALLBACK EndWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = WindowObject(window, message, lParam, &EndWindow::window_);
    if (!self || !self->frm_ || self->unloaded_)
        return DefWindowProcW(window, message, wParam, lParam);
    return self->Handle(message, wParam, lParam);
}

LRESULT EndWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (wParam == timer1_.Id() && timer1_.Enabled())
            frm_->Timer1_Timer();
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED)
            break;
        switch (LOWORD(wParam)) {
        case IDOK:
            // Enter: the dialog manager names no button when the focused one
            // draws itself, so the focused button is pressed here.
            ClickFocusedButton();
            return 0;
        case kCommand1:
            frm_->Command1_Click();
            return 0;
        case kCmdLogoff:
            frm_->cmdLogoff_Click();
            return 0;
        case kCmdForceLogoff:
            frm_->cmdForceLogoff_Click();
            return 0;
        case kCmdShutdown:
            frm_->cmdShutdown_Click();
            return 0;
        case kCmdForceShutdown:
            frm_->cmdForceShutdown_Click();
            return 0;
        case kCommand2:
            frm_->Command2_Click();
            return 0;
        }
        break;
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lParam) == GetDlgItem(window_, kLabel1)) {
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, frm_end_design::kNumberColour);
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        break;
    case WM_DRAWITEM:
        DrawCommand1(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_CLOSE:
        Unload();
        return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void EndWindow::ClickFocusedButton() {
    HWND focus = GetFocus();
    wchar_t className[16] = {};
    if (focus && IsChild(window_, focus) && IsWindowEnabled(focus) &&
        GetClassNameW(focus, className, 16) && lstrcmpiW(className, L"BUTTON") == 0)
        SendMessageW(focus, BM_CLICK, 0, 0);
}

void EndWindow::DrawCommand1(const DRAWITEMSTRUCT& item) {
    // A graphical button: light grey face, raised edge, bold caption.
    RECT r = item.rcItem;
    FillRect(item.hDC, &r, face_);
    const bool down = item.itemState & ODS_SELECTED;
    DrawEdge(item.hDC, &r, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    wchar_t text[64] = {};
    GetWindowTextW(item.hwndItem, text, 64);
    RECT t = r;
    if (down)
        OffsetRect(&t, 1, 1);
    SetBkMode(item.hDC, TRANSPARENT);
    const bool enabled = !(item.itemState & ODS_DISABLED);
    if (!enabled) {
        RECT shadow = t;
        OffsetRect(&shadow, 1, 1);
        SetTextColor(item.hDC, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextW(item.hDC, text, -1, &shadow, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    SetTextColor(item.hDC, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    DrawTextW(item.hDC, text, -1, &t, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (item.itemState & ODS_FOCUS) {
        RECT focus = r;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(item.hDC, &focus);
    }
}

std::string EndWindow::Caption() const {
    wchar_t text[256] = {};
    GetWindowTextW(window_, text, 256);
    return Narrow(text);
}

void EndWindow::SetCaption(const std::string& text) {
    SetWindowTextW(window_, Widen(text).c_str());
}

void EndWindow::Show() {
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
}

void EndWindow::SetWindowState(WindowState state) {
    ShowWindow(window_, state == WindowState::Minimised ? SW_MINIMIZE : SW_RESTORE);
}

void EndWindow::SetSize(int widthTwips, int heightTwips) {
    SetWindowPos(window_, nullptr, 0, 0, TwipsToPixels(widthTwips), TwipsToPixels(heightTwips),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void EndWindow::Unload() {
    if (!Loaded())
        return;
    frm_->Form_Unload();
    unloaded_ = true;
    timer1_.SetEnabled(false);
    DestroyWindow(window_);
}

} // namespace tarvenel::win32
