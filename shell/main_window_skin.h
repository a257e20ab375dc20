#pragma once
// What the main window's resize handler does: place the caption images and
// the credit label at the right edge, paint the skin like a nine-slice frame
// with the icon and the caption, cut the window region and keep the window on
// the screen. All lengths are twips unless a name says pixels.
#include <cstdint>
#include <string>

#include "app/form_design.h"
#include "raster/bitmap.h"
#include "raster/colour.h"
#include "raster/font.h"
#include "raster/region.h"
#include "raster/text_renderer.h"

namespace tarvenel {

inline constexpr Rgb kMainBackColour = 0xFFFFFF;
inline constexpr Rgb kCaptionTextColour = 0xFFFFFF;
inline constexpr Rgb kCreditForeColour = 0xFFFFFF; // LbBR

struct MainWindowLayout {
    int creditLeft = 0; // LbBR
    int creditTop = 0;
    int captionStripWidth = 0; // IMBar
    int minimiseLeft = 0;      // Immin
    int minimiseTop = 0;
    int closeLeft = 0; // Imclose
    int closeTop = 0;
    bool operator==(const MainWindowLayout&) const = default;
};

// Steps 1 to 4 of the resize: the controls that follow the right and bottom
// edges of a window width x height, with the credit label's own size.
MainWindowLayout LayOutMainWindow(int width, int height, int creditWidth, int creditHeight);

// The window's painted background: round(width / 15) x round(height / 15)
// pixels of white, the eight skin pieces stretched over it in order (later
// ones cover earlier ones where they are opaque; the skin's transparent
// interior lets the white show), the icon at (100, 80) and the caption in
// white at (420, 100). Every twip length becomes pixels by itself, divided by
// 15 and rounded, ties to even; stretching is nearest-neighbour. The skin
// and icon are straight-alpha bitmaps; an empty one paints nothing.
Bitmap ComposeMainWindowBackground(int width, int height, const Bitmap& skin, const Bitmap& icon,
                                   TextRenderer& text, const FontSpec& font,
                                   const std::string& caption);

struct WindowPosition {
    std::int32_t left = 0;
    std::int32_t top = 0;
    bool operator==(const WindowPosition&) const = default;
};

// The monitor the window keeps to, in the desktop's coordinates (twips).
struct ScreenArea {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// Keeps the stored position on the screen: a coordinate before the screen's
// left or top edge becomes that edge, then one that would push the window
// past the right or bottom edge becomes (that edge - window size), rounded to
// a whole number, ties to even.
WindowPosition ClampWindowPosition(WindowPosition stored, double width, double height,
                                   const ScreenArea& screen);

// The window as the resize handler changes it; the front end applies each
// change to its native window and controls.
class MainWindowSurface {
public:
    virtual ~MainWindowSurface() = default;
    virtual void PlaceCredit(int left, int top, Rgb foreColour) = 0; // LbBR
    virtual void SetCaptionStripWidth(int width) = 0;                // IMBar
    virtual void PlaceMinimise(int left, int top) = 0;               // Immin
    virtual void PlaceClose(int left, int top) = 0;                  // Imclose
    virtual void SetBackground(Bitmap background) = 0;
    virtual void SetRegion(const Region& region) = 0; // SetWindowRgn with redraw
    virtual void MoveTo(int left, int top) = 0;
};

struct MainWindowResizeInput {
    int width = 0; // the form's outer size
    int height = 0;
    int creditWidth = 0; // LbBR's own size
    int creditHeight = 0;
    const Bitmap& skin;
    const Bitmap& icon;
    const FontSpec& font;
    std::string caption; // "Tarvenel 1.5.0"
    ScreenArea screen;
};

// Form_Resize. Every step runs even when an earlier one fails (throws): the
// handler skips what goes wrong, e.g. while the window is minimised, and the
// next resize paints everything again. The stored position is clamped in
// place and then applied.
void ResizeMainWindow(const MainWindowResizeInput& input, WindowPosition& stored,
                      MainWindowSurface& surface, TextRenderer& text);

} // namespace tarvenel
