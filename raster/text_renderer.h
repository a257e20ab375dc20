#pragma once
// Text into a raster canvas, the way DrawTextA lays it out: lines break at
// carriage returns and line feeds, and with word breaking also between words
// (and around CJK characters) so that each line fits the box; "&" underlines
// the next character and "&&" stands for one "&". The Qt and GDI front ends
// implement it over their native text engines; tests use FixedCellText.
#include <string_view>

#include "raster/canvas.h"
#include "raster/font.h"

namespace tarvenel {

enum class TextAlign { Left, Centre, Right };

struct TextFormat {
    TextAlign align = TextAlign::Left; // DT_LEFT, DT_CENTER, DT_RIGHT
    bool wordBreak = true;             // DT_WORDBREAK
    bool prefix = true;                // off: DT_NOPREFIX ("&" is plain text)
};

struct TextExtent {
    int width = 0;
    int height = 0;
    bool operator==(const TextExtent&) const = default;
};

class TextRenderer {
public:
    virtual ~TextRenderer() = default;
    // DT_CALCRECT: the size the text takes when laid out in a box maxWidth
    // wide (the widest line may be wider when a single word does not fit).
    // Empty text takes no room.
    virtual TextExtent Measure(std::string_view text, const FontSpec& font, int maxWidth,
                               const TextFormat& format) = 0;
    // Draws the text from the top of the box, each line aligned within it, in
    // the canvas's text colour, inside its clip region; the background behind
    // the text is filled only when the canvas's background mode is opaque.
    virtual void Draw(Canvas& canvas, std::string_view text, const FontSpec& font, const Rect& box,
                      const TextFormat& format) = 0;
};

} // namespace tarvenel
