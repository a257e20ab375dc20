#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "raster/fixed_cell_text.h"
#include "shell/main_window_skin.h"
#include "shell/window_shape.h"
#include "support/reference_image.h"

namespace tarvenel {
namespace {

constexpr int kWidth = 5640; // 376 x 216 pixels
constexpr int kHeight = 3240;

TEST(MainWindowLayoutTest, CaptionButtonsAndCreditFollowTheRightEdge) {
    const MainWindowLayout layout = LayOutMainWindow(kWidth, kHeight, 1500, 180);
    EXPECT_EQ(layout.minimiseLeft, 5010);
    EXPECT_EQ(layout.minimiseTop, 75);
    EXPECT_EQ(layout.closeLeft, 5325);
    EXPECT_EQ(layout.closeTop, 75);
    EXPECT_EQ(layout.captionStripWidth, 4965);
    EXPECT_EQ(layout.creditLeft, 5640 - 1500 - 120);
    EXPECT_EQ(layout.creditTop, 3240 - 180 - 75);

    const MainWindowLayout wider = LayOutMainWindow(9000, 5000, 1200, 200);
    EXPECT_EQ(wider.closeLeft - wider.minimiseLeft, 315);
    EXPECT_EQ(wider.closeLeft, 8685);
    EXPECT_EQ(wider.creditTop, 4725);
}

TEST(ClampWindowPositionTest, KeepsTheWindowOnItsScreen) {
    // 1280 x 768 pixels at the desktop's origin, and the same monitor to the
    // right of a 1920-pixel one and 300 pixels lower.
    for (const ScreenArea screen :
         {ScreenArea{0, 0, 19200, 11520}, ScreenArea{28800, 4500, 19200, 11520}}) {
        auto clamp = [&](WindowPosition p) {
            const WindowPosition on{static_cast<std::int32_t>(p.left + screen.left),
                                    static_cast<std::int32_t>(p.top + screen.top)};
            const WindowPosition got = ClampWindowPosition(on, kWidth, kHeight, screen);
            return WindowPosition{static_cast<std::int32_t>(got.left - screen.left),
                                  static_cast<std::int32_t>(got.top - screen.top)};
        };
        EXPECT_EQ(clamp({100, 200}), (WindowPosition{100, 200}));
        EXPECT_EQ(clamp({-1, -3000}), (WindowPosition{0, 0}));
        // Past the right or bottom edge: pulled back to end exactly at the edge.
        EXPECT_EQ(clamp({15000, 9000}), (WindowPosition{13560, 8280}));
        EXPECT_EQ(clamp({13560, 8280}), (WindowPosition{13560, 8280}));
        EXPECT_EQ(clamp({13561, 8281}), (WindowPosition{13560, 8280}));
    }
}

TEST(ClampWindowPositionTest, EdgePositionRoundsHalvesToEven) {
    EXPECT_EQ(ClampWindowPosition({9000, 9000}, kWidth, kHeight, {0, 0, 10000.5, 12000.5}),
              (WindowPosition{4360, 8760}));
    EXPECT_EQ(ClampWindowPosition({9000, 9000}, kWidth, kHeight, {0, 0, 10001.5, 11999.5}),
              (WindowPosition{4362, 8760}));
}

// A skin whose every pixel names where it came from: 0xFF, x, y in the
// colour bits, so the composed picture tells which source pixel landed where.
// The interior (inside the side borders, between caption and bottom bar) is
// transparent like the real skin's.
Bitmap CoordinateSkin() {
    Bitmap skin(271, 218);
    for (int y = 0; y < 218; ++y)
        for (int x = 0; x < 271; ++x) {
            const bool interior = x >= 4 && x < 267 && y >= 27 && y < 194;
            skin.Set(x, y,
                     (interior ? 0u : kOpaque) | static_cast<Pixel>(x) << 12 |
                         static_cast<Pixel>(y));
        }
    return skin;
}

Pixel SkinAt(int x, int y) {
    return kOpaque | static_cast<Pixel>(x) << 12 | static_cast<Pixel>(y);
}

class ComposeTest : public testing::Test {
protected:
    Bitmap skin = CoordinateSkin();
    Bitmap icon{16, 16, 0xFFFF0000u};
    FixedCellText text{6, 12};
    FontSpec font;
    Bitmap Compose(int w = kWidth, int h = kHeight) {
        return ComposeMainWindowBackground(w, h, skin, icon, text, font, "Tarvenel 1.5.0");
    }
};

TEST_F(ComposeTest, PiecesMeetAtTheSeams) {
    const Bitmap bg = Compose();
    ASSERT_EQ(bg.Width(), 376);
    ASSERT_EQ(bg.Height(), 216);
    // Top-left corner (30 x 40) and the top edge, which stretches the skin's
    // columns 28..35 over the whole width.
    EXPECT_EQ(bg.At(29, 2), SkinAt(29, 2));
    EXPECT_EQ(bg.At(30, 2), SkinAt(28, 2));
    EXPECT_EQ(bg.At(264, 2), SkinAt(33, 2));
    // Top-right corner (111 x 29, with the caption buttons) from the skin's
    // right end.
    EXPECT_EQ(bg.At(265, 2), SkinAt(160, 2));
    EXPECT_EQ(bg.At(375, 28), SkinAt(270, 28));
    // Below the top-right corner the top edge's transparent rows let the
    // white back colour show.
    EXPECT_EQ(bg.At(300, 30), PixelFromRgb(0xFFFFFF));
    // Left edge: 13 columns stretching rows 59..61 over the whole height;
    // the bottom-left corner (30 x 40) starts at row 176.
    EXPECT_EQ(bg.At(2, 100), SkinAt(2, 60));
    EXPECT_EQ(bg.At(2, 175), SkinAt(2, 61));
    EXPECT_EQ(bg.At(2, 176), SkinAt(2, 178));
    EXPECT_EQ(bg.At(5, 176), PixelFromRgb(0xFFFFFF)); // the skin's interior
    EXPECT_EQ(bg.At(29, 215), SkinAt(29, 217));
    // Right edge and the bottom-right corner (111 x 35 from row 181).
    EXPECT_EQ(bg.At(373, 100), SkinAt(268, 60));
    EXPECT_EQ(bg.At(373, 180), SkinAt(268, 61));
    EXPECT_EQ(bg.At(370, 100), PixelFromRgb(0xFFFFFF)); // the skin's interior
    EXPECT_EQ(bg.At(265, 200), SkinAt(160, 202));
    EXPECT_EQ(bg.At(373, 181), SkinAt(268, 183));
    EXPECT_EQ(bg.At(375, 215), SkinAt(270, 217));
    // Bottom edge between the corners.
    EXPECT_EQ(bg.At(264, 200), SkinAt(33, 202));
    EXPECT_EQ(bg.At(30, 215), SkinAt(28, 217));
    // The middle keeps the back colour.
    EXPECT_EQ(bg.At(188, 108), PixelFromRgb(0xFFFFFF));
}

TEST_F(ComposeTest, IconAndCaptionInTheCaptionBar) {
    const Bitmap bg = Compose();
    // The 16 x 16 icon at (100, 80) twips: pixels (7, 5) to (22, 20).
    EXPECT_EQ(bg.At(7, 5), 0xFFFF0000u);
    EXPECT_EQ(bg.At(22, 20), 0xFFFF0000u);
    EXPECT_EQ(bg.At(6, 5), SkinAt(6, 5));
    EXPECT_EQ(bg.At(23, 20), SkinAt(23, 20));
    // The caption in white from (420, 100) twips, pixel (28, 7): the first
    // character's cell paints from the row below its top.
    EXPECT_EQ(bg.At(28, 8), 0xFFFFFFFFu);
    EXPECT_EQ(bg.At(28, 7), SkinAt(28, 7));
    EXPECT_EQ(bg.At(27, 8), SkinAt(27, 8));
    EXPECT_EQ(bg.At(33, 8), SkinAt(28, 8)); // the gap after the first character
    // "Tarvenel 1.5.0" is 14 cells: nothing past the last one.
    EXPECT_EQ(bg.At(28 + 14 * 6 - 2, 8), 0xFFFFFFFFu);
    EXPECT_EQ(bg.At(28 + 14 * 6, 8), SkinAt(29, 8));
}

TEST_F(ComposeTest, MissingArtworkOrSizeLeavesTheRestPainted) {
    const Bitmap bare =
        ComposeMainWindowBackground(kWidth, kHeight, Bitmap{}, Bitmap{}, text, font, "");
    ASSERT_EQ(bare.Width(), 376);
    EXPECT_EQ(bare.At(0, 0), PixelFromRgb(0xFFFFFF));
    EXPECT_EQ(bare.At(10, 10), PixelFromRgb(0xFFFFFF));
    EXPECT_TRUE(Compose(0, kHeight).Empty());
    EXPECT_TRUE(Compose(kWidth, -30).Empty());
    // Smaller than the corner pieces: they overlap, nothing breaks.
    const Bitmap tiny = Compose(600, 450);
    EXPECT_EQ(tiny.Width(), 40);
    EXPECT_EQ(tiny.At(39, 0), SkinAt(270, 188)); // the bottom-right corner, painted last
}

// A skin drawn like the real one: a blue caption bar with two caption
// buttons, thin side borders, a bottom bar and a transparent interior.
Bitmap DrawnSkin() {
    Bitmap skin(271, 218, 0u);
    Canvas canvas(skin);
    for (int y = 0; y < 27; ++y)
        canvas.FillRect({0, y, 271, y + 1}, 0xE05000 + static_cast<Rgb>(y) * 0x000300);
    canvas.FillRect({0, 27, 4, 194}, 0x902000);
    canvas.FillRect({267, 27, 271, 194}, 0x902000);
    canvas.FillRect({0, 194, 271, 218}, 0xC04000);
    canvas.FillRect({230, 5, 247, 22}, 0xF08040);
    canvas.FillRect({250, 5, 267, 22}, 0x2020E0);
    canvas.SelectPen({0xFFFFFF});
    const Point cross1[] = {{254, 9}, {263, 18}};
    const Point cross2[] = {{262, 9}, {253, 18}};
    canvas.Polyline(cross1);
    canvas.Polyline(cross2);
    return skin;
}

TEST_F(ComposeTest, ReferencePicture) {
    skin = DrawnSkin();
    EXPECT_TRUE(test::MatchesReference(Compose(), "main_window_background"));
}

struct RecordingSurface : MainWindowSurface {
    void PlaceCredit(int left, int top, Rgb colour) override {
        calls.push_back("credit");
        creditLeft = left;
        creditTop = top;
        creditColour = colour;
    }
    void SetCaptionStripWidth(int width) override {
        calls.push_back("strip");
        if (failStrip)
            throw std::runtime_error("control gone");
        stripWidth = width;
    }
    void PlaceMinimise(int left, int top) override {
        calls.push_back("minimise");
        minimise = {left, top};
    }
    void PlaceClose(int left, int top) override {
        calls.push_back("close");
        close = {left, top};
    }
    void SetBackground(Bitmap b) override {
        calls.push_back("background");
        background = std::move(b);
    }
    void SetRegion(const Region& r) override {
        calls.push_back("region");
        if (failRegion)
            throw std::runtime_error("no window");
        region = r;
    }
    void MoveTo(int left, int top) override {
        calls.push_back("move");
        moved = {left, top};
    }
    std::vector<std::string> calls;
    bool failStrip = false;
    bool failRegion = false;
    int creditLeft = 0, creditTop = 0;
    Rgb creditColour = 0;
    int stripWidth = 0;
    WindowPosition minimise, close, moved;
    Bitmap background;
    Region region;
};

struct ThrowingText : TextRenderer {
    TextExtent Measure(std::string_view, const FontSpec&, int, const TextFormat&) override {
        throw std::runtime_error("no font");
    }
    void Draw(Canvas&, std::string_view, const FontSpec&, const Rect&, const TextFormat&) override {
        throw std::runtime_error("no font");
    }
};

class ResizeTest : public ComposeTest {
protected:
    MainWindowResizeInput Input() {
        return {
            kWidth, kHeight, 1500, 180, skin, icon, font, "Tarvenel 1.5.0", {0, 0, 19200, 11520}};
    }
    RecordingSurface surface;
};

TEST_F(ResizeTest, RunsEveryStepInOrder) {
    WindowPosition stored{15000, -20};
    ResizeMainWindow(Input(), stored, surface, text);
    EXPECT_EQ(surface.calls, (std::vector<std::string>{"credit", "strip", "minimise", "close",
                                                       "background", "region", "move"}));
    EXPECT_EQ(surface.creditLeft, 4020);
    EXPECT_EQ(surface.creditTop, 2985);
    EXPECT_EQ(surface.creditColour, 0xFFFFFFu);
    EXPECT_EQ(surface.stripWidth, 4965);
    EXPECT_EQ(surface.minimise, (WindowPosition{5010, 75}));
    EXPECT_EQ(surface.close, (WindowPosition{5325, 75}));
    EXPECT_TRUE(surface.background.SamePixels(Compose()));
    EXPECT_EQ(surface.region, MainWindowRegion(kWidth, kHeight));
    EXPECT_EQ(stored, (WindowPosition{13560, 0}));
    EXPECT_EQ(surface.moved, stored);
}

TEST_F(ResizeTest, AFailingStepIsSkippedAndTheRestStillRuns) {
    surface.failStrip = true;
    surface.failRegion = true;
    ThrowingText brokenText;
    WindowPosition stored{-5, 100};
    ResizeMainWindow(Input(), stored, surface, brokenText);
    EXPECT_EQ(surface.calls.size(), 7u);
    EXPECT_EQ(surface.close, (WindowPosition{5325, 75}));
    // The skin is painted even though the caption could not be.
    ASSERT_EQ(surface.background.Width(), 376);
    EXPECT_EQ(surface.background.At(29, 2), SkinAt(29, 2));
    EXPECT_EQ(surface.background.At(28, 8), SkinAt(28, 8));
    EXPECT_EQ(surface.moved, (WindowPosition{0, 100}));
}

} // namespace
} // namespace tarvenel
