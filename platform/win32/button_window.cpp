#include "platform/win32/button_window.h"

#include <cctype>

#include "app/form_design.h"
#include "platform/win32/gdi_bridge.h"
#include "platform/win32/wide.h"
#include "platform/win32/win_controls.h"

namespace tarvenel::win32 {
namespace {

constexpr wchar_t kClassName[] = L"Tarvenel.XPButton";

int HeldButtons(WPARAM wParam) {
    return (wParam & MK_LBUTTON ? 1 : 0) | (wParam & MK_RBUTTON ? 2 : 0) |
           (wParam & MK_MBUTTON ? 4 : 0);
}

} // namespace

ButtonWindow::ButtonWindow() : button_(*this), clicks_(button_), view_(button_) {}

ButtonWindow::~ButtonWindow() {
    button_.SetRenderHooks(nullptr); // the renderer goes first
}

void ButtonWindow::Register(HINSTANCE instance) {
    WNDCLASSEXW c{};
    c.cbSize = sizeof(c);
    c.style = CS_DBLCLKS;
    c.lpfnWndProc = Proc;
    c.hInstance = instance;
    c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    c.lpszClassName = kClassName;
    RegisterClassExW(&c);
}

HWND ButtonWindow::Create(HWND parent, int id, const RECT& r, ButtonContainer& container,
                          const StoredButton& stored, TextRenderer& text) {
    container_ = &container;
    name_ = stored.name;
    CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, r.left, r.top,
                    r.right - r.left, r.bottom - r.top, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                    reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), this);
    // Captions are sized on the forms' grid, like the labels beside them.
    renderer_ = std::make_unique<ButtonRenderer>(button_, text,
                                                 ButtonScreen{GetSystemMetrics(SM_CXSCREEN),
                                                              GetSystemMetrics(SM_CYSCREEN),
                                                              kFormTwipsPerPixel});
    button_.SetRenderHooks(renderer_.get());
    button_.ReadProperties(stored.properties);
    button_.OnResize();
    return window_;
}

bool ButtonWindow::DisplayAsDefault() {
    return GetFocus() == window_;
}

void ButtonWindow::MessageBox(const std::string& text, int style, const std::string& caption) {
    MessageBoxW(window_, Widen(text).c_str(), Widen(caption).c_str(), static_cast<UINT>(style));
}

int ButtonWindow::ScaleWidth() {
    RECT r{};
    GetClientRect(window_, &r);
    return r.right;
}

int ButtonWindow::ScaleHeight() {
    RECT r{};
    GetClientRect(window_, &r);
    return r.bottom;
}

void ButtonWindow::SetClientWidth(int pixels) {
    SetWindowPos(window_, nullptr, 0, 0, pixels, ScaleHeight(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ButtonWindow::SetRegion(const Region& region) {
    HRGN handle = CreateGdiRegion(region);
    if (handle && !SetWindowRgn(window_, handle, TRUE))
        DeleteObject(handle);
}

void ButtonWindow::SetSurfaceEnabled(bool enabled) {
    EnableWindow(window_, enabled);
}

void ButtonWindow::SetFocus() {
    ::SetFocus(window_);
}

void ButtonWindow::SetCapture() {
    ::SetCapture(window_);
}

void ButtonWindow::ReleaseCapture() {
    if (GetCapture() == window_)
        ::ReleaseCapture();
}

void ButtonWindow::StartTimer(int id, int periodMs) {
    SetTimer(window_, static_cast<UINT_PTR>(id), static_cast<UINT>(periodMs), nullptr);
}

void ButtonWindow::StopTimer(int id) {
    KillTimer(window_, static_cast<UINT_PTR>(id));
}

bool ButtonWindow::IsCursorOverMe() {
    POINT cursor{};
    GetCursorPos(&cursor);
    return WindowFromPoint(cursor) == window_;
}

ClientPoint ButtonWindow::CursorPosition() {
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(window_, &cursor);
    return {static_cast<float>(cursor.x), static_cast<float>(cursor.y)};
}

void ButtonWindow::PostKeyDownToContainer(int virtualKey, std::uint32_t keyData) {
    PostMessageW(GetParent(window_), WM_KEYDOWN, static_cast<WPARAM>(virtualKey),
                 static_cast<LPARAM>(keyData));
}

void ButtonWindow::Redraw() {
    // Some looks last only for this one call: paint now, not later.
    if (!window_)
        return;
    // The window text carries the caption, so that the dialog manager finds
    // its "&" access key and screen readers read it.
    const std::wstring caption = Widen(button_.Caption());
    if (caption != shownCaption_) {
        shownCaption_ = caption;
        SetWindowTextW(window_, caption.c_str());
    }
    HDC dc = GetDC(window_);
    Show(dc);
    ReleaseDC(window_, dc);
}

void ButtonWindow::PressEnter() {
    button_.OnAccessKey(xpb::kKeyEnter);
}

LRESULT CALLBACK ButtonWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = WindowObject(window, message, lParam, &ButtonWindow::window_);
    return self ? self->Handle(message, wParam, lParam)
                : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT ButtonWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    const float x = static_cast<float>(XOfMouse(lParam));
    const float y = static_cast<float>(YOfMouse(lParam));
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(window_, &ps);
        EndPaint(window_, &ps);
        button_.OnPaint();
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZE:
        button_.OnResize();
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
        button_.OnAmbientChanged("DisplayAsDefault");
        button_.OnGotFocus();
        Redraw();
        return 0;
    case WM_KILLFOCUS:
        button_.OnAmbientChanged("DisplayAsDefault");
        Redraw();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (message == WM_LBUTTONDOWN)
            ::SetFocus(window_);
        clicks_.Press(MouseButtonOf(message), ShiftState(), x, y);
        return 0;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        clicks_.DoublePress(MouseButtonOf(message), ShiftState(), x, y);
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        clicks_.Release(MouseButtonOf(message), ShiftState(), x, y);
        return 0;
    case WM_MOUSEMOVE:
        button_.OnMouseMove(HeldButtons(wParam), ShiftState(), x, y);
        return 0;
    case WM_TIMER:
        if (wParam == static_cast<WPARAM>(xpb::kHoverTimerId))
            button_.OnHoverTimer();
        return 0;
    case WM_KEYDOWN: {
        int key = static_cast<int>(wParam);
        button_.OnKeyDown(key, ShiftState());
        return 0;
    }
    case WM_KEYUP: {
        int key = static_cast<int>(wParam);
        button_.OnKeyUp(key, ShiftState());
        return 0;
    }
    case WM_CHAR: {
        int character = static_cast<int>(wParam);
        button_.OnKeyPress(character);
        return 0;
    }
    case BM_CLICK:
        // The dialog manager's access key (Alt and the caption's "&" letter):
        // the button's access-key path, which check and option buttons take
        // too.
        button_.OnAccessKey(
            accessKeys_.empty() ? 0 : std::toupper(static_cast<unsigned char>(accessKeys_[0])));
        return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void ButtonWindow::Show(HDC dc) {
    if (renderer_)
        DrawBitmap(dc, 0, 0, renderer_->Paint());
}

} // namespace tarvenel::win32
