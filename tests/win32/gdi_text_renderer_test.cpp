// GDI's text in raster bitmaps: measured like DrawTextW, drawn in the
// canvas's text colour, and kept inside the canvas's clip region.
#include <gtest/gtest.h>

#include "platform/win32/gdi_text_renderer.h"

namespace tarvenel::win32 {
namespace {

constexpr Pixel kWhitePixel = 0xFFFFFFFF;

// Pixels the text changed, and of those the ones that are not reddish (the
// edges of smoothed text blend red into white: red stays full).
struct Inked {
    int changed = 0;
    int notRed = 0;
};

Inked Ink(const Bitmap& bitmap, const Rect& area) {
    Inked ink;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            const Pixel p = bitmap.At(x, y);
            if (p == kWhitePixel)
                continue;
            ++ink.changed;
            ink.notRed += (p >> 16 & 0xFF) != 0xFF;
        }
    return ink;
}

TEST(GdiTextRenderer, MeasuresLinesAndBreaksWords) {
    GdiTextRenderer text;
    const FontSpec font;
    EXPECT_EQ(text.Measure("", font, 100, {}), (TextExtent{0, 0}));
    const TextExtent one = text.Measure("确 定", font, 200, {});
    EXPECT_GT(one.width, 0);
    EXPECT_GT(one.height, 0);
    const TextExtent two = text.Measure("确 定\r\n取 消", font, 200, {});
    EXPECT_EQ(two.height, 2 * one.height);
    const TextExtent narrow = text.Measure("word word word", font, 40, {});
    EXPECT_GT(narrow.height, one.height); // broken between the words
    // "&" underlines the next character and takes no room of its own.
    EXPECT_LT(text.Measure("&a", font, 200, {}).width,
              text.Measure("&a", font, 200, {.prefix = false}).width);
}

TEST(GdiTextRenderer, DrawsInTheTextColourOnlyInsideTheClipRegion) {
    GdiTextRenderer text;
    Bitmap bitmap(80, 30, kWhitePixel);
    Canvas canvas(bitmap);
    canvas.SetTextColour(0x0000FF); // red as 0x00BBGGRR
    canvas.SetTransparentBackground(true);
    canvas.SelectClipRegion(Region::FromRect({0, 0, 40, 30}));
    text.Draw(canvas, "重置重置重置", FontSpec{}, {0, 0, 80, 30}, {});
    const Inked inside = Ink(bitmap, {0, 0, 40, 30});
    EXPECT_GT(inside.changed, 20);
    EXPECT_EQ(inside.notRed, 0);
    EXPECT_EQ(Ink(bitmap, {40, 0, 80, 30}).changed, 0);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 80; ++x)
            EXPECT_EQ(bitmap.At(x, y) >> 24, 0xFFu) << "every pixel stays opaque";
}

} // namespace
} // namespace tarvenel::win32
