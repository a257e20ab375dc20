#include <gtest/gtest.h>

#include <vector>

#include <stb/stb_image_write.h>

#include "raster/png.h"
#include "support/reference_image.h"

namespace tarvenel {
namespace {

void Append(void* context, void* data, int size) {
    auto* out = static_cast<std::vector<unsigned char>*>(context);
    out->insert(out->end(), static_cast<unsigned char*>(data),
                static_cast<unsigned char*>(data) + size);
}

TEST(PngTest, KeepsColoursAndStraightAlpha) {
    Bitmap bitmap(3, 2);
    const Pixel pixels[] = {0xFF123456u, 0x00000000u, 0x80FF0000u,
                            0xFFFFFFFFu, 0x01020304u, 0xFF00FF00u};
    for (int i = 0; i < 6; ++i)
        bitmap.Set(i % 3, i / 3, pixels[i]);
    const Bitmap decoded = DecodePng(test::EncodePng(bitmap));
    EXPECT_TRUE(decoded.SamePixels(bitmap));
}

TEST(PngTest, GreyPictureBecomesOpaqueGrey) {
    const unsigned char grey[] = {0x00, 0x80, 0xFF, 0x10};
    std::vector<unsigned char> png;
    ASSERT_TRUE(stbi_write_png_to_func(Append, &png, 2, 2, 1, grey, 2));
    const Bitmap decoded = DecodePng(png);
    ASSERT_EQ(decoded.Width(), 2);
    ASSERT_EQ(decoded.Height(), 2);
    EXPECT_EQ(decoded.At(0, 0), 0xFF000000u);
    EXPECT_EQ(decoded.At(1, 0), 0xFF808080u);
    EXPECT_EQ(decoded.At(0, 1), 0xFFFFFFFFu);
    EXPECT_EQ(decoded.At(1, 1), 0xFF101010u);
}

TEST(PngTest, BytesThatAreNoPngGiveAnEmptyBitmap) {
    const unsigned char junk[] = {'G', 'I', 'F', '8', '9', 'a', 0, 0};
    EXPECT_TRUE(DecodePng(junk).Empty());
    EXPECT_TRUE(DecodePng({}).Empty());
    // A PNG cut short.
    Bitmap bitmap(8, 8, 0xFF336699u);
    auto png = test::EncodePng(bitmap);
    png.resize(png.size() / 2);
    EXPECT_TRUE(DecodePng(png).Empty());
}

// A palette picture whose second pixel names entry 5 of a one-entry palette.
// The decoder would read that entry from memory it never set, so the same
// file gave different pictures; a missing entry is opaque black.
TEST(PngTest, PaletteIndexBeyondThePaletteIsOpaqueBlack) {
    const unsigned char png[] = {
        0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48,
        0x44, 0x52, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x08, 0x03, 0x00, 0x00,
        0x00, 0xC3, 0xFC, 0x8F, 0xB8, 0x00, 0x00, 0x00, 0x03, 0x50, 0x4C, 0x54, 0x45, 0xFF,
        0x00, 0x00, 0x19, 0xE2, 0x09, 0x37, 0x00, 0x00, 0x00, 0x0B, 0x49, 0x44, 0x41, 0x54,
        0x78, 0x9C, 0x63, 0x60, 0x60, 0x05, 0x00, 0x00, 0x08, 0x00, 0x06, 0x7A, 0x51, 0xD1,
        0x92, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
    const Bitmap decoded = DecodePng(png);
    ASSERT_EQ(decoded.Width(), 2);
    EXPECT_EQ(decoded.At(0, 0), 0xFFFF0000u);
    EXPECT_EQ(decoded.At(1, 0), 0xFF000000u);
}

// Empty IDAT chunks are allowed; the decoder copied "nothing" into a buffer
// it had not made yet (undefined, caught by UBSan, found by fuzzing).
TEST(PngTest, EmptyDataChunksChangeNothing) {
    const Bitmap bitmap(4, 3, 0xFF336699u);
    std::vector<unsigned char> png = test::EncodePng(bitmap);
    const unsigned char emptyIdat[] = {0, 0, 0, 0, 'I', 'D', 'A', 'T', 0x35, 0xAF, 0x06, 0x1E};
    png.insert(png.begin() + 33, std::begin(emptyIdat), std::end(emptyIdat)); // after IHDR
    EXPECT_TRUE(DecodePng(png).SamePixels(bitmap));
}

} // namespace
} // namespace tarvenel
