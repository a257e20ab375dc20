// The program's own buttons: the shaded blue-framed look, 73 x 25, white.
#include <gtest/gtest.h>

#include "button/colours.h"
#include "button/main_window_buttons.h"
#include "button/painter.h"
#include "render_rig.h"
#include "support/pixel_art.h"

namespace tarvenel {
namespace {

using test::RenderRig;

constexpr Rgb kFrameBlue = 0x733C00;
constexpr ShiftOptions kProportional{.proportionalBlue = true};

// Loads XPButton1 (or XPButton2, disabled) as the main window stores it.
struct MainWindowButton : RenderRig {
    explicit MainWindowButton(int index = 0) {
        auto stored = MainWindowButtons();
        button.ReadProperties(stored[static_cast<std::size_t>(index)].properties);
    }
};

// The colour of each bevel line, read in the middle of its run.
struct Lines {
    Rgb c[13];
};
Lines ReadLines(const RenderRig& r) {
    Lines l{};
    l.c[1] = r.At(2, 12);
    l.c[2] = r.At(36, 2);
    l.c[3] = r.At(70, 12);
    l.c[4] = r.At(36, 22);
    l.c[5] = r.At(1, 12);
    l.c[6] = r.At(36, 1);
    l.c[7] = r.At(71, 12);
    l.c[8] = r.At(36, 23);
    l.c[9] = r.At(0, 12);
    l.c[10] = r.At(36, 0);
    l.c[11] = r.At(72, 12);
    l.c[12] = r.At(36, 24);
    return l;
}

void ExpectLines(const Lines& l, std::initializer_list<Rgb> inner) {
    int i = 1;
    for (Rgb expected : inner) {
        EXPECT_EQ(l.c[i], expected) << "C" << i;
        ++i;
    }
}

TEST(ShadedLook, DerivedColoursOfAWhiteButton) {
    MainWindowButton b;
    EXPECT_EQ(b.button.Colours().face, 0xFFFFFFu);
    EXPECT_EQ(b.button.Colours().pressedFace, 0xD6E0DFu);
}

TEST(ShadedLook, ShadingRunsFromRowOneToTheLastRow) {
    MainWindowButton b;
    Bitmap bitmap(73, 25, PixelFromRgb(0x123456));
    Canvas canvas(bitmap);
    FontSpec font;
    std::optional<Region> noClip;
    ButtonPainter painter(b.button, canvas, b.text, font, noClip, {});
    EXPECT_EQ(painter.PaintBackground(0xFFFFFF, 0xFFFFFF, 0xFFFFFF), 0);
    EXPECT_EQ(RgbFromPixel(bitmap.At(36, 1)), 0xFFFFFEu);
    EXPECT_EQ(RgbFromPixel(bitmap.At(36, 24)), 0xE0E8E7u);
    EXPECT_EQ(RgbFromPixel(bitmap.At(36, 13)), ShiftColour(0xFFFFFF, -13, kProportional));
    // Row 0 and the outermost columns are left for the bevel.
    EXPECT_EQ(RgbFromPixel(bitmap.At(36, 0)), 0x123456u);
    EXPECT_EQ(RgbFromPixel(bitmap.At(0, 10)), 0x123456u);
    EXPECT_EQ(RgbFromPixel(bitmap.At(72, 10)), 0x123456u);
    EXPECT_EQ(RgbFromPixel(bitmap.At(1, 10)), RgbFromPixel(bitmap.At(71, 10)));
}

TEST(ShadedLook, NormalButtonOfTheWorkedExample) {
    MainWindowButton b;
    ASSERT_EQ(b.host.shown.Width(), 73);
    ExpectLines(ReadLines(b), {0xF3F6F5, 0xFFFFFF, 0xE0E8E7, 0xD6E0DF, 0xFAFBFA, 0xFFFFFF, 0xD0DCDB,
                               0xC0D0CF, kFrameBlue, kFrameBlue, kFrameBlue, kFrameBlue});
    for (auto [x, y] : {std::pair{1, 1}, {1, 23}, {71, 23}, {71, 1}})
        EXPECT_EQ(b.At(x, y), kFrameBlue) << x << "," << y;
    // The face between the rings is the shading of its row.
    EXPECT_EQ(b.At(36, 10), ShiftColour(0xFFFFFF, -10, kProportional));
}

TEST(ShadedLook, CornersAreCutAndRounded) {
    MainWindowButton b;
    const std::string corner = test::RegionArt(*b.host.region, {0, 0, 4, 4});
    EXPECT_EQ(corner, test::Art(R"(
        ..##
        .###
        ####
        ####
    )"));
    EXPECT_EQ(test::RegionArt(*b.host.region, {0, 21, 4, 25}), test::Art(R"(
        ####
        ####
        .###
        ..##
    )"));
    EXPECT_EQ(test::RegionArt(*b.host.region, {69, 0, 73, 4}), test::Art(R"(
        ##..
        ###.
        ####
        ####
    )"));
    EXPECT_EQ(test::RegionArt(*b.host.region, {69, 21, 73, 25}), test::Art(R"(
        ####
        ####
        ###.
        ##..
    )"));
}

TEST(ShadedLook, CaptionIsCentredAndMovesWhenPressed) {
    MainWindowButton b;
    // "确 定": two wide characters and a space, 30 x 12 in fixed cells.
    EXPECT_EQ(b.button.Layout().caption, (ButtonRect{21, 6, 51, 18}));
    const Rgb text = TranslateColour(kSysButtonText);
    // A fixed cell paints from one pixel below its top.
    EXPECT_EQ(b.At(21, 7), text);
    EXPECT_NE(b.At(20, 7), text);
    EXPECT_NE(b.At(21, 6), text);

    b.Press();
    EXPECT_EQ(b.At(22, 8), text);
    EXPECT_NE(b.At(21, 8), text);
    EXPECT_NE(b.At(22, 7), text);
    EXPECT_EQ(b.button.Layout().caption, (ButtonRect{21, 6, 51, 18}));
}

TEST(ShadedLook, PressedButtonOfTheWorkedExample) {
    MainWindowButton b;
    b.Press();
    ExpectLines(ReadLines(b), {0xE3EAE9, 0xE0E8E7, 0xFFFFFF, 0xFFFFFF, 0xD6E0DF, 0xD6E0DF, 0xFFFFFF,
                               0xFFFFFF, kFrameBlue, kFrameBlue, kFrameBlue, kFrameBlue});
    EXPECT_EQ(b.At(36, 10), ShiftColour(0xD6E0DF, -10, kProportional));
}

TEST(ShadedLook, HoverAndDefaultGlows) {
    MainWindowButton hover;
    hover.Hover();
    ExpectLines(ReadLines(hover), {0x6BCBFF, 0x8CDBFF, 0x6BCBFF, 0x31B2FF, 0x31B2FF, 0xA6E9FF,
                                   0x31B2FF, 0x0096E7, kFrameBlue});

    MainWindowButton def;
    def.MakeDefault();
    ExpectLines(ReadLines(def), {0xF0D1B5, 0xF7D7BD, 0xF0D1B5, 0xE7AE8C, 0xE7AE8C, 0xFFDFBF,
                                 0xE7AE8C, 0xEF826B, kFrameBlue});
    // Under the mouse the default button glows orange, not blue.
    def.Hover();
    EXPECT_EQ(ReadLines(def).c[8], 0x0096E7u);
}

TEST(ShadedLook, WithoutFocusRectTheDefaultButtonDrawsNormally) {
    MainWindowButton b;
    b.button.SetShowFocusRect(false);
    b.MakeDefault();
    EXPECT_EQ(ReadLines(b).c[1], 0xF3F6F5u);
}

TEST(ShadedLook, DisabledButtonOfTheWorkedExample) {
    MainWindowButton b(1); // XPButton2 before arming
    ASSERT_FALSE(b.button.Enabled());
    const Lines l = ReadLines(b);
    for (int i = 9; i <= 12; ++i)
        EXPECT_EQ(l.c[i], 0x90ACABu) << "C" << i;
    for (auto [x, y] : {std::pair{1, 1}, {1, 23}, {71, 23}, {71, 1}})
        EXPECT_EQ(b.At(x, y), 0x90ACABu);
    // No inner lines: a disabled command button's face is one flat
    // 0xE0E8E7 up to the frame.
    for (int i = 1; i <= 8; ++i)
        EXPECT_EQ(l.c[i], 0xE0E8E7u) << "C" << i;
    // The caption once, in 0x68817F, with no grey copy.
    EXPECT_EQ(b.At(21, 7), 0x68817Fu);
    EXPECT_EQ(b.At(20, 6), 0xE0E8E7u);
    EXPECT_EQ(b.At(33, 7), 0xE0E8E7u); // the space
}

TEST(ShadedLook, CheckBoxOnAndUnderTheMouseShowsHover) {
    RenderRig b;
    b.Place(2);
    b.button.SetMode(1);
    b.button.SetValue(true);
    EXPECT_EQ(ReadLines(b).c[1], ShiftColour(0xD6E0DF, -22, kProportional)); // pressed column
    b.MakeDefault();
    EXPECT_EQ(ReadLines(b).c[1], 0xF0D1B5u); // default column
    b.Hover();
    EXPECT_EQ(ReadLines(b).c[1], 0x6BCBFFu); // hover wins
}

TEST(ShadedLook, RightSlantedButtonSetsCornerPixelsOnTheLeftOnly) {
    RenderRig b(73, 25);
    b.Place(2);
    b.button.SetButtonShape(2);
    EXPECT_EQ(b.At(1, 1), kFrameBlue);
    EXPECT_EQ(b.At(1, 23), kFrameBlue);
    EXPECT_NE(b.At(71, 23), kFrameBlue);
}

TEST(ShadedLook, GradientReplacesTheShading) {
    RenderRig b;
    b.Place(2);
    b.button.SetGradientColor(0x0000FF);
    b.button.SetGradientMode(3);
    const Rgb top = b.At(36, 3);
    const Rgb bottom = b.At(36, 21);
    EXPECT_NE(top, bottom);
    // The last band is ShiftColour(GradientColor, +48), here red lightened.
    EXPECT_EQ(RgbFromPixel(b.host.shown.At(36, 24)), kFrameBlue);
    EXPECT_GT(bottom & 0xFF, 0xF0u);
    EXPECT_LT(bottom >> 16 & 0xFF, 0x40u);
    // A disabled caption is then engraved white and grey.
    b.button.SetEnabled(false);
    // "OK" sits at (30, 6); the white copy shows right of and below the grey.
    EXPECT_EQ(b.At(35, 12), 0xFFFFFFu);
    EXPECT_EQ(b.At(30, 7), 0x808080u);
    EXPECT_EQ(b.At(33, 12), 0x808080u);
}

TEST(ShadedLook, EllipticDefaultButtonHasAnInnerRing) {
    RenderRig b(60, 30);
    b.Place(2, "");
    b.button.SetButtonShape(4);
    const Rgb before = b.At(30, 3);
    b.MakeDefault();
    EXPECT_EQ(b.At(30, 3), 0xEF826Bu);
    EXPECT_NE(before, 0xEF826Bu);
    b.Hover();
    EXPECT_EQ(b.At(30, 3), 0x0096E7u);
}

} // namespace
} // namespace tarvenel
