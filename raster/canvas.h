#pragma once
// A device-context-like drawing surface over a Bitmap, with GDI's pixel rules:
// rectangles leave out their right and bottom edge, lines leave out their last
// point, and every operation stays inside the selected clip region. Colours
// are 0x00BBGGRR as GDI takes them; every pixel drawn is opaque.
#include <optional>
#include <span>

#include "raster/bitmap.h"
#include "raster/colour.h"
#include "raster/geometry.h"
#include "raster/region.h"
#include "raster/rop.h"

namespace tarvenel {

inline constexpr Rgb kInvalidColour = 0xFFFFFFFF; // GetPixel outside the surface

enum class PenStyle { Solid, Dot, Null };

// Widths 1 and 2. A dotted pen is three pixels on, three off; a dotted pen
// wider than 1 draws solid, as GDI does.
struct Pen {
    Rgb colour = 0;
    int width = 1;
    PenStyle style = PenStyle::Solid;
    bool operator==(const Pen&) const = default;
};

struct Brush {
    Rgb colour = 0;
    bool hollow = false; // NULL_BRUSH: shapes are outlined only
    bool operator==(const Brush&) const = default;
};

class Canvas {
public:
    // Starts like a fresh memory context: black solid pen of width 1, black
    // solid brush, black text, white background colour, opaque background.
    explicit Canvas(Bitmap& target) : target_(target) {}

    Bitmap& Target() { return target_; }
    const Bitmap& Target() const { return target_; }

    void SelectPen(const Pen& pen) { pen_ = pen; }
    const Pen& CurrentPen() const { return pen_; }
    void SelectBrush(const Brush& brush) { brush_ = brush; }
    const Brush& CurrentBrush() const { return brush_; }
    void SetTextColour(Rgb colour) { textColour_ = colour; }
    Rgb TextColour() const { return textColour_; }
    void SetBackgroundColour(Rgb colour) { backgroundColour_ = colour; }
    Rgb BackgroundColour() const { return backgroundColour_; }
    // TRANSPARENT leaves the gaps of dotted lines (and behind text) alone;
    // OPAQUE fills them with the background colour.
    void SetTransparentBackground(bool transparent) { transparentBackground_ = transparent; }
    bool TransparentBackground() const { return transparentBackground_; }
    // SelectClipRgn: nothing outside the region is drawn; no region clips to
    // the bitmap only.
    void SelectClipRegion(std::optional<Region> clip) { clip_ = std::move(clip); }
    const std::optional<Region>& ClipRegion() const { return clip_; }

    // The outline, pen width w thick, runs just inside (left - (w - 1),
    // top - (w - 1)) to (right, bottom); the brush fills what it encloses.
    // With a Null pen the brush fills (left, top) to (right - 1, bottom - 1).
    // A rectangle one pixel wide or high is a line in the pen's colour (a
    // shading drawn row by row relies on it; Wine draws nothing there).
    void Rectangle(int left, int top, int right, int bottom);
    // Lines from point to point (Bresenham; where the ideal line passes exactly
    // between two pixels the one with the smaller coordinate wins, so a line
    // covers the same pixels in both directions). The very last point is not
    // drawn. A dotted pattern runs on across the corners.
    void Polyline(std::span<const Point> points);
    // The whole outline of the ellipse in the box (right and bottom excluded):
    // Arc with equal start and end points. A pen of width 2 widens the
    // outline by one pixel to the left and upwards.
    void Arc(int left, int top, int right, int bottom);
    void FillRegion(const Region& region, Rgb colour);
    void FillRect(const Rect& rect, Rgb colour);

    void SetPixel(int x, int y, Rgb colour);
    // kInvalidColour outside the bitmap or the clip region.
    Rgb GetPixel(int x, int y) const;

    // The brush combined with the destination (PATCOPY, PATINVERT, DSTINVERT,
    // BLACKNESS, WHITENESS ...).
    void PatBlt(int x, int y, int width, int height, Rop rop);
    void BitBlt(int x, int y, int width, int height, const Bitmap& source, int sourceX, int sourceY,
                Rop rop);
    // Nearest-neighbour stretching (GDI's COLORONCOLOR mode): each destination
    // pixel takes the source pixel under its centre. A negative width or
    // height mirrors. Source pixels outside the source bitmap copy nothing.
    void StretchBlt(int x, int y, int width, int height, const Bitmap& source, int sourceX,
                    int sourceY, int sourceWidth, int sourceHeight, Rop rop);
    // A stretched copy that lets the destination show through: with a key
    // colour, source pixels of that colour are skipped; without one, the
    // source's alpha blends it over the destination.
    void TransparentBlt(int x, int y, int width, int height, const Bitmap& source, int sourceX,
                        int sourceY, int sourceWidth, int sourceHeight,
                        std::optional<Rgb> keyColour = std::nullopt);
    // The dotted frame: every other pixel of the outline inverted, counted
    // along the outline from the top-right corner; drawing it twice removes it.
    void DrawFocusRect(const Rect& rect);

private:
    template <typename Fn> void ForEachSpan(const Rect& area, Fn fn);
    template <typename Fn>
    void Stretch(int x, int y, int width, int height, const Bitmap& source, int sourceX,
                 int sourceY, int sourceWidth, int sourceHeight, Fn combine);
    bool Visible(int x, int y) const;
    void Plot(int x, int y, Pixel p);
    void PenPixel(int x, int y, int& dotPhase);
    void Line(Point from, Point to, int& dotPhase);
    void InvertPixel(int x, int y);

    Bitmap& target_;
    Pen pen_;
    Brush brush_;
    Rgb textColour_ = 0;
    Rgb backgroundColour_ = 0xFFFFFF;
    bool transparentBackground_ = false;
    std::optional<Region> clip_;
};

} // namespace tarvenel
