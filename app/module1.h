#pragma once
// Shared window operations of the program.
#include <cstdint>

namespace tarvenel {

// Z-order placement of one window (SetWindowPos).
class WindowZOrder {
public:
    virtual ~WindowZOrder() = default;
    // insertAfter: -1 topmost, -2 not topmost. May throw when the window is gone.
    virtual void SetWindowPos(std::intptr_t insertAfter, int x, int y, int cx, int cy,
                              unsigned flags) = 0;
};

inline constexpr std::intptr_t kHwndTopmost = -1;
inline constexpr std::intptr_t kHwndNoTopmost = -2;
inline constexpr unsigned kSwpNoSizeNoMoveShow = 0x43;

// Puts the window above (or back among) all normal windows, keeping its size
// and place and showing it.
inline void SetTopMost(WindowZOrder& window, bool onTop) {
    window.SetWindowPos(onTop ? kHwndTopmost : kHwndNoTopmost, 0, 0, 0, 0, kSwpNoSizeNoMoveShow);
}

} // namespace tarvenel
