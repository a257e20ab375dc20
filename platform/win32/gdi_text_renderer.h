#pragma once
// Text for the raster library, laid out and drawn by GDI itself: DrawTextW
// on a DIB section that holds the part of the bitmap under the text.
#include <utility>
#include <vector>

#include "platform/win32/win_api.h"
#include "raster/text_renderer.h"

namespace tarvenel::win32 {

// A native font for a FontSpec at 96 dots per inch; the caller owns it.
HFONT CreateFontFor(const FontSpec& font);

class GdiTextRenderer : public TextRenderer {
public:
    GdiTextRenderer();
    ~GdiTextRenderer() override;
    GdiTextRenderer(const GdiTextRenderer&) = delete;
    GdiTextRenderer& operator=(const GdiTextRenderer&) = delete;

    TextExtent Measure(std::string_view text, const FontSpec& font, int maxWidth,
                       const TextFormat& format) override;
    void Draw(Canvas& canvas, std::string_view text, const FontSpec& font, const Rect& box,
              const TextFormat& format) override;

private:
    HFONT FontFor(const FontSpec& font);

    HDC dc_;
    std::vector<std::pair<FontSpec, HFONT>> fonts_;
};

} // namespace tarvenel::win32
