// The pixel store under every canvas: foreign memory, copies and colours.
#include <gtest/gtest.h>

#include <vector>

#include "raster/canvas.h"

namespace tarvenel {
namespace {

TEST(BitmapTest, WrapsForeignMemoryWithStride) {
    std::vector<Pixel> memory(3 * 4, 0xFF112233u);
    Bitmap view = Bitmap::Wrap(memory.data(), 2, 3, 4);
    EXPECT_FALSE(view.OwnsPixels());
    Canvas c(view);
    c.FillRect({0, 0, 10, 10}, 0x0000FF);
    // Only the two pixels of each row are touched; the padding stays.
    EXPECT_EQ(memory[0], 0xFFFF0000u);
    EXPECT_EQ(memory[1], 0xFFFF0000u);
    EXPECT_EQ(memory[2], 0xFF112233u);
    EXPECT_EQ(memory[9], 0xFFFF0000u);
    EXPECT_EQ(memory[10], 0xFF112233u);

    const Bitmap copy = view;
    EXPECT_TRUE(copy.OwnsPixels());
    EXPECT_TRUE(copy.SamePixels(view));
    memory[0] = 0;
    EXPECT_FALSE(copy.SamePixels(view));

    Bitmap moved = std::move(view);
    EXPECT_EQ(moved.Row(0), memory.data());
}

TEST(BitmapTest, ColourConversions) {
    EXPECT_EQ(PixelFromRgb(0x00563412), 0xFF123456u);
    EXPECT_EQ(RgbFromPixel(0x80123456u), 0x00563412u);
    EXPECT_TRUE(Bitmap(0, 5).Empty());
    EXPECT_TRUE(Bitmap::Wrap(nullptr, 5, 5, 5).Empty());
}

} // namespace
} // namespace tarvenel
