#include "raster/ellipse_scan.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace tarvenel {

std::vector<Point> EllipseOutline(int x0, int y0, int x1, int y1) {
    std::vector<Point> out;
    if (x0 > x1)
        std::swap(x0, x1);
    if (y0 > y1)
        std::swap(y0, y1);
    std::int64_t a = x1 - x0;
    std::int64_t b = y1 - y0;
    std::int64_t b1 = b & 1;
    std::int64_t dx = 4 * (1 - a) * b * b;
    std::int64_t dy = 4 * (b1 + 1) * a * a;
    std::int64_t err = dx + dy + b1 * a * a;
    y0 += static_cast<int>((b + 1) / 2);
    y1 = y0 - static_cast<int>(b1);
    a = 8 * a * a;
    b1 = 8 * b * b;
    do {
        out.push_back({x1, y0});
        out.push_back({x0, y0});
        out.push_back({x0, y1});
        out.push_back({x1, y1});
        const std::int64_t e2 = 2 * err;
        if (e2 <= dy) {
            ++y0;
            --y1;
            err += dy += a;
        }
        if (e2 >= dx || 2 * err > dy) {
            ++x0;
            --x1;
            err += dx += b1;
        }
    } while (x0 <= x1);
    // A box one pixel wide stops early: finish the tips.
    while (y0 - y1 <= b) {
        out.push_back({x0 - 1, y0});
        out.push_back({x1 + 1, y0++});
        out.push_back({x0 - 1, y1});
        out.push_back({x1 + 1, y1--});
    }
    return out;
}

std::vector<RowSpan> EllipseFill(int x0, int y0, int x1, int y1) {
    const int top = std::min(y0, y1);
    const int height = std::abs(y1 - y0) + 1;
    std::vector<RowSpan> rows(static_cast<std::size_t>(height), RowSpan{0, 0, 0});
    for (int i = 0; i < height; ++i)
        rows[static_cast<std::size_t>(i)] = {top + i, 0, 0};
    for (const Point& p : EllipseOutline(x0, y0, x1, y1)) {
        const int i = p.y - top;
        if (i < 0 || i >= height)
            continue;
        RowSpan& row = rows[static_cast<std::size_t>(i)];
        if (row.left == row.right) {
            row.left = p.x;
            row.right = p.x + 1;
        } else {
            row.left = std::min(row.left, p.x);
            row.right = std::max(row.right, p.x + 1);
        }
    }
    std::erase_if(rows, [](const RowSpan& r) { return r.left == r.right; });
    return rows;
}

} // namespace tarvenel
