// Caption and picture: layout, text effects, bitmaps, icons and gradients.
#include <gtest/gtest.h>

#include "button/layout.h"
#include "render_rig.h"

namespace tarvenel {
namespace {

using test::RenderRig;

constexpr Rgb kMagenta = 0xFF00FF;

// A size x size picture of one colour with a differently coloured centre.
PicturePtr Picture(PictureKind kind, int size, Pixel outside, Pixel centre) {
    auto pixels = std::make_shared<std::vector<std::uint32_t>>(
        static_cast<std::size_t>(size) * size, outside);
    for (int y = size / 4; y < size - size / 4; ++y)
        for (int x = size / 4; x < size - size / 4; ++x)
            (*pixels)[static_cast<std::size_t>(y) * size + x] = centre;
    return std::make_shared<ButtonPicture>(ButtonPicture{kind, size, size, pixels});
}

TEST(ButtonLayout, TextBandByShape) {
    EXPECT_EQ(TextBandOf(0, 80, 0, 80).width, 80);
    const TextBand left = TextBandOf(1, 80, 21, 80);
    EXPECT_EQ(left.left, 14);
    EXPECT_EQ(left.width, 66);
    EXPECT_EQ(left.right, 80);
    const TextBand right = TextBandOf(2, 80, 0, 59);
    EXPECT_EQ(right.left, 0);
    EXPECT_EQ(right.right, 66);
    EXPECT_EQ(right.width, 66);
    const TextBand both = TextBandOf(3, 80, 21, 59);
    EXPECT_EQ(both.left, 14);
    EXPECT_EQ(both.right, 66);
    EXPECT_EQ(both.width, 52);
}

TEST(ButtonLayout, LineBreakMarkGivesTwoLines) {
    EXPECT_EQ(CaptionText("ab||cd"), "ab\r\ncd");
    RenderRig r(60, 40);
    r.Place(0, "ab||cd");
    EXPECT_EQ(r.button.Layout().caption, (ButtonRect{24, 8, 36, 32}));
    const Rgb text = TranslateColour(kSysButtonText);
    EXPECT_EQ(r.At(24, 9), text);
    EXPECT_EQ(r.At(24, 21), text);
}

TEST(ButtonLayout, EmbossedAndEngravedCaptionsMeasureTwoMore) {
    RenderRig r(60, 40);
    r.Place(0, "ab");
    EXPECT_EQ(r.button.Layout().caption, (ButtonRect{24, 14, 36, 26}));
    r.button.SetCaptionStyle(2);
    EXPECT_EQ(r.button.Layout().caption, (ButtonRect{23, 13, 37, 27}));
}

TEST(ButtonLayout, AlignmentAndPictureReserves) {
    RenderRig r(100, 30);
    r.Place(0, "ab"); // 12 x 12
    r.button.SetCaptionAlign(0);
    EXPECT_EQ(r.button.Layout().caption.left, 6);
    r.button.SetCaptionAlign(1);
    EXPECT_EQ(r.button.Layout().caption.left, 100 - 12 - 6);

    r.button.SetPicture(Picture(PictureKind::Icon, 16, 0xFF000000, 0xFF000000));
    r.button.SetPictureAlign(0); // at the left edge
    r.button.SetCaptionAlign(0);
    EXPECT_EQ(r.button.Layout().picture, (ButtonRect{6, 7, 22, 23}));
    EXPECT_EQ(r.button.Layout().caption.left, 16 + 12);
    r.button.SetPictureAlign(1); // left of a centred caption: the group is centred
    r.button.SetCaptionAlign(2);
    EXPECT_EQ(r.button.Layout().caption.left, (100 - (12 + 16 + 6)) / 2 + 16 + 6);
    EXPECT_EQ(r.button.Layout().picture.left, r.button.Layout().caption.left - 16 - 6);
    r.button.SetPictureAlign(3);
    EXPECT_EQ(r.button.Layout().caption.left, (100 - (12 + 16 + 6)) / 2);
    EXPECT_EQ(r.button.Layout().picture.left, r.button.Layout().caption.right + 6);
    r.button.SetPictureAlign(2);
    EXPECT_EQ(r.button.Layout().picture.left, 100 - 16 - 6);
}

TEST(ButtonLayout, IconAboveAOneLineCaptionIsClampedFromTheTop) {
    RenderRig r(73, 25);
    r.Place(0, "ab");
    r.button.SetPicture(Picture(PictureKind::Icon, 16, 0xFF000000, 0xFF000000));
    r.button.SetPictureAlign(4);
    // t = (25 - 28) / 2 = -1: the picture would start above the button.
    EXPECT_EQ(r.button.Layout().picture, (ButtonRect{28, 6, 44, 15}));
    EXPECT_EQ(r.button.Layout().caption, (ButtonRect{30, 17, 42, 19}));
    r.button.SetPictureAlign(5);
    EXPECT_EQ(r.button.Layout().caption, (ButtonRect{30, 6, 42, 12}));
    EXPECT_EQ(r.button.Layout().picture, (ButtonRect{28, 14, 44, 19}));
}

TEST(ButtonPictures, BitmapKeyColourLetsTheFaceShowThrough) {
    RenderRig r(60, 30);
    r.Place(5, "");
    r.button.SetPicture(Picture(PictureKind::Bitmap, 4, PixelFromRgb(kMagenta), 0xFF0000FF));
    r.button.SetPictureAlign(0);
    const ButtonRect p = r.button.Layout().picture;
    EXPECT_EQ(p, (ButtonRect{6, 7, 22, 23}));
    EXPECT_EQ(r.At(p.left, p.top), 0xFFFFFFu);         // magenta shows the face
    EXPECT_EQ(r.At(p.left + 8, p.top + 8), 0xFF0000u); // blue (0x00BBGGRR)
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x)
            ASSERT_NE(r.At(x, y), kMagenta) << x << "," << y;
}

TEST(ButtonPictures, IconsBlendByTheirAlpha) {
    RenderRig r(60, 30);
    r.Place(5, "");
    r.button.SetPicture(Picture(PictureKind::Icon, 16, 0x00000000, 0xFF00FF00));
    const ButtonRect p = r.button.Layout().picture;
    EXPECT_EQ(r.At(p.left, p.top), 0xFFFFFFu);
    EXPECT_EQ(r.At(p.left + 8, p.top + 8), 0x00FF00u);
}

TEST(ButtonPictures, PressedPictureMovesWithTheCaption) {
    RenderRig r(60, 30);
    r.Place(5, "");
    r.button.SetPicture(Picture(PictureKind::Icon, 16, 0xFF000000, 0xFF000000));
    const ButtonRect p = r.button.Layout().picture;
    EXPECT_NE(r.At(p.right, p.bottom), 0u);
    r.Press();
    EXPECT_EQ(r.At(p.right, p.bottom), 0u);
    EXPECT_NE(r.At(p.left, p.top), 0u);
}

TEST(ButtonPictures, DisabledPictureIsAnEtchedSilhouette) {
    RenderRig r(60, 30);
    r.Place(5, "");
    r.button.SetPicture(Picture(PictureKind::Icon, 16, 0xFFFFFFFF, 0xFF000000));
    r.button.SetEnabled(false);
    const ButtonRect p = r.button.Layout().picture;
    // The dark centre (4..11) in the darker brush, its light shadow one up
    // and left; the white rest leaves the face alone.
    EXPECT_EQ(r.At(p.left + 8, p.top + 8), 0x9D9D9Cu);
    EXPECT_EQ(r.At(p.left + 3, p.top + 3), 0xE5E5E4u);
    EXPECT_EQ(r.At(p.left + 1, p.top + 1), 0xFFFFFFu);
}

TEST(ButtonPictures, StretchedAndFittedSizes) {
    RenderRig r(60, 30);
    r.Place(5, "");
    r.button.SetPicture(Picture(PictureKind::Bitmap, 8, PixelFromRgb(kMagenta), 0xFF0000FF));
    r.button.SetPictureSize(3); // over the whole button
    EXPECT_EQ(r.At(30, 15), 0xFF0000u);
    EXPECT_EQ(r.At(14, 7), 0xFFFFFFu);
    EXPECT_EQ(r.At(16, 8), 0xFF0000u);
    r.button.SetPictureSize(4); // 18 x 18 in the middle
    EXPECT_EQ(r.At(30, 15), 0xFF0000u);
    EXPECT_EQ(r.At(16, 8), 0xFFFFFFu);
    EXPECT_EQ(r.At(26, 11), 0xFF0000u);
}

TEST(ButtonGradients, BandsRunFromBackColourToGradientColour) {
    RenderRig r(40, 20);
    r.Place(5, "");
    r.button.SetBackColor(0x000000);
    r.button.SetGradientColor(0x204070);
    r.button.SetGradientMode(1);
    EXPECT_EQ(r.At(0, 10), 0x000000u);
    EXPECT_EQ(r.At(39, 10), 0x204070u);
    // Right to left starts with the gradient colour.
    r.button.SetGradientMode(2);
    EXPECT_EQ(r.At(0, 10), 0x204070u);
    EXPECT_EQ(r.At(39, 10), 0x000000u);
    r.button.SetGradientMode(4);
    EXPECT_EQ(r.At(20, 0), 0x204070u);
    EXPECT_EQ(r.At(20, 19), 0x000000u);
}

TEST(ButtonGradients, LargeButtonsTakeDoubleBands) {
    test::RenderRig r(40, 20);
    r.Place(5, "");
    r.button.SetBackColor(0x000000);
    r.button.SetGradientColor(0x0000FF);
    r.button.SetGradientMode(1);
    EXPECT_NE(r.At(0, 10), r.At(1, 10));

    ButtonContainer container;
    test::FakeButtonHost host(container);
    host.width = 40;
    host.height = 20;
    XPButton button(host);
    FixedCellText text;
    ButtonRenderer renderer(button, text, ButtonScreen{.widthPixels = 150});
    host.button = &button;
    host.renderer = &renderer;
    button.InitProperties();
    button.SetButtonStyle(5);
    button.SetCaption("");
    button.SetBackColor(0x000000);
    button.SetGradientColor(0x0000FF);
    button.SetGradientMode(1);
    button.OnResize();
    auto at = [&](int x) { return RgbFromPixel(host.shown.At(x, 10)); };
    EXPECT_EQ(at(0), at(1));
    EXPECT_NE(at(1), at(2));
    EXPECT_EQ(at(38), 0x0000FFu);

    // An odd size leaves one pixel over: the last band covers it too.
    host.width = 41;
    host.height = 21;
    ButtonRenderer tall(button, text, ButtonScreen{.widthPixels = 150, .heightPixels = 80});
    host.renderer = &tall;
    button.SetRenderHooks(&tall);
    button.SetGradientColor(0x00FF00);
    button.SetGradientMode(1);
    button.OnResize();
    EXPECT_EQ(RgbFromPixel(host.shown.At(40, 10)), 0x00FF00u); // the last column
    button.SetGradientMode(3);
    EXPECT_EQ(RgbFromPixel(host.shown.At(20, 20)), 0x00FF00u); // the last row
    button.SetRenderHooks(&renderer);
}

TEST(ButtonGradients, HoverShowsTheHoverColourUnlessItIsTheGradientColour) {
    RenderRig r(40, 20);
    r.Place(5, "");
    r.button.SetGradientColor(0x204070);
    r.button.SetGradientMode(1);
    r.button.SetHoverBackColor(0x00FF00);
    r.Hover();
    EXPECT_EQ(r.At(5, 10), 0x00FF00u);
    EXPECT_EQ(r.At(34, 10), 0x00FF00u);
    r.button.SetHoverBackColor(0x204070); // the gradient colour itself
    r.button.Refresh();
    // The gradient from white shows under the mouse.
    EXPECT_GT(r.At(5, 10) >> 16, r.At(34, 10) >> 16);
}

TEST(ButtonCaption, EmbossedAndEngravedEffects) {
    RenderRig r(60, 40);
    r.Place(5, "a"); // one cell, 6 x 12
    r.button.SetCaptionStyle(1);
    // Box (26, 13, 34, 27): light copy at (-1, 0), dark at (+1, +2), text at (0, +1).
    const ButtonRect c = r.button.Layout().caption;
    EXPECT_EQ(c, (ButtonRect{26, 13, 34, 27}));
    const Rgb text = TranslateColour(kSysButtonText);
    EXPECT_EQ(r.At(c.left + 1, c.top + 2), text);
    EXPECT_EQ(r.At(c.left, c.top + 2), ShiftColour(0xFFFFFF, -40));
    EXPECT_EQ(r.At(c.left + 6, c.top + 4), ShiftColour(0xFFFFFF, 40));
}

} // namespace
} // namespace tarvenel
