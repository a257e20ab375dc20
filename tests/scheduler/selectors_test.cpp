#include <gtest/gtest.h>

#include "support/main_window_harness.h"

namespace tarvenel::test {
namespace {

int IndexOf(const FakeComboBox& combo, const std::string& text) {
    for (int i = 0; i < combo.ListCount(); ++i)
        if (combo.List(i) == text)
            return i;
    ADD_FAILURE() << "no entry " << text;
    return 0;
}

void Choose(FakeComboBox& combo, const std::string& text) {
    combo.Choose(IndexOf(combo, text));
}

TEST(Selectors, ResetFillsTheListsWithNow) {
    MainWindowHarness h;
    h.LoadAt({2026, 2, 14, 8, 5, 3});
    EXPECT_EQ(h.Combo1.items, (std::vector<std::string>{"2026年", "2027年"}));
    EXPECT_EQ(h.Combo2.items.size(), 12u);
    EXPECT_EQ(h.Combo2.items.front(), "1月");
    EXPECT_EQ(h.Combo3.items.size(), 28u);
    EXPECT_EQ(h.Combo4.items.size(), 24u);
    EXPECT_EQ(h.Combo5.items.size(), 60u);
    EXPECT_EQ(h.Combo6.items.back(), "59秒");
    EXPECT_EQ(h.Combo3.text, "14日");

    // A reset later refills the lists from the clock without duplicates.
    h.clock.Set({2028, 2, 1, 23, 59, 58});
    Choose(h.Combo4, "3时");
    h.frm.ResetSelectors();
    EXPECT_EQ(h.Combo1.items, (std::vector<std::string>{"2028年", "2029年"}));
    EXPECT_EQ(h.Combo3.items.size(), 29u);
    EXPECT_EQ(h.Combo4.items.size(), 24u);
    EXPECT_EQ(h.Label1.caption, "设定关机时间：2028年2月1日23时59分58秒");
    EXPECT_EQ(h.frm.State().SetHour, 23);
}

TEST(Selectors, DayIsClampedToTheMonthAndNotRaisedBack) {
    MainWindowHarness h;
    h.LoadAt({2026, 1, 31, 12, 0, 0});
    Choose(h.Combo2, "2月");
    h.frm.Combo2_Click();
    EXPECT_EQ(h.Combo3.items.size(), 28u);
    EXPECT_EQ(h.Combo3.text, "28日");
    EXPECT_EQ(h.frm.State().SetDay, 28);

    Choose(h.Combo2, "3月");
    h.frm.Combo2_Click();
    EXPECT_EQ(h.Combo3.items.size(), 31u);
    EXPECT_EQ(h.Combo3.text, "28日");
    EXPECT_EQ(h.Label1.caption, "设定关机时间：2026年3月28日12时0分0秒");
}

TEST(Selectors, TwentyNinthOfFebruaryFollowsTheYear) {
    MainWindowHarness h;
    h.LoadAt({2028, 2, 29, 10, 0, 0});
    EXPECT_EQ(h.Combo3.items.size(), 29u);
    Choose(h.Combo1, "2029年");
    h.frm.Combo1_Click();
    EXPECT_EQ(h.frm.State().SetYear, 2029);
    EXPECT_EQ(h.Combo3.items.size(), 28u);
    EXPECT_EQ(h.Combo3.text, "28日");
    EXPECT_EQ(h.Label1.caption, "设定关机时间：2029年2月28日10时0分0秒");
}

TEST(Selectors, ChoosingEntriesUpdatesFieldsAndLabel) {
    MainWindowHarness h;
    h.LoadAt({2026, 12, 6, 8, 5, 3});
    Choose(h.Combo1, "2027年");
    h.frm.Combo1_Click();
    Choose(h.Combo2, "1月");
    h.frm.Combo2_Click();
    Choose(h.Combo3, "1日");
    h.frm.Combo3_Click();
    Choose(h.Combo4, "0时");
    h.frm.Combo4_Click();
    Choose(h.Combo5, "0分");
    h.frm.Combo5_Click();
    Choose(h.Combo6, "0秒");
    h.frm.Combo6_Click();
    EXPECT_EQ(h.Label1.caption, "设定关机时间：2027年1月1日0时0分0秒");
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
    h.Combo3.text = "abc";
    Choose(h.Combo4, "9时");
    h.frm.Combo4_Click();
    EXPECT_EQ(h.Label1.caption, "设定关机时间：2026年12月abc9时5分3秒");
    Choose(h.Combo2, "11月");
    h.frm.Combo2_Click();
    EXPECT_EQ(h.Combo3.text, "6日");
}

TEST(Selectors, GarbageInAnotherFieldDoesNotBreakChoosingAYear) {
    MainWindowHarness h;
    h.LoadAt({2026, 3, 31, 8, 0, 0});
    h.Combo2.text = "abc"; // typed over the month
    Choose(h.Combo1, "2027年");
    h.frm.Combo1_Click();
    EXPECT_EQ(h.frm.State().SetYear, 2027);
    EXPECT_EQ(h.frm.State().SetMonth, 3); // the last good month stays
    EXPECT_EQ(h.Combo3.items.size(), 31u);

    h.Combo2.text = "13月";
    h.frm.Combo2_Click();
    EXPECT_EQ(h.frm.State().SetMonth, 3);
    h.Combo2.text = "";
    h.frm.Combo2_Click();
    EXPECT_EQ(h.frm.State().SetMonth, 3);
    EXPECT_EQ(h.Label1.caption, "设定关机时间：2027年31日8时0分0秒");
}

} // namespace
} // namespace tarvenel::test
