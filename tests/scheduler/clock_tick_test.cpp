#include <gtest/gtest.h>

#include "support/main_window_harness.h"

namespace tarvenel::test {
namespace {

// Starts at `now` and arms `ahead` seconds later (without the confirmation).
void ArmAhead(MainWindowHarness& h, CivilDateTime now, int ahead) {
    h.settings.Seed("MsgOK", "0");
    h.LoadAt(now);
    const CivilDateTime t = ToCivil(*ToDateTimeValue(now) + ahead / 86400.0);
    h.TypeTarget(t);
    h.frm.ArmSchedule();
    ASSERT_TRUE(h.frm.State().IsArmed);
}

TEST(ClockTick, FiresInTheTargetSecondNotBefore) {
    MainWindowHarness h;
    ArmAhead(h, {2026, 12, 7, 10, 0, 0}, 40);
    h.RunClock(39);
    EXPECT_EQ(h.countdown.shown, 0); // one second ahead: not yet
    EXPECT_TRUE(h.ClockRunning());
    h.RunClock(1);
    EXPECT_EQ(h.countdown.shown, 1);
    EXPECT_FALSE(h.ClockRunning());
    EXPECT_TRUE(h.frm.State().IsArmed);
    EXPECT_EQ(h["Label0"].text, "当前电脑时间：2026年12月7日10时0分40秒");

    // Fired: the timer is off, so nothing ticks and the line is frozen.
    h.RunClock(5);
    EXPECT_EQ(h.countdown.shown, 1);
    EXPECT_EQ(h["Label0"].text, "当前电脑时间：2026年12月7日10时0分40秒");
}

TEST(ClockTick, FiresAtMidnightAndAtTheEndOfTheYear) {
    MainWindowHarness h;
    ArmAhead(h, {2026, 12, 31, 23, 59, 0}, 60);
    h.RunClock(59);
    EXPECT_EQ(h.countdown.shown, 0);
    h.RunClock(1);
    EXPECT_EQ(h.countdown.shown, 1);
    EXPECT_EQ(h["Label0"].text, "当前电脑时间：2027年1月1日0时0分0秒");
}

TEST(ClockTick, APastTargetFiresOnTheFirstTickThatSeesIt) {
    MainWindowHarness h;
    ArmAhead(h, {2026, 12, 7, 10, 0, 0}, 40);
    h.clock.Advance(3 * 3600); // the machine slept through the target
    h.frm.ClockTick();
    EXPECT_EQ(h.countdown.shown, 1);
}

TEST(ClockTick, ClockSetBackKeepsWaiting) {
    MainWindowHarness h;
    ArmAhead(h, {2026, 12, 7, 10, 0, 0}, 40);
    h.clock.Advance(-3600);
    h.RunClock(100);
    EXPECT_EQ(h.countdown.shown, 0);
}

TEST(ClockTick, IdleTicksNeverFireAnOldTarget) {
    MainWindowHarness h;
    ArmAhead(h, {2026, 12, 7, 10, 0, 0}, 40);
    h.frm.CancelSchedule();
    h.RunClock(120);
    EXPECT_EQ(h.countdown.shown, 0);
    EXPECT_EQ(h["Label0"].text, "当前电脑时间：2026年12月7日10时2分0秒");
}

TEST(ClockTick, WholeRoadIdleArmedFiredRestored) {
    MainWindowHarness h;
    ArmAhead(h, {2026, 12, 7, 10, 0, 0}, 40);
    EXPECT_FALSE(h.form.Visible());
    h.RunClock(40);
    ASSERT_EQ(h.countdown.shown, 1);

    // The countdown is cancelled: it switches Timer2 on and goes away.
    h.Timer2.SetEnabled(true);
    h.frm.RestoreAfterCancel();
    EXPECT_TRUE(h.form.Visible());
    EXPECT_EQ(h.native.state, WindowState::Normal);
    EXPECT_FALSE(h.frm.State().IsArmed);
    EXPECT_TRUE(h["XPButton1"].enabled);
    EXPECT_FALSE(h["XPButton2"].enabled);
    EXPECT_EQ(h.Focused(), "XPButton1");
    EXPECT_FALSE(h["Image1"].visible);
    EXPECT_TRUE(h.ClockRunning());
    EXPECT_FALSE(h.Timer2.Enabled());
    EXPECT_TRUE(h.notifyIcon.present);
    h.RunClock(1);
    EXPECT_EQ(h["Label0"].text, "当前电脑时间：2026年12月7日10时0分41秒");
}

// A countdown that ran out without shutting down leaves Timer1 stopped and no
// restore pending. A new arming must still fire, and the clock must move.
TEST(ClockTick, ArmingAfterAFailedShutdownStillFires) {
    MainWindowHarness h;
    ArmAhead(h, {2026, 12, 7, 10, 0, 0}, 40);
    h.RunClock(40);
    ASSERT_FALSE(h.ClockRunning());

    h.form.Show(); // restored from the notification area
    h.frm.CancelSchedule();
    EXPECT_TRUE(h.ClockRunning());
    h.RunClock(1);
    EXPECT_EQ(h["Label0"].text, "当前电脑时间：2026年12月7日10时0分41秒");

    h["Combo4"].text = "11时";
    h.frm.ArmSchedule();
    ASSERT_TRUE(h.frm.State().IsArmed);
    EXPECT_TRUE(h.ClockRunning());
    h.RunClock(3600);
    EXPECT_EQ(h.countdown.shown, 2);
}

} // namespace
} // namespace tarvenel::test
