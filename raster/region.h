#pragma once
// Regions of pixels as GDI builds them: rectangles, ellipses and polygons,
// combined with OR, AND and DIFF. A region is kept as sorted, disjoint spans
// per row, which is also how it leaves the library: as y-x banded rectangles,
// the form ExtCreateRegion (RGNDATA) and QRegion::setRects both take.
#include <span>
#include <vector>

#include "raster/geometry.h"

namespace tarvenel {

enum class FillMode { Alternate, Winding };

class Region {
public:
    struct Span {
        int left;  // first pixel
        int right; // one past the last pixel
        bool operator==(const Span&) const = default;
    };

    Region() = default;

    // CreateRectRgn: every pixel of the rectangle (right and bottom excluded).
    static Region FromRect(const Rect& rect);
    // CreateEllipticRgn: GDI makes elliptic regions one pixel smaller to the
    // right and the bottom than the box (the ellipse is inscribed in the
    // inclusive box left..right-2, top..bottom-2); a box narrower or lower
    // than three pixels gives the plain rectangle left..right-1, top..bottom-1.
    static Region FromEllipse(const Rect& box);
    // CreatePolygonRgn: each row y is cut at the integer line y; a pixel x is
    // inside when x lies at or right of an edge crossing rounded up and left of
    // the next crossing rounded up, so right and bottom edges stay outside.
    static Region FromPolygon(std::span<const Point> points, FillMode mode = FillMode::Winding);

    Region Union(const Region& other) const;      // RGN_OR
    Region Intersect(const Region& other) const;  // RGN_AND
    Region Difference(const Region& other) const; // RGN_DIFF
    Region Offset(int dx, int dy) const;

    bool Contains(int x, int y) const;
    bool Empty() const { return rows_.empty(); }
    Rect Bounds() const;
    // The spans of row y, or an empty list.
    std::span<const Span> RowSpans(int y) const;
    // Non-overlapping rectangles, sorted top to bottom and left to right;
    // rows with the same spans are merged into one band.
    std::vector<Rect> Rectangles() const;

    bool operator==(const Region&) const = default;

private:
    struct Row {
        int y;
        std::vector<Span> spans;
        bool operator==(const Row&) const = default;
    };
    template <typename Keep> Region Combine(const Region& other, Keep keep) const;
    void AddRow(int y, std::vector<Span> spans);

    std::vector<Row> rows_; // sorted by y, no empty rows
};

} // namespace tarvenel
