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
    button_.OnMouseUp(button, shift, x, y);
    if (completesPress && button_.Host().IsCursorOverMe())
        button_.OnClick();
}

} // namespace tarvenel
