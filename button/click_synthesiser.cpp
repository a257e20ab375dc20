#include "button/click_synthesiser.h"

namespace tarvenel {

void ClickSynthesiser::Press(int button, int shift, float x, float y) {
    pressedButton_ = button;
    button_.OnMouseDown(button, shift, x, y);
}

void ClickSynthesiser::DoublePress(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {
    pressedButton_ = 0;
    button_.OnDoubleClick();
}

void ClickSynthesiser::Release(int button, int shift, float x, float y) {
    const bool completesPress = pressedButton_ == button;
    pressedButton_ = 0;
    // The MouseUp handler may unload the button, and this with it.
    XPButton& target = button_;
    const auto alive = target.Lifetime();
    target.OnMouseUp(button, shift, x, y);
    if (!alive.expired() && completesPress && target.Host().IsCursorOverMe())
        target.OnClick();
}

} // namespace tarvenel
