#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <set>
#include <span>
#include <vector>

#include "resources/artwork.h"

namespace tarvenel {
namespace {

struct Expected {
    Artwork which;
    const char* name;
    std::uint32_t width;
    std::uint32_t height;
};

// The sizes the windows are laid out for: the skin's slicing, the caption
// buttons' 16 x 16 faces, the icon and cursor sizes, the armed indicator.
constexpr std::array kExpected{
    Expected{Artwork::Skin, "skin", 271, 218},
    Expected{Artwork::Icon16, "icon16", 16, 16},
    Expected{Artwork::Icon32, "icon32", 32, 32},
    Expected{Artwork::MinHover, "min_hover", 16, 16},
    Expected{Artwork::MinPressed, "min_pressed", 16, 16},
    Expected{Artwork::CloseHover, "close_hover", 16, 16},
    Expected{Artwork::ClosePressed, "close_pressed", 16, 16},
    Expected{Artwork::HandCursor, "hand_cursor", 32, 32},
    Expected{Artwork::Tick, "tick", 53, 29},
    Expected{Artwork::CountdownIcon16, "countdown_icon16", 16, 16},
};

constexpr std::array<unsigned char, 8> kPngSignature{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
// The IEND chunk: zero length, its type, its CRC.
constexpr std::array<unsigned char, 12> kIendChunk{0,   0,   0,    0,    'I',  'E',
                                                   'N', 'D', 0xAE, 0x42, 0x60, 0x82};

std::uint32_t BigEndian32(std::span<const unsigned char> bytes, std::size_t at) {
    return std::uint32_t{bytes[at]} << 24 | std::uint32_t{bytes[at + 1]} << 16 |
           std::uint32_t{bytes[at + 2]} << 8 | std::uint32_t{bytes[at + 3]};
}

TEST(Artwork, EveryPictureIsACompleteRgbaPngOfItsSize) {
    for (const Expected& e : kExpected) {
        SCOPED_TRACE(e.name);
        const std::span<const unsigned char> png = ArtworkPng(e.which);
        // Signature, the IHDR chunk (13 bytes of data plus CRC) and IEND at least.
        ASSERT_GE(png.size(), 8u + 25u + 12u);
        EXPECT_TRUE(std::equal(kPngSignature.begin(), kPngSignature.end(), png.begin()));

        // The first chunk must be IHDR: width, height, bit depth, colour type, ...
        EXPECT_EQ(BigEndian32(png, 8), 13u);
        EXPECT_EQ(std::vector<unsigned char>(png.begin() + 12, png.begin() + 16),
                  (std::vector<unsigned char>{'I', 'H', 'D', 'R'}));
        EXPECT_EQ(BigEndian32(png, 16), e.width);
        EXPECT_EQ(BigEndian32(png, 20), e.height);
        EXPECT_EQ(png[24], 8) << "bit depth";
        EXPECT_EQ(png[25], 6) << "colour type RGBA";

        // A truncated embedding would lose the closing chunk.
        EXPECT_TRUE(std::equal(kIendChunk.begin(), kIendChunk.end(), png.end() - 12));
    }
}

TEST(Artwork, EachValueHasItsOwnPicture) {
    std::set<const unsigned char*> seen;
    for (const Expected& e : kExpected)
        EXPECT_TRUE(seen.insert(ArtworkPng(e.which).data()).second) << e.name;
}

TEST(Artwork, AValueOutsideTheEnumerationGivesNothing) {
    EXPECT_TRUE(ArtworkPng(static_cast<Artwork>(-1)).empty());
    EXPECT_TRUE(ArtworkPng(static_cast<Artwork>(10)).empty());
}

} // namespace
} // namespace tarvenel
