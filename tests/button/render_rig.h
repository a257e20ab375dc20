#pragma once
// A button on an in-memory window that really paints: the renderer draws
// with fixed-cell text, and the host keeps what each redraw showed.
#include "button/renderer.h"
#include "raster/fixed_cell_text.h"
#include "support/fake_button_host.h"

namespace tarvenel::test {

struct RenderRig {
    explicit RenderRig(int width = 73, int height = 25, OleColour containerColour = 0xD8E9EC)
        : container(containerColour), host(container), button(host), renderer(button, text) {
        host.width = width;
        host.height = height;
        host.button = &button;
        host.renderer = &renderer;
    }
    // A new button with a white face and a caption, in the given look.
    void Place(int style, const std::string& caption = "OK") {
        button.InitProperties();
        button.DelayDrawing(true);
        button.SetBackColor(0xFFFFFF);
        button.SetCaption(caption);
        button.SetButtonStyle(style);
        button.DelayDrawing(false);
        button.OnResize();
    }
    Rgb At(int x, int y) const { return RgbFromPixel(host.shown.At(x, y)); }
    // Mouse onto the button; then the left button down.
    void Hover() { button.OnMouseMove(0, 0, 5, 5); }
    void Press() {
        Hover();
        button.OnMouseDown(1, 0, 5, 5);
    }
    void MakeDefault() {
        host.displayAsDefault = true;
        button.OnAmbientChanged("DisplayAsDefault");
    }

    ButtonContainer container;
    FakeButtonHost host;
    XPButton button;
    FixedCellText text;
    ButtonRenderer renderer;
};

} // namespace tarvenel::test
