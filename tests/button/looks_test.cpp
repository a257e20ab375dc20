// The seven other looks in the states where they differ.
#include <gtest/gtest.h>

#include "button/colours.h"
#include "render_rig.h"

namespace tarvenel {
namespace {

using test::RenderRig;

constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kGrey = 0x808080;
constexpr Rgb kBlack = 0;

// A 40 x 25 button with a white face and the caption "OK" at (14, 6).
struct Look : RenderRig {
    explicit Look(int style) : RenderRig(40, 25) { Place(style); }
    // Inner, middle and outer ring on the left and on the right.
    Rgb InnerLeft() const { return At(2, 12); }
    Rgb MiddleLeft() const { return At(1, 12); }
    Rgb OuterLeft() const { return At(0, 12); }
    Rgb InnerRight() const { return At(37, 12); }
    Rgb MiddleRight() const { return At(38, 12); }
    Rgb OuterRight() const { return At(39, 12); }
    Rgb MiddleBottom() const { return At(20, 23); }
    Rgb OuterBottom() const { return At(20, 24); }
    Rgb Text() const { return TranslateColour(kSysButtonText); }
};

TEST(ClassicLook, NormalDefaultAndToggled) {
    Look normal(0);
    EXPECT_EQ(normal.OuterLeft(), kWhite);
    EXPECT_EQ(normal.MiddleLeft(), 0xE9E9E9u);
    EXPECT_EQ(normal.InnerLeft(), kWhite); // the face
    EXPECT_EQ(normal.MiddleRight(), kGrey);
    EXPECT_EQ(normal.OuterRight(), kBlack);

    // The default button: a black outer frame, the bevel one ring inward.
    Look def(0);
    def.MakeDefault();
    EXPECT_EQ(def.OuterLeft(), kBlack);
    EXPECT_EQ(def.OuterRight(), kBlack);
    EXPECT_EQ(def.MiddleLeft(), kWhite);
    EXPECT_EQ(def.MiddleRight(), kBlack);
    EXPECT_EQ(def.InnerLeft(), 0xE9E9E9u);
    EXPECT_EQ(def.InnerRight(), kGrey);

    // A check box that is on: sunken, with a light line bottom-right.
    Look on(0);
    on.button.SetMode(1);
    on.button.SetValue(true);
    EXPECT_EQ(on.OuterLeft(), kBlack);
    EXPECT_EQ(on.At(20, 0), kBlack);
    EXPECT_EQ(on.OuterRight(), kWhite);
    EXPECT_EQ(on.OuterBottom(), kWhite);
    EXPECT_EQ(on.MiddleRight(), 0xE9E9E9u);
    EXPECT_EQ(on.MiddleBottom(), 0xE9E9E9u);
    EXPECT_EQ(on.MiddleLeft(), 0xE0E0DFu); // the on-state face
}

TEST(ClassicLook, DisabledCommandCaptionIsEngraved) {
    Look b(0);
    b.button.SetEnabled(false);
    // Grey at (14, 6); the white copy shows one pixel right and below.
    EXPECT_EQ(b.At(14, 7), kGrey);
    EXPECT_EQ(b.At(19, 12), kWhite);
    EXPECT_EQ(b.At(15, 16), kWhite);
    EXPECT_EQ(b.At(17, 12), kGrey);
}

TEST(ClassicLook, DisabledCheckBoxCaptionIsOneGreyCopy) {
    Look b(0);
    b.button.SetMode(1);
    b.button.SetEnabled(false);
    EXPECT_EQ(b.At(14, 7), kGrey);
    EXPECT_EQ(b.At(19, 12), kWhite); // the face: no white copy
}

TEST(PlainLook, BlackFrameAndSunkenWhenPressed) {
    Look b(1);
    EXPECT_EQ(b.OuterLeft(), kBlack);
    EXPECT_EQ(b.OuterRight(), kBlack);
    EXPECT_EQ(b.MiddleLeft(), kWhite);
    EXPECT_EQ(b.MiddleRight(), kGrey);
    b.Press();
    EXPECT_EQ(b.MiddleLeft(), kGrey);
    EXPECT_EQ(b.MiddleRight(), kWhite);
    EXPECT_EQ(b.InnerLeft(), kGrey);
}

TEST(FlatLook, NeverShiftsItsCaptionAndBoxesItOnlyWhenDefault) {
    Look b(3);
    EXPECT_EQ(b.button.Layout().caption, (ButtonRect{14, 6, 26, 18}));
    EXPECT_EQ(b.At(14, 7), b.Text());
    EXPECT_NE(b.At(11, 3), 0xCC9999u);
    b.Press();
    EXPECT_EQ(b.At(20, 20), 0x8D8D8Cu); // the pressed face
    EXPECT_EQ(b.At(14, 7), b.Text());
    EXPECT_EQ(b.At(14, 8), b.Text());
    EXPECT_NE(b.At(19, 8), b.Text()); // the cell's right column stays face

    Look def(3);
    def.MakeDefault();
    // One pixel three outside the caption, in 0xCC9999.
    EXPECT_EQ(def.At(11, 3), 0xCC9999u);
    EXPECT_EQ(def.At(29, 3), 0xCC9999u);
    EXPECT_EQ(def.At(29, 21), 0xCC9999u);
    EXPECT_EQ(def.At(11, 12), 0xCC9999u);
    EXPECT_NE(def.At(12, 4), 0xCC9999u);
}

TEST(FlatLook, EtchedFrame) {
    Look b(3);
    EXPECT_EQ(b.OuterLeft(), 0x676766u);
    EXPECT_EQ(b.At(20, 0), 0x676766u);
    EXPECT_EQ(b.OuterRight(), kWhite);
    EXPECT_EQ(b.MiddleLeft(), kWhite);
    EXPECT_EQ(b.MiddleRight(), 0x676766u);
    b.button.SetEnabled(false);
    EXPECT_EQ(b.OuterRight(), 0x676766u);
    EXPECT_EQ(b.MiddleLeft(), kWhite); // the face colour
    EXPECT_EQ(b.At(14, 7), kGrey);
}

TEST(ThinLook, OneLineRaisedOrSunken) {
    Look b(4);
    EXPECT_EQ(b.OuterLeft(), kWhite);
    EXPECT_EQ(b.OuterRight(), kGrey);
    b.Press();
    EXPECT_EQ(b.OuterLeft(), kGrey);
    EXPECT_EQ(b.OuterRight(), kWhite);
}

TEST(HoverFrameLook, FrameOnlyWhileTheMouseIsOver) {
    Look b(5);
    EXPECT_EQ(b.OuterLeft(), kWhite); // the face: no frame
    EXPECT_EQ(b.OuterRight(), kWhite);
    EXPECT_EQ(b.OuterBottom(), kWhite);
    b.Hover();
    EXPECT_EQ(b.OuterRight(), kGrey);
    b.host.cursorOver = false;
    b.button.OnHoverTimer();
    EXPECT_EQ(b.OuterRight(), kWhite);
}

TEST(HoverFrameLook, DesignTimeShowsADottedOutline) {
    Look b(5);
    b.host.designMode = true;
    b.button.Refresh();
    const Rgb outline = ShiftColour(0xD8E9EC, -64);
    int dots = 0;
    for (int y = 0; y < 25; ++y)
        dots += b.At(0, y) == outline;
    EXPECT_GT(dots, 6);
    EXPECT_LT(dots, 20);
}

TEST(SoftLook, PressedSwapsTheLightAndGreyLines) {
    Look b(6);
    EXPECT_EQ(b.MiddleLeft(), 0xE8E8E7u);
    EXPECT_EQ(b.OuterLeft(), 0xE8E8E7u);
    EXPECT_EQ(b.MiddleRight(), kGrey);
    b.Press();
    EXPECT_EQ(b.MiddleLeft(), kGrey);
    EXPECT_EQ(b.OuterLeft(), kGrey);
    EXPECT_EQ(b.MiddleRight(), 0xE8E8E7u);
}

TEST(BrightLook, PressedTurnsGreyWithACaptionInTheFaceColour) {
    Look b(7);
    EXPECT_EQ(b.At(20, 20), kWhite); // S(white, +31)
    EXPECT_EQ(b.OuterLeft(), kBlack);
    EXPECT_EQ(b.At(1, 1), kBlack);
    EXPECT_EQ(b.At(3, 3), kWhite);
    b.Press();
    EXPECT_EQ(b.At(20, 20), 0x717170u); // the pressed face
    EXPECT_EQ(b.InnerLeft(), 0x616160u);
    EXPECT_EQ(b.MiddleLeft(), 0x414140u);
    EXPECT_EQ(b.MiddleRight(), 0x717170u);
    EXPECT_EQ(b.InnerRight(), kGrey);
    EXPECT_EQ(b.At(15, 8), kWhite); // the caption, moved by one
    EXPECT_EQ(b.At(3, 3), 0x616160u);
}

TEST(BrightLook, ToggledOnCaptionKeepsItsColourUnderTheMouse) {
    Look b(7);
    b.button.SetMode(1);
    b.button.SetValue(true);
    const Rgb away = b.At(15, 8);
    b.Hover();
    EXPECT_EQ(b.At(15, 8), away);
    EXPECT_EQ(b.button.HoverForeColor(), b.button.ForeColor());
}

TEST(EllipticLooks, RingFollowsTheContainerAndFaceStaysInside) {
    RenderRig b(40, 20);
    b.Place(0, "");
    b.button.SetButtonShape(4);
    // Light at the top of the ring, dark at the bottom.
    const Rgb top = b.At(20, 0);
    const Rgb bottom = b.At(20, 19);
    EXPECT_EQ(top, ShiftColour(0xD8E9EC, 172));
    EXPECT_EQ(bottom & 0xFF, ShiftColour(0xD8E9EC, -32) & 0xFF);
    EXPECT_EQ(b.At(20, 10), kWhite);
    b.Press(); // turned over while pressed
    EXPECT_EQ(b.At(20, 19), ShiftColour(0xD8E9EC, 172));

    // The flat look paints no ring while the mouse is away.
    RenderRig flat(40, 20);
    flat.Place(5, "");
    flat.button.SetButtonShape(4);
    EXPECT_EQ(flat.At(20, 0), kWhite);
    flat.Hover();
    EXPECT_EQ(flat.At(20, 0), ShiftColour(0xD8E9EC, 172));
}

} // namespace
} // namespace tarvenel
