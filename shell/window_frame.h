#pragma once
// The frameless main window's own frame: where it stands on the screen, the
// skin, shape and edge controls laid out on every resize, and moving it by
// its background and passive controls.
#include "app/controls.h"
#include "app/screen.h"
#include "raster/bitmap.h"
#include "raster/text_renderer.h"
#include "shell/drag.h"
#include "shell/main_window_skin.h"

namespace tarvenel {

class WindowFrame {
public:
    // `credit` is LbBR, which the layout keeps in the bottom-right corner.
    WindowFrame(Form& form, Label& credit, MainWindowSurface& surface, WindowMover& mover,
                Screen& screen, TextRenderer& text)
        : form_(form), credit_(credit), surface_(surface), mover_(mover), screen_(screen),
          text_(text) {}

    // The stored position: centred on the primary monitor for a window of
    // this size, wherever that monitor lies in the desktop.
    void Centre(int widthTwips, int heightTwips);
    // Form_Resize: every step runs, a failing one is skipped.
    void Form_Resize();
    // The mouse went down on the background, the caption strip, the armed
    // tick or a time line: the left button moves the window.
    void MouseDown(int button) { DragOnMouseDown(button, mover_); }

private:
    Form& form_;
    Label& credit_;
    MainWindowSurface& surface_;
    WindowMover& mover_;
    Screen& screen_;
    TextRenderer& text_;
    WindowPosition position_;
    Bitmap skin_; // decoded on the first resize
    Bitmap icon_;
};

} // namespace tarvenel
