#include "platform/win32/button_window.h"

#include "platform/win32/gdi_text_renderer.h"
#include "platform/win32/wide.h"
#include "platform/win32/win_controls.h"

namespace tarvenel::win32 {
namespace {

constexpr wchar_t kClassName[] = L"Tarvenel.XPButton";

COLORREF Blend(COLORREF a, COLORREF b, int num, int den) {
    auto mix = [&](int x, int y) { return x + (y - x) * num / den; };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
               mix(GetBValue(a), GetBValue(b)));
}

std::wstring DisplayedCaption(const std::string& caption) {
    std::string text = caption;
    for (std::size_t at = text.find("||"); at != std::string::npos; at = text.find("||", at))
        text.replace(at, 2, "\r\n");
    return Widen(text);
}

int HeldButtons(WPARAM wParam) {
    return (wParam & MK_LBUTTON ? 1 : 0) | (wParam & MK_RBUTTON ? 2 : 0) |
           (wParam & MK_MBUTTON ? 4 : 0);
}

} // namespace

ButtonWindow::ButtonWindow() : button_(*this), clicks_(button_), view_(button_) {}

ButtonWindow::~ButtonWindow() {
    if (font_)
        DeleteObject(font_);
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
                          const StoredButton& stored) {
    container_ = &container;
    name_ = stored.name;
    CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, r.left, r.top,
                    r.right - r.left, r.bottom - r.top, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                    reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), this);
    button_.ReadProperties(stored.properties);
    font_ = CreateFontFor(button_.Font());
    SetWindowTextW(window_, Widen(button_.Caption()).c_str());
    // The framed look's corners are cut off.
    SetWindowRgn(window_,
                 CreateRoundRectRgn(0, 0, r.right - r.left + 1, r.bottom - r.top + 1, 5, 5), TRUE);
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
    HDC dc = GetDC(window_);
    Paint(dc);
    ReleaseDC(window_, dc);
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
        // Enter while the button is the default one.
        button_.OnAccessKey(xpb::kKeyEnter);
        return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void ButtonWindow::Paint(HDC dc) {
    // A plain look drawn from the model's state until the core's painter
    // takes over: shaded white face, blue frame, pressed and hover looks.
    RECT r{};
    GetClientRect(window_, &r);
    if (r.right <= 0 || r.bottom <= 0)
        return;
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, r.right, r.bottom);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);

    const ButtonVisualState& state = button_.VisualState();
    const bool enabled = button_.Enabled();
    const bool down = state.pressed && state.hover;
    const COLORREF top = down               ? RGB(0xDF, 0xE0, 0xD6)
                         : state.hoverTimer ? RGB(0xFF, 0xF4, 0xD8)
                                            : RGB(0xFF, 0xFF, 0xFF);
    const COLORREF bottom = down ? RGB(0xC8, 0xCC, 0xC0) : RGB(0xE7, 0xE8, 0xE0);
    for (int row = 0; row < r.bottom; ++row) {
        RECT line{0, row, r.right, row + 1};
        HBRUSH brush = CreateSolidBrush(Blend(top, bottom, row, r.bottom > 1 ? r.bottom - 1 : 1));
        FillRect(memory, &line, brush);
        DeleteObject(brush);
    }
    HPEN pen = CreatePen(PS_SOLID, 1, enabled ? RGB(0x00, 0x3C, 0x74) : RGB(0xC9, 0xC7, 0xBA));
    HGDIOBJ oldPen = SelectObject(memory, pen);
    HGDIOBJ oldBrush = SelectObject(memory, GetStockObject(NULL_BRUSH));
    RoundRect(memory, 0, 0, r.right, r.bottom, 5, 5);
    SelectObject(memory, oldBrush);
    SelectObject(memory, oldPen);
    DeleteObject(pen);
    if (state.defaultLook && enabled) {
        RECT focus{3, 3, r.right - 3, r.bottom - 3};
        DrawFocusRect(memory, &focus);
    }

    HGDIOBJ oldFont = SelectObject(memory, font_);
    SetBkMode(memory, TRANSPARENT);
    RECT text = r;
    if (down)
        OffsetRect(&text, 1, 1);
    const std::wstring caption = DisplayedCaption(button_.Caption());
    const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (!enabled) {
        RECT shadow = text;
        OffsetRect(&shadow, 1, 1);
        SetTextColor(memory, RGB(255, 255, 255));
        DrawTextW(memory, caption.c_str(), -1, &shadow, format);
        SetTextColor(memory, RGB(0x80, 0x80, 0x80));
    } else {
        SetTextColor(memory, TranslateColour(state.hoverTimer && !down ? button_.HoverForeColor()
                                                                       : button_.ForeColor()));
    }
    DrawTextW(memory, caption.c_str(), -1, &text, format);
    SelectObject(memory, oldFont);

    BitBlt(dc, 0, 0, r.right, r.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

} // namespace tarvenel::win32
