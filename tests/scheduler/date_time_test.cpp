#include <gtest/gtest.h>

#include "scheduler/date_time.h"

namespace tarvenel {
namespace {

TEST(DaysInMonth, FollowsTheDivisibleByFourRule) {
    EXPECT_EQ(DaysInMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(2028, 2), 29);
    EXPECT_EQ(DaysInMonth(2026, 2), 28);
    EXPECT_EQ(DaysInMonth(2027, 2), 28);
    EXPECT_EQ(DaysInMonth(2100, 2), 29); // no century rule in the selectors
    EXPECT_EQ(DaysInMonth(2026, 1), 31);
    EXPECT_EQ(DaysInMonth(2026, 4), 30);
    EXPECT_EQ(DaysInMonth(2026, 11), 30);
    EXPECT_EQ(DaysInMonth(2026, 12), 31);
    EXPECT_EQ(DaysInMonth(2026, 0), 0);
    EXPECT_EQ(DaysInMonth(2026, 13), 0);
}

TEST(DateTimeValue, CountsDaysSinceTheEndOf1899) {
    EXPECT_DOUBLE_EQ(*ToDateTimeValue({1899, 12, 30, 0, 0, 0}), 0.0);
    EXPECT_DOUBLE_EQ(*ToDateTimeValue({2000, 1, 1, 0, 0, 0}), 36526.0);
    EXPECT_DOUBLE_EQ(*ToDateTimeValue({2026, 12, 7, 0, 0, 0}), 46363.0);
    EXPECT_DOUBLE_EQ(*ToDateTimeValue({2024, 2, 29, 12, 0, 0}), 45351.5);
    EXPECT_DOUBLE_EQ(*ToDateTimeValue({2026, 12, 7, 6, 0, 0}), 46363.25);
}

TEST(DateTimeValue, RoundTripsEverySecondOfADay) {
    for (int s = 0; s < 86400; s += 7) {
        const CivilDateTime t{2026, 12, 31, s / 3600, s / 60 % 60, s % 60};
        EXPECT_EQ(ToCivil(*ToDateTimeValue(t)), t);
    }
}

TEST(DateTimeValue, RefusesImpossibleDates) {
    EXPECT_FALSE(ToDateTimeValue({2026, 4, 31, 0, 0, 0}));
    EXPECT_FALSE(ToDateTimeValue({2026, 2, 29, 0, 0, 0}));
    EXPECT_TRUE(ToDateTimeValue({2028, 2, 29, 0, 0, 0}));
    EXPECT_FALSE(ToDateTimeValue({2100, 2, 29, 0, 0, 0})); // the calendar has its century rule
    EXPECT_FALSE(ToDateTimeValue({2026, 13, 1, 0, 0, 0}));
    EXPECT_FALSE(ToDateTimeValue({2026, 0, 1, 0, 0, 0}));
    EXPECT_FALSE(ToDateTimeValue({2026, 1, 0, 0, 0, 0}));
    EXPECT_FALSE(ToDateTimeValue({2026, 1, 1, 24, 0, 0}));
    EXPECT_FALSE(ToDateTimeValue({2026, 1, 1, 0, 60, 0}));
    EXPECT_FALSE(ToDateTimeValue({2026, 1, 1, 0, 0, -1}));
    EXPECT_FALSE(ToDateTimeValue({32767, 1, 1, 0, 0, 0}));
    EXPECT_FALSE(ToDateTimeValue({-5, 1, 1, 0, 0, 0}));
}

TEST(SecondsBetween, CrossesDayMonthAndYearEnds) {
    auto at = [](CivilDateTime t) { return *ToDateTimeValue(t); };
    EXPECT_EQ(SecondsBetween(at({2026, 12, 6, 23, 59, 59}), at({2026, 12, 7, 0, 0, 0})), 1);
    EXPECT_EQ(SecondsBetween(at({2026, 1, 31, 23, 59, 30}), at({2026, 2, 1, 0, 0, 0})), 30);
    EXPECT_EQ(SecondsBetween(at({2026, 12, 31, 23, 59, 59}), at({2027, 1, 1, 0, 0, 0})), 1);
    EXPECT_EQ(SecondsBetween(at({2028, 2, 28, 12, 0, 0}), at({2028, 3, 1, 12, 0, 0})), 2 * 86400);
    EXPECT_EQ(SecondsBetween(at({2026, 12, 7, 0, 0, 0}), at({2026, 12, 6, 0, 0, 0})), -86400);
    // Far targets do not overflow.
    EXPECT_EQ(SecondsBetween(at({2026, 1, 1, 0, 0, 0}), at({9999, 1, 1, 0, 0, 0})),
              std::int64_t{2912078} * 86400);
}

} // namespace
} // namespace tarvenel
