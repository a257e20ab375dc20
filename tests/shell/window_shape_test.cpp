// The main window's outline. The corner pictures are what GDI (as Wine
// implements it) makes of the same two rectangles and four ellipses.
#include <gtest/gtest.h>

#include "shell/window_shape.h"
#include "support/pixel_art.h"

namespace tarvenel {
namespace {

using test::Art;
using test::RegionArt;

constexpr double kWidth = 5640; // 376 x 216 pixels
constexpr double kHeight = 3240;

TEST(WindowShapeTest, CornersAreCutAtTheRunningSize) {
    const Region region = MainWindowRegion(kWidth, kHeight);
    EXPECT_FALSE(region.Contains(0, 0));
    EXPECT_FALSE(region.Contains(375, 0));
    EXPECT_FALSE(region.Contains(0, 215));
    EXPECT_FALSE(region.Contains(375, 215));
    EXPECT_TRUE(region.Contains(5, 0));
    EXPECT_TRUE(region.Contains(0, 5));
    EXPECT_TRUE(region.Contains(188, 108));
}

TEST(WindowShapeTest, EachCornerHasItsOwnRounding) {
    const Region region = MainWindowRegion(kWidth, kHeight);
    EXPECT_EQ(RegionArt(region, {-1, -1, 9, 9}), Art(R"(
        ..........
        .....#####
        ....######
        ...#######
        ..########
        ..########
        .#########
        .#########
        ##########
        ##########
    )"));
    EXPECT_EQ(RegionArt(region, {367, -1, 377, 9}), Art(R"(
        ..........
        ####......
        ######....
        #######...
        ########..
        #########.
        #########.
        ##########
        ##########
        ##########
    )"));
    EXPECT_EQ(RegionArt(region, {-1, 207, 9, 217}), Art(R"(
        ##########
        ##########
        .#########
        .#########
        .#########
        ..########
        ...#######
        ....######
        ......####
        ..........
    )"));
    // The bottom-right ellipse reaches past the window; the window clips it.
    EXPECT_EQ(RegionArt(region, {367, 207, 377, 217}), Art(R"(
        ##########
        #########.
        #########.
        #########.
        ########..
        ########..
        #######...
        #######...
        ######....
        #####.....
    )"));
}

TEST(WindowShapeTest, PixelSizeRoundsHalvesToEven) {
    // Along a middle row only the rectangles reach the right edge.
    auto rightEdge = [](double widthTwips) {
        const Region region = MainWindowRegion(widthTwips, kHeight);
        int x = 0;
        while (region.Contains(x, 100))
            ++x;
        return x;
    };
    EXPECT_EQ(rightEdge(5640), 376);
    EXPECT_EQ(rightEdge(5647.5), 376); // 376.5
    EXPECT_EQ(rightEdge(5655), 377);
    EXPECT_EQ(rightEdge(5662.5), 378); // 377.5
    EXPECT_EQ(rightEdge(5647), 376);
    EXPECT_EQ(rightEdge(5648), 377);
}

} // namespace
} // namespace tarvenel
