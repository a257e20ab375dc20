#include "raster/region.h"

#include <algorithm>
#include <cstdint>

#include "raster/ellipse_scan.h"

namespace tarvenel {
namespace {

// The spans where keep(inA, inB) holds, from two sorted disjoint span lists.
template <typename Keep>
std::vector<Region::Span> CombineSpans(std::span<const Region::Span> a,
                                       std::span<const Region::Span> b, Keep keep) {
    std::vector<int> edges;
    edges.reserve(2 * (a.size() + b.size()));
    for (const auto& s : a) {
        edges.push_back(s.left);
        edges.push_back(s.right);
    }
    for (const auto& s : b) {
        edges.push_back(s.left);
        edges.push_back(s.right);
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

    std::vector<Region::Span> out;
    std::size_t ia = 0;
    std::size_t ib = 0;
    for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
        const int x = edges[i];
        while (ia < a.size() && a[ia].right <= x)
            ++ia;
        while (ib < b.size() && b[ib].right <= x)
            ++ib;
        const bool inA = ia < a.size() && a[ia].left <= x;
        const bool inB = ib < b.size() && b[ib].left <= x;
        if (!keep(inA, inB))
            continue;
        if (!out.empty() && out.back().right == x)
            out.back().right = edges[i + 1];
        else
            out.push_back({x, edges[i + 1]});
    }
    return out;
}

std::int64_t CeilDiv(std::int64_t num, std::int64_t den) {
    if (den < 0) {
        num = -num;
        den = -den;
    }
    return num >= 0 ? (num + den - 1) / den : -((-num) / den);
}

} // namespace

void Region::AddRow(int y, std::vector<Span> spans) {
    if (!spans.empty())
        rows_.push_back({y, std::move(spans)});
}

Region Region::FromRect(const Rect& rect) {
    Region region;
    const Rect r = rect.Normalised();
    if (r.Empty())
        return region;
    for (int y = r.top; y < r.bottom; ++y)
        region.AddRow(y, {{r.left, r.right}});
    return region;
}

Region Region::FromEllipse(const Rect& box) {
    const Rect r = box.Normalised();
    if (r.Width() < 3 || r.Height() < 3)
        return FromRect({r.left, r.top, r.right - 1, r.bottom - 1});
    Region region;
    for (const RowSpan& row : EllipseFill(r.left, r.top, r.right - 2, r.bottom - 2))
        region.AddRow(row.y, {{row.left, row.right}});
    return region;
}

Region Region::FromPolygon(std::span<const Point> points, FillMode mode) {
    Region region;
    if (points.size() < 3)
        return region;
    int top = points[0].y;
    int bottom = points[0].y;
    for (const Point& p : points) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    struct Crossing {
        std::int64_t x; // crossing rounded up to the next pixel
        int direction;  // +1 downward edge, -1 upward edge
    };
    std::vector<Crossing> crossings;
    for (int y = top; y < bottom; ++y) {
        crossings.clear();
        for (std::size_t i = 0; i < points.size(); ++i) {
            const Point& p = points[i];
            const Point& q = points[(i + 1) % points.size()];
            if (p.y == q.y)
                continue;
            const bool down = p.y < q.y;
            const Point& upper = down ? p : q;
            const Point& lower = down ? q : p;
            if (y < upper.y || y >= lower.y)
                continue;
            const std::int64_t num = std::int64_t{upper.x} * (lower.y - upper.y) +
                                     std::int64_t{y - upper.y} * (lower.x - upper.x);
            crossings.push_back({CeilDiv(num, lower.y - upper.y), down ? 1 : -1});
        }
        std::sort(crossings.begin(), crossings.end(),
                  [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
        std::vector<Span> spans;
        int winding = 0;
        for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
            winding += mode == FillMode::Winding ? crossings[i].direction : 1;
            const bool inside = mode == FillMode::Winding ? winding != 0 : (winding & 1) != 0;
            const int left = static_cast<int>(crossings[i].x);
            const int right = static_cast<int>(crossings[i + 1].x);
            if (!inside || left >= right)
                continue;
            if (!spans.empty() && spans.back().right >= left)
                spans.back().right = std::max(spans.back().right, right);
            else
                spans.push_back({left, right});
        }
        region.AddRow(y, std::move(spans));
    }
    return region;
}

template <typename Keep> Region Region::Combine(const Region& other, Keep keep) const {
    Region out;
    std::size_t i = 0;
    std::size_t j = 0;
    const std::span<const Span> none;
    while (i < rows_.size() || j < other.rows_.size()) {
        const bool takeA =
            i < rows_.size() && (j >= other.rows_.size() || rows_[i].y <= other.rows_[j].y);
        const bool takeB =
            j < other.rows_.size() && (i >= rows_.size() || other.rows_[j].y <= rows_[i].y);
        const int y = takeA ? rows_[i].y : other.rows_[j].y;
        out.AddRow(y,
                   CombineSpans(takeA ? std::span<const Span>(rows_[i].spans) : none,
                                takeB ? std::span<const Span>(other.rows_[j].spans) : none, keep));
        i += takeA ? 1 : 0;
        j += takeB ? 1 : 0;
    }
    return out;
}

Region Region::Union(const Region& other) const {
    return Combine(other, [](bool a, bool b) { return a || b; });
}

Region Region::Intersect(const Region& other) const {
    return Combine(other, [](bool a, bool b) { return a && b; });
}

Region Region::Difference(const Region& other) const {
    return Combine(other, [](bool a, bool b) { return a && !b; });
}

Region Region::Offset(int dx, int dy) const {
    Region out = *this;
    for (Row& row : out.rows_) {
        row.y += dy;
        for (Span& s : row.spans) {
            s.left += dx;
            s.right += dx;
        }
    }
    return out;
}

std::span<const Region::Span> Region::RowSpans(int y) const {
    const auto it = std::lower_bound(rows_.begin(), rows_.end(), y,
                                     [](const Row& row, int value) { return row.y < value; });
    if (it == rows_.end() || it->y != y)
        return {};
    return it->spans;
}

bool Region::Contains(int x, int y) const {
    const auto spans = RowSpans(y);
    const auto it = std::upper_bound(spans.begin(), spans.end(), x,
                                     [](int value, const Span& s) { return value < s.right; });
    return it != spans.end() && it->left <= x;
}

Rect Region::Bounds() const {
    if (rows_.empty())
        return {};
    Rect r{rows_.front().spans.front().left, rows_.front().y, rows_.front().spans.back().right,
           rows_.back().y + 1};
    for (const Row& row : rows_) {
        r.left = std::min(r.left, row.spans.front().left);
        r.right = std::max(r.right, row.spans.back().right);
    }
    return r;
}

std::vector<Rect> Region::Rectangles() const {
    std::vector<Rect> out;
    std::size_t bandStart = 0; // index in out of the previous row's rectangles
    const Row* previous = nullptr;
    for (const Row& row : rows_) {
        if (previous != nullptr && previous->y + 1 == row.y && previous->spans == row.spans) {
            for (std::size_t k = bandStart; k < out.size(); ++k)
                out[k].bottom = row.y + 1;
        } else {
            bandStart = out.size();
            for (const Span& s : row.spans)
                out.push_back({s.left, row.y, s.right, row.y + 1});
        }
        previous = &row;
    }
    return out;
}

} // namespace tarvenel
