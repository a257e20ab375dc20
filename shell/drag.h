#pragma once
// Moving the frameless main window by pressing on its background, its caption
// strip or one of the passive pictures and labels.

namespace tarvenel {

inline constexpr int kLeftButton = 1; // mouse-event button value

// The front end's window move: release the mouse capture and let the system
// run its own moving loop as if the caption had been pressed
// (WM_NCLBUTTONDOWN with HTCAPTION on Windows, QWindow::startSystemMove on Qt).
class WindowMover {
public:
    virtual ~WindowMover() = default;
    virtual void BeginSystemMove() = 0;
};

// The body of Form_MouseDown, IMBar_MouseDown, Image1_MouseDown,
// Label0_MouseDown and Label1_MouseDown: only the left button drags. The
// stored window position is not updated.
inline void DragOnMouseDown(int button, WindowMover& mover) {
    if (button == kLeftButton)
        mover.BeginSystemMove();
}

} // namespace tarvenel
