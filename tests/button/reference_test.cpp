// Every look as a sheet of reference pictures: each shape in each pose, as a
// command button and as a check box off and on. Fixed-cell text keeps them
// the same on every platform.
#include <gtest/gtest.h>

#include "button/gallery.h"
#include "raster/fixed_cell_text.h"
#include "support/reference_image.h"

namespace tarvenel {
namespace {

class LookReference : public ::testing::TestWithParam<int> {};

TEST_P(LookReference, MatchesTheRecordedSheet) {
    FixedCellText text;
    const int style = GetParam();
    EXPECT_TRUE(
        test::MatchesReference(LookSheet(style, text), "button/style" + std::to_string(style)));
}

INSTANTIATE_TEST_SUITE_P(AllLooks, LookReference, ::testing::Range(0, 8));

} // namespace
} // namespace tarvenel
