// The forms' layout tables: every control the user sees lies in the visible
// part of its form and none covers another.
#include <set>
#include <vector>

#include <gtest/gtest.h>

#include "power/frm_end.h"
#include "power/frm_end_design.h"
#include "scheduler/frm_main.h"
#include "scheduler/frm_main_design.h"

namespace tarvenel {
namespace {

bool Overlap(const TwipsRect& a, const TwipsRect& b) {
    return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}

TEST(MainWindowDesign, ControlsStayBetweenTheSkinsBarsAndBorders) {
    namespace d = frm_main_design;
    // The skin's caption bar is 27 pixels, the bottom bar 24, the sides 4.
    const TwipsRect inside{4 * 15, 27 * 15, kMainWidthTwips - 8 * 15,
                           kMainHeightTwips - (27 + 24) * 15};
    std::vector<ControlDesign> controls{d::kLabel0, d::kLabel1, d::kLabel2, d::kLabel3, d::kImage1};
    controls.insert(controls.end(), d::kCombos.begin(), d::kCombos.end());
    controls.insert(controls.end(), d::kChecks.begin(), d::kChecks.end());
    controls.insert(controls.end(), d::kButtons.begin(), d::kButtons.end());

    for (const ControlDesign& c : controls) {
        EXPECT_GE(c.rect.left, inside.left) << c.name;
        EXPECT_GE(c.rect.top, inside.top) << c.name;
        EXPECT_LE(c.rect.Right(), inside.Right()) << c.name;
        EXPECT_LE(c.rect.Bottom(), inside.Bottom()) << c.name;
        EXPECT_EQ(c.rect.left % 15 + c.rect.top % 15 + c.rect.width % 15 + c.rect.height % 15, 0)
            << c.name << " is not on whole pixels";
    }
}

// The option rows of the form overlap by a pixel or two by design; the
// clock line, the target line and the buttons must stay clear of everything.
TEST(MainWindowDesign, TheTimeLinesAndButtonsCoverNoOtherControl) {
    namespace d = frm_main_design;
    std::vector<ControlDesign> others{d::kLabel2, d::kLabel3, d::kImage1};
    others.insert(others.end(), d::kCombos.begin(), d::kCombos.end());
    others.insert(others.end(), d::kChecks.begin(), d::kChecks.end());
    std::vector<ControlDesign> clear{d::kLabel0, d::kLabel1};
    clear.insert(clear.end(), d::kButtons.begin(), d::kButtons.end());
    for (std::size_t i = 0; i < clear.size(); ++i) {
        for (const ControlDesign& other : others)
            EXPECT_FALSE(Overlap(clear[i].rect, other.rect))
                << clear[i].name << " covers " << other.name;
        for (std::size_t j = i + 1; j < clear.size(); ++j)
            EXPECT_FALSE(Overlap(clear[i].rect, clear[j].rect))
                << clear[i].name << " covers " << clear[j].name;
    }
}

TEST(CountdownDesign, OnlyTheNumberAndTheCancelButtonAreInTheVisibleArea) {
    namespace d = frm_end_design;
    for (const ControlDesign& c : {d::kLabel1, d::kCommand1}) {
        EXPECT_LE(c.rect.Right(), d::kClientArea.width) << c.name;
        EXPECT_LE(c.rect.Bottom(), d::kClientArea.height) << c.name;
    }
    EXPECT_FALSE(Overlap(d::kLabel1.rect, d::kCommand1.rect));
    std::set<int> tabIndexes{d::kCommand1TabIndex, 5};
    for (const auto& button : d::kPowerButtons) {
        EXPECT_GE(button.design.rect.top, d::kClientArea.height) << button.design.name;
        tabIndexes.insert(button.tabIndex);
    }
    EXPECT_EQ(tabIndexes, (std::set<int>{0, 1, 2, 3, 4, 5, 6}));
    // The outer size leaves the client area its height once a frame is on.
    EXPECT_GT(kEndHeightTwips, d::kClientArea.height);
    EXPECT_GT(kEndWidthTwips, d::kClientArea.width);
}

} // namespace
} // namespace tarvenel

namespace tarvenel {
namespace {

TEST(FormDesign, TwipsBecomeTheNearestPixel) {
    EXPECT_EQ(TwipsToPixels(0), 0);
    EXPECT_EQ(TwipsToPixels(7), 0);
    EXPECT_EQ(TwipsToPixels(8), 1);
    EXPECT_EQ(TwipsToPixels(555), 37);
    EXPECT_EQ(TwipsToPixels(5640), 376);
    EXPECT_EQ(TwipsToPixels(-8), -1);
}

} // namespace
} // namespace tarvenel
