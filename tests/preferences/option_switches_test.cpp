#include <gtest/gtest.h>

#include "support/main_window_harness.h"

namespace tarvenel::test {
namespace {

constexpr CivilDateTime kNoon{2026, 12, 7, 12, 0, 0};

struct Switch {
    const char* name;
    void (FrmMain::*mouseUp)(int, int, float, float);
    const char* key;
    const char* feature;
};

const Switch kSwitches[] = {
    {"Check2", &FrmMain::Check2_MouseUp, "MsgOK", "设定成功确定运行时出现提示"},
    {"Check3", &FrmMain::Check3_MouseUp, "AutoOK", "程序启动后自动开始运行"},
    {"Check4", &FrmMain::Check4_MouseUp, "GuDingTime", "预先设置为默认关机时间"},
};

TEST(OptionSwitches, ReleaseInsideStoresAndConfirmsBothWays) {
    for (const Switch& sw : kSwitches) {
        MainWindowHarness h;
        h.LoadAt(kNoon);
        const bool on = !h[sw.name].checked;

        h.ClickBox(sw.name);
        EXPECT_EQ(h.settings.Stored(sw.key), on ? "1" : "0") << sw.name;
        ASSERT_EQ(h.dialogs.shown.size(), 1u);
        EXPECT_EQ(h.dialogs.shown[0].text,
                  std::string(on ? "已经启用“" : "已经取消“") + sw.feature + "”功能！");
        EXPECT_EQ(h.dialogs.shown[0].style, 0x40);
        EXPECT_EQ(h.dialogs.shown[0].caption, "Tarvenel");

        h.ClickBox(sw.name, 0, 0); // the corner counts as inside
        EXPECT_EQ(h.settings.Stored(sw.key), on ? "0" : "1") << sw.name;
        EXPECT_EQ(h.dialogs.shown.size(), 2u);
    }
}

TEST(OptionSwitches, ReleaseOutsideTheBoxDoesNothing) {
    for (const Switch& sw : kSwitches) {
        MainWindowHarness sized;
        const float width = TwipsToPixels(sized[sw.name].place.width);
        const float height = TwipsToPixels(sized[sw.name].place.height);
        for (auto [x, y] : {std::pair{-1.0f, 5.0f}, std::pair{5.0f, -0.5f},
                            std::pair{width + 1, 5.0f}, std::pair{5.0f, height + 0.5f}}) {
            MainWindowHarness h;
            h.LoadAt(kNoon);
            h.ClickBox(sw.name, x, y);
            EXPECT_EQ(h.settings.writes, 0) << sw.name << " " << x << "," << y;
            EXPECT_TRUE(h.dialogs.shown.empty());
        }
        MainWindowHarness edge;
        edge.LoadAt(kNoon);
        (edge.frm.*sw.mouseUp)(1, 0, width, height); // the far edges are inside
        EXPECT_EQ(edge.settings.writes, 1) << sw.name;
    }
}

TEST(OptionSwitches, RightButtonStoresTheUnchangedStateAgain) {
    MainWindowHarness h;
    h.LoadAt(kNoon);
    ASSERT_TRUE(h["Check2"].checked);
    h.frm.Check2_MouseUp(2, 0, 3, 3); // a right click does not toggle the box
    EXPECT_EQ(h.settings.Stored("MsgOK"), "1");
    EXPECT_EQ(h.LastMessage(), "已经启用“设定成功确定运行时出现提示”功能！");
}

// The keyboard switches a box as a left click does, so that the stored
// option never disagrees with the box.
TEST(OptionSwitches, TheSpaceBarSwitchesLikeALeftClick) {
    MainWindowHarness h;
    h.LoadAt(kNoon);
    h.SpaceOnBox("Check3");
    EXPECT_EQ(h.frm.State().AutoOKFlag, 1);
    EXPECT_EQ(h.settings.Stored("AutoOK"), "1");
    EXPECT_EQ(h.LastMessage(), "已经启用“程序启动后自动开始运行”功能！");
}

TEST(OptionSwitches, MessageFlagDecidesTheConfirmation) {
    MainWindowHarness h;
    h.LoadAt(kNoon);
    h.ClickBox("Check2", 1, 1);
    ASSERT_EQ(h.frm.State().MsgOKFlag, 0);
    h.dialogs.shown.clear();
    h["Combo4"].text = "13时";
    h.frm.ArmSchedule();
    EXPECT_TRUE(h.dialogs.shown.empty()); // straight to the notification area
    EXPECT_FALSE(h.form.Visible());
}

TEST(OptionSwitches, DefaultTimeSwitchCopiesOnlyWhileIdle) {
    MainWindowHarness h;
    h.LoadAt(kNoon);
    h.Choose("Combo7", 5);
    h.Choose("Combo8", 30);
    h.Choose("Combo9", 0);
    h.ClickBox("Check4", 1, 1);
    EXPECT_EQ(h["Combo4"].text, "5时");
    EXPECT_EQ(h["Combo5"].text, "30分");
    EXPECT_EQ(h["Combo6"].text, "0秒");
    EXPECT_EQ(h["Label1"].text, "设定关机时间：2026年12月7日5时30分0秒");
    EXPECT_EQ(h.frm.State().SetHour, 5);
    EXPECT_EQ(h.frm.State().SetYear, 2026);

    // Switching off leaves the selectors alone.
    h.ClickBox("Check4", 1, 1);
    EXPECT_EQ(h["Combo4"].text, "5时");

    // While armed the target is not touched.
    h.settings.Seed("MsgOK", "0");
    h["Combo4"].text = "23时";
    h.frm.ArmSchedule();
    ASSERT_TRUE(h.frm.State().IsArmed);
    h.ClickBox("Check4", 1, 1);
    EXPECT_EQ(h["Combo4"].text, "23时");
    EXPECT_EQ(h.frm.State().SetHour, 23);
    EXPECT_EQ(h.settings.Stored("GuDingTime"), "1");
}

TEST(OptionSwitches, ChoosingADefaultPartStoresItsPosition) {
    MainWindowHarness h;
    h.LoadAt(kNoon);
    h.Choose("Combo7", 5);
    EXPECT_EQ(h.settings.Stored("GuDingH"), "5");
    EXPECT_EQ(h["Combo4"].text, "12时"); // Check4 is clear: the hour selector stays
    EXPECT_TRUE(h.dialogs.shown.empty());

    h["Check4"].checked = true;
    h.Choose("Combo7", 5);
    EXPECT_EQ(h["Combo4"].text, "5时");
    EXPECT_EQ(h.frm.State().SetHour, 5);
    h.Choose("Combo8", 59);
    EXPECT_EQ(h.settings.Stored("GuDingM"), "59");
    EXPECT_EQ(h.frm.State().SetMinute, 59);
    h.Choose("Combo9", 7);
    EXPECT_EQ(h.settings.Stored("GuDingS"), "7");
    EXPECT_EQ(h["Label1"].text, "设定关机时间：2026年12月7日5时59分7秒");
}

TEST(OptionSwitches, AChangedOptionSurvivesARestart) {
    MainWindowHarness first;
    first.LoadAt(kNoon);
    first.ClickBox("Check3", 1, 1);
    first.Choose("Combo8", 15);

    MainWindowHarness second;
    second.settings.values = first.settings.values;
    second.settings.Seed("MsgOK", "0");
    second.LoadAt(kNoon);
    EXPECT_TRUE(second["Check3"].checked);
    EXPECT_EQ(second["Combo8"].text, "15分");
    // Automatic arming was tried at start (and refused: the target is now).
    EXPECT_EQ(second.LastMessage(), "设定的关机时间必须在当前时间30秒以后！");
}

// A store that refuses the write must not be reported as success; the
// option still holds for this run.
TEST(OptionSwitches, AFailedWriteIsReportedAndTheFlagKept) {
    MainWindowHarness h;
    h.LoadAt(kNoon);
    h.settings.failWrites = true;
    h.ClickBox("Check2", 1, 1);
    EXPECT_EQ(h.frm.State().MsgOKFlag, 0);
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].style, 0x30);
    EXPECT_NE(h.dialogs.shown[0].text.find("无法保存"), std::string::npos);
    EXPECT_EQ(h.dialogs.shown[0].text.find("已经"), std::string::npos);

    h.Choose("Combo7", 3);
    ASSERT_EQ(h.dialogs.shown.size(), 2u);
    EXPECT_NE(h.dialogs.shown[1].text.find("默认关机时间"), std::string::npos);
}

} // namespace
} // namespace tarvenel::test
