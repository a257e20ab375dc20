// Line breaking, "&" prefixes and alignment, through the fixed-cell renderer
// the pixel tests use.
#include <gtest/gtest.h>

#include "raster/fixed_cell_text.h"
#include "raster/text_layout.h"
#include "support/pixel_art.h"

namespace tarvenel {
namespace {

using test::Art;

constexpr TextFormat kWrap{TextAlign::Left, true, true};
constexpr TextFormat kNoWrap{TextAlign::Left, false, true};

TEST(TextLayoutTest, MeasuresCellsWithWideCharactersDouble) {
    FixedCellText text(6, 12);
    const FontSpec font;
    EXPECT_EQ(text.Measure("Tarvenel 1.5.0", font, 1000, kWrap), (TextExtent{84, 12}));
    EXPECT_EQ(text.Measure("定时关机", font, 1000, kWrap), (TextExtent{48, 12}));
    EXPECT_EQ(text.Measure("2026年", font, 1000, kWrap), (TextExtent{36, 12}));
    EXPECT_EQ(text.Measure("", font, 1000, kWrap), (TextExtent{0, 0}));
}

TEST(TextLayoutTest, WordBreakKeepsEachLineWithinTheWidth) {
    FixedCellText text(6, 12);
    const FontSpec font;
    // "arm the" is 42 wide; with "timer" it would be 78.
    EXPECT_EQ(text.Measure("arm the timer", font, 50, kWrap), (TextExtent{42, 24}));
    // Exactly the width still fits.
    EXPECT_EQ(text.Measure("arm the timer", font, 78, kWrap), (TextExtent{78, 12}));
    // Blanks at a break take no room.
    EXPECT_EQ(text.Measure("ab   cd", font, 30, kWrap), (TextExtent{12, 24}));
    // A word longer than the box is not split; it sticks out.
    EXPECT_EQ(text.Measure("abcdefghij xy", font, 30, kWrap), (TextExtent{60, 24}));
    // Without word breaking only line breaks start new lines.
    EXPECT_EQ(text.Measure("arm the timer", font, 50, kNoWrap), (TextExtent{78, 12}));
}

TEST(TextLayoutTest, ChineseTextBreaksBetweenCharacters) {
    FixedCellText text(6, 12);
    EXPECT_EQ(text.Measure("关机时间到了", FontSpec{}, 50, kWrap), (TextExtent{48, 24}));
    // "时间" (24) and ":2026年" (42): the run of digits goes to the next line whole.
    EXPECT_EQ(text.Measure("时间:2026年", FontSpec{}, 50, kWrap), (TextExtent{42, 24}));
}

TEST(TextLayoutTest, CarriageReturnsAndLineFeedsBreakLines) {
    FixedCellText text(6, 12);
    const FontSpec font;
    EXPECT_EQ(text.Measure("ab\r\ncde", font, 1000, kWrap), (TextExtent{18, 24}));
    EXPECT_EQ(text.Measure("a\n\nb", font, 1000, kWrap), (TextExtent{6, 36}));
    EXPECT_EQ(text.Measure("a\rb", font, 1000, kNoWrap), (TextExtent{6, 24}));
    EXPECT_EQ(text.Measure("ab\r\n", font, 1000, kWrap), (TextExtent{12, 12}));
}

TEST(TextLayoutTest, AmpersandPrefixes) {
    const auto measure = [](std::u32string_view run) { return static_cast<int>(run.size()); };
    auto lines = LayoutText("&Arm a&&b&", 100, kWrap, measure);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].text, U"Arm a&b");
    EXPECT_EQ(lines[0].underline,
              (std::vector<bool>{true, false, false, false, false, false, false}));
    lines = LayoutText("&Arm", 100, {TextAlign::Left, true, false}, measure);
    EXPECT_EQ(lines[0].text, U"&Arm");
}

TEST(TextLayoutTest, DecodesUtf8AndReplacesBrokenBytes) {
    EXPECT_EQ(DecodeUtf8("A\xC3\xA9\xE5\xB9\xB4\xF0\x9F\x98\x80"), U"Aé年😀");
    EXPECT_EQ(DecodeUtf8("a\xFF"
                         "b"),
              U"a\uFFFDb");
    EXPECT_EQ(DecodeUtf8("\xE5\xB9"), U"\uFFFD\uFFFD");
}

class TextDrawTest : public testing::Test {
protected:
    Bitmap bitmap{15, 10, PixelFromRgb(0xFFFFFF)};
    Canvas canvas{bitmap};
    FixedCellText text{3, 5};

    std::string Picture() const {
        return test::BitmapArt(bitmap, {0, 0, 15, 10},
                               {{0xFFFFFF, '.'}, {0x000000, '#'}, {0x808080, 'o'}});
    }
};

TEST_F(TextDrawTest, LeftCentreAndRightWithUnderlinedPrefix) {
    canvas.SetTransparentBackground(true);
    text.Draw(canvas, "&ab c", FontSpec{}, {0, 0, 15, 5}, {TextAlign::Left, true, true});
    text.Draw(canvas, "ab", FontSpec{}, {0, 5, 15, 10}, {TextAlign::Right, true, true});
    EXPECT_EQ(Picture(), Art(R"(
        ...............
        ##.##....##....
        ##.##....##....
        ...............
        ###............
        ...............
        .........##.##.
        .........##.##.
        ...............
        ...............
    )"));
    bitmap.Fill(PixelFromRgb(0xFFFFFF));
    text.Draw(canvas, "ab", FontSpec{}, {0, 0, 15, 5}, {TextAlign::Centre, true, true});
    EXPECT_EQ(Picture().substr(0, 31), Art(R"(
        ...............
        ....##.##......
    )"));
}

TEST_F(TextDrawTest, WrappedWideTextInTextColourOnOpaqueBackground) {
    canvas.SetTextColour(0x808080);
    canvas.SetBackgroundColour(0x000000);
    text.Draw(canvas, "年a b", FontSpec{}, {0, 0, 9, 10}, {TextAlign::Left, true, true});
    EXPECT_EQ(Picture(), Art(R"(
        #########......
        ooooo#oo#......
        ooooo#oo#......
        #########......
        #########......
        ###............
        oo#............
        oo#............
        ###............
        ###............
    )"));
}

TEST_F(TextDrawTest, StaysInsideTheClipRegion) {
    canvas.SetTransparentBackground(true);
    canvas.SelectClipRegion(Region::FromRect({4, 0, 15, 10}));
    text.Draw(canvas, "abc", FontSpec{}, {0, 0, 15, 5}, {TextAlign::Left, false, false});
    EXPECT_EQ(Picture().substr(16, 15), "....#.##.......");
}

} // namespace
} // namespace tarvenel
