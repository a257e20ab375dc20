#include "platform/win32/caret_rest.h"

#include <commctrl.h>

namespace tarvenel::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 0x6361; // "ca"
constexpr UINT_PTR kRestTimer = 0x6372;

} // namespace

CaretRest::~CaretRest() {
    Wake();
}

void CaretRest::Watch(HWND edit) {
    SetWindowSubclass(edit, EditProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK CaretRest::EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR self) {
    auto* rest = reinterpret_cast<CaretRest*>(self);
    switch (message) {
    case WM_TIMER:
        if (wParam != kRestTimer)
            break;
        KillTimer(edit, kRestTimer);
        if (GetFocus() == edit)
            rest->Rest(edit);
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_MOUSEWHEEL:
    case WM_PAINT: // the field draws itself with the system's caret
    case WM_SETFOCUS:
        rest->Restart(edit);
        break;
    case WM_KILLFOCUS:
        rest->Wake();
        KillTimer(edit, kRestTimer);
        break;
    case WM_NCDESTROY:
        if (rest->resting_ == edit)
            rest->resting_ = nullptr;
        RemoveWindowSubclass(edit, EditProc, kSubclassId);
        break;
    default:
        break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

void CaretRest::Restart(HWND edit) {
    Wake();
    SetTimer(edit, kRestTimer, blinkMs_, nullptr);
}

// Hiding the system's caret stops its blink timer; the caret is then drawn
// once, lit, where it was.
void CaretRest::Rest(HWND edit) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (resting_ || !GetGUIThreadInfo(GetCurrentThreadId(), &info) || info.hwndCaret != edit ||
        IsRectEmpty(&info.rcCaret))
        return;
    if (!HideCaret(edit))
        return;
    caret_ = info.rcCaret;
    resting_ = edit;
    if (HDC dc = GetDC(edit)) {
        PatBlt(dc, caret_.left, caret_.top, caret_.right - caret_.left, caret_.bottom - caret_.top,
               DSTINVERT);
        ReleaseDC(edit, dc);
    }
}

void CaretRest::Wake() {
    HWND edit = resting_;
    if (!edit)
        return;
    resting_ = nullptr;
    if (HDC dc = GetDC(edit)) {
        PatBlt(dc, caret_.left, caret_.top, caret_.right - caret_.left, caret_.bottom - caret_.top,
               DSTINVERT);
        ReleaseDC(edit, dc);
    }
    ShowCaret(edit);
}

} // namespace tarvenel::win32
