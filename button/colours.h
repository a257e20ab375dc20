#pragma once
// Colour arithmetic of the button looks: lighter and darker shades of a
// colour, and the face colours each look derives from the button's colours.
#include "raster/colour.h"

namespace tarvenel {

struct ShiftOptions {
    bool proportionalBlue = false; // blue moves by delta scaled to its own level
    bool avoidExtremes = false;    // never answer pure black or pure white
    bool invert = false;           // each channel becomes 255 minus itself
};

// Adds `delta` to each channel of `colour`, clamped to 0..255. Green and blue
// are read through the classic divisions by 255 and 65280, which read a full
// channel as 256.
Rgb ShiftColour(Rgb colour, int delta, ShiftOptions options = {});

struct DerivedColours {
    Rgb face = 0;
    Rgb pressedFace = 0;
    Rgb hoverFace = 0;
    Rgb onFace = 0; // a check box or option button that is on
    bool operator==(const DerivedColours&) const = default;
};

DerivedColours DeriveColours(int buttonStyle, OleColour backColour, OleColour hoverBackColour);

} // namespace tarvenel
