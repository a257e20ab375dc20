// Mouse, keyboard, focus and hover handling, in the order the platform
// delivers them.
#include "button/xp_button.h"

namespace tarvenel {

namespace {

template <typename Slot, typename... Args> void Raise(const Slot& slot, Args&&... args) {
    if (slot)
        slot(std::forward<Args>(args)...);
}

bool IsArrowKey(int key) {
    return key >= xpb::kKeyLeft && key <= xpb::kKeyDown;
}

// Repeat count 1 and the key's scan code in bits 16 to 23.
std::uint32_t ArrowKeyData(int key) {
    switch (key) {
    case xpb::kKeyRight:
        return 0x004D0001;
    case xpb::kKeyDown:
        return 0x00500001;
    case xpb::kKeyLeft:
        return 0x004B0001;
    default:
        return 0x00480001; // up
    }
}

} // namespace

void XPButton::PressWithLeftButton() {
    state_.pressed = true;
    state_.pressLook = true;
    state_.drawingDelayed = false;
    Redraw();
    host_.SetCapture();
}

void XPButton::OnMouseDown(int button, int shift, float x, float y) {
    state_.lastMouseButton = button;
    if (button == xpb::kLeftButton)
        PressWithLeftButton();
    Raise(events.MouseDown, button, shift, x, y);
}

void XPButton::OnMouseMove(int button, int shift, float x, float y) {
    const bool inside = x >= 0 && x <= host_.ScaleWidth() && y >= 0 && y <= host_.ScaleHeight();
    if (!state_.hoverTimer && inside) {
        // Entering: from now on the poll notices the leave.
        state_.hover = true;
        const auto alive = Lifetime();
        Raise(events.MouseOnButton, true);
        if (alive.expired())
            return;
        host_.StartTimer(xpb::kHoverTimerId, xpb::kHoverTimerPeriodMs);
        state_.hoverTimer = true;
        state_.drawingDelayed = false;
        if (button == xpb::kLeftButton)
            state_.pressLook = true;
        Redraw();
    }
    Raise(events.MouseMove, button, shift, x, y);
}

void XPButton::OnHoverTimer() {
    // A tick already on its way when the timer stopped changes nothing.
    if (!state_.hoverTimer || host_.IsCursorOverMe())
        return;
    host_.StopTimer(xpb::kHoverTimerId);
    state_.hover = false;
    state_.hoverTimer = false;
    state_.drawingDelayed = false;
    const auto alive = Lifetime();
    Raise(events.MouseOnButton, false);
    if (alive.expired())
        return;
    state_.pressLook = false;
    Redraw();
}

void XPButton::OnMouseUp(int button, int shift, float x, float y) {
    state_.pressLook = false;
    if (button == xpb::kLeftButton) {
        host_.ReleaseCapture();
        state_.pressed = false;
        state_.drawingDelayed = false;
        // A check box or option button redraws when its click follows.
        if (mode_ == xpb::kCommand)
            Redraw();
    }
    const auto alive = Lifetime();
    Raise(events.MouseUp, button, shift, x, y);
    if (!alive.expired())
        state_.lastMouseButton = button;
}

void XPButton::OnClick() {
    if (state_.lastMouseButton == xpb::kLeftButton)
        ClickHandling();
}

void XPButton::ClickHandling() {
    if (mode_ != xpb::kCommand) {
        if (mode_ == xpb::kOption && value_)
            return;
        SetValue(!value_);
    }
    Raise(events.Click);
}

void XPButton::OnDoubleClick() {
    // The platform sends the second press as a double click only, so the
    // press is raised here to keep each MouseUp paired with a MouseDown.
    const ClientPoint at = host_.CursorPosition();
    const int button = state_.lastMouseButton;
    const auto alive = Lifetime();
    Raise(events.DoubleClick, button);
    if (alive.expired())
        return;
    if (button == xpb::kLeftButton) {
        OnMouseDown(xpb::kLeftButton, 0, at.x, at.y);
        if (!alive.expired())
            state_.lastMouseButton = -1; // the release that follows is no click
    } else {
        Raise(events.MouseDown, button, 0, at.x, at.y);
    }
}

void XPButton::OnKeyDown(int& keyCode, int shift) {
    if (IsArrowKey(keyCode)) {
        host_.PostKeyDownToContainer(keyCode, ArrowKeyData(keyCode));
        keyCode = 0;
    }
    if (keyCode == xpb::kKeySpace && !state_.pressed) {
        state_.hover = true;
        state_.pressLook = true;
        state_.pressed = true;
        Redraw(); // drawn pressed-and-hovering whether or not the mouse is here
        if (!state_.hoverTimer)
            state_.hover = false;
    }
    if (keyCode != 0)
        Raise(events.KeyDown, keyCode, shift);
}

void XPButton::OnKeyUp(int& keyCode, int shift) {
    const auto alive = Lifetime();
    state_.pressLook = false;
    if (keyCode == xpb::kKeySpace && state_.pressed) {
        state_.pressed = false;
        state_.lastMouseButton = xpb::kLeftButton;
        if (mode_ == xpb::kCommand) {
            Redraw();
        } else {
            Raise(events.KeyUp, keyCode, shift);
            keyCode = 0;
            if (alive.expired())
                return;
        }
        ClickHandling();
        if (alive.expired())
            return;
    }
    if (IsArrowKey(keyCode)) {
        keyCode = 0;
        // The option button the arrow moved the focus to turns on.
        if (mode_ == xpb::kOption && !value_) {
            state_.lastMouseButton = xpb::kLeftButton;
            ClickHandling();
        }
        return;
    }
    if (keyCode == xpb::kKeyShift)
        keyCode = 0;
    if (keyCode != 0)
        Raise(events.KeyUp, keyCode, shift);
}

void XPButton::OnKeyPress(int& keyAscii) {
    Raise(events.KeyPress, keyAscii);
}

void XPButton::OnAccessKey(int keyAscii) {
    const bool enterOrEscape = keyAscii == xpb::kKeyEnter || keyAscii == xpb::kKeyEscape;
    if (enterOrEscape && mode_ != xpb::kCommand)
        return;
    if (!enterOrEscape && !state_.defaultLook)
        Redraw();
    state_.lastMouseButton = xpb::kLeftButton;
    ClickHandling();
}

void XPButton::OnGotFocus() {
    // The first option button of a group to get the focus turns on.
    if (mode_ == xpb::kOption && !value_ && !OptionGroupAction(GroupAction::AnyOn)) {
        state_.lastMouseButton = xpb::kLeftButton;
        ClickHandling();
    }
}

void XPButton::OnResize() {
    ResizeSequence();
}

void XPButton::OnPaint() {
    state_.drawingDelayed = false;
    Redraw();
}

} // namespace tarvenel
