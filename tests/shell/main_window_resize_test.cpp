#include <gtest/gtest.h>

#include "shell/main_window_skin.h"
#include "support/main_window_harness.h"
#include "support/reference_image.h"

namespace tarvenel::test {
namespace {

TEST(MainWindowResize, PlacesPaintsCutsAndCentresTheRunningWindow) {
    MainWindowHarness h;
    h.LoadAt({2026, 12, 7, 12, 0, 0});
    h.frm.Form_Resize();

    auto at = [&](const char* name) {
        const TwipsRect& place = h[name].place;
        return std::make_pair(place.left, place.top);
    };
    EXPECT_EQ(at("Immin"), std::make_pair(5010, 75));
    EXPECT_EQ(at("Imclose"), std::make_pair(5325, 75));
    EXPECT_EQ(LayOutMainWindow(5640, 3240, 1800, 180).captionStripWidth, 4965);
    const TwipsRect& credit = h["LbBR"].place;
    EXPECT_EQ(at("LbBR"), std::make_pair(5640 - credit.width - 120, 3240 - credit.height - 75));
    const Bitmap& background = h.native.window.face;
    EXPECT_EQ(background.Width(), 376);
    EXPECT_EQ(background.Height(), 216);
    EXPECT_FALSE(h.native.window.outline.Contains(0, 0));
    EXPECT_TRUE(h.native.window.outline.Contains(5, 0));
    EXPECT_EQ(h.Position(), std::make_pair((1920 * 15 - 5640) / 2, (1080 * 15 - 3240) / 2));
    // The real skin: the caption bar is opaque blue, the middle stays white.
    const Pixel caption = background.At(200, 20);
    EXPECT_LT(RgbFromPixel(caption) & 0xFF, 0x80u);         // little red
    EXPECT_GT((RgbFromPixel(caption) >> 16) & 0xFF, 0x80u); // much blue
    EXPECT_EQ(RgbFromPixel(background.At(188, 108)), 0xFFFFFFu);
}

// The program's own artwork at the running size, for a person to look at:
// tests/reference/main_window_artwork.png (the caption is drawn by the
// test text renderer, one block a character).
TEST(MainWindowResize, ArtworkReferencePicture) {
    MainWindowHarness h;
    h.LoadAt({2026, 12, 7, 12, 0, 0});
    h.frm.Form_Resize();
    EXPECT_TRUE(MatchesReference(h.native.window.face, "main_window_artwork"));
}

TEST(MainWindowResize, KeepsAnOffScreenPositionOnTheScreen) {
    MainWindowHarness h;
    h.screen.width = 5000; // a screen narrower than the window
    h.screen.height = 20000;
    h.LoadAt({2026, 12, 7, 12, 0, 0});
    h.frm.Form_Resize();
    EXPECT_EQ(h.Position().first, 5000 - 5640);
    EXPECT_EQ(h.Position().second, (20000 - 3240) / 2);
}

TEST(MainWindowResize, OnlyTheLeftButtonDrags) {
    MainWindowHarness h;
    h.LoadAt({2026, 12, 7, 12, 0, 0});
    for (auto handler :
         {&FrmMain::Form_MouseDown, &FrmMain::IMBar_MouseDown, &FrmMain::Image1_MouseDown,
          &FrmMain::Label0_MouseDown, &FrmMain::Label1_MouseDown}) {
        (h.frm.*handler)(2, 0, 10, 10);
        (h.frm.*handler)(4, 0, 10, 10);
        (h.frm.*handler)(1, 0, 10, 10);
    }
    EXPECT_EQ(h.native.moves, 5);
}

} // namespace
} // namespace tarvenel::test
