// Whole pictures built from every primitive together, kept as reference
// images (see support/reference_image.h for the record mode).
#include <gtest/gtest.h>

#include "raster/canvas.h"
#include "raster/fixed_cell_text.h"
#include "support/reference_image.h"

namespace tarvenel {
namespace {

// A button-like face: an elliptic clip, a shaded fill, bevel lines, an arc,
// a focus frame, a masked picture and a caption.
Bitmap DrawSampler() {
    Bitmap bitmap(64, 40, PixelFromRgb(0xC8D0D4));
    Canvas canvas(bitmap);
    for (int row = 1; row < 39; ++row) {
        const Rgb shade = 0xF0E0D0 - static_cast<Rgb>(row) * 0x020202;
        canvas.SelectPen({shade});
        canvas.SelectBrush({shade});
        canvas.Rectangle(1, row, 63, row + 1);
    }
    const Point bevel[] = {{1, 38}, {1, 1}, {62, 1}, {62, 38}, {1, 38}};
    canvas.SelectPen({0x7F3F00});
    canvas.Polyline(bevel);

    canvas.SelectClipRegion(Region::FromEllipse({4, 4, 28, 36}));
    canvas.FillRect({0, 0, 64, 40}, 0x3366CC);
    canvas.SelectClipRegion(std::nullopt);
    canvas.SelectPen({0x000000, 2});
    canvas.Arc(4, 4, 28, 36);

    Bitmap picture(4, 4, PixelFromRgb(0xFF00FF));
    for (int i = 0; i < 4; ++i) {
        picture.Set(i, i, PixelFromRgb(0x008000));
        picture.Set(3 - i, i, PixelFromRgb(0x000080));
    }
    canvas.TransparentBlt(34, 6, 8, 8, picture, 0, 0, 4, 4, 0xFF00FF);
    canvas.SelectBrush({0xE5E5E4});
    canvas.StretchBlt(46, 6, 8, 8, picture, 0, 0, 4, 4, Rop::Psdpxax);

    canvas.SetTextColour(0xFFFFFF);
    canvas.SetTransparentBackground(true);
    FixedCellText text(4, 8);
    text.Draw(canvas, "&OK 定", FontSpec{}, {30, 20, 62, 36}, {TextAlign::Centre, true, true});
    canvas.DrawFocusRect({32, 18, 60, 34});

    canvas.SelectPen({0x0000FF, 1, PenStyle::Dot});
    const Point dotted[] = {{2, 2}, {61, 37}};
    canvas.Polyline(dotted);
    return bitmap;
}

TEST(ReferenceImageTest, Sampler) {
    EXPECT_TRUE(test::MatchesReference(DrawSampler(), "raster_sampler"));
}

} // namespace
} // namespace tarvenel
