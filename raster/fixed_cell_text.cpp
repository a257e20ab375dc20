#include "raster/fixed_cell_text.h"

#include <algorithm>

#include "raster/text_layout.h"

namespace tarvenel {

int FixedCellText::Advance(char32_t c) const {
    return IsWideCharacter(c) ? 2 * cellWidth_ : cellWidth_;
}

int FixedCellText::RunWidth(std::u32string_view run) const {
    int width = 0;
    for (char32_t c : run)
        width += Advance(c);
    return width;
}

TextExtent FixedCellText::Measure(std::string_view text, const FontSpec&, int maxWidth,
                                  const TextFormat& format) {
    const auto lines =
        LayoutText(text, maxWidth, format, [this](std::u32string_view r) { return RunWidth(r); });
    TextExtent extent;
    for (const TextLine& line : lines)
        extent.width = std::max(extent.width, line.width);
    extent.height = static_cast<int>(lines.size()) * cellHeight_;
    return extent;
}

void FixedCellText::Draw(Canvas& canvas, std::string_view text, const FontSpec& font,
                         const Rect& box, const TextFormat& format) {
    const auto lines = LayoutText(text, box.Width(), format,
                                  [this](std::u32string_view r) { return RunWidth(r); });
    int y = box.top;
    for (const TextLine& line : lines) {
        int x = box.left;
        if (format.align == TextAlign::Centre)
            x += (box.Width() - line.width) / 2;
        else if (format.align == TextAlign::Right)
            x = box.right - line.width;
        if (!canvas.TransparentBackground())
            canvas.FillRect({x, y, x + line.width, y + cellHeight_}, canvas.BackgroundColour());
        for (std::size_t i = 0; i < line.text.size(); ++i) {
            const int advance = Advance(line.text[i]);
            if (line.text[i] != U' ' && line.text[i] != U'\t')
                canvas.FillRect({x, y + 1, x + advance - 1, y + cellHeight_ - 2},
                                canvas.TextColour());
            if (line.underline[i] || font.underline)
                canvas.FillRect({x, y + cellHeight_ - 1, x + advance, y + cellHeight_},
                                canvas.TextColour());
            x += advance;
        }
        y += cellHeight_;
    }
}

} // namespace tarvenel
