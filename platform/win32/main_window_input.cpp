// The main window's input: the events of its controls and background, each
// handed to FrmMain's entry point for its place in the form's tables.
#include "platform/win32/main_window.h"

#include <commctrl.h>

#include "platform/win32/main_window_ids.h"

namespace tarvenel::win32 {
namespace {

namespace D = frm_main_design;

// A press of a mouse button. The second press of a quick pair comes as a
// double click, which on these controls is just another press: each click
// counts, as the user made it.
bool IsPress(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}

} // namespace

LRESULT CALLBACK MainWindow::ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self) {
    auto* main = reinterpret_cast<MainWindow*>(self);
    const int i = static_cast<int>(id);
    if (main->discarded_)
        return DefSubclassProc(control, message, wParam, lParam);
    if (const int label = IndexOf<5>(i, kLabel1st); label >= 0)
        return main->HandleLabel(control, label, message, wParam, lParam);
    return main->HandleCheck(control, IndexOf<4>(i, kCheck1), message, wParam, lParam);
}

LRESULT MainWindow::HandleLabel(HWND label, int index, UINT message, WPARAM wParam, LPARAM lParam) {
    if (index < D::kFirstLink) {
        // The time lines move the window like the background.
        if (IsPress(message)) {
            frm_->LabelMouseDown(index, MouseButtonOf(message));
            return 0;
        }
        return DefSubclassProc(label, message, wParam, lParam);
    }
    if (LRESULT result = 0; links_[static_cast<std::size_t>(index - D::kFirstLink)]->Handle(
            message, wParam, lParam, result))
        return result;
    // A link acts when the left button that went down on it comes up over
    // it, like a button; the press alone does nothing.
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        pressedLink_ = label;
        SetCapture(label);
        return 0;
    case WM_LBUTTONUP: {
        if (pressedLink_ != label)
            return 0;
        pressedLink_ = nullptr;
        ReleaseCapture();
        RECT r{};
        GetClientRect(label, &r);
        if (PtInRect(&r, POINT{XOfMouse(lParam), YOfMouse(lParam)}))
            frm_->LinkClick(index - D::kFirstLink);
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (pressedLink_ == label)
            pressedLink_ = nullptr;
        break;
    }
    return DefSubclassProc(label, message, wParam, lParam);
}

LRESULT MainWindow::HandleCheck(HWND box, int index, UINT message, WPARAM wParam, LPARAM lParam) {
    unsigned& pressed = checkPresses_[index];
    if (IsPress(message)) {
        pressed |= static_cast<unsigned>(MouseButtonOf(message));
        // The release may come anywhere; it still belongs to the box (the
        // box captures the left button itself).
        if (MouseButtonOf(message) != 1)
            SetCapture(box);
        return DefSubclassProc(box, message, wParam, lParam);
    }
    switch (message) {
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        const unsigned button = static_cast<unsigned>(MouseButtonOf(message));
        // Only a release that follows a press on this box counts.
        const bool pressedHere = pressed & button;
        pressed &= ~button;
        // The box toggles first, then the switch reads its new state.
        releasingCheck_ = true;
        const LRESULT result = DefSubclassProc(box, message, wParam, lParam);
        releasingCheck_ = false;
        if (message != WM_LBUTTONUP && GetCapture() == box)
            ReleaseCapture();
        if (pressedHere)
            frm_->CheckMouseUp(index, static_cast<int>(button), ShiftState(),
                               static_cast<float>(XOfMouse(lParam)),
                               static_cast<float>(YOfMouse(lParam)));
        return result;
    }
    case WM_CAPTURECHANGED:
        // Another window took the mouse: the press no longer belongs here.
        if (!releasingCheck_ && reinterpret_cast<HWND>(lParam) != box)
            pressed = 0;
        break;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

void MainWindow::OnCommand(int id, int code) {
    if (const int combo = IndexOf<9>(id, kCombo1); combo >= 0 && code == CBN_SELCHANGE) {
        combos_[static_cast<std::size_t>(combo)].TakeChosenEntry();
        frm_->ComboClick(combo);
    } else if (const int box = IndexOf<4>(id, kCheck1);
               box >= 0 && code == BN_CLICKED && !releasingCheck_) {
        // Toggled from the keyboard (the space bar): the option follows the
        // box as it does for a left-button release inside it.
        frm_->CheckMouseUp(box, 1, ShiftState(), 0, 0);
    } else if (const int button = IndexOf<3>(id, kButton1); button >= 0 && code == BN_CLICKED) {
        buttons_[static_cast<std::size_t>(button)].PressEnter(); // the dialog manager's Enter
    }
}

void MainWindow::OnMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    const float x = static_cast<float>(PixelsToTwips(XOfMouse(lParam)));
    const float y = static_cast<float>(PixelsToTwips(YOfMouse(lParam)));
    // The caption strip runs from its left edge to the caption images.
    const TwipsRect& bar = D::kIMBar.rect;
    const bool onStrip =
        x >= bar.left && x < bar.left + captionStripWidth_ && y >= bar.top && y < bar.Bottom();
    const int shift = ShiftState();
    if (message != WM_MOUSEMOVE) {
        if (onStrip)
            frm_->IMBar_MouseDown(MouseButtonOf(message), shift, x - bar.left, y);
        else
            frm_->Form_MouseDown(MouseButtonOf(message), shift, x, y);
        return;
    }
    const int held = (wParam & MK_LBUTTON ? 1 : 0) | (wParam & MK_RBUTTON ? 2 : 0) |
                     (wParam & MK_MBUTTON ? 4 : 0);
    if (onStrip)
        frm_->IMBar_MouseMove(held, shift, x - bar.left, y);
    else
        frm_->Form_MouseMove(held, shift, x, y);
    // The icon's mouse messages arrive as moves whose X is the message (its
    // record asks for WM_MOUSEMOVE callbacks); the window is far narrower
    // than 514 pixels, so a real move is never the left button's release
    // over the icon.
    if (XOfMouse(lParam) == WM_LBUTTONUP)
        frm_->NotifyIcon_Click();
}

} // namespace tarvenel::win32
