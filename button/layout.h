#pragma once
// Where caption and picture go on a button: the text band its shape leaves,
// the room a picture reserves, the caption's measured size and alignment.
#include <string>

#include "button/xp_button.h"
#include "raster/font.h"
#include "raster/text_renderer.h"

namespace tarvenel {

// The part of the button's width the caption is laid out in.
struct TextBand {
    int left = 0;  // x0
    int width = 0; // B
    int right = 0; // X, the right limit
};

TextBand TextBandOf(int shape, int width, int leftInset, int rightBound);

// The caption as drawn: "||" becomes a line break.
std::string CaptionText(const std::string& caption);

// The caption and picture rectangles for the button's current properties and
// size, with the insets already in its layout. `font` is the back-buffer font.
void LayOutCaptionAndPicture(XPButton& button, TextRenderer& text, const FontSpec& font);

} // namespace tarvenel
