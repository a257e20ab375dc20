#include "raster/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>
#include <vector>

#include "raster/ellipse_scan.h"

namespace tarvenel {
namespace {

constexpr int kDotOn = 3; // pixels on, then as many off

// a / b rounded toward minus infinity, for b > 0.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// num / den rounded to the nearest integer, halves going down:
// ceil(v - 1/2) = -floor((den - 2 num) / (2 den)) for den > 0.
std::int64_t RoundHalfDown(std::int64_t num, std::int64_t den) {
    if (den < 0) {
        num = -num;
        den = -den;
    }
    return -FloorDiv(den - 2 * num, 2 * den);
}

// The source index under the centre of destination pixel i, when n source
// pixels are stretched over m destination pixels.
int SourceIndex(int i, int n, int m) {
    return static_cast<int>((2 * std::int64_t{i} + 1) * n / (2 * std::int64_t{m}));
}

Pixel Blend(Pixel s, Pixel d) {
    const std::uint32_t a = s >> 24;
    if (a == 255)
        return s;
    if (a == 0)
        return d;
    Pixel out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const std::uint32_t sc = s >> shift & 0xFF;
        const std::uint32_t dc = d >> shift & 0xFF;
        out |= ((sc * a + dc * (255 - a) + 127) / 255) << shift;
    }
    const std::uint32_t da = d >> 24;
    return out | (a + (da * (255 - a) + 127) / 255) << 24;
}

} // namespace

template <typename Fn> void Canvas::ForEachSpan(const Rect& area, Fn fn) {
    const Rect r = area.Intersect({0, 0, target_.Width(), target_.Height()});
    if (r.Empty())
        return;
    for (int y = r.top; y < r.bottom; ++y) {
        if (!clip_) {
            fn(y, r.left, r.right);
            continue;
        }
        for (const Region::Span& s : clip_->RowSpans(y)) {
            const int left = std::max(s.left, r.left);
            const int right = std::min(s.right, r.right);
            if (left < right)
                fn(y, left, right);
        }
    }
}

bool Canvas::Visible(int x, int y) const {
    return target_.Contains(x, y) && (!clip_ || clip_->Contains(x, y));
}

void Canvas::Plot(int x, int y, Pixel p) {
    if (Visible(x, y))
        target_.Set(x, y, p);
}

void Canvas::InvertPixel(int x, int y) {
    if (Visible(x, y))
        target_.Set(x, y, target_.At(x, y) ^ 0x00FFFFFFu);
}

void Canvas::PenPixel(int x, int y, int& dotPhase) {
    if (pen_.style == PenStyle::Null)
        return;
    const Pixel colour = PixelFromRgb(pen_.colour);
    if (pen_.width >= 2) {
        // A 2 x 2 tip: the pixel and its neighbours to the left and above.
        Plot(x - 1, y - 1, colour);
        Plot(x, y - 1, colour);
        Plot(x - 1, y, colour);
        Plot(x, y, colour);
        return;
    }
    if (pen_.style == PenStyle::Dot) {
        const bool on = dotPhase < kDotOn;
        dotPhase = (dotPhase + 1) % (2 * kDotOn);
        if (on)
            Plot(x, y, colour);
        else if (!transparentBackground_)
            Plot(x, y, PixelFromRgb(backgroundColour_));
        return;
    }
    Plot(x, y, colour);
}

void Canvas::Line(Point from, Point to, int& dotPhase) {
    const std::int64_t dx = to.x - from.x;
    const std::int64_t dy = to.y - from.y;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t steps = xMajor ? std::llabs(dx) : std::llabs(dy);
    for (std::int64_t i = 0; i < steps; ++i) {
        // The minor offset is the major offset times the slope, rounded.
        std::int64_t ox = 0;
        std::int64_t oy = 0;
        if (xMajor) {
            ox = dx > 0 ? i : -i;
            oy = RoundHalfDown(ox * dy, dx);
        } else {
            oy = dy > 0 ? i : -i;
            ox = RoundHalfDown(oy * dx, dy);
        }
        PenPixel(from.x + static_cast<int>(ox), from.y + static_cast<int>(oy), dotPhase);
    }
}

void Canvas::Polyline(std::span<const Point> points) {
    int dotPhase = 0;
    for (std::size_t i = 0; i + 1 < points.size(); ++i)
        Line(points[i], points[i + 1], dotPhase);
}

void Canvas::Rectangle(int left, int top, int right, int bottom) {
    const Rect r = Rect{left, top, right, bottom}.Normalised();
    if (pen_.style == PenStyle::Null) {
        if (!brush_.hollow)
            FillRect({r.left, r.top, r.right - 1, r.bottom - 1}, brush_.colour);
        return;
    }
    const int w = pen_.width >= 2 ? 2 : 1;
    const Rect outer{r.left - (w - 1), r.top - (w - 1), r.right, r.bottom};
    const Rect inner{outer.left + w, outer.top + w, outer.right - w, outer.bottom - w};
    if (!brush_.hollow && !inner.Empty())
        FillRect(inner, brush_.colour);
    if (w == 1 && pen_.style == PenStyle::Dot) {
        const Point corners[] = {{r.left, r.top},
                                 {r.right - 1, r.top},
                                 {r.right - 1, r.bottom - 1},
                                 {r.left, r.bottom - 1},
                                 {r.left, r.top}};
        Polyline(corners);
        return;
    }
    if (inner.Empty()) {
        FillRect(outer, pen_.colour);
        return;
    }
    FillRect({outer.left, outer.top, outer.right, inner.top}, pen_.colour);
    FillRect({outer.left, inner.bottom, outer.right, outer.bottom}, pen_.colour);
    FillRect({outer.left, inner.top, inner.left, inner.bottom}, pen_.colour);
    FillRect({inner.right, inner.top, outer.right, inner.bottom}, pen_.colour);
}

void Canvas::Arc(int left, int top, int right, int bottom) {
    const Rect r = Rect{left, top, right, bottom}.Normalised();
    if (r.Empty() || pen_.style == PenStyle::Null)
        return;
    std::vector<Point> outline = EllipseOutline(r.left, r.top, r.right - 1, r.bottom - 1);
    int dotPhase = 0;
    if (pen_.style == PenStyle::Dot && pen_.width < 2) {
        // A dotted pattern needs the pixels in drawing order: counter-clockwise
        // from the start point, the top-left corner of the box.
        const double cx = (r.left + r.right - 1) / 2.0;
        const double cy = (r.top + r.bottom - 1) / 2.0;
        const double start = std::atan2(-(r.top - cy), r.left - cx);
        auto angle = [&](const Point& p) {
            double a = std::atan2(-(p.y - cy), p.x - cx) - start;
            while (a < 0)
                a += 2 * std::numbers::pi;
            return a;
        };
        auto before = [](const Point& a, const Point& b) {
            return a.y != b.y ? a.y < b.y : a.x < b.x;
        };
        std::sort(outline.begin(), outline.end(), before);
        outline.erase(std::unique(outline.begin(), outline.end()), outline.end());
        std::stable_sort(outline.begin(), outline.end(),
                         [&](const Point& a, const Point& b) { return angle(a) < angle(b); });
    }
    for (const Point& p : outline)
        PenPixel(p.x, p.y, dotPhase);
}

void Canvas::FillRect(const Rect& rect, Rgb colour) {
    const Pixel p = PixelFromRgb(colour);
    ForEachSpan(rect.Normalised(), [&](int y, int x0, int x1) {
        std::fill(target_.Row(y) + x0, target_.Row(y) + x1, p);
    });
}

void Canvas::FillRegion(const Region& region, Rgb colour) {
    const Pixel p = PixelFromRgb(colour);
    for (const Rect& band : region.Rectangles())
        ForEachSpan(band, [&](int y, int x0, int x1) {
            std::fill(target_.Row(y) + x0, target_.Row(y) + x1, p);
        });
}

void Canvas::SetPixel(int x, int y, Rgb colour) {
    Plot(x, y, PixelFromRgb(colour));
}

Rgb Canvas::GetPixel(int x, int y) const {
    return Visible(x, y) ? RgbFromPixel(target_.At(x, y)) : kInvalidColour;
}

void Canvas::PatBlt(int x, int y, int width, int height, Rop rop) {
    const Pixel brush = PixelFromRgb(brush_.colour);
    ForEachSpan(Rect{x, y, x + width, y + height}.Normalised(), [&](int row, int x0, int x1) {
        Pixel* line = target_.Row(row);
        for (int i = x0; i < x1; ++i)
            line[i] = ApplyRop(rop, brush, 0, line[i]);
    });
}

template <typename Fn>
void Canvas::Stretch(int x, int y, int width, int height, const Bitmap& source, int sourceX,
                     int sourceY, int sourceWidth, int sourceHeight, Fn combine) {
    if (width == 0 || height == 0 || sourceWidth == 0 || sourceHeight == 0 || source.Empty())
        return;
    const bool flipX = (width < 0) != (sourceWidth < 0);
    const bool flipY = (height < 0) != (sourceHeight < 0);
    const Rect dest = Rect{x, y, x + width, y + height}.Normalised();
    const Rect src =
        Rect{sourceX, sourceY, sourceX + sourceWidth, sourceY + sourceHeight}.Normalised();
    const int dw = dest.Width();
    const int dh = dest.Height();
    std::vector<int> columns(static_cast<std::size_t>(dw));
    for (int i = 0; i < dw; ++i) {
        const int k = SourceIndex(i, src.Width(), dw);
        columns[static_cast<std::size_t>(i)] = src.left + (flipX ? src.Width() - 1 - k : k);
    }
    ForEachSpan(dest, [&](int row, int x0, int x1) {
        const int k = SourceIndex(row - dest.top, src.Height(), dh);
        const int sy = src.top + (flipY ? src.Height() - 1 - k : k);
        if (sy < 0 || sy >= source.Height())
            return;
        const Pixel* in = source.Row(sy);
        Pixel* out = target_.Row(row);
        for (int i = x0; i < x1; ++i) {
            const int sx = columns[static_cast<std::size_t>(i - dest.left)];
            if (sx >= 0 && sx < source.Width())
                out[i] = combine(in[sx], out[i]);
        }
    });
}

void Canvas::BitBlt(int x, int y, int width, int height, const Bitmap& source, int sourceX,
                    int sourceY, Rop rop) {
    StretchBlt(x, y, width, height, source, sourceX, sourceY, width, height, rop);
}

void Canvas::StretchBlt(int x, int y, int width, int height, const Bitmap& source, int sourceX,
                        int sourceY, int sourceWidth, int sourceHeight, Rop rop) {
    const Pixel brush = PixelFromRgb(brush_.colour);
    if (rop == Rop::SrcCopy) {
        Stretch(x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight,
                [](Pixel s, Pixel) { return s | kOpaque; });
        return;
    }
    Stretch(x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight,
            [&](Pixel s, Pixel d) { return ApplyRop(rop, brush, s, d); });
}

void Canvas::TransparentBlt(int x, int y, int width, int height, const Bitmap& source, int sourceX,
                            int sourceY, int sourceWidth, int sourceHeight,
                            std::optional<Rgb> keyColour) {
    if (keyColour) {
        const Rgb key = *keyColour & 0xFFFFFF;
        Stretch(x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight,
                [key](Pixel s, Pixel d) { return RgbFromPixel(s) == key ? d : s | kOpaque; });
        return;
    }
    Stretch(x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight, Blend);
}

void Canvas::DrawFocusRect(const Rect& rect) {
    const Rect r = rect.Normalised();
    if (r.Empty())
        return;
    // A one-on-one-off pattern along the outline, from the top-right corner
    // leftwards and round counter-clockwise, each side without its end point;
    // where sides overlap (a frame one pixel wide) the inversions cancel.
    const Point path[] = {{r.right - 1, r.top},
                          {r.left, r.top},
                          {r.left, r.bottom - 1},
                          {r.right - 1, r.bottom - 1},
                          {r.right - 1, r.top}};
    int phase = 0;
    for (int side = 0; side < 4; ++side) {
        const Point from = path[side];
        const Point to = path[side + 1];
        const int dx = (to.x > from.x) - (to.x < from.x);
        const int dy = (to.y > from.y) - (to.y < from.y);
        for (Point p = from; p != to; p = {p.x + dx, p.y + dy})
            if (phase++ % 2 == 0)
                InvertPixel(p.x, p.y);
    }
}

} // namespace tarvenel
