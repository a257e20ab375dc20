#include <gtest/gtest.h>

#include "app/version.h"
#include "support/main_window_harness.h"

namespace tarvenel::test {
namespace {

constexpr CivilDateTime kSevenAm{2026, 12, 7, 7, 0, 0};

TEST(LoadSequence, EmptyStoreGivesTheDefaults) {
    MainWindowHarness h;
    h.LoadAt({2026, 12, 6, 8, 5, 3});

    EXPECT_TRUE(h["Check2"].checked);
    EXPECT_FALSE(h["Check3"].checked);
    EXPECT_FALSE(h["Check4"].checked);
    EXPECT_EQ(h.frm.State().MsgOKFlag, 1);
    EXPECT_EQ(h["Combo7"].text, "23时");
    EXPECT_EQ(h["Combo8"].text, "59分");
    EXPECT_EQ(h["Combo9"].text, "59秒");
    EXPECT_EQ(h["Combo7"].entries.size(), 24u);
    EXPECT_EQ(h["Combo8"].entries.front(), "0分");
    EXPECT_EQ(h["Combo9"].entries.back(), "59秒");
    EXPECT_EQ(h["Label0"].text, "当前电脑时间：2026年12月6日8时5分3秒");
    EXPECT_EQ(h["Label1"].text, "设定关机时间：2026年12月6日8时5分3秒");
    EXPECT_EQ(h.form.Caption(), TitleWithVersion());
    EXPECT_TRUE(h.form.Visible());
    EXPECT_EQ(h.form.Width(), 5640);
    EXPECT_EQ(h.form.Height(), 3240);
    EXPECT_FALSE(h.frm.State().IsArmed);
    EXPECT_TRUE(h.ClockRunning());
    EXPECT_FALSE(h.Timer2.Enabled());
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_EQ(h.settings.writes, 0); // reading the options writes nothing back
    EXPECT_FALSE(h["LbBR"].text.empty());
}

TEST(LoadSequence, CentresTheWindowWithTruncatingHalves) {
    MainWindowHarness h;
    h.screen.width = 1366 * 15 + 1;
    h.screen.height = 768 * 15;
    h.LoadAt(kSevenAm);
    h.frm.Form_Resize(); // the window goes where the load put it
    EXPECT_EQ(h.Position(), std::pair((1366 * 15 + 1 - 5640) / 2, (768 * 15 - 3240) / 2));

    // The primary monitor right of another one: centred on it, and the
    // resize keeps it there.
    MainWindowHarness right;
    right.screen.left = 1920 * 15;
    right.screen.top = -120 * 15;
    right.screen.width = 1366 * 15;
    right.screen.height = 768 * 15;
    right.LoadAt(kSevenAm);
    right.frm.Form_Resize();
    EXPECT_EQ(right.Position(),
              std::pair(1920 * 15 + (1366 * 15 - 5640) / 2, -120 * 15 + (768 * 15 - 3240) / 2));
}

TEST(LoadSequence, MissingAndEmptyMsgOKDiffer) {
    MainWindowHarness missing;
    missing.LoadAt(kSevenAm);
    EXPECT_EQ(missing.frm.State().MsgOKFlag, 1);

    MainWindowHarness empty;
    empty.settings.Seed("MsgOK", "");
    empty.LoadAt(kSevenAm);
    EXPECT_EQ(empty.frm.State().MsgOKFlag, 0);
    EXPECT_FALSE(empty["Check2"].checked);
}

TEST(LoadSequence, RepairsTheDefaultTime) {
    struct Case {
        const char* h;
        const char* m;
        const char* s;
        int hour, minute, second;
    };
    for (const Case& c : {Case{"24", "60", "x", 23, 59, 0}, Case{"-1", "-5", "59", 23, 59, 59},
                          Case{"x", "0", "", 0, 0, 0}, Case{"8", "30", "0", 8, 30, 0}}) {
        MainWindowHarness h;
        h.settings.Seed("GuDingH", c.h);
        h.settings.Seed("GuDingM", c.m);
        h.settings.Seed("GuDingS", c.s);
        h.LoadAt(kSevenAm);
        EXPECT_EQ(h.frm.State().GuDingHour, c.hour) << c.h;
        EXPECT_EQ(h.frm.State().GuDingMinute, c.minute) << c.m;
        EXPECT_EQ(h.frm.State().GuDingSecond, c.second) << c.s;
        EXPECT_EQ(h["Combo7"].text, std::to_string(c.hour) + "时");
        EXPECT_EQ(h["Combo7"].entries.at(c.hour), h["Combo7"].text); // the entry is chosen
    }
}

TEST(LoadSequence, OtherFlagNumbersCountAsOff) {
    MainWindowHarness h;
    h.settings.Seed("AutoOK", "2");
    h.settings.Seed("MsgOK", "40000"); // out of range: stays 0
    h.LoadAt(kSevenAm);
    EXPECT_EQ(h.frm.State().AutoOKFlag, 2);
    EXPECT_FALSE(h["Check3"].checked);
    EXPECT_FALSE(h.frm.State().IsArmed);
    EXPECT_EQ(h.notifyIcon.adds, 0);
    EXPECT_EQ(h.frm.State().MsgOKFlag, 0);
}

TEST(LoadSequence, CopiesThePresetDefaultTimeIntoTodaysTarget) {
    MainWindowHarness h;
    h.settings.Seed("GuDingTime", "1");
    h.settings.Seed("GuDingH", "8");
    h.settings.Seed("GuDingM", "30");
    h.settings.Seed("GuDingS", "0");
    h.LoadAt(kSevenAm);

    EXPECT_TRUE(h["Check4"].checked);
    EXPECT_EQ(h["Combo4"].text, "8时");
    EXPECT_EQ(h["Combo5"].text, "30分");
    EXPECT_EQ(h["Combo6"].text, "0秒");
    EXPECT_EQ(h["Label1"].text, "设定关机时间：2026年12月7日8时30分0秒");
    EXPECT_EQ(h.frm.State().SetHour, 8);
    EXPECT_EQ(h.frm.State().SetMinute, 30);
    EXPECT_EQ(h.frm.State().SetSecond, 0);
    EXPECT_EQ(h.frm.State().SetDay, 7);
}

TEST(LoadSequence, AutomaticArmingOfAPastDefaultTimeIsRefused) {
    MainWindowHarness h;
    h.settings.Seed("GuDingTime", "1");
    h.settings.Seed("GuDingH", "8");
    h.settings.Seed("GuDingM", "30");
    h.settings.Seed("GuDingS", "0");
    h.settings.Seed("AutoOK", "1");
    h.LoadAt({2026, 12, 7, 9, 0, 0});

    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].text, "设定的关机时间必须在当前时间30秒以后！");
    EXPECT_EQ(h.dialogs.shown[0].style, 0);
    EXPECT_EQ(h.dialogs.shown[0].caption, "Tarvenel");
    EXPECT_FALSE(h.frm.State().IsArmed);
    EXPECT_TRUE(h.form.Visible());
    EXPECT_TRUE(h["XPButton1"].enabled);
    EXPECT_EQ(h.Focused(), "XPButton1");
}

TEST(LoadSequence, AutomaticArmingOfAFutureTargetHidesTheWindowAfterTheMessage) {
    MainWindowHarness h;
    h.settings.Seed("GuDingTime", "1");
    h.settings.Seed("GuDingH", "8");
    h.settings.Seed("GuDingM", "30");
    h.settings.Seed("GuDingS", "0");
    h.settings.Seed("AutoOK", "1");
    bool visibleDuringMessage = false;
    h.dialogs.onShow = [&](const ShownMessage&) { visibleDuringMessage = h.form.Visible(); };
    h.LoadAt(kSevenAm);

    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].text,
              "定时关机时间已经设置成功！\r\n(关机时间：2026/12/7 8:30:00)\r\n"
              "程序窗口将最小化在通知区域图标。");
    EXPECT_TRUE(visibleDuringMessage);
    EXPECT_TRUE(h.frm.State().IsArmed);
    EXPECT_FALSE(h.form.Visible());
    EXPECT_TRUE(h.notifyIcon.present);
}

TEST(LoadSequence, AutomaticArmingWithoutTheMessageGoesStraightToTheIcon) {
    MainWindowHarness h;
    for (const auto& [key, value] :
         {std::pair{"GuDingTime", "1"}, {"GuDingH", "8"}, {"AutoOK", "1"}, {"MsgOK", "0"}})
        h.settings.Seed(key, value);
    h.LoadAt(kSevenAm);
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_TRUE(h.frm.State().IsArmed);
    EXPECT_FALSE(h.form.Visible());
    EXPECT_TRUE(h.notifyIcon.present);
}

TEST(LoadSequence, TheFirstBoxShowsWhetherTheSystemStartsThisProgram) {
    for (bool on : {true, false}) {
        MainWindowHarness h;
        h.startup.on = on;
        h.LoadAt(kSevenAm);
        EXPECT_EQ(h["Check1"].checked, on);
    }
}

TEST(LoadSequence, AFailingStepIsSkippedAndTheRestRuns) {
    MainWindowHarness h;
    h.settings.throwReads = true;
    h.LoadAt(kSevenAm);
    // Every setting failed: the fields keep their initial 0.
    EXPECT_EQ(h.frm.State().MsgOKFlag, 0);
    EXPECT_EQ(h.frm.State().GuDingHour, 0);
    EXPECT_EQ(h["Combo7"].text, "0时");
    // Everything else still happened.
    EXPECT_EQ(h["Label1"].text, "设定关机时间：2026年12月7日7时0分0秒");
    EXPECT_TRUE(h.form.Visible());
}

} // namespace
} // namespace tarvenel::test
