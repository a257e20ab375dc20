#include <gtest/gtest.h>

#include "button/colours.h"

namespace tarvenel {
namespace {

constexpr ShiftOptions kProportional{.proportionalBlue = true};
constexpr ShiftOptions kAvoidExtremes{.avoidExtremes = true};

TEST(ShiftColour, MatchesTheCheckingValues) {
    EXPECT_EQ(ShiftColour(0xFFFFFF, -32), 0xE0E0DFu);
    EXPECT_EQ(ShiftColour(0xFFFFFF, -32, kProportional), 0xD6E0DFu);
    EXPECT_EQ(ShiftColour(0x808080, -16), 0x717170u);
    EXPECT_EQ(ShiftColour(0x808080, 16, kProportional), 0x8B9190u);
    EXPECT_EQ(ShiftColour(0x808080, 12), 0x8D8D8Cu);
    EXPECT_EQ(ShiftColour(0xC0C0C0, 36), 0xE5E5E4u);
    EXPECT_EQ(ShiftColour(0xC0C0C0, -36), 0x9D9D9Cu);
    EXPECT_EQ(ShiftColour(0xFFFFFF, 48, kProportional), 0xFFFFFFu);
    // The style-2 shading of a white 25-pixel button, first and last row.
    EXPECT_EQ(ShiftColour(0xFFFFFF, -1, kProportional), 0xFFFFFEu);
    EXPECT_EQ(ShiftColour(0xFFFFFF, -24, kProportional), 0xE0E8E7u);
}

TEST(ShiftColour, ClampsAndInverts) {
    EXPECT_EQ(ShiftColour(0x000000, -50), 0x000000u);
    EXPECT_EQ(ShiftColour(0x102030, 0, {.invert = true}), 0xEFDFCFu);
    EXPECT_EQ(ShiftColour(0xF0F0F0, 40, {.invert = true}), 0x000000u);
}

TEST(ShiftColour, AvoidingExtremesTurnsTheShiftRound) {
    // White stays white at 0 and +64, and turns to a grey at -64.
    EXPECT_EQ(ShiftColour(0xFFFFFF, 0, kAvoidExtremes), 0xC0C0BFu);
    EXPECT_EQ(ShiftColour(0x000000, -20, kAvoidExtremes), 0x141414u);
    EXPECT_EQ(ShiftColour(0x808080, 10, kAvoidExtremes), ShiftColour(0x808080, 10));
}

TEST(ShiftColour, AShiftThatHitsAnExtremeBothWaysStillAnswers) {
    // -300 gives black and +300 white: the search has to give up.
    const Rgb result = ShiftColour(0x808080, -300, kAvoidExtremes);
    EXPECT_TRUE(result == 0 || result == 0xFFFFFF);
}

TEST(DeriveColours, ShadedLookOnWhite) {
    const DerivedColours c = DeriveColours(2, 0xFFFFFF, 0xFFFFFF);
    EXPECT_EQ(c.face, 0xFFFFFFu); // the shift clamps
    EXPECT_EQ(c.pressedFace, 0xD6E0DFu);
    EXPECT_EQ(c.hoverFace, 0xFFFFFFu);
    EXPECT_EQ(c.onFace, 0xD6E0DFu);
}

TEST(DeriveColours, ShadedLookShiftsFromTheLightenedFace) {
    const DerivedColours c = DeriveColours(2, 0x808080, 0x404040);
    EXPECT_EQ(c.face, ShiftColour(0x808080, 48, kProportional));
    EXPECT_EQ(c.pressedFace, ShiftColour(c.face, -32, kProportional));
    EXPECT_EQ(c.hoverFace, ShiftColour(0x404040, 48, kProportional));
}

TEST(DeriveColours, FlatGreyAndBrightLooks) {
    const DerivedColours flat = DeriveColours(3, 0x123456, 0x654321);
    EXPECT_EQ(flat.face, 0x123456u);
    EXPECT_EQ(flat.pressedFace, 0x8D8D8Cu);
    EXPECT_EQ(flat.hoverFace, 0x654321u);
    EXPECT_EQ(flat.onFace, 0xADADABu);

    const DerivedColours bright = DeriveColours(7, 0x404040, 0x202020);
    EXPECT_EQ(bright.face, ShiftColour(0x404040, 31));
    EXPECT_EQ(bright.pressedFace, 0x717170u);
    EXPECT_EQ(bright.hoverFace, ShiftColour(0x202020, 31));
    EXPECT_EQ(bright.onFace, 0x8B9190u);
}

TEST(DeriveColours, OtherLooksKeepTheColoursAndTranslateSystemOnes) {
    for (int style : {0, 1, 4, 5, 6}) {
        const DerivedColours c = DeriveColours(style, kSysButtonFace, 0x00FF00);
        EXPECT_EQ(c.face, TranslateColour(kSysButtonFace));
        EXPECT_EQ(c.pressedFace, TranslateColour(kSysButtonFace));
        EXPECT_EQ(c.hoverFace, 0x00FF00u);
        EXPECT_EQ(c.onFace, 0xE0E0DFu);
    }
}

} // namespace
} // namespace tarvenel
