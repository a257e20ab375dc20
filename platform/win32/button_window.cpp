#include "platform/win32/button_window.h"

#include <windowsx.h>

#include "platform/win32/wide.h"

namespace tarvenel::win32 {
namespace {

constexpr wchar_t kClassName[] = L"Tarvenel.XPButton";
constexpr UINT_PTR kHoverTimerId = 237;
constexpr UINT kHoverPeriodMs = 50;

// The key data of an arrow key as the container expects it: repeat count 1
// and the key's scan code.
LPARAM ArrowKeyData(WPARAM key) {
    switch (key) {
    case VK_RIGHT:
        return 0x004D0001;
    case VK_DOWN:
        return 0x00500001;
    case VK_LEFT:
        return 0x004B0001;
    case VK_UP:
        return 0x00480001;
    }
    return 0;
}

COLORREF Blend(COLORREF a, COLORREF b, int num, int den) {
    auto mix = [&](int x, int y) { return x + (y - x) * num / den; };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
               mix(GetBValue(a), GetBValue(b)));
}

} // namespace

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

HWND ButtonWindow::Create(HWND parent, int id, const RECT& r, const std::string& caption,
                          HFONT font) {
    caption_ = caption;
    font_ = font;
    CreateWindowExW(0, kClassName, Widen(caption).c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                    r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                    reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), this);
    // Rounded-off corners like the framed look.
    SetWindowRgn(window_,
                 CreateRoundRectRgn(0, 0, r.right - r.left + 1, r.bottom - r.top + 1, 5, 5), TRUE);
    return window_;
}

void ButtonWindow::SetCaption(const std::string& text) {
    caption_ = text;
    SetWindowTextW(window_, Widen(text).c_str());
    Redraw();
}

bool ButtonWindow::Enabled() const {
    return IsWindowEnabled(window_) != FALSE;
}

void ButtonWindow::SetEnabled(bool enabled) {
    if (Enabled() == enabled)
        return;
    EnableWindow(window_, enabled);
    Redraw();
}

void ButtonWindow::SetFocus() {
    ::SetFocus(window_);
}

LRESULT CALLBACK ButtonWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<ButtonWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<ButtonWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self ? self->Handle(message, wParam, lParam)
                : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT ButtonWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_GETDLGCODE: {
        // The focused button is the one Enter presses.
        const LRESULT code =
            DLGC_BUTTON | (GetFocus() == window_ ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
        if (lParam) {
            const MSG* msg = reinterpret_cast<const MSG*>(lParam);
            if (msg->message == WM_KEYDOWN && ArrowKeyData(msg->wParam))
                return code | DLGC_WANTARROWS;
        }
        return code;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
        Redraw();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        ::SetFocus(window_);
        pressed_ = true;
        SetCapture(window_);
        StartHoverPoll();
        Redraw();
        return 0;
    case WM_MOUSEMOVE:
        if (!hoverTimer_) {
            StartHoverPoll();
            Redraw();
        }
        return 0;
    case WM_LBUTTONUP: {
        if (!pressed_)
            return 0;
        pressed_ = false;
        ReleaseCapture();
        Redraw();
        RECT r{};
        GetClientRect(window_, &r);
        if (PtInRect(&r, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}))
            Click();
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (pressed_ && reinterpret_cast<HWND>(lParam) != window_) {
            pressed_ = false;
            Redraw();
        }
        return 0;
    case WM_TIMER:
        if (wParam == kHoverTimerId)
            PollHover();
        return 0;
    case WM_KEYDOWN:
        if (LPARAM data = ArrowKeyData(wParam)) {
            PostMessageW(GetParent(window_), WM_KEYDOWN, wParam, data);
            return 0;
        }
        if (wParam == VK_SPACE && !pressed_) {
            pressed_ = true;
            Redraw();
        }
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE && pressed_) {
            pressed_ = false;
            Redraw();
            Click();
        }
        return 0;
    case BM_CLICK:
        Click();
        return 0;
    case WM_DESTROY:
        if (hoverTimer_)
            KillTimer(window_, kHoverTimerId);
        return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void ButtonWindow::StartHoverPoll() {
    if (hoverTimer_)
        return;
    hover_ = true;
    hoverTimer_ = true;
    SetTimer(window_, kHoverTimerId, kHoverPeriodMs, nullptr);
}

void ButtonWindow::PollHover() {
    POINT cursor{};
    GetCursorPos(&cursor);
    if (WindowFromPoint(cursor) == window_)
        return;
    KillTimer(window_, kHoverTimerId);
    hover_ = false;
    hoverTimer_ = false;
    Redraw();
}

void ButtonWindow::Click() {
    if (Enabled() && onClick)
        onClick();
}

void ButtonWindow::Redraw() {
    InvalidateRect(window_, nullptr, FALSE);
    UpdateWindow(window_);
}

void ButtonWindow::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_, &ps);
    RECT r{};
    GetClientRect(window_, &r);
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, r.right, r.bottom);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);

    const bool enabled = Enabled();
    const bool down = pressed_ && hover_;
    const COLORREF top = down     ? RGB(0xDF, 0xE0, 0xD6)
                         : hover_ ? RGB(0xFF, 0xF4, 0xD8)
                                  : RGB(255, 255, 255);
    const COLORREF bottom = down ? RGB(0xC8, 0xCC, 0xC0) : RGB(0xE7, 0xE8, 0xE0);
    // A face that darkens toward the bottom, framed in blue.
    for (int y = 0; y < r.bottom; ++y) {
        RECT row{0, y, r.right, y + 1};
        HBRUSH brush = CreateSolidBrush(Blend(top, bottom, y, r.bottom > 1 ? r.bottom - 1 : 1));
        FillRect(memory, &row, brush);
        DeleteObject(brush);
    }
    const COLORREF frame = enabled ? RGB(0x00, 0x3C, 0x74) : RGB(0xC9, 0xC7, 0xBA);
    HPEN pen = CreatePen(PS_SOLID, 1, frame);
    HGDIOBJ oldPen = SelectObject(memory, pen);
    HGDIOBJ oldBrush = SelectObject(memory, GetStockObject(NULL_BRUSH));
    RoundRect(memory, 0, 0, r.right, r.bottom, 5, 5);
    SelectObject(memory, oldBrush);
    SelectObject(memory, oldPen);
    DeleteObject(pen);
    if (GetFocus() == window_ && enabled) {
        // The focused button is the container's default one.
        RECT focus{3, 3, r.right - 3, r.bottom - 3};
        DrawFocusRect(memory, &focus);
    }

    HGDIOBJ oldFont = SelectObject(memory, font_);
    SetBkMode(memory, TRANSPARENT);
    RECT text = r;
    if (down)
        OffsetRect(&text, 1, 1);
    const std::wstring caption = Widen(caption_);
    const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (!enabled) {
        RECT shadow = text;
        OffsetRect(&shadow, 1, 1);
        SetTextColor(memory, RGB(255, 255, 255));
        DrawTextW(memory, caption.c_str(), -1, &shadow, format);
        SetTextColor(memory, RGB(0x80, 0x80, 0x80));
    } else {
        SetTextColor(memory, RGB(0, 0, 0));
    }
    DrawTextW(memory, caption.c_str(), -1, &text, format);
    SelectObject(memory, oldFont);

    BitBlt(dc, 0, 0, r.right, r.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    EndPaint(window_, &ps);
}

} // namespace tarvenel::win32
