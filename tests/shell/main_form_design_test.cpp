#include <gtest/gtest.h>

#include <string>

#include "scheduler/frm_main.h"
#include "shell/main_form_design.h"

namespace tarvenel::test {
namespace {

// The skin's caption bar is 27 pixels tall, its bottom bar 24 and its side
// borders 4: whatever the user works with must sit between them.
constexpr int kCaptionBottom = 27 * 15;
constexpr int kBottomBarTop = (216 - 24) * 15;
constexpr int kSideBorder = 4 * 15;

// More than one pixel in common (the default-time lists share their edges).
bool Overlap(const ControlDesign& a, const ControlDesign& b) {
    constexpr int kPixel = 15;
    return a.left + kPixel < b.left + b.width && b.left + kPixel < a.left + a.width &&
           a.top + kPixel < b.top + b.height && b.top + kPixel < a.top + a.height;
}

TEST(MainFormDesign, InteriorControlsLieInsideTheFrameAndDoNotOverlap) {
    for (const auto& c : design::kInteriorControls) {
        SCOPED_TRACE(c.name);
        EXPECT_GE(c.left, kSideBorder);
        EXPECT_LE(c.left + c.width, kMainWidthTwips - kSideBorder);
        EXPECT_GE(c.top, kCaptionBottom);
        EXPECT_LE(c.top + c.height, kBottomBarTop);
    }
    // The switches are stacked closer than their boxes are tall; their texts
    // are one line and never meet.
    auto isSwitch = [](const ControlDesign& c) { return std::string(c.name).starts_with("Check"); };
    const auto& all = design::kInteriorControls;
    for (std::size_t i = 0; i < all.size(); ++i)
        for (std::size_t j = i + 1; j < all.size(); ++j)
            if (!(isSwitch(all[i]) && isSwitch(all[j]))) {
                EXPECT_FALSE(Overlap(all[i], all[j])) << all[i].name << " and " << all[j].name;
            }
}

TEST(MainFormDesign, CaptionImagesAndCreditSitInTheFrameBars) {
    EXPECT_LE(design::Immin.top + design::Immin.height, kCaptionBottom);
    EXPECT_LE(design::Imclose.top + design::Imclose.height, kCaptionBottom);
    EXPECT_GE(kMainHeightTwips - design::LbBR.height - 75, kBottomBarTop);
}

} // namespace
} // namespace tarvenel::test
