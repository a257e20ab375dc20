#include <gtest/gtest.h>

#include "support/main_window_harness.h"
#include "support/reference_image.h"

namespace tarvenel::test {
namespace {

TEST(MainWindowResize, PlacesPaintsCutsAndCentresTheRunningWindow) {
    MainWindowHarness h;
    h.LoadAt({2026, 12, 7, 12, 0, 0});
    h.frm.Form_Resize();

    EXPECT_EQ(h.surface.minimise, std::make_pair(5010, 75));
    EXPECT_EQ(h.surface.close, std::make_pair(5325, 75));
    EXPECT_EQ(h.surface.captionStripWidth, 4965);
    EXPECT_EQ(h.surface.credit, std::make_pair(5640 - 1800 - 120, 3240 - 180 - 75));
    EXPECT_EQ(h.surface.background.Width(), 376);
    EXPECT_EQ(h.surface.background.Height(), 216);
    EXPECT_FALSE(h.surface.region.Contains(0, 0));
    EXPECT_TRUE(h.surface.region.Contains(5, 0));
    EXPECT_EQ(h.surface.position, std::make_pair((1920 * 15 - 5640) / 2, (1080 * 15 - 3240) / 2));
    // The real skin: the caption bar is opaque blue, the middle stays white.
    const Pixel caption = h.surface.background.At(200, 20);
    EXPECT_LT(RgbFromPixel(caption) & 0xFF, 0x80u);         // little red
    EXPECT_GT((RgbFromPixel(caption) >> 16) & 0xFF, 0x80u); // much blue
    EXPECT_EQ(RgbFromPixel(h.surface.background.At(188, 108)), 0xFFFFFFu);
}

// The program's own artwork at the running size, for a person to look at:
// tests/reference/main_window_artwork.png (the caption is drawn by the
// test text renderer, one block a character).
TEST(MainWindowResize, ArtworkReferencePicture) {
    MainWindowHarness h;
    h.LoadAt({2026, 12, 7, 12, 0, 0});
    h.frm.Form_Resize();
    EXPECT_TRUE(MatchesReference(h.surface.background, "main_window_artwork"));
}

TEST(MainWindowResize, KeepsAnOffScreenPositionOnTheScreen) {
    MainWindowHarness h;
    h.screen.width = 5000; // a screen narrower than the window
    h.screen.height = 20000;
    h.LoadAt({2026, 12, 7, 12, 0, 0});
    h.frm.Form_Resize();
    EXPECT_EQ(h.surface.position.first, 5000 - 5640);
    EXPECT_EQ(h.surface.position.second, (20000 - 3240) / 2);
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
    EXPECT_EQ(h.mover.moves, 5);
}

} // namespace
} // namespace tarvenel::test
