#include <gtest/gtest.h>

#include "app/version.h"
#include "support/main_window_harness.h"

namespace tarvenel::test {
namespace {

constexpr const char* kTooSoon = "设定的关机时间必须在当前时间30秒以后！";

// Loads at `now` and types the target into the six fields.
void LoadAndTarget(MainWindowHarness& h, CivilDateTime now, CivilDateTime target) {
    h.LoadAt(now);
    h.TypeTarget(target);
}

// What the window shows while armed or idle: which buttons work, where the
// keyboard is, whether the selectors can change, the armed tick.
void ExpectArmed(const MainWindowHarness& h, bool armed) {
    EXPECT_EQ(h.frm.State().IsArmed, armed);
    EXPECT_EQ(h["XPButton1"].enabled, !armed);
    EXPECT_EQ(h["XPButton3"].enabled, !armed);
    EXPECT_EQ(h["XPButton2"].enabled, armed);
    EXPECT_EQ(h.Focused(), armed ? "XPButton2" : "XPButton1");
    for (int list = 1; list <= 9; ++list)
        EXPECT_EQ(h["Combo" + std::to_string(list)].enabled, !armed) << list;
    EXPECT_EQ(h["Image1"].visible, armed);
}

TEST(Arming, TwentyNineSecondsIsRefusedThirtyAccepted) {
    MainWindowHarness refused;
    LoadAndTarget(refused, {2026, 12, 6, 23, 59, 45}, {2026, 12, 7, 0, 0, 14});
    refused.frm.ArmSchedule();
    EXPECT_EQ(refused.LastMessage(), kTooSoon);
    ExpectArmed(refused, false);
    EXPECT_EQ(refused["Label1"].text, "设定关机时间：2026年12月7日0时0分14秒");

    MainWindowHarness accepted;
    accepted.settings.Seed("MsgOK", "0");
    LoadAndTarget(accepted, {2026, 12, 6, 23, 59, 45}, {2026, 12, 7, 0, 0, 15});
    accepted.frm.ArmSchedule();
    EXPECT_TRUE(accepted.dialogs.shown.empty());
    ExpectArmed(accepted, true);
    EXPECT_DOUBLE_EQ(accepted.frm.State().ShutTime, *ToDateTimeValue({2026, 12, 7, 0, 0, 15}));
}

TEST(Arming, NowAndPastTargetsAreRefused) {
    for (CivilDateTime target :
         {CivilDateTime{2026, 12, 7, 10, 0, 0}, CivilDateTime{2026, 12, 6, 10, 0, 0},
          CivilDateTime{2025, 12, 31, 23, 59, 59}}) {
        MainWindowHarness h;
        LoadAndTarget(h, {2026, 12, 7, 10, 0, 0}, target);
        h.frm.ArmSchedule();
        EXPECT_EQ(h.LastMessage(), kTooSoon);
        ExpectArmed(h, false);
    }
}

TEST(Arming, TargetsAcrossMonthAndYearEnds) {
    struct Case {
        CivilDateTime now, target;
    };
    for (const Case& c : {Case{{2026, 1, 31, 23, 59, 30}, {2026, 2, 1, 0, 0, 0}},
                          Case{{2026, 12, 31, 23, 59, 30}, {2027, 1, 1, 0, 0, 0}},
                          Case{{2028, 2, 28, 23, 59, 30}, {2028, 2, 29, 0, 0, 0}}}) {
        MainWindowHarness h;
        h.settings.Seed("MsgOK", "0");
        LoadAndTarget(h, c.now, c.target);
        h.frm.ArmSchedule();
        ExpectArmed(h, true);
    }
}

TEST(Arming, ButtonsShowArmedWhileTheRefusalIsOnScreen) {
    MainWindowHarness h;
    LoadAndTarget(h, {2026, 12, 7, 10, 0, 0}, {2026, 12, 7, 10, 0, 10});
    bool armedLookDuringMessage = false;
    h.dialogs.onShow = [&](const ShownMessage&) {
        armedLookDuringMessage =
            !h["XPButton1"].enabled && h["XPButton2"].enabled && !h.frm.State().IsArmed;
    };
    h.frm.ArmSchedule();
    EXPECT_TRUE(armedLookDuringMessage);
    ExpectArmed(h, false);
}

TEST(Arming, ConfirmationShowsTheGeneralDateTextThenHides) {
    MainWindowHarness h;
    LoadAndTarget(h, {2026, 12, 7, 10, 0, 0}, {2026, 12, 7, 18, 30, 5});
    h.frm.ArmSchedule();
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].text, "定时关机时间已经设置成功！\r\n(关机时间：2026/12/7 "
                                       "18:30:05)\r\n程序窗口将最小化在通知区域图标。");
    EXPECT_EQ(h.dialogs.shown[0].style, 0);
    EXPECT_EQ(h.dialogs.shown[0].caption, "Tarvenel");
    ExpectArmed(h, true);
    EXPECT_FALSE(h.form.Visible());
    EXPECT_EQ(h.notifyIcon.tip, TitleWithVersion() + "\r\n设定关机时间：2026年12月7日18时30分5秒");
}

TEST(Arming, MidnightTargetShowsTheDateAlone) {
    MainWindowHarness h;
    LoadAndTarget(h, {2026, 12, 6, 22, 0, 0}, {2026, 12, 7, 0, 0, 0});
    h.frm.ArmSchedule();
    ASSERT_FALSE(h.dialogs.shown.empty());
    EXPECT_NE(h.dialogs.shown[0].text.find("(关机时间：2026/12/7)"), std::string::npos);
}

TEST(Arming, CancelUnlocksEverythingAndKeepsTheIcon) {
    MainWindowHarness h;
    h.settings.Seed("MsgOK", "0");
    LoadAndTarget(h, {2026, 12, 7, 10, 0, 0}, {2026, 12, 7, 11, 0, 0});
    h.frm.ArmSchedule();
    ASSERT_TRUE(h.frm.State().IsArmed);
    h.form.Show(); // the user restored it from the notification area
    const std::string label = h["Label1"].text;

    h.frm.CancelSchedule();
    ExpectArmed(h, false);
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_TRUE(h.notifyIcon.present);
    EXPECT_TRUE(h.form.Visible());
    EXPECT_EQ(h["Label1"].text, label);
}

TEST(Arming, ANewArmingComposesTheTargetAfresh) {
    MainWindowHarness h;
    h.settings.Seed("MsgOK", "0");
    LoadAndTarget(h, {2026, 12, 7, 10, 0, 0}, {2026, 12, 7, 11, 0, 0});
    h.frm.ArmSchedule();
    h.frm.CancelSchedule();
    h["Combo4"].text = "12时";
    h.frm.ArmSchedule();
    EXPECT_EQ(h.frm.State().SetHour, 12);
    EXPECT_DOUBLE_EQ(h.frm.State().ShutTime, *ToDateTimeValue({2026, 12, 7, 12, 0, 0}));
}

// Typed text that forms no date and time must never crash nor leave the
// window half armed: it is refused like a target that is too soon.
TEST(Arming, UnusableTypedTargetsAreRefusedWithTheirOwnMessage) {
    struct Case {
        const char* list;
        const char* text;
    };
    const Case cases[] = {
        {"Combo5", "abc"},     {"Combo6", ""},
        {"Combo2", "13月"},    {"Combo3", "31日"}, // April
        {"Combo1", "32767年"}, {"Combo1", "99999999999年"},
        {"Combo4", "-1时"},
    };
    for (const Case& c : cases) {
        MainWindowHarness h;
        LoadAndTarget(h, {2026, 4, 1, 10, 0, 0}, {2026, 4, 2, 10, 0, 0});
        h[c.list].text = c.text;
        h.frm.ArmSchedule();
        ASSERT_EQ(h.dialogs.shown.size(), 1u) << c.text;
        EXPECT_NE(h.dialogs.shown[0].text.find("设定的关机时间无效"), std::string::npos);
        EXPECT_EQ(h.dialogs.shown[0].style, 0);
        EXPECT_EQ(h.dialogs.shown[0].caption, "Tarvenel");
        ExpectArmed(h, false);
        EXPECT_EQ(h[c.list].text, c.text); // the selection is kept to correct it
    }
}

TEST(Arming, AFarFutureTargetIsAccepted) {
    MainWindowHarness h;
    h.settings.Seed("MsgOK", "0");
    LoadAndTarget(h, {2026, 4, 1, 10, 0, 0}, {9999, 12, 31, 23, 59, 59});
    h.frm.ArmSchedule();
    ExpectArmed(h, true);
}

TEST(Arming, MinimiseWhileIdleOnlyWarns) {
    MainWindowHarness h;
    h.LoadAt({2026, 4, 1, 10, 0, 0});
    h.frm.Immin_Click();
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].text, "请在设定好关机时间后点击“确定”按钮！");
    EXPECT_EQ(h.dialogs.shown[0].style, 0x30);
    EXPECT_TRUE(h.form.Visible());
    EXPECT_EQ(h.notifyIcon.adds, 0);
}

TEST(Arming, RefusedIconKeepsTheWindowReachable) {
    MainWindowHarness h;
    h.settings.Seed("MsgOK", "0");
    h.notifyIcon.refuse = true;
    LoadAndTarget(h, {2026, 4, 1, 10, 0, 0}, {2026, 4, 1, 11, 0, 0});
    h.frm.ArmSchedule();
    EXPECT_TRUE(h.frm.State().IsArmed);
    EXPECT_TRUE(h.form.Visible());
    EXPECT_EQ(h.native.state, WindowState::Minimised);
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].style, 0x30);
}

TEST(Arming, UnloadRemovesTheIcon) {
    MainWindowHarness h;
    h.settings.Seed("MsgOK", "0");
    LoadAndTarget(h, {2026, 4, 1, 10, 0, 0}, {2026, 4, 1, 11, 0, 0});
    h.frm.ArmSchedule();
    ASSERT_TRUE(h.notifyIcon.present);
    h.frm.Form_QueryUnload();
    EXPECT_FALSE(h.notifyIcon.present);
}

} // namespace
} // namespace tarvenel::test
