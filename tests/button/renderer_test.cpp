// The renderer's life with a button: back buffer, font, resizing, and sizes
// too small to hold a face.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "button/offscreen_host.h"
#include "render_rig.h"

namespace tarvenel {
namespace {

using test::RenderRig;

TEST(ButtonRenderer, NothingIsPaintedBeforeTheFirstResize) {
    ButtonContainer container;
    test::FakeButtonHost host(container);
    XPButton button(host);
    FixedCellText text;
    ButtonRenderer renderer(button, text);
    EXPECT_TRUE(renderer.Paint().Empty());
    button.OnResize();
    EXPECT_EQ(renderer.Paint().Width(), 75);
    EXPECT_EQ(renderer.Paint().Height(), 25);
}

TEST(ButtonRenderer, ResizeReplacesTheBufferAndTheRegion) {
    RenderRig r(73, 25);
    r.Place(2);
    r.host.width = 100;
    r.host.height = 30;
    r.button.OnResize();
    EXPECT_EQ(r.host.shown.Width(), 100);
    EXPECT_EQ(r.host.shown.Height(), 30);
    EXPECT_TRUE(r.host.region->Contains(50, 29));
    EXPECT_TRUE(r.host.region->Contains(97, 0));
    EXPECT_FALSE(r.host.region->Contains(98, 0)); // the cut top-right corner
    EXPECT_EQ(r.At(98, 1), 0x733C00u);            // the corner pixel moved along
}

TEST(ButtonRenderer, FontHeightIsAWholeNumberOfPixels) {
    EXPECT_DOUBLE_EQ(BackBufferFont(FontSpec{.sizePoints = 9}, 15).sizePoints, 9.0);   // 12 px
    EXPECT_DOUBLE_EQ(BackBufferFont(FontSpec{.sizePoints = 8}, 15).sizePoints, 8.25);  // 11 px
    EXPECT_DOUBLE_EQ(BackBufferFont(FontSpec{.sizePoints = 9}, 12).sizePoints, 11.25); // 15 px
    EXPECT_EQ(BackBufferFont(FontSpec{.charset = 134}, 15).charset, 1);
}

// A damaged form can store any number as the size: the height stays a pixel
// count a font can have (1 to 2048), and a size that is no number at all is
// the default 9 points.
TEST(ButtonRenderer, FontSizesNoFontHasStayWithinWholePixels) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double points, expected;
    };
    for (const Case& c : {Case{std::nan(""), 9.0}, Case{inf, 1536.0}, Case{1e300, 1536.0},
                          Case{-inf, 0.75}, Case{-9, 0.75}, Case{0, 0.75}})
        EXPECT_DOUBLE_EQ(BackBufferFont(FontSpec{.sizePoints = c.points}, 15).sizePoints,
                         c.expected)
            << c.points;
}

// Fixed cells that remember the font each measurement asked for.
class FontSpy : public FixedCellText {
public:
    TextExtent Measure(std::string_view text, const FontSpec& font, int maxWidth,
                       const TextFormat& format) override {
        measured.push_back(font);
        return FixedCellText::Measure(text, font, maxWidth, format);
    }
    std::vector<FontSpec> measured;
};

TEST(ButtonRenderer, ANewFontIsMeasuredAgain) {
    ButtonContainer container;
    test::FakeButtonHost host(container);
    XPButton button(host);
    FontSpy text;
    ButtonRenderer renderer(button, text);
    button.InitProperties();
    button.OnResize();
    ASSERT_FALSE(text.measured.empty());
    EXPECT_EQ(text.measured.back().weight, 400);
    EXPECT_EQ(text.measured.back().charset, 1);
    button.SetFontStyle(2);
    EXPECT_EQ(text.measured.back().weight, 700);
    button.SetFont(FontSpec{.name = "Arial", .sizePoints = 8});
    EXPECT_EQ(text.measured.back().name, "Arial");
    EXPECT_DOUBLE_EQ(text.measured.back().sizePoints, 8.25);
}

TEST(ButtonRenderer, TinyButtonsOfEveryLookAndShapeDrawSafely) {
    FixedCellText text;
    for (int style = 0; style < 8; ++style)
        for (int shape = 0; shape < 7; ++shape)
            for (auto [w, h] : {std::pair{0, 0}, {1, 1}, {3, 2}, {7, 5}}) {
                ButtonContainer container;
                OffscreenButton b(container, w, h, text);
                b.button.InitProperties();
                b.button.SetPicture(std::make_shared<ButtonPicture>(
                    ButtonPicture{PictureKind::Bitmap, 2, 2,
                                  std::make_shared<std::vector<std::uint32_t>>(4, 0xFF000000u)}));
                b.button.SetPictureSize(4);
                b.button.SetGradientMode(1);
                b.button.SetButtonStyle(style);
                b.button.SetButtonShape(shape);
                for (ButtonPose pose : {ButtonPose::Hover, ButtonPose::Pressed, ButtonPose::Default,
                                        ButtonPose::Disabled})
                    b.Pose(pose);
                EXPECT_GE(b.host.ScaleWidth(), w);
            }
}

} // namespace
} // namespace tarvenel
