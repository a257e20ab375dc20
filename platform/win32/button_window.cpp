#include "platform/win32/button_window.h"

#include "app/form_design.h"
#include "platform/win32/gdi_bridge.h"
#include "platform/win32/wide.h"
#include "platform/win32/win_controls.h"

namespace tarvenel::win32 {
namespace {

constexpr wchar_t kClassName[] = L"Tarvenel.XPButton";
constexpr UINT_PTR kHoverTimer = xpb::kHoverTimerId;

int HeldButtons(WPARAM wParam) {
    return (wParam & MK_LBUTTON ? 1 : 0) | (wParam & MK_RBUTTON ? 2 : 0) |
           (wParam & MK_MBUTTON ? 4 : 0);
}

} // namespace

void ButtonWindow::Register(HINSTANCE instance) {
    RegisterWindowClass(instance, kClassName, Proc, CS_DBLCLKS);
}

HWND ButtonWindow::Create(HWND parent, int id, const RECT& r, ButtonContainer& container,
                          const StoredButton& stored, TextRenderer& text) {
    CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, r.left, r.top,
                    r.right - r.left, r.bottom - r.top, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                    reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), this);
    accessibility_.Attach(window_);
    // Captions are sized on the forms' grid, like the labels beside them.
    ButtonSurface& surface = *this;
    host_ = std::make_unique<HostedButton>(surface, container, stored, text,
                                           ButtonScreen{GetSystemMetrics(SM_CXSCREEN),
                                                        GetSystemMetrics(SM_CYSCREEN),
                                                        kFormTwipsPerPixel});
    return window_;
}

int ButtonWindow::Width() {
    RECT r{};
    GetClientRect(window_, &r);
    return r.right;
}

int ButtonWindow::Height() {
    RECT r{};
    GetClientRect(window_, &r);
    return r.bottom;
}

void ButtonWindow::SetWidth(int pixels) {
    SetWindowPos(window_, nullptr, 0, 0, pixels, Height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ButtonWindow::SetRegion(const Region& region) {
    HRGN handle = CreateGdiRegion(region);
    if (handle && !SetWindowRgn(window_, handle, TRUE))
        DeleteObject(handle);
}

void ButtonWindow::Capture(bool on) {
    if (on)
        ::SetCapture(window_);
    else if (GetCapture() == window_)
        ::ReleaseCapture();
}

void ButtonWindow::StartHoverPoll(int periodMs) {
    SetTimer(window_, kHoverTimer, static_cast<UINT>(periodMs), nullptr);
}

void ButtonWindow::StopHoverPoll() {
    KillTimer(window_, kHoverTimer);
}

bool ButtonWindow::CursorOver() {
    POINT cursor{};
    GetCursorPos(&cursor);
    return WindowFromPoint(cursor) == window_;
}

ClientPoint ButtonWindow::Cursor() {
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(window_, &cursor);
    return {static_cast<float>(cursor.x), static_cast<float>(cursor.y)};
}

void ButtonWindow::MoveFocus(bool forward) {
    HWND container = GetParent(window_);
    SetFocus(GetNextDlgTabItem(container, window_, forward ? FALSE : TRUE));
}

void ButtonWindow::ShowMessage(const std::string& text, int style, const std::string& caption) {
    MessageBoxW(window_, Widen(text).c_str(), Widen(caption).c_str(), static_cast<UINT>(style));
}

void ButtonWindow::Show(const Bitmap& face) {
    if (!window_)
        return;
    // The window text carries the caption, so that the dialog manager finds
    // its "&" access key and screen readers read it.
    const std::wstring caption = host_ ? Widen(host_->Model().Caption()) : std::wstring();
    if (caption != shownCaption_) {
        shownCaption_ = caption;
        SetWindowTextW(window_, caption.c_str());
    }
    HDC dc = GetDC(window_);
    DrawBitmap(dc, 0, 0, face);
    ReleaseDC(window_, dc);
}

LRESULT CALLBACK ButtonWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = WindowObject(window, message, lParam, &ButtonWindow::window_);
    return self && self->host_ ? self->Handle(message, wParam, lParam)
                               : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT ButtonWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result = 0; accessibility_.Handle(message, wParam, lParam, result))
        return result;
    const float x = static_cast<float>(XOfMouse(lParam));
    const float y = static_cast<float>(YOfMouse(lParam));
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(window_, &ps);
        EndPaint(window_, &ps);
        host_->Paint();
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZE:
        host_->Resized();
        return 0;
    case WM_GETDLGCODE: {
        // The focused button is the one Enter presses; arrows come here and
        // the button hands them to the container.
        LRESULT code =
            DLGC_BUTTON | (GetFocus() == window_ ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        if (msg && msg->message == WM_KEYDOWN && msg->wParam >= VK_LEFT && msg->wParam <= VK_DOWN)
            code |= DLGC_WANTARROWS;
        return code;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        host_->FocusChanged(message == WM_SETFOCUS);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (message == WM_LBUTTONDOWN)
            ::SetFocus(window_);
        host_->Press(MouseButtonOf(message), ShiftState(), x, y);
        return 0;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        host_->DoublePress(MouseButtonOf(message), ShiftState(), x, y);
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        host_->Release(MouseButtonOf(message), ShiftState(), x, y);
        return 0;
    case WM_MOUSEMOVE:
        host_->Move(HeldButtons(wParam), ShiftState(), x, y);
        return 0;
    case WM_TIMER:
        if (wParam == kHoverTimer)
            host_->HoverTick();
        return 0;
    case WM_KEYDOWN:
        host_->KeyDown(static_cast<int>(wParam), ShiftState(), (lParam & (1 << 30)) != 0);
        return 0;
    case WM_KEYUP:
        host_->KeyUp(static_cast<int>(wParam), ShiftState());
        return 0;
    case WM_CHAR:
        host_->KeyPress(static_cast<int>(wParam));
        return 0;
    case BM_CLICK:
        // The dialog manager's access key (Alt and the caption's "&" letter).
        host_->AccessKey();
        return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

} // namespace tarvenel::win32
