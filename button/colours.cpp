#include "button/colours.h"

#include <algorithm>
#include <cmath>

namespace tarvenel {

namespace {

// Nearest whole number, ties to the even neighbour.
int RoundEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

int Clamp(int channel) {
    return std::clamp(channel, 0, 255);
}

Rgb ShiftOnce(Rgb colour, int delta, const ShiftOptions& options) {
    int red = static_cast<int>(colour & 0xFF) + delta;
    int green = RoundEven((colour & 0xFF00) / 255.0 + delta);
    int blue;
    if (options.proportionalBlue) {
        int base = RoundEven((colour & 0xFF0000) / 65280.0);
        blue = base + (delta * base) / 192;
    } else {
        blue = RoundEven((colour & 0xFF0000) / 65280.0 + delta);
    }
    red = Clamp(red);
    green = Clamp(green);
    blue = Clamp(blue);
    if (options.invert) {
        red = 255 - red;
        green = 255 - green;
        blue = 255 - blue;
    }
    return static_cast<Rgb>(red + green * 256 + blue * 65536);
}

} // namespace

Rgb ShiftColour(Rgb colour, int delta, ShiftOptions options) {
    Rgb result = ShiftOnce(colour, delta, options);
    // Turning the shift round finds a usable shade; a shift large enough to
    // hit an extreme both ways would turn round forever, so stop after the
    // second turn.
    for (int turns = 0; options.avoidExtremes && turns < 2; ++turns) {
        if (result != 0 && result != 0xFFFFFF)
            break;
        delta = delta == 0 ? 64 : -delta;
        result = ShiftOnce(colour, delta, options);
    }
    return result;
}

DerivedColours DeriveColours(int buttonStyle, OleColour backColour, OleColour hoverBackColour) {
    const ShiftOptions proportional{.proportionalBlue = true};
    DerivedColours c;
    c.face = c.pressedFace = TranslateColour(backColour);
    c.hoverFace = TranslateColour(hoverBackColour);
    switch (buttonStyle) {
    case 2:
        c.face = ShiftColour(c.face, 48, proportional);
        c.pressedFace = ShiftColour(c.face, -32, proportional);
        c.hoverFace = ShiftColour(c.hoverFace, 48, proportional);
        c.onFace = ShiftColour(0xFFFFFF, -32, proportional);
        break;
    case 3:
        c.pressedFace = ShiftColour(0x808080, 12);
        c.onFace = ShiftColour(c.pressedFace, 31);
        break;
    case 7:
        c.face = ShiftColour(c.face, 31);
        c.pressedFace = ShiftColour(0x808080, -16);
        c.hoverFace = ShiftColour(c.hoverFace, 31);
        c.onFace = ShiftColour(0x808080, 16, proportional);
        break;
    default:
        c.onFace = ShiftColour(0xFFFFFF, -32);
        break;
    }
    return c;
}

} // namespace tarvenel
