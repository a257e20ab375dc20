#pragma once
// For toolkits that report only presses and releases: produces a button's
// inputs in the order a classic Windows control receives them. A press and a
// release over the button give mouse down, mouse up, click; a second press
// that the toolkit reports as a double click gives double click, mouse up.
#include "button/xp_button.h"

namespace tarvenel {

class ClickSynthesiser {
public:
    explicit ClickSynthesiser(XPButton& button) : button_(button) {}

    void Press(int button, int shift, float x, float y);
    void DoublePress(int button, int shift, float x, float y);
    // A release outside the button (the capture still delivers it) or after
    // a double click is no click.
    void Release(int button, int shift, float x, float y);

private:
    XPButton& button_;
    int pressedButton_ = 0; // the press a release over the button completes
};

} // namespace tarvenel
