#pragma once
// How a form lays out its controls: positions in twips, as the forms store
// them. Both front ends place their native widgets from these tables.
#include "raster/colour.h"

namespace tarvenel {

// The forms are laid out on a grid of 15 twips to the pixel (96 dpi).
inline constexpr int kFormTwipsPerPixel = 15;

// A form length in pixels, rounded to the nearest pixel (15 is odd, so there
// are no ties).
constexpr int TwipsToPixels(int twips) {
    return twips >= 0 ? (2 * twips + kFormTwipsPerPixel) / (2 * kFormTwipsPerPixel)
                      : -TwipsToPixels(-twips);
}

// A length or position in pixels as the forms' twips, whatever the screen's
// dots per inch: the forms and their mouse events are laid out on that grid.
constexpr int PixelsToTwips(int pixels) {
    return pixels * kFormTwipsPerPixel;
}
constexpr float PixelsToTwips(double pixels) {
    return static_cast<float>(pixels * kFormTwipsPerPixel);
}

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    constexpr int Right() const { return left + width; }
    constexpr int Bottom() const { return top + height; }
};

// How a one-line label's width follows its text, so that no text is lost
// when the user's font is wider than the one the form was laid out with.
enum class LabelWidth {
    Fixed,      // as laid out
    GrowToText, // at least as laid out, wider when the text needs it
    FitText,    // exactly the text's width
};

struct ControlDesign {
    const char* name;
    const char* caption; // design caption or text; "" for none
    const char* toolTip; // "" for none
    TwipsRect rect;
    int tabIndex = -1;                    // place in the keyboard's tab order; -1: not a tab stop
    Rgb textColour = 0;                   // black unless the form says otherwise
    bool handCursor = false;              // the hand that marks links and caption images
    LabelWidth width = LabelWidth::Fixed; // how a label's width follows its text
};

} // namespace tarvenel
