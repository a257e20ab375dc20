// The window region of each shape and look, and the slanted button's
// minimum width.
#include <gtest/gtest.h>

#include "button/region.h"
#include "render_rig.h"
#include "support/pixel_art.h"

namespace tarvenel {
namespace {

using test::Art;
using test::RegionArt;

TEST(ButtonOutline, SlantedButtonTwentyPixelsHigh) {
    EXPECT_EQ(SlantRun(20), 21);
    EXPECT_EQ(SlantedMinimumWidth(3, 30, 20), 30); // 30 - 21 = 9 is room enough
    EXPECT_EQ(SlantedMinimumWidth(3, 24, 20), 29); // 3, then 8
    EXPECT_EQ(SlantedMinimumWidth(1, 21, 20), 26);
    EXPECT_EQ(SlantedMinimumWidth(0, 10, 20), 10); // straight sides never grow
    EXPECT_EQ(SlantedMinimumWidth(5, 10, 20), 10);
}

TEST(ButtonOutline, ANarrowSlantedButtonWidensItselfOnce) {
    test::RenderRig r(24, 20);
    r.Place(0);
    r.host.ClearRecords();
    r.button.SetButtonShape(3);
    EXPECT_EQ(r.host.width, 29);
    // The resize the wider window causes is held back; the shape change
    // draws once, at the new width.
    EXPECT_EQ(r.host.calls, (std::vector<std::string>{"SetClientWidth 29", "Redraw"}));
    EXPECT_EQ(r.host.shown.Width(), 29);
    EXPECT_FALSE(r.button.VisualState().drawingDelayed);
    EXPECT_EQ(r.button.Layout().leftInset, 21);
    EXPECT_EQ(r.button.Layout().rightBound, 8);
}

TEST(ButtonOutline, RectangleCoversOneMorePixelEachWay) {
    const ButtonOutline o = BuildOutline(0, 0, true, 6, 4);
    EXPECT_EQ(o.window, Region::FromRect({0, 0, 7, 5}));
    EXPECT_FALSE(o.clip);
    EXPECT_EQ(o.leftInset, 0);
    EXPECT_EQ(o.rightBound, 6);
}

TEST(ButtonOutline, SlantedSides) {
    // Height 4: the run is 5.
    const ButtonOutline left = BuildOutline(1, 0, true, 12, 4);
    EXPECT_EQ(left.leftInset, 5);
    EXPECT_EQ(left.rightBound, 12);
    EXPECT_EQ(RegionArt(left.window, {0, 0, 13, 5}), Art(R"(
        #############
        .############
        ..###########
        ...##########
        ....#########
    )"));
    const ButtonOutline right = BuildOutline(2, 0, true, 12, 4);
    EXPECT_EQ(right.leftInset, 0);
    EXPECT_EQ(right.rightBound, 7);
    EXPECT_EQ(RegionArt(right.window, {0, 0, 13, 5}), Art(R"(
        ########.....
        #########....
        ##########...
        ###########..
        ############.
    )"));
    const ButtonOutline both = BuildOutline(3, 0, true, 12, 4);
    EXPECT_EQ(both.leftInset, 5);
    EXPECT_EQ(both.rightBound, 7);
}

TEST(ButtonOutline, EllipsesClipTheirFaceToAnInnerEllipse) {
    for (int shape : {4, 5}) {
        const ButtonOutline o = BuildOutline(shape, 0, true, 20, 10);
        EXPECT_EQ(o.window, Region::FromEllipse({0, 0, 21, 11}));
        ASSERT_TRUE(o.clip);
        EXPECT_EQ(*o.clip, Region::FromEllipse({1, 1, 20, 10}));
    }
    const ButtonOutline outlined = BuildOutline(6, 2, true, 20, 10);
    EXPECT_EQ(outlined.window, Region::FromEllipse({0, 0, 21, 11}));
    EXPECT_EQ(*outlined.clip, Region::FromEllipse({2, 2, 19, 9}));
}

TEST(ButtonOutline, CornerTrimmingByLook) {
    const Rect window{0, 0, 8, 6};
    // The plain black-framed look loses all four corner pixels.
    EXPECT_EQ(RegionArt(BuildOutline(0, 1, true, 8, 6).window, window), Art(R"(
        .######.
        ########
        ########
        ########
        ########
        .######.
    )"));
    // The flat grey look loses two, and only while enabled.
    EXPECT_EQ(RegionArt(BuildOutline(0, 3, true, 8, 6).window, window), Art(R"(
        #######.
        ########
        ########
        ########
        ########
        .#######
    )"));
    EXPECT_EQ(BuildOutline(0, 3, false, 8, 6).window, Region::FromRect({0, 0, 9, 7}));
    // The bright look cuts small triangles.
    EXPECT_EQ(RegionArt(BuildOutline(0, 7, true, 8, 6).window, window), Art(R"(
        ..####..
        .######.
        ########
        ########
        .######.
        ..####..
    )"));
    for (int style : {0, 4, 5, 6})
        EXPECT_EQ(BuildOutline(0, style, true, 8, 6).window, Region::FromRect({0, 0, 9, 7}));
}

TEST(ButtonOutline, SlantedSidesKeepTheirCornersUncut) {
    const Rect window{0, 0, 14, 6};
    // Right side slanted: only the left corners are cut.
    EXPECT_EQ(RegionArt(BuildOutline(2, 1, true, 14, 6).window, window), Art(R"(
        .#######......
        #########.....
        ##########....
        ###########...
        ############..
        .############.
    )"));
    // Left side slanted: only the right corners.
    EXPECT_EQ(RegionArt(BuildOutline(1, 1, true, 14, 6).window, window), Art(R"(
        #############.
        .#############
        ..############
        ...###########
        ....##########
        .....########.
    )"));
    EXPECT_EQ(BuildOutline(3, 1, true, 14, 6).window, BuildOutline(3, 0, true, 14, 6).window);
}

TEST(ButtonOutline, FlatGreyLookRecutsItsCornersWhenEnabledChanges) {
    test::RenderRig r(20, 10);
    r.Place(3);
    EXPECT_FALSE(r.host.region->Contains(19, 0));
    r.button.SetEnabled(false);
    EXPECT_TRUE(r.host.region->Contains(19, 0));
}

} // namespace
} // namespace tarvenel
