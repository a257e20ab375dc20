#include <gtest/gtest.h>

#include "shell/drag.h"

namespace tarvenel {
namespace {

struct CountingMover : WindowMover {
    void BeginSystemMove() override { ++moves; }
    int moves = 0;
};

TEST(DragTest, OnlyTheLeftButtonMovesTheWindow) {
    CountingMover mover;
    DragOnMouseDown(kLeftButton, mover);
    EXPECT_EQ(mover.moves, 1);
    for (int button : {0, 2, 3, 4}) {
        DragOnMouseDown(button, mover);
        EXPECT_EQ(mover.moves, 1) << "button " << button;
    }
}

} // namespace
} // namespace tarvenel
