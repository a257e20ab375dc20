// Drawing primitives pixel by pixel. Where a picture is marked as GDI's, it is
// what GDI (as Wine implements it) draws for the same calls.
#include <gtest/gtest.h>

#include "raster/canvas.h"
#include "support/pixel_art.h"

namespace tarvenel {
namespace {

using test::Art;

constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kBlack = 0x000000;
constexpr Rgb kGrey = 0x808080;
constexpr Rgb kRed = 0x0000FF; // 0x00BBGGRR

class CanvasTest : public testing::Test {
protected:
    Bitmap bitmap{20, 14, PixelFromRgb(kWhite)};
    Canvas canvas{bitmap};

    std::string Picture(int width, int height) const {
        return test::BitmapArt(bitmap, {0, 0, width, height},
                               {{kWhite, '.'}, {kBlack, '#'}, {kGrey, 'o'}, {kRed, 'r'}});
    }
};

TEST_F(CanvasTest, RectangleOutlinesInsideAndFillsTheInterior) {
    // GDI's.
    canvas.SelectBrush({kGrey});
    canvas.Rectangle(1, 1, 6, 5);
    canvas.Rectangle(10, 1, 12, 3);
    canvas.Rectangle(13, 1, 16, 4);
    EXPECT_EQ(Picture(18, 6), Art(R"(
        ..................
        .#####....##.###..
        .#ooo#....##.#o#..
        .#ooo#.......###..
        .#####............
        ..................
    )"));
}

TEST_F(CanvasTest, RectangleOneRowHighIsALine) {
    // A row of a vertical shading: one Rectangle per pixel row in the
    // shade's colour.
    canvas.SelectPen({kGrey});
    canvas.SelectBrush({kGrey});
    canvas.Rectangle(1, 1, 7, 2);
    canvas.Rectangle(1, 3, 2, 4);
    EXPECT_EQ(Picture(8, 5), Art(R"(
        ........
        .oooooo.
        ........
        .o......
        ........
    )"));
}

TEST_F(CanvasTest, RectangleWithoutPenOrWithReversedCorners) {
    // GDI's: with a null pen the brush fills one pixel less to the right and
    // bottom; reversed corners draw the same rectangle.
    canvas.SelectPen({kBlack, 1, PenStyle::Null});
    canvas.SelectBrush({kGrey});
    canvas.Rectangle(1, 1, 6, 5);
    canvas.SelectPen({kBlack});
    canvas.Rectangle(14, 5, 9, 1);
    EXPECT_EQ(Picture(16, 6), Art(R"(
        ................
        .oooo....#####..
        .oooo....#ooo#..
        .oooo....#ooo#..
        .........#####..
        ................
    )"));
}

TEST_F(CanvasTest, RectangleWithWidePenAndHollowBrush) {
    // GDI's for the width-2 pen: the outline grows outwards at the left and
    // top only.
    canvas.SelectPen({kBlack, 2});
    canvas.SelectBrush({kGrey});
    canvas.Rectangle(1, 1, 8, 7);
    canvas.SelectPen({kBlack});
    canvas.SelectBrush({kGrey, true});
    canvas.Rectangle(10, 1, 15, 5);
    EXPECT_EQ(Picture(16, 7), Art(R"(
        ########........
        ########..#####.
        ##oooo##..#...#.
        ##oooo##..#...#.
        ##oooo##..#####.
        ########........
        ########........
    )"));
}

TEST_F(CanvasTest, LinesLeaveOutTheirLastPoint) {
    // GDI's: horizontal, vertical and all four 45-degree directions.
    const Point across[] = {{1, 1}, {8, 1}};
    const Point down[] = {{1, 3}, {1, 8}};
    const Point diagonalDownRight[] = {{3, 3}, {8, 8}};
    const Point diagonalUpLeft[] = {{16, 8}, {11, 3}};
    canvas.Polyline(across);
    canvas.Polyline(down);
    canvas.Polyline(diagonalDownRight);
    canvas.Polyline(diagonalUpLeft);
    const Point single[] = {{18, 12}, {18, 12}};
    canvas.Polyline(single);
    EXPECT_EQ(Picture(19, 13), Art(R"(
        ...................
        .#######...........
        ...................
        .#.#...............
        .#..#.......#......
        .#...#.......#.....
        .#....#.......#....
        .#.....#.......#...
        ................#..
        ...................
        ...................
        ...................
        ...................
    )"));
}

TEST_F(CanvasTest, OtherDiagonalsLeaveOutTheirLastPoint) {
    // GDI's.
    const Point upRight[] = {{1, 6}, {6, 1}};
    const Point downLeft[] = {{14, 1}, {9, 6}};
    canvas.Polyline(upRight);
    canvas.Polyline(downLeft);
    EXPECT_EQ(Picture(16, 7), Art(R"(
        ................
        ..............#.
        .....#.......#..
        ....#.......#...
        ...#.......#....
        ..#.......#.....
        .#..............
    )"));
}

TEST_F(CanvasTest, ShallowAndSteepLinesCoverTheSamePixelsBothWays) {
    // GDI's: where the ideal line runs exactly between two pixels, the upper
    // (or left) one is taken in either direction.
    const Point shallow[] = {{1, 1}, {9, 4}};
    const Point shallowBack[] = {{19, 10}, {11, 7}};
    const Point steep[] = {{1, 5}, {4, 13}};
    canvas.Polyline(shallow);
    canvas.Polyline(shallowBack);
    canvas.Polyline(steep);
    EXPECT_EQ(Picture(20, 14), Art(R"(
        ....................
        .##.................
        ...###..............
        ......##............
        ........#...........
        .#..................
        .#..................
        ..#.........#.......
        ..#..........###....
        ..#.............##..
        ...#..............##
        ...#................
        ....#...............
        ....................
    )"));
}

TEST_F(CanvasTest, PolylineDrawsItsCornersOnce) {
    // GDI's: a closed box and an open three-point line.
    const Point box[] = {{1, 1}, {6, 1}, {6, 5}, {1, 5}, {1, 1}};
    const Point open[] = {{9, 1}, {14, 1}, {14, 5}};
    canvas.Polyline(box);
    canvas.Polyline(open);
    EXPECT_EQ(Picture(16, 7), Art(R"(
        ................
        .######..######.
        .#....#.......#.
        .#....#.......#.
        .#....#.......#.
        .######.........
        ................
    )"));
}

TEST_F(CanvasTest, DottedPenThreeOnThreeOffAcrossCorners) {
    // GDI's, with a transparent background.
    canvas.SetTransparentBackground(true);
    canvas.SelectPen({kBlack, 1, PenStyle::Dot});
    const Point line[] = {{0, 0}, {20, 0}};
    const Point box[] = {{1, 2}, {10, 2}, {10, 7}, {1, 7}, {1, 2}};
    canvas.Polyline(line);
    canvas.Polyline(box);
    EXPECT_EQ(Picture(20, 9), Art(R"(
        ###...###...###...##
        ....................
        .###...###..........
        ....................
        .#..................
        .#........#.........
        .#........#.........
        ....###...#.........
        ....................
    )"));
}

TEST_F(CanvasTest, DottedPenFillsGapsOnOpaqueBackgroundAndWidePenIsSolid) {
    // GDI's: the gaps take the background colour; a dotted pen wider than one
    // pixel draws solid.
    canvas.SetBackgroundColour(kGrey);
    canvas.SelectPen({kBlack, 1, PenStyle::Dot});
    const Point line[] = {{0, 0}, {16, 0}};
    canvas.Polyline(line);
    canvas.SelectPen({kBlack, 2, PenStyle::Dot});
    const Point wide[] = {{1, 3}, {16, 3}};
    canvas.Polyline(wide);
    EXPECT_EQ(Picture(18, 4), Art(R"(
        ###ooo###ooo###o..
        ..................
        ################..
        ################..
    )"));
}

TEST_F(CanvasTest, ArcDrawsTheWholeEllipseOutline) {
    // GDI's outlines of 5 x 5, 8 x 8 and 4 x 4 boxes.
    canvas.Arc(0, 0, 5, 5);
    canvas.Arc(6, 0, 14, 8);
    canvas.Arc(15, 0, 19, 4);
    EXPECT_EQ(Picture(20, 9), Art(R"(
        .###....####....##..
        #...#..#....#..#..#.
        #...#.#......#.#..#.
        #...#.#......#..##..
        .###..#......#......
        ......#......#......
        .......#....#.......
        ........####........
        ....................
    )"));
}

TEST_F(CanvasTest, ArcOfWiderBoxes) {
    // GDI's outlines of an 11 x 11 and a 16 x 12 box.
    Bitmap wide(30, 12, PixelFromRgb(kWhite));
    Canvas c(wide);
    c.Arc(0, 0, 11, 11);
    c.Arc(12, 0, 28, 12);
    EXPECT_EQ(test::BitmapArt(wide, {0, 0, 30, 12}, {{kWhite, '.'}, {kBlack, '#'}}), Art(R"(
        ...#####.........######.......
        ..#.....#......##......##.....
        .#.......#....#..........#....
        #.........#..#............#...
        #.........#.#..............#..
        #.........#.#..............#..
        #.........#.#..............#..
        #.........#.#..............#..
        .#.......#...#............#...
        ..#.....#.....#..........#....
        ...#####.......##......##.....
        .................######.......
    )"));
}

TEST_F(CanvasTest, ArcWithWidePenWidensLeftAndUp) {
    canvas.SelectPen({kBlack, 2});
    canvas.Arc(1, 1, 6, 6);
    EXPECT_EQ(Picture(7, 7), Art(R"(
        .####..
        ######.
        ##..##.
        ##..##.
        ######.
        .####..
        .......
    )"));
}

TEST_F(CanvasTest, ClipRegionLimitsEveryOperation) {
    canvas.SelectClipRegion(Region::FromEllipse({0, 0, 8, 8}));
    canvas.SelectBrush({kGrey});
    canvas.SelectPen({kGrey});
    canvas.Rectangle(0, 0, 10, 10);
    canvas.SetPixel(0, 0, kRed);
    canvas.SetPixel(3, 3, kRed);
    EXPECT_EQ(Picture(9, 9), Art(R"(
        ..ooo....
        .ooooo...
        ooooooo..
        ooorooo..
        ooooooo..
        .ooooo...
        ..ooo....
        .........
        .........
    )"));
    EXPECT_EQ(canvas.GetPixel(3, 3), kRed);
    EXPECT_EQ(canvas.GetPixel(0, 0), kInvalidColour);
    canvas.SelectClipRegion(std::nullopt);
    EXPECT_EQ(canvas.GetPixel(0, 0), kWhite);
    EXPECT_EQ(canvas.GetPixel(-1, 0), kInvalidColour);
    EXPECT_EQ(canvas.GetPixel(20, 0), kInvalidColour);
}

TEST_F(CanvasTest, FocusRectangleInvertsEveryOtherPixel) {
    // GDI's: a frame one pixel wide cancels itself where its two sides meet.
    canvas.DrawFocusRect({1, 1, 12, 8});
    canvas.DrawFocusRect({14, 1, 17, 4});
    canvas.DrawFocusRect({18, 1, 19, 6});
    EXPECT_EQ(Picture(20, 9), Art(R"(
        ....................
        .#.#.#.#.#.#..#.#.#.
        ....................
        .#.........#..#.#...
        ....................
        .#.........#......#.
        ....................
        .#.#.#.#.#.#........
        ....................
    )"));
    Bitmap other(13, 10, PixelFromRgb(kWhite));
    Canvas(other).DrawFocusRect({2, 1, 11, 9});
    EXPECT_EQ(test::BitmapArt(other, {0, 0, 13, 10}, {{kWhite, '.'}, {kBlack, '#'}}), Art(R"(
        .............
        ..#.#.#.#.#..
        .............
        ..#.......#..
        .............
        ..#.......#..
        .............
        ..#.......#..
        ...#.#.#.#...
        .............
    )"));
    // The count runs along the outline from the top-right corner, so a frame
    // of even width starts its top row one pixel in.
    Bitmap even(10, 7, PixelFromRgb(kWhite));
    Canvas(even).DrawFocusRect({1, 0, 9, 6});
    EXPECT_EQ(test::BitmapArt(even, {0, 0, 10, 7}, {{kWhite, '.'}, {kBlack, '#'}}), Art(R"(
        ..#.#.#.#.
        .#........
        ........#.
        .#........
        ........#.
        .#.#.#.#..
        ..........
    )"));
}

TEST_F(CanvasTest, FocusRectangleTwiceRestoresThePicture) {
    canvas.FillRect({0, 0, 20, 14}, kRed);
    canvas.SetPixel(4, 4, kGrey);
    const Bitmap before = bitmap;
    canvas.DrawFocusRect({2, 2, 15, 11});
    EXPECT_FALSE(bitmap.SamePixels(before));
    EXPECT_EQ(canvas.GetPixel(2, 2), 0xFFFF00u); // red inverted
    canvas.DrawFocusRect({2, 2, 15, 11});
    EXPECT_TRUE(bitmap.SamePixels(before));
}

class BlitTest : public CanvasTest {
protected:
    // Source: black on the left half, white on the right; destination:
    // red on top, grey below.
    Bitmap source{4, 2, PixelFromRgb(kWhite)};
    void SetUp() override {
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 2; ++x)
                source.Set(x, y, PixelFromRgb(kBlack));
        canvas.FillRect({0, 0, 20, 1}, kRed);
        canvas.FillRect({0, 1, 20, 2}, kGrey);
    }
    std::string Result() const {
        return test::BitmapArt(bitmap, {0, 0, 4, 2},
                               {{kWhite, '.'},
                                {kBlack, '#'},
                                {kGrey, 'o'},
                                {kRed, 'r'},
                                {0x00FF00, 'g'},
                                {0x80FF80, 'l'}});
    }
};

TEST_F(BlitTest, SourceCopy) {
    canvas.BitBlt(0, 0, 4, 2, source, 0, 0, Rop::SrcCopy);
    EXPECT_EQ(Result(), Art(R"(
        ##..
        ##..
    )"));
}

TEST_F(BlitTest, SourceAndKeepsTheDestinationUnderWhite) {
    canvas.BitBlt(0, 0, 4, 2, source, 0, 0, Rop::SrcAnd);
    EXPECT_EQ(Result(), Art(R"(
        ##rr
        ##oo
    )"));
}

TEST_F(BlitTest, SourcePaintKeepsTheDestinationUnderBlack) {
    canvas.BitBlt(0, 0, 4, 2, source, 0, 0, Rop::SrcPaint);
    EXPECT_EQ(Result(), Art(R"(
        rr..
        oo..
    )"));
}

TEST_F(BlitTest, WhitenessIgnoresTheSource) {
    canvas.BitBlt(0, 0, 3, 2, source, 0, 0, Rop::Whiteness);
    EXPECT_EQ(Result(), Art(R"(
        ...r
        ...o
    )"));
}

TEST_F(BlitTest, BrushWhereTheSourceIsBlack) {
    // 0xB8074A: the brush under black source pixels, the destination under
    // white ones.
    canvas.SelectBrush({0x00FF00});
    canvas.BitBlt(0, 0, 4, 2, source, 0, 0, Rop::Psdpxax);
    EXPECT_EQ(Result(), Art(R"(
        ggrr
        ggoo
    )"));
    // Bit by bit, also for colours in between.
    EXPECT_EQ(ApplyRop(Rop::Psdpxax, 0xFF00FF00u, 0xFF808080u, 0xFF0000FFu), 0xFF007F80u);
}

TEST_F(BlitTest, TableDrivenOperations) {
    canvas.SelectBrush({0x00FF00});
    canvas.PatBlt(0, 0, 2, 2, Rop::PatCopy);
    canvas.PatBlt(2, 0, 2, 1, Rop::DstInvert);
    EXPECT_EQ(canvas.GetPixel(2, 0), 0xFFFF00u);
    EXPECT_EQ(canvas.GetPixel(0, 1), 0x00FF00u);
    EXPECT_EQ(ApplyRop(Rop::PatInvert, 0xFF00FF00u, 0, 0xFFFFFF00u), 0xFFFF0000u);
    EXPECT_EQ(ApplyRop(Rop{0x00330008}, 0, 0xFF123456u, 0), 0xFFEDCBA9u); // NOTSRCCOPY
}

TEST_F(CanvasTest, StretchRepeatsAndSamplesPixelCentres) {
    Bitmap source(4, 1);
    const Rgb colours[] = {kBlack, kGrey, kRed, kWhite};
    for (int x = 0; x < 4; ++x)
        source.Set(x, 0, PixelFromRgb(colours[x]));
    canvas.FillRect({0, 0, 20, 14}, 0x00FF00);
    canvas.StretchBlt(0, 0, 8, 2, source, 0, 0, 4, 1, Rop::SrcCopy);  // doubled
    canvas.StretchBlt(0, 3, 2, 1, source, 0, 0, 4, 1, Rop::SrcCopy);  // halved
    canvas.StretchBlt(0, 5, 4, 1, source, 4, 0, -4, 1, Rop::SrcCopy); // mirrored
    canvas.StretchBlt(0, 7, 6, 1, source, 2, 0, 4, 1, Rop::SrcCopy);  // half outside
    EXPECT_EQ(
        test::BitmapArt(bitmap, {0, 0, 8, 8},
                        {{kWhite, '.'}, {kBlack, '#'}, {kGrey, 'o'}, {kRed, 'r'}, {0x00FF00, 'g'}}),
        Art(R"(
        ##oorr..
        ##oorr..
        gggggggg
        o.gggggg
        gggggggg
        .ro#gggg
        gggggggg
        r..ggggg
    )"));
}

TEST_F(CanvasTest, TransparentCopyWithKeyColourOrAlpha) {
    Bitmap source(3, 1);
    source.Set(0, 0, PixelFromRgb(kBlack));
    source.Set(1, 0, PixelFromRgb(0xFF00FF)); // magenta key
    source.Set(2, 0, 0x80FF0000u);            // half-transparent red
    canvas.FillRect({0, 0, 20, 14}, kWhite);
    canvas.TransparentBlt(0, 0, 3, 1, source, 0, 0, 3, 1, 0xFF00FF);
    EXPECT_EQ(canvas.GetPixel(0, 0), kBlack);
    EXPECT_EQ(canvas.GetPixel(1, 0), kWhite);
    canvas.TransparentBlt(0, 2, 6, 1, source, 0, 0, 3, 1);
    EXPECT_EQ(canvas.GetPixel(1, 2), kBlack);
    EXPECT_EQ(canvas.GetPixel(2, 2), 0xFF00FFu & 0xFFFFFF); // opaque magenta without a key
    // 0x80 alpha over white: 255 * 128/255 + 255 * 127/255.
    EXPECT_EQ(canvas.GetPixel(4, 2), 0x7F7FFFu);
    Bitmap clear(1, 1, 0x00123456u);
    canvas.TransparentBlt(7, 2, 1, 1, clear, 0, 0, 1, 1);
    EXPECT_EQ(canvas.GetPixel(7, 2), kWhite);
}

} // namespace
} // namespace tarvenel
