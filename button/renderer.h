#pragma once
// Draws one XPButton. The renderer fills in the button's render hooks
// (region, back buffer, layout, font) and paints its back buffer on demand.
//
// A front end's ButtonHost uses it like this:
//   XPButton button(host);
//   ButtonRenderer renderer(button, textRenderer, screen);
//   host.SetRegion(region)  <- called by the renderer: clip the window to it
//   host.Redraw()           -> const Bitmap& face = renderer.Paint(); show it
// The renderer must not outlive the button.
#include <optional>

#include "button/painter.h"
#include "button/render_hooks.h"
#include "button/xp_button.h"
#include "raster/bitmap.h"
#include "raster/canvas.h"
#include "raster/font.h"
#include "raster/region.h"
#include "raster/text_renderer.h"

namespace tarvenel {

// The back-buffer font: the button's font at a whole number of pixels high
// (the size in points through the screen's twips per pixel), in the
// platform's default character set.
FontSpec BackBufferFont(const FontSpec& font, int twipsPerPixelY);

class ButtonRenderer : public ButtonRenderHooks {
public:
    ButtonRenderer(XPButton& button, TextRenderer& text, ButtonScreen screen = {});
    ~ButtonRenderer() override;
    ButtonRenderer(const ButtonRenderer&) = delete;
    ButtonRenderer& operator=(const ButtonRenderer&) = delete;

    void RebuildRegion(XPButton&) override;
    void ReplaceBackBuffer(XPButton&) override;
    void Layout(XPButton&) override;
    void RebuildFont(XPButton&) override;

    // Paints the face in the current look into the back buffer and returns
    // it (empty before the first resize).
    const Bitmap& Paint();
    const Bitmap& BackBuffer() const { return buffer_; }
    // The window region last handed to the host.
    const Region& WindowRegion() const { return region_; }
    const FontSpec& Font() const { return font_; }

private:
    XPButton& button_;
    TextRenderer& text_;
    ButtonScreen screen_;
    FontSpec font_;
    Region region_;
    std::optional<Region> clip_;
    // The canvas keeps its pen, brush and colours from one redraw to the
    // next, as a memory context does, also when the bitmap is replaced.
    Bitmap buffer_;
    Canvas canvas_{buffer_};
    bool created_ = false;
};

} // namespace tarvenel
