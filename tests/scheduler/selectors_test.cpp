#include <gtest/gtest.h>

#include "support/main_window_harness.h"

namespace tarvenel::test {
namespace {

TEST(Selectors, ResetFillsTheListsWithNow) {
    MainWindowHarness h;
    h.LoadAt({2026, 2, 14, 8, 5, 3});
    EXPECT_EQ(h["Combo1"].entries, (std::vector<std::string>{"2026年", "2027年"}));
    EXPECT_EQ(h["Combo2"].entries.size(), 12u);
    EXPECT_EQ(h["Combo2"].entries.front(), "1月");
    EXPECT_EQ(h["Combo3"].entries.size(), 28u);
    EXPECT_EQ(h["Combo4"].entries.size(), 24u);
    EXPECT_EQ(h["Combo5"].entries.size(), 60u);
    EXPECT_EQ(h["Combo6"].entries.back(), "59秒");
    EXPECT_EQ(h["Combo3"].text, "14日");

    // A reset later refills the lists from the clock without duplicates.
    h.clock.Set({2028, 2, 1, 23, 59, 58});
    h.Choose("Combo4", "3时");
    h.frm.ResetSelectors();
    EXPECT_EQ(h["Combo1"].entries, (std::vector<std::string>{"2028年", "2029年"}));
    EXPECT_EQ(h["Combo3"].entries.size(), 29u);
    EXPECT_EQ(h["Combo4"].entries.size(), 24u);
    EXPECT_EQ(h["Label1"].text, "设定关机时间：2028年2月1日23时59分58秒");
    EXPECT_EQ(h.frm.State().SetHour, 23);
}

TEST(Selectors, DayIsClampedToTheMonthAndNotRaisedBack) {
    MainWindowHarness h;
    h.LoadAt({2026, 1, 31, 12, 0, 0});
    h.Choose("Combo2", "2月");
    EXPECT_EQ(h["Combo3"].entries.size(), 28u);
    EXPECT_EQ(h["Combo3"].text, "28日");
    EXPECT_EQ(h.frm.State().SetDay, 28);

    h.Choose("Combo2", "3月");
    EXPECT_EQ(h["Combo3"].entries.size(), 31u);
    EXPECT_EQ(h["Combo3"].text, "28日");
    EXPECT_EQ(h["Label1"].text, "设定关机时间：2026年3月28日12时0分0秒");
}

TEST(Selectors, TwentyNinthOfFebruaryFollowsTheYear) {
    MainWindowHarness h;
    h.LoadAt({2028, 2, 29, 10, 0, 0});
    EXPECT_EQ(h["Combo3"].entries.size(), 29u);
    h.Choose("Combo1", "2029年");
    EXPECT_EQ(h.frm.State().SetYear, 2029);
    EXPECT_EQ(h["Combo3"].entries.size(), 28u);
    EXPECT_EQ(h["Combo3"].text, "28日");
    EXPECT_EQ(h["Label1"].text, "设定关机时间：2029年2月28日10时0分0秒");
}

TEST(Selectors, ChoosingEntriesUpdatesFieldsAndLabel) {
    MainWindowHarness h;
    h.LoadAt({2026, 12, 6, 8, 5, 3});
    h.Choose("Combo1", "2027年");
    h.Choose("Combo2", "1月");
    h.Choose("Combo3", "1日");
    h.Choose("Combo4", "0时");
    h.Choose("Combo5", "0分");
    h.Choose("Combo6", "0秒");
    EXPECT_EQ(h["Label1"].text, "设定关机时间：2027年1月1日0时0分0秒");
    const ScheduleState& s = h.frm.State();
    EXPECT_EQ(s.SetYear, 2027);
    EXPECT_EQ(s.SetMonth, 1);
    EXPECT_EQ(s.SetDay, 1);
    EXPECT_EQ(s.SetHour, 0);
    EXPECT_EQ(s.SetMinute, 0);
    EXPECT_EQ(s.SetSecond, 0);
}

TEST(Selectors, TypedTextShowsInTheLabelAndIsReplacedInTheDayField) {
    MainWindowHarness h;
    h.LoadAt({2026, 12, 6, 8, 5, 3});
    h["Combo3"].text = "abc";
    h.Choose("Combo4", "9时");
    EXPECT_EQ(h["Label1"].text, "设定关机时间：2026年12月abc9时5分3秒");
    h.Choose("Combo2", "11月");
    EXPECT_EQ(h["Combo3"].text, "6日");
}

TEST(Selectors, GarbageInAnotherFieldDoesNotBreakChoosingAYear) {
    MainWindowHarness h;
    h.LoadAt({2026, 3, 31, 8, 0, 0});
    h["Combo2"].text = "abc"; // typed over the month
    h.Choose("Combo1", "2027年");
    EXPECT_EQ(h.frm.State().SetYear, 2027);
    EXPECT_EQ(h.frm.State().SetMonth, 3); // the last good month stays
    EXPECT_EQ(h["Combo3"].entries.size(), 31u);

    h["Combo2"].text = "13月";
    h.frm.Combo2_Click();
    EXPECT_EQ(h.frm.State().SetMonth, 3);
    h["Combo2"].text = "";
    h.frm.Combo2_Click();
    EXPECT_EQ(h.frm.State().SetMonth, 3);
    EXPECT_EQ(h["Label1"].text, "设定关机时间：2027年31日8时0分0秒");
}

} // namespace
} // namespace tarvenel::test
