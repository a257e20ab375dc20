#include "button/renderer.h"

#include <algorithm>
#include <cmath>

#include "button/layout.h"
#include "button/looks.h"
#include "button/region.h"

namespace tarvenel {

FontSpec BackBufferFont(const FontSpec& font, int twipsPerPixelY) {
    FontSpec out = font;
    const int perPixel = twipsPerPixelY > 0 ? twipsPerPixelY : 15;
    // A damaged form may store any number as the size; a height no font has
    // (or no number at all) must not reach the conversion to whole pixels.
    const double points = std::isnan(font.sizePoints) ? FontSpec{}.sizePoints : font.sizePoints;
    const int pixels =
        static_cast<int>(std::nearbyint(std::clamp(20.0 * points / perPixel, 1.0, 2048.0)));
    // Back to points at 96 dots per inch, so every text renderer draws the
    // same whole pixel height.
    out.sizePoints = pixels * 0.75;
    out.charset = 1;
    return out;
}

ButtonRenderer::ButtonRenderer(XPButton& button, TextRenderer& text, ButtonScreen screen)
    : button_(button), text_(text), screen_(screen),
      font_(BackBufferFont(button.Font(), screen.twipsPerPixelY)) {
    button_.SetRenderHooks(this);
}

ButtonRenderer::~ButtonRenderer() {
    button_.SetRenderHooks(nullptr);
}

void ButtonRenderer::RebuildRegion(XPButton&) {
    ButtonHost& host = button_.Host();
    int w = host.ScaleWidth();
    const int h = host.ScaleHeight();
    const int shape = button_.ButtonShape();
    const int grown = SlantedMinimumWidth(shape, w, h);
    if (grown != w) {
        // The new size must not start another resize sequence of its own.
        button_.HoldDrawing(true);
        host.SetClientWidth(grown);
        w = host.ScaleWidth();
        button_.HoldDrawing(false);
    }
    ButtonOutline outline = BuildOutline(shape, button_.ButtonStyle(), button_.Enabled(), w, h);
    ButtonLayout& layout = button_.MutableLayout();
    layout.leftInset = outline.leftInset;
    layout.rightBound = outline.rightBound;
    region_ = std::move(outline.window);
    clip_ = std::move(outline.clip);
    canvas_.SelectClipRegion(std::nullopt);
    host.SetRegion(region_);
}

void ButtonRenderer::ReplaceBackBuffer(XPButton&) {
    if (!created_) {
        // A fresh memory context: text without a background, black pen and
        // brush.
        canvas_.SetTransparentBackground(true);
        canvas_.SelectBrush({kBlack});
        canvas_.SelectPen({kBlack, 1, PenStyle::Solid});
        font_ = BackBufferFont(button_.Font(), screen_.twipsPerPixelY);
        created_ = true;
    }
    const int w = button_.Host().ScaleWidth();
    const int h = button_.Host().ScaleHeight();
    buffer_ = w > 0 && h > 0 ? Bitmap(w, h) : Bitmap();
}

void ButtonRenderer::Layout(XPButton&) {
    LayOutCaptionAndPicture(button_, text_, font_);
}

void ButtonRenderer::RebuildFont(XPButton&) {
    font_ = BackBufferFont(button_.Font(), screen_.twipsPerPixelY);
}

const Bitmap& ButtonRenderer::Paint() {
    if (buffer_.Empty())
        return buffer_;
    ButtonPainter painter(button_, canvas_, text_, font_, clip_, screen_);
    PaintLook(painter);
    // Each redraw starts without the inner ellipse; the face fill selects it.
    canvas_.SelectClipRegion(std::nullopt);
    return buffer_;
}

} // namespace tarvenel
