#pragma once
// How a form lays out its controls: positions in twips, as the forms store
// them. Both front ends place their native widgets from these tables.
#include "app/colour.h"

namespace tarvenel {

// The forms are laid out on a grid of 15 twips to the pixel (96 dpi).
inline constexpr int kFormTwipsPerPixel = 15;

// A form length in pixels, rounded to the nearest pixel (15 is odd, so there
// are no ties).
constexpr int TwipsToPixels(int twips) {
    return twips >= 0 ? (2 * twips + kFormTwipsPerPixel) / (2 * kFormTwipsPerPixel)
                      : -TwipsToPixels(-twips);
}

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    constexpr int Right() const { return left + width; }
    constexpr int Bottom() const { return top + height; }
};

struct ControlDesign {
    const char* name;
    const char* caption; // design caption or text; "" for none
    const char* toolTip; // "" for none
    TwipsRect rect;
};

} // namespace tarvenel
