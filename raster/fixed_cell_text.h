#pragma once
// A deterministic text renderer for tests: every character is one cell
// (CJK and other wide characters two cells), whatever the font. A visible
// character paints its cell minus the right column, the top row and the two
// bottom rows; an underlined character (the "&" prefix, or an underlined
// font) also paints the bottom row of its cell.
#include "raster/text_renderer.h"

namespace tarvenel {

class FixedCellText : public TextRenderer {
public:
    explicit FixedCellText(int cellWidth = 6, int cellHeight = 12)
        : cellWidth_(cellWidth), cellHeight_(cellHeight) {}

    TextExtent Measure(std::string_view text, const FontSpec& font, int maxWidth,
                       const TextFormat& format) override;
    void Draw(Canvas& canvas, std::string_view text, const FontSpec& font, const Rect& box,
              const TextFormat& format) override;

    int CellWidth() const { return cellWidth_; }
    int CellHeight() const { return cellHeight_; }

private:
    int Advance(char32_t c) const;
    int RunWidth(std::u32string_view run) const;

    int cellWidth_;
    int cellHeight_;
};

} // namespace tarvenel
