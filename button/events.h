#pragma once
// What a button tells its form. Each slot may be left empty. Key codes and
// characters are passed by reference: a handler may change or clear them.
#include <functional>

namespace tarvenel {

struct XPButtonEvents {
    std::function<void()> Click;
    std::function<void(int button)> DoubleClick;
    std::function<void(int& keyCode, int shift)> KeyDown;
    std::function<void(int& keyAscii)> KeyPress;
    std::function<void(int& keyCode, int shift)> KeyUp;
    std::function<void(int button, int shift, float x, float y)> MouseDown;
    std::function<void(int button, int shift, float x, float y)> MouseMove;
    std::function<void(int button, int shift, float x, float y)> MouseUp;
    std::function<void(bool onButton)> MouseOnButton;
};

} // namespace tarvenel
