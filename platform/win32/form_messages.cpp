#include "platform/win32/native_form.h"

#include <commctrl.h>

#include "platform/win32/native_form_parts.h"
#include "platform/win32/wide.h"

// The Win32 form's messages: native input turned into the core's events,
// and the painting the system asks of the window and its controls.
namespace tarvenel::win32 {

using namespace form_parts;

namespace {

int ButtonOf(UINT message) {
    switch (message) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        return 2;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        return 4;
    default:
        return 1;
    }
}

int Held(WPARAM wParam) {
    return (wParam & MK_LBUTTON ? 1 : 0) | (wParam & MK_RBUTTON ? 2 : 0) |
           (wParam & MK_MBUTTON ? 4 : 0);
}

int Shift() {
    return (GetKeyState(VK_SHIFT) < 0 ? 1 : 0) | (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
           (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

} // namespace

void WinForm::SetCaretResting(bool resting) {
    if (!resting) {
        Wake();
        return;
    }
    for (const auto& [id, c] : controls_)
        if (c->edit && GetFocus() == c->edit)
            Rest(c->edit);
}

// Hiding the system's caret stops its blink timer; the caret is then drawn
// once, lit, where it was.
void WinForm::Rest(HWND edit) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (resting_ || !GetGUIThreadInfo(GetCurrentThreadId(), &info) || info.hwndCaret != edit ||
        IsRectEmpty(&info.rcCaret) || !HideCaret(edit))
        return;
    caret_ = info.rcCaret;
    resting_ = edit;
    if (HDC dc = GetDC(edit)) {
        PatBlt(dc, caret_.left, caret_.top, caret_.right - caret_.left, caret_.bottom - caret_.top,
               DSTINVERT);
        ReleaseDC(edit, dc);
    }
}

void WinForm::Wake() {
    HWND edit = resting_;
    if (!edit)
        return;
    resting_ = nullptr;
    if (!IsWindow(edit))
        return;
    if (HDC dc = GetDC(edit)) {
        PatBlt(dc, caret_.left, caret_.top, caret_.right - caret_.left, caret_.bottom - caret_.top,
               DSTINVERT);
        ReleaseDC(edit, dc);
    }
    ShowCaret(edit);
}

// --- Messages

bool WinForm::PreTranslate(MSG& msg) {
    if (closed_ || !window_ || (msg.hwnd != window_ && !IsChild(window_, msg.hwnd)))
        return false;
    // Keys go to the form first (the drawn controls hear theirs in their own
    // window); with no control focused they come as system keys.
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
        const Control* c = Of(msg.hwnd);
        if (!c || c->spec.kind != ControlKind::Drawn) {
            const bool used = Send({c ? c->id : kForm, FormEventKind::KeyDown, 0, Shift(), 0, 0,
                                    static_cast<int>(msg.wParam), (msg.lParam & (1 << 30)) != 0});
            if (closed_)
                return true; // the key closed the form
            // Keys with Alt (Alt+F4, the window menu) stay the system's.
            const bool alt = msg.message == WM_SYSKEYDOWN && (HIWORD(msg.lParam) & KF_ALTDOWN);
            if (used && !alt)
                return true;
        }
    }
    return IsDialogMessageW(window_, &msg) != FALSE;
}

LRESULT CALLBACK WinForm::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = WindowObject(window, message, lParam, &WinForm::window_);
    if (!self || self->closed_)
        return DefWindowProcW(window, message, wParam, lParam);
    return self->Handle(message, wParam, lParam);
}

LRESULT WinForm::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result = 0; services && services(message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_PAINT:
        if (frame_ == Frame::Skinned) {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(window_, &ps);
            FillRect(dc, &ps.rcPaint, BrushOf(0xFFFFFF));
            if (background_) {
                HDC memory = CreateCompatibleDC(dc);
                HGDIOBJ old = SelectObject(memory, background_);
                BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
                       ps.rcPaint.bottom - ps.rcPaint.top, memory, ps.rcPaint.left, ps.rcPaint.top,
                       SRCCOPY);
                SelectObject(memory, old);
                DeleteDC(memory);
            }
            EndPaint(window_, &ps);
            return 0;
        }
        break;
    case WM_ERASEBKGND:
        if (frame_ == Frame::Skinned)
            return 1;
        break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM:
        DrawGraphical(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_TIMER:
        if (wParam >= kTimer0) {
            KillTimer(window_, wParam);
            Send({kForm, FormEventKind::Timer, 0, 0, 0, 0, static_cast<int>(wParam - kTimer0)});
        }
        return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        Mouse(kForm, message, wParam, lParam);
        return 0;
    case WM_SETCURSOR:
        if (const Control* c = Of(reinterpret_cast<HWND>(wParam)); c && c->spec.handCursor) {
            SetCursor(hand_.Get());
            return TRUE;
        }
        break;
    case WM_SIZE:
        // Back from the taskbar: the form lays itself out again.
        if (wParam == SIZE_RESTORED && IsWindowVisible(window_))
            Send({kForm, FormEventKind::StateChanged});
        return 0;
    case WM_CLOSE:
        Send({kForm, FormEventKind::Close});
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        if (wParam)
            Send({kForm, FormEventKind::Close});
        return 0;
    case WM_SYSCOLORCHANGE:
        // Only top-level windows hear of a new theme; the drawn controls are
        // told.
        LoadSystemColours();
        for (const auto& [id, c] : controls_)
            if (c->spec.kind == ControlKind::Drawn)
                Send({id, FormEventKind::ColoursChanged});
        return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void WinForm::OnCommand(int id, int code) {
    const Control* c = At(id - kFirstId);
    if (id == IDOK && code == BN_CLICKED) {
        // Enter: the dialog manager names no button when the focused one
        // draws itself; the focused native button is pressed here.
        const Control* focused = Of(GetFocus());
        if (focused && focused->spec.kind == ControlKind::Button &&
            IsWindowEnabled(focused->window))
            SendMessageW(focused->window, BM_CLICK, 0, 0);
        return;
    }
    if (!c)
        return;
    switch (c->spec.kind) {
    case ControlKind::List:
        if (code == CBN_SELCHANGE) {
            // The text field does not show the chosen entry yet while the
            // notification runs, so it is put there first.
            const LRESULT index = SendMessageW(c->window, CB_GETCURSEL, 0, 0);
            if (index != CB_ERR)
                SetWindowTextW(c->window, Widen(Entry(c->id, static_cast<int>(index))).c_str());
            Send({c->id, FormEventKind::Chosen});
        }
        break;
    case ControlKind::CheckBox:
        if (code == BN_CLICKED && !releasing_)
            Send({c->id, FormEventKind::Toggled, 1, Shift()});
        break;
    case ControlKind::Button:
        if (code == BN_CLICKED)
            Send({c->id, FormEventKind::Clicked});
        break;
    case ControlKind::Drawn:
        // The dialog manager's Enter on the focused drawn button.
        if (code == BN_CLICKED)
            Send({c->id, FormEventKind::Clicked, 0, 0, 0, 0, 13});
        break;
    default:
        break;
    }
}

LRESULT WinForm::OnControlColour(HDC dc, HWND window) {
    const Control* c = Of(window);
    SetTextColor(dc, c ? static_cast<COLORREF>(c->spec.textColour) : RGB(0, 0, 0));
    if (c && c->spec.backColour) {
        SetBkColor(dc, *c->spec.backColour);
        return reinterpret_cast<LRESULT>(BrushOf(*c->spec.backColour));
    }
    if (frame_ == Frame::Dialog) {
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    // Over the skin: no background of its own.
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

void WinForm::DrawGraphical(const DRAWITEMSTRUCT& item) {
    // A graphical button: its colour's face, a raised edge, its caption.
    const Control* c = Of(item.hwndItem);
    RECT r = item.rcItem;
    FillRect(item.hDC, &r, BrushOf(c && c->spec.backColour ? *c->spec.backColour : 0xE0E0E0));
    const bool down = item.itemState & ODS_SELECTED;
    DrawEdge(item.hDC, &r, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    const std::wstring text = WindowText(item.hwndItem);
    RECT t = r;
    if (down)
        OffsetRect(&t, 1, 1);
    SetBkMode(item.hDC, TRANSPARENT);
    const bool enabled = !(item.itemState & ODS_DISABLED);
    if (!enabled) {
        RECT shadow = t;
        OffsetRect(&shadow, 1, 1);
        SetTextColor(item.hDC, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextW(item.hDC, text.c_str(), -1, &shadow, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    SetTextColor(item.hDC, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    DrawTextW(item.hDC, text.c_str(), -1, &t, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (item.itemState & ODS_FOCUS) {
        RECT focus = r;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(item.hDC, &focus);
    }
}

bool WinForm::Mouse(int control, UINT message, WPARAM wParam, LPARAM lParam) {
    FormEvent e{control,
                FormEventKind::MouseMove,
                0,
                Shift(),
                static_cast<float>(XOfMouse(lParam)),
                static_cast<float>(YOfMouse(lParam))};
    switch (message) {
    case WM_MOUSEMOVE:
        e.button = Held(wParam);
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        e.kind = FormEventKind::MouseDown;
        e.button = ButtonOf(message);
        break;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        e.kind = FormEventKind::DoubleClick;
        e.button = ButtonOf(message);
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        e.kind = FormEventKind::MouseUp;
        e.button = ButtonOf(message);
        break;
    default:
        return false;
    }
    Send(e);
    return true;
}

// The drawn controls' own window class.
LRESULT CALLBACK WinForm::DrawnProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(
            window, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* c = reinterpret_cast<Control*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    HWND parent = GetParent(window);
    auto* self =
        parent ? reinterpret_cast<WinForm*>(GetWindowLongPtrW(parent, GWLP_USERDATA)) : nullptr;
    if (!c || !self || self->closed_ || !c->window)
        return DefWindowProcW(window, message, wParam, lParam);
    return self->HandleDrawn(*c, message, wParam, lParam);
}

LRESULT WinForm::HandleDrawn(Control& c, UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result = 0; c.access && c.access->Handle(message, wParam, lParam, result))
        return result;
    const int id = c.id;
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(c.window, &ps);
        c.painting = true;
        Send({id, FormEventKind::Paint});
        c.painting = false;
        PaintFace(c, dc);
        EndPaint(c.window, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZE:
        Send({id, FormEventKind::Resized});
        return 0;
    case WM_GETDLGCODE: {
        if (!c.spec.tabStop)
            break;
        // The focused button is the one Enter presses; arrows come here and
        // the button hands them on.
        LRESULT code =
            DLGC_BUTTON | (GetFocus() == c.window ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        if (msg && msg->message == WM_KEYDOWN && msg->wParam >= VK_LEFT && msg->wParam <= VK_DOWN)
            code |= DLGC_WANTARROWS;
        return code;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Send({id, message == WM_SETFOCUS ? FormEventKind::FocusIn : FormEventKind::FocusOut});
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        // The release comes back here wherever the pointer then is.
        SetCapture(c.window);
        if (c.spec.tabStop && (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK))
            SetFocus(c.window);
        Mouse(id, message, wParam, lParam);
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if (!(wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) && GetCapture() == c.window)
            ReleaseCapture();
        Mouse(id, message, wParam, lParam);
        return 0;
    case WM_MOUSEMOVE:
        Mouse(id, message, wParam, lParam);
        return 0;
    case WM_KEYDOWN:
        Send({id, FormEventKind::KeyDown, 0, Shift(), 0, 0, static_cast<int>(wParam),
              (lParam & (1 << 30)) != 0});
        return 0;
    case WM_KEYUP:
        Send({id, FormEventKind::KeyUp, 0, Shift(), 0, 0, static_cast<int>(wParam)});
        return 0;
    case WM_CHAR:
        Send({id, FormEventKind::Character, 0, 0, 0, 0, static_cast<int>(wParam)});
        return 0;
    case BM_CLICK:
        // The dialog manager's access key (Alt and the caption's "&" letter).
        Send({id, FormEventKind::Clicked});
        return 0;
    }
    return DefWindowProcW(c.window, message, wParam, lParam);
}

// Labels, lists' text fields and check boxes: their mouse, keys and focus.
LRESULT CALLBACK WinForm::ChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR self) {
    auto* form = reinterpret_cast<WinForm*>(self);
    Control* c = form->closed_ ? nullptr : form->Of(window);
    if (!c)
        return DefSubclassProc(window, message, wParam, lParam);
    return form->HandleChild(*c, window, message, wParam, lParam);
}

LRESULT WinForm::HandleChild(Control& c, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result = 0; c.access && c.access->Handle(message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        if (c.spec.kind == ControlKind::List)
            break; // its own; the core only hears the user is at work
        // The release comes back here wherever the pointer then is (a box
        // takes the left button by itself).
        if (c.spec.kind == ControlKind::Label || ButtonOf(message) != 1)
            SetCapture(window);
        Mouse(c.id, message, wParam, lParam);
        if (c.spec.kind == ControlKind::Label)
            return 0;
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        if (c.spec.kind == ControlKind::List)
            break;
        // The box toggles first, then the switch reads its new state.
        releasing_ = true;
        const LRESULT result = c.spec.kind == ControlKind::Label
                                   ? 0
                                   : DefSubclassProc(window, message, wParam, lParam);
        releasing_ = false;
        if (!(wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) && GetCapture() == window)
            ReleaseCapture();
        Mouse(c.id, message, wParam, lParam);
        return result;
    }
    case WM_MOUSEMOVE:
        if (c.spec.kind == ControlKind::Label)
            return 0; // a label's moves are its own
        break;
    case WM_PAINT:
        // A resting caret is drawn by hand; the field paints the system's.
        if (window == resting_) {
            Wake();
            Send({c.id, FormEventKind::FocusIn});
        }
        break;
    case WM_KILLFOCUS:
        if (window == resting_)
            Wake();
        break;
    case WM_NCDESTROY:
        if (window == resting_)
            resting_ = nullptr;
        RemoveWindowSubclass(window, ChildProc, kSubclass);
        break;
    }
    if (c.spec.kind == ControlKind::List &&
        (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MOUSEWHEEL))
        Send({c.id, FormEventKind::MouseDown, ButtonOf(message), Shift()});
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace tarvenel::win32
