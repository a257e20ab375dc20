#include "platform/win32/image_window.h"

#include "app/form_design.h"
#include "platform/win32/win_controls.h"

namespace tarvenel::win32 {
namespace {
constexpr wchar_t kClassName[] = L"Tarvenel.Image";
} // namespace

void ImageWindow::Register(HINSTANCE instance) {
    RegisterWindowClass(instance, kClassName, Proc);
}

HWND ImageWindow::Create(HWND parent, int id, const RECT& r, bool visible) {
    window_ = CreateWindowExW(
        0, kClassName, L"", WS_CHILD | (visible ? WS_VISIBLE : 0), r.left, r.top, r.right - r.left,
        r.bottom - r.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), this);
    return window_;
}

void ImageWindow::SetFace(HICON face) {
    face_ = face;
    InvalidateRect(window_, nullptr, FALSE);
    UpdateWindow(window_);
}

void ImageWindow::Describe(std::function<AccessibleInfo()> describe, std::function<void()> press) {
    accessibility_ = std::make_unique<WindowAccessibility>(std::move(describe), std::move(press));
    accessibility_->Attach(window_);
}

LRESULT CALLBACK ImageWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = WindowObject(window, message, lParam, &ImageWindow::window_);
    return self ? self->Handle(message, wParam, lParam)
                : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT ImageWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    auto event = [&](int button) {
        return MouseEvent{button, ShiftState(), static_cast<float>(PixelsToTwips(XOfMouse(lParam))),
                          static_cast<float>(PixelsToTwips(YOfMouse(lParam)))};
    };
    auto run = [](const auto& handler, const auto&... args) {
        if (handler)
            handler(args...);
    };
    if (LRESULT result = 0;
        accessibility_ && accessibility_->Handle(message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_MOUSEMOVE:
        run(onMouseMove, event((wParam & MK_LBUTTON ? 1 : 0) | (wParam & MK_RBUTTON ? 2 : 0) |
                               (wParam & MK_MBUTTON ? 4 : 0)));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        SetCapture(window_);
        leftDown_ = leftDown_ || message == WM_LBUTTONDOWN;
        run(onMouseDown, event(MouseButtonOf(message)));
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        if (!(wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)))
            ReleaseCapture();
        run(onMouseUp, event(MouseButtonOf(message)));
        RECT r{};
        GetClientRect(window_, &r);
        const POINT p{XOfMouse(lParam), YOfMouse(lParam)};
        const bool click = message == WM_LBUTTONUP && leftDown_ && PtInRect(&r, p);
        if (message == WM_LBUTTONUP)
            leftDown_ = false;
        if (click)
            run(onClick);
        return 0;
    }
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void ImageWindow::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_, &ps);
    RECT client{};
    GetClientRect(window_, &client);
    RECT inParent = client;
    MapWindowPoints(window_, GetParent(window_), reinterpret_cast<POINT*>(&inParent), 2);
    // Draw off screen first so that swapping faces never flickers.
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
    HGDIOBJ old = SelectObject(memory, bitmap);
    SetViewportOrgEx(memory, -inParent.left, -inParent.top, nullptr);
    if (paintBackground)
        paintBackground(memory, inParent);
    else
        FillRect(memory, &inParent, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetViewportOrgEx(memory, 0, 0, nullptr);
    if (face_)
        DrawIconEx(memory, 0, 0, face_, 0, 0, 0, nullptr, DI_NORMAL);
    BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    EndPaint(window_, &ps);
}

void CaptionImage::ShowFace(ImageFace face) {
    window_.SetFace(face == ImageFace::Hover     ? hover_
                    : face == ImageFace::Pressed ? pressed_
                                                 : nullptr);
}

} // namespace tarvenel::win32
