#pragma once

namespace tarvenel {

// The shutdown countdown dialog as the main window sees it: it can only be
// shown (modeless). Each showing starts a fresh countdown.
class CountdownWindow {
public:
    virtual ~CountdownWindow() = default;
    virtual void Show() = 0;
};

} // namespace tarvenel
