#pragma once
// The drawing operations every button look is made of: the face fill, bars,
// the three-ring bevel, the focus indication and the caption with its
// picture. A look chooses colours and calls them in a fixed order.
#include <array>
#include <optional>

#include "button/xp_button.h"
#include "raster/canvas.h"
#include "raster/font.h"
#include "raster/text_renderer.h"

namespace tarvenel {

// A colour entry that draws nothing.
inline constexpr Rgb kNoColour = 0xFFFFFFFFu;

inline constexpr Rgb kWhite = 0xFFFFFF;
inline constexpr Rgb kGrey = 0x808080;
inline constexpr Rgb kBlack = 0x000000;

// The twelve lines of the bevel: inner ring C1..C4 (left, top, right,
// bottom), middle ring C5..C8 and outer ring C9..C12, indexed from 1.
struct BevelColours {
    std::array<Rgb, 13> c{};
    BevelColours() { c.fill(kNoColour); }
    Rgb& operator[](int i) { return c[static_cast<std::size_t>(i)]; }
    Rgb operator[](int i) const { return c[static_cast<std::size_t>(i)]; }
    // Sets entries first..last to one colour.
    void Set(int first, int last, Rgb colour) {
        for (int i = first; i <= last; ++i)
            (*this)[i] = colour;
    }
};

// How big the screen is and how the platform measures fonts: the gradient
// band width and the back-buffer font depend on them.
struct ButtonScreen {
    int widthPixels = 1920;
    int heightPixels = 1080;
    int twipsPerPixelY = 15;
};

class ButtonPainter {
public:
    ButtonPainter(XPButton& button, Canvas& canvas, TextRenderer& text, const FontSpec& font,
                  const std::optional<Region>& clip, const ButtonScreen& screen);

    XPButton& Button() { return button_; }
    int W() const { return w_; }
    int H() const { return h_; }
    int Shape() const { return button_.ButtonShape(); }
    bool Slanted() const { return Shape() >= 1 && Shape() <= 3; }
    bool Elliptic() const { return Shape() >= 4; }
    bool LeftStraight() const { return button_.Layout().leftInset == 0; }
    bool RightStraight() const { return button_.Layout().rightBound == w_; }
    // Both the pressed flag and the hover flag: the pressed command button.
    bool PressedAndHovering() const;
    // A check box or option button that is on or being pressed.
    bool Toggled() const;
    bool OnToggle() const { return button_.Mode() != xpb::kCommand && button_.Value(); }

    // The face fill; a gradient or hover colour of kNoColour stands for the
    // fill colour. Returns 0 normal, 1 default look, 2 pressed and hovering.
    int PaintBackground(Rgb fill, Rgb gradient, Rgb hover);
    // A filled rectangle; a border of kNoColour is drawn in the fill colour.
    void DrawBar(int left, int top, int right, int bottom, Rgb fill, Rgb border);
    // Bands from `from` to `to` in the direction of GradientMode (1..4).
    void Gradient(Rgb from, Rgb to, int direction);
    // The three rings; the outer ring's pen may be dotted.
    void PaintBevel(const BevelColours& colours, PenStyle outerStyle = PenStyle::Solid);
    // Nothing unless the button shows as the default one.
    void PaintFocus(Rgb colour, bool outline, bool aroundCaption);
    // `disabled` may be kNoColour (the engraved disabled caption).
    void PaintCaptionAndPicture(Rgb effect, Rgb disabled, bool pressed, bool singleDisabled);

    void SetPixel(int x, int y, Rgb colour) { canvas_.SetPixel(x, y, colour); }
    void SelectPen(Rgb colour, int width = 1, PenStyle style = PenStyle::Solid);
    // The inner ellipse of elliptic shapes, in or out of the canvas.
    void SelectClip(bool on);
    Canvas& Surface() { return canvas_; }

    // The bright look keeps a toggled-on caption's colour under the mouse.
    void OverrideHoverForeColour(std::optional<Rgb> colour) { hoverForeOverride_ = colour; }

private:
    void DrawPicture(ButtonRect target);
    void DrawText(const std::string& text, ButtonRect box, Rgb colour, int dx, int dy);

    XPButton& button_;
    Canvas& canvas_;
    TextRenderer& text_;
    const FontSpec& font_;
    const std::optional<Region>& clip_;
    ButtonScreen screen_;
    int w_;
    int h_;
    std::optional<Rgb> hoverForeOverride_;
};

} // namespace tarvenel
