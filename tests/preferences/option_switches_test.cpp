#include <gtest/gtest.h>

#include "support/main_window_harness.h"

namespace tarvenel::test {
namespace {

constexpr CivilDateTime kNoon{2026, 12, 7, 12, 0, 0};

struct Switch {
    const char* name;
    FakeCheckBox MainWindowHarness::*box;
    void (FrmMain::*mouseUp)(int, int, float, float);
    const char* key;
    const char* feature;
};

const Switch kSwitches[] = {
    {"Check2", &MainWindowHarness::Check2, &FrmMain::Check2_MouseUp, "MsgOK",
     "设定成功确定运行时出现提示"},
    {"Check3", &MainWindowHarness::Check3, &FrmMain::Check3_MouseUp, "AutoOK",
     "程序启动后自动开始运行"},
    {"Check4", &MainWindowHarness::Check4, &FrmMain::Check4_MouseUp, "GuDingTime",
     "预先设置为默认关机时间"},
};

TEST(OptionSwitches, ReleaseInsideStoresAndConfirmsBothWays) {
    for (const Switch& sw : kSwitches) {
        MainWindowHarness h;
        h.LoadAt(kNoon);
        FakeCheckBox& box = h.*sw.box;
        const int before = box.value;

        MainWindowHarness::ClickBox(box);
        (h.frm.*sw.mouseUp)(1, 0, 5, 5);
        const bool on = before == 0;
        EXPECT_EQ(h.settings.Stored(sw.key), on ? "1" : "0") << sw.name;
        ASSERT_EQ(h.dialogs.shown.size(), 1u);
        EXPECT_EQ(h.dialogs.shown[0].text,
                  std::string(on ? "已经启用“" : "已经取消“") + sw.feature + "”功能！");
        EXPECT_EQ(h.dialogs.shown[0].style, 0x40);
        EXPECT_EQ(h.dialogs.shown[0].caption, "Tarvenel");

        MainWindowHarness::ClickBox(box);
        (h.frm.*sw.mouseUp)(1, 0, 0, 0); // the corner counts as inside
        EXPECT_EQ(h.settings.Stored(sw.key), on ? "0" : "1") << sw.name;
        EXPECT_EQ(h.dialogs.shown.size(), 2u);
    }
}

TEST(OptionSwitches, ReleaseOutsideTheBoxDoesNothing) {
    for (const Switch& sw : kSwitches) {
        for (auto [x, y] : {std::pair{-1.0f, 5.0f}, std::pair{5.0f, -0.5f}, std::pair{161.0f, 5.0f},
                            std::pair{5.0f, 20.5f}}) {
            MainWindowHarness h;
            h.LoadAt(kNoon);
            MainWindowHarness::ClickBox(h.*sw.box);
            (h.frm.*sw.mouseUp)(1, 0, x, y);
            EXPECT_EQ(h.settings.writes, 0) << sw.name << " " << x << "," << y;
            EXPECT_TRUE(h.dialogs.shown.empty());
        }
        MainWindowHarness edge;
        edge.LoadAt(kNoon);
        (edge.frm.*sw.mouseUp)(1, 0, 160, 20); // the far edges are inside
        EXPECT_EQ(edge.settings.writes, 1) << sw.name;
    }
}

TEST(OptionSwitches, RightButtonStoresTheUnchangedStateAgain) {
    MainWindowHarness h;
    h.LoadAt(kNoon);
    ASSERT_EQ(h.Check2.value, 1);
    h.frm.Check2_MouseUp(2, 0, 3, 3); // a right click does not toggle the box
    EXPECT_EQ(h.settings.Stored("MsgOK"), "1");
    EXPECT_EQ(h.LastMessage(), "已经启用“设定成功确定运行时出现提示”功能！");
}

TEST(OptionSwitches, KeyboardToggleChangesOnlyTheBox) {
    MainWindowHarness h;
    h.LoadAt(kNoon);
    MainWindowHarness::ClickBox(h.Check3); // space bar: no mouse release
    EXPECT_EQ(h.frm.State().AutoOKFlag, 0);
    EXPECT_EQ(h.settings.writes, 0);
}

TEST(OptionSwitches, MessageFlagDecidesTheConfirmation) {
    MainWindowHarness h;
    h.LoadAt(kNoon);
    MainWindowHarness::ClickBox(h.Check2);
    h.frm.Check2_MouseUp(1, 0, 1, 1);
    ASSERT_EQ(h.frm.State().MsgOKFlag, 0);
    h.dialogs.shown.clear();
    h.Combo4.text = "13时";
    h.frm.ArmSchedule();
    EXPECT_TRUE(h.dialogs.shown.empty()); // straight to the notification area
    EXPECT_FALSE(h.form.visible);
}

TEST(OptionSwitches, DefaultTimeSwitchCopiesOnlyWhileIdle) {
    MainWindowHarness h;
    h.LoadAt(kNoon);
    h.Combo7.Choose(5);
    h.Combo8.Choose(30);
    h.Combo9.Choose(0);
    MainWindowHarness::ClickBox(h.Check4);
    h.frm.Check4_MouseUp(1, 0, 1, 1);
    EXPECT_EQ(h.Combo4.text, "5时");
    EXPECT_EQ(h.Combo5.text, "30分");
    EXPECT_EQ(h.Combo6.text, "0秒");
    EXPECT_EQ(h.Label1.caption, "设定关机时间：2026年12月7日5时30分0秒");
    EXPECT_EQ(h.frm.State().SetHour, 5);
    EXPECT_EQ(h.frm.State().SetYear, 2026);

    // Switching off leaves the selectors alone.
    MainWindowHarness::ClickBox(h.Check4);
    h.frm.Check4_MouseUp(1, 0, 1, 1);
    EXPECT_EQ(h.Combo4.text, "5时");

    // While armed the target is not touched.
    h.settings.Seed("MsgOK", "0");
    h.Combo4.text = "23时";
    h.frm.ArmSchedule();
    ASSERT_TRUE(h.frm.State().IsArmed);
    MainWindowHarness::ClickBox(h.Check4);
    h.frm.Check4_MouseUp(1, 0, 1, 1);
    EXPECT_EQ(h.Combo4.text, "23时");
    EXPECT_EQ(h.frm.State().SetHour, 23);
    EXPECT_EQ(h.settings.Stored("GuDingTime"), "1");
}

TEST(OptionSwitches, ChoosingADefaultPartStoresItsPosition) {
    MainWindowHarness h;
    h.LoadAt(kNoon);
    h.Combo7.Choose(5);
    h.frm.Combo7_Click();
    EXPECT_EQ(h.settings.Stored("GuDingH"), "5");
    EXPECT_EQ(h.Combo4.text, "12时"); // Check4 is clear: the hour selector stays
    EXPECT_TRUE(h.dialogs.shown.empty());

    h.Check4.value = 1;
    h.Combo7.Choose(5);
    h.frm.Combo7_Click();
    EXPECT_EQ(h.Combo4.text, "5时");
    EXPECT_EQ(h.frm.State().SetHour, 5);
    h.Combo8.Choose(59);
    h.frm.Combo8_Click();
    EXPECT_EQ(h.settings.Stored("GuDingM"), "59");
    EXPECT_EQ(h.frm.State().SetMinute, 59);
    h.Combo9.Choose(7);
    h.frm.Combo9_Click();
    EXPECT_EQ(h.settings.Stored("GuDingS"), "7");
    EXPECT_EQ(h.Label1.caption, "设定关机时间：2026年12月7日5时59分7秒");
}

TEST(OptionSwitches, AChangedOptionSurvivesARestart) {
    MainWindowHarness first;
    first.LoadAt(kNoon);
    MainWindowHarness::ClickBox(first.Check3);
    first.frm.Check3_MouseUp(1, 0, 1, 1);
    first.Combo8.Choose(15);
    first.frm.Combo8_Click();

    MainWindowHarness second;
    second.settings.values = first.settings.values;
    second.settings.Seed("MsgOK", "0");
    second.LoadAt(kNoon);
    EXPECT_EQ(second.Check3.value, 1);
    EXPECT_EQ(second.Combo8.text, "15分");
    // Automatic arming was tried at start (and refused: the target is now).
    EXPECT_EQ(second.LastMessage(), "设定的关机时间必须在当前时间30秒以后！");
}

// A store that refuses the write must not be reported as success; the
// option still holds for this run.
TEST(OptionSwitches, AFailedWriteIsReportedAndTheFlagKept) {
    MainWindowHarness h;
    h.LoadAt(kNoon);
    h.settings.failWrites = true;
    MainWindowHarness::ClickBox(h.Check2);
    h.frm.Check2_MouseUp(1, 0, 1, 1);
    EXPECT_EQ(h.frm.State().MsgOKFlag, 0);
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].style, 0x30);
    EXPECT_NE(h.dialogs.shown[0].text.find("无法保存"), std::string::npos);
    EXPECT_EQ(h.dialogs.shown[0].text.find("已经"), std::string::npos);

    h.Combo7.Choose(3);
    h.frm.Combo7_Click();
    ASSERT_EQ(h.dialogs.shown.size(), 2u);
    EXPECT_NE(h.dialogs.shown[1].text.find("默认关机时间"), std::string::npos);
}

} // namespace
} // namespace tarvenel::test
