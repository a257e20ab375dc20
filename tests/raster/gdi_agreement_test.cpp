// Windows only: the raster library against the platform's own GDI, call for
// call. Under Wine this compares with Wine's GDI; on Windows with the real
// one. Where the two are known to differ the cases are listed and skipped.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "raster/canvas.h"
#include "support/pixel_art.h"

namespace tarvenel {
namespace {

// A 32-bit top-down DIB section selected into a memory context; its pixels
// are wrapped as a Bitmap without a copy.
class DibSurface {
public:
    DibSurface(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        void* bits = nullptr;
        dib_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        old_ = SelectObject(dc_, dib_);
        pixels_ = static_cast<Pixel*>(bits);
        Clear();
    }
    ~DibSurface() {
        SelectObject(dc_, old_);
        DeleteObject(dib_);
        DeleteDC(dc_);
    }
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    HDC Dc() const { return dc_; }
    Bitmap View() const { return Bitmap::Wrap(pixels_, width_, height_, width_); }
    void Clear() { std::fill_n(pixels_, width_ * height_, 0x00FFFFFFu); }

private:
    int width_;
    int height_;
    HDC dc_;
    HBITMAP dib_;
    HGDIOBJ old_;
    Pixel* pixels_ = nullptr;
};

std::string Picture(const Bitmap& bitmap) {
    return test::BitmapArt(bitmap, {0, 0, bitmap.Width(), bitmap.Height()},
                           {{0xFFFFFF, '.'}, {0x000000, '#'}, {0x808080, 'o'}});
}

Region FromGdi(HRGN rgn) {
    const DWORD size = GetRegionData(rgn, 0, nullptr);
    std::vector<char> buffer(size);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    GetRegionData(rgn, size, data);
    const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
    Region region;
    for (DWORD i = 0; i < data->rdh.nCount; ++i)
        region = region.Union(
            Region::FromRect({rects[i].left, rects[i].top, rects[i].right, rects[i].bottom}));
    return region;
}

// Boxes where Wine's GDI and this library disagree: thin boxes, for which
// Wine drops whole rows, and a few single pixels on the diagonals.
const std::set<std::pair<int, int>> kRegionDifferences = {
    {3, 4},  {3, 5},  {3, 6}, {3, 7}, {3, 8},  {3, 9},  {3, 10}, {3, 11}, {3, 12}, {4, 9},  {4, 10},
    {4, 11}, {4, 12}, {5, 8}, {5, 9}, {5, 10}, {5, 11}, {5, 12}, {8, 6},  {9, 12}, {10, 10}};
const std::set<std::pair<int, int>> kOutlineDifferences = {
    {1, 1}, {3, 8},  {3, 9},  {3, 10}, {3, 11}, {3, 12}, {4, 7}, {4, 8},
    {4, 9}, {4, 10}, {4, 11}, {4, 12}, {7, 5},  {8, 11}, {9, 9}};

TEST(GdiAgreementTest, LinesInEveryDirection) {
    DibSurface gdi(21, 21);
    Bitmap ours(21, 21);
    Canvas canvas(ours);
    SelectObject(gdi.Dc(), GetStockObject(BLACK_PEN));
    for (int dy = -9; dy <= 9; ++dy)
        for (int dx = -9; dx <= 9; ++dx) {
            gdi.Clear();
            MoveToEx(gdi.Dc(), 10, 10, nullptr);
            LineTo(gdi.Dc(), 10 + dx, 10 + dy);
            ours.Fill(PixelFromRgb(0xFFFFFF));
            const Point line[] = {{10, 10}, {10 + dx, 10 + dy}};
            canvas.Polyline(line);
            EXPECT_EQ(Picture(ours), Picture(gdi.View())) << "to " << dx << "," << dy;
        }
}

TEST(GdiAgreementTest, RectanglesDottedLinesAndFocusFrames) {
    DibSurface gdi(24, 16);
    Bitmap ours(24, 16, PixelFromRgb(0xFFFFFF));
    Canvas canvas(ours);
    HPEN wide = CreatePen(PS_SOLID, 2, 0);
    HPEN dotted = CreatePen(PS_DOT, 1, 0);
    HBRUSH grey = CreateSolidBrush(0x808080);
    SelectObject(gdi.Dc(), grey);
    SelectObject(gdi.Dc(), GetStockObject(BLACK_PEN));
    canvas.SelectBrush({0x808080});
    Rectangle(gdi.Dc(), 1, 1, 6, 5);
    Rectangle(gdi.Dc(), 7, 1, 9, 3);
    canvas.Rectangle(1, 1, 6, 5);
    canvas.Rectangle(7, 1, 9, 3);
    SelectObject(gdi.Dc(), wide);
    canvas.SelectPen({0, 2});
    Rectangle(gdi.Dc(), 12, 2, 19, 8);
    canvas.Rectangle(12, 2, 19, 8);
    SelectObject(gdi.Dc(), GetStockObject(NULL_PEN));
    canvas.SelectPen({0, 1, PenStyle::Null});
    Rectangle(gdi.Dc(), 20, 1, 24, 5);
    canvas.Rectangle(20, 1, 24, 5);
    SetBkMode(gdi.Dc(), TRANSPARENT);
    canvas.SetTransparentBackground(true);
    SelectObject(gdi.Dc(), dotted);
    canvas.SelectPen({0, 1, PenStyle::Dot});
    const POINT box[] = {{1, 9}, {10, 9}, {10, 14}, {1, 14}, {1, 9}};
    Polyline(gdi.Dc(), box, 5);
    const Point ourBox[] = {{1, 9}, {10, 9}, {10, 14}, {1, 14}, {1, 9}};
    canvas.Polyline(ourBox);
    const RECT focus[] = {{12, 9, 20, 15}, {21, 9, 24, 12}, {22, 13, 23, 16}};
    for (const RECT& r : focus) {
        DrawFocusRect(gdi.Dc(), &r);
        canvas.DrawFocusRect({r.left, r.top, r.right, r.bottom});
    }
    EXPECT_EQ(Picture(ours), Picture(gdi.View()));
    SelectObject(gdi.Dc(), GetStockObject(BLACK_PEN));
    SelectObject(gdi.Dc(), GetStockObject(WHITE_BRUSH));
    DeleteObject(wide);
    DeleteObject(dotted);
    DeleteObject(grey);
}

TEST(GdiAgreementTest, EllipticRegions) {
    for (int h = 1; h <= 12; ++h)
        for (int w = 1; w <= 12; ++w) {
            if (kRegionDifferences.count({w, h}))
                continue;
            HRGN rgn = CreateEllipticRgn(3, 2, 3 + w, 2 + h);
            EXPECT_EQ(Region::FromEllipse({3, 2, 3 + w, 2 + h}), FromGdi(rgn))
                << "box " << w << " x " << h;
            DeleteObject(rgn);
        }
    // The main window's corners.
    const RECT corners[] = {
        {-2, 0, 15, 35}, {361, 0, 378, 20}, {-1, 196, 10, 216}, {356, 176, 379, 220}};
    for (const RECT& c : corners) {
        HRGN rgn = CreateEllipticRgn(c.left, c.top, c.right, c.bottom);
        EXPECT_EQ(Region::FromEllipse({c.left, c.top, c.right, c.bottom}), FromGdi(rgn));
        DeleteObject(rgn);
    }
}

TEST(GdiAgreementTest, EllipseOutlines) {
    DibSurface gdi(16, 16);
    Bitmap ours(16, 16);
    Canvas canvas(ours);
    SelectObject(gdi.Dc(), GetStockObject(BLACK_PEN));
    SelectObject(gdi.Dc(), GetStockObject(NULL_BRUSH));
    for (int h = 1; h <= 12; ++h)
        for (int w = 1; w <= 12; ++w) {
            if (kOutlineDifferences.count({w, h}))
                continue;
            gdi.Clear();
            Ellipse(gdi.Dc(), 2, 2, 2 + w, 2 + h);
            ours.Fill(PixelFromRgb(0xFFFFFF));
            canvas.Arc(2, 2, 2 + w, 2 + h);
            EXPECT_EQ(Picture(ours), Picture(gdi.View())) << "box " << w << " x " << h;
        }
}

TEST(GdiAgreementTest, PolygonRegions) {
    const std::vector<std::vector<POINT>> polygons = {{{0, 0}, {2, 0}, {0, 2}},
                                                      {{0, 10}, {3, 10}, {0, 7}},
                                                      {{10, 0}, {8, 0}, {10, 2}},
                                                      {{10, 10}, {7, 10}, {10, 7}},
                                                      {{0, 0}, {5, 11}, {21, 11}, {21, 0}},
                                                      {{5, 0}, {8, 10}, {0, 4}, {10, 4}, {2, 10}},
                                                      {{0, 0}, {0, 21}, {31, 21}, {10, 0}}};
    for (const auto& polygon : polygons)
        for (int mode : {WINDING, ALTERNATE}) {
            std::vector<Point> points;
            for (const POINT& p : polygon)
                points.push_back({p.x, p.y});
            HRGN rgn = CreatePolygonRgn(polygon.data(), static_cast<int>(polygon.size()), mode);
            EXPECT_EQ(Region::FromPolygon(points, mode == WINDING ? FillMode::Winding
                                                                  : FillMode::Alternate),
                      FromGdi(rgn))
                << polygon.size() << " points, mode " << mode;
            DeleteObject(rgn);
        }
}

TEST(GdiAgreementTest, BlitsWithEachRasterOperation) {
    // A colour source and destination with every pair of channel values.
    DibSurface gdi(8, 2);
    DibSurface source(8, 2);
    Bitmap src = source.View();
    for (int x = 0; x < 8; ++x) {
        src.Set(x, 0, 0x00000000u | static_cast<Pixel>(x) * 0x00211F1Du);
        src.Set(x, 1, 0x00FFFFFFu - static_cast<Pixel>(x) * 0x00130B07u);
    }
    Bitmap ours(8, 2);
    Canvas canvas(ours);
    HBRUSH brush = CreateSolidBrush(0x3399CC);
    SelectObject(gdi.Dc(), brush);
    canvas.SelectBrush({0x3399CC});
    for (Rop rop : {Rop::SrcCopy, Rop::SrcAnd, Rop::SrcPaint, Rop::Psdpxax, Rop::Whiteness,
                    Rop::PatInvert, Rop{0x00330008}}) {
        Bitmap view = gdi.View();
        for (int x = 0; x < 8; ++x)
            for (int y = 0; y < 2; ++y) {
                view.Set(x, y, 0x00C08040u ^ static_cast<Pixel>(x * 0x00102030 + y * 0x00FF00FF));
                ours.Set(x, y, view.At(x, y));
            }
        BitBlt(gdi.Dc(), 0, 0, 8, 2, source.Dc(), 0, 0, static_cast<DWORD>(rop));
        canvas.BitBlt(0, 0, 8, 2, src, 0, 0, rop);
        for (int x = 0; x < 8; ++x)
            for (int y = 0; y < 2; ++y)
                EXPECT_EQ(RgbFromPixel(ours.At(x, y)), RgbFromPixel(view.At(x, y)))
                    << "rop " << std::hex << static_cast<unsigned>(rop) << " at " << x << "," << y;
    }
    SelectObject(gdi.Dc(), GetStockObject(WHITE_BRUSH));
    DeleteObject(brush);
}

// Enlarging only: when shrinking, GDI implementations keep different pixels
// of each group (Wine the last of a column group but the first of a row
// group); this library keeps the one under the centre.
TEST(GdiAgreementTest, EnlargingRepeatsTheSamePixels) {
    DibSurface source(5, 3);
    Bitmap src = source.View();
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            src.Set(x, y, static_cast<Pixel>(y * 5 + x) * 0x00010101u);
    const std::pair<int, int> sizes[] = {{10, 6}, {13, 7}, {5, 40}, {376, 3}, {7, 216}};
    for (auto [w, h] : sizes) {
        DibSurface gdi(w, h);
        SetStretchBltMode(gdi.Dc(), COLORONCOLOR);
        StretchBlt(gdi.Dc(), 0, 0, w, h, source.Dc(), 0, 0, 5, 3, SRCCOPY);
        Bitmap ours(w, h);
        Canvas(ours).StretchBlt(0, 0, w, h, src, 0, 0, 5, 3, Rop::SrcCopy);
        const Bitmap view = gdi.View();
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                EXPECT_EQ(RgbFromPixel(ours.At(x, y)), RgbFromPixel(view.At(x, y)))
                    << w << " x " << h << " at " << x << "," << y;
    }
}

} // namespace
} // namespace tarvenel
