// The whole road from arming to the power request, main window and countdown
// dialog together, on a fake clock.
#include <gtest/gtest.h>

#include "support/countdown_harness.h"
#include "support/main_window_harness.h"

namespace tarvenel::test {
namespace {

struct ShutdownRoad : testing::Test {
    MainWindowHarness m;
    CountdownHarness d{m.Timer2};
    bool dialogOpen = false;
    int firedAt = -1;
    int now = 0; // seconds since arming

    void SetUp() override {
        m.countdown.onShow = [this] {
            dialogOpen = true;
            firedAt = now;
            d.form.visible = true;
            d.form.unloaded = false;
            d.elapsed = 0;
            d.frm.Form_Load();
        };
        d.form.onUnload = [this] {
            dialogOpen = false;
            d.frm.Form_Unload();
        };
        m.settings.Seed("MsgOK", "0");
        m.LoadAt({2026, 12, 7, 10, 0, 0});
        m.Combo5.text = "0分";
        m.Combo6.text = "40秒";
        m.frm.ArmSchedule();
    }

    // One second of the message loop: the main clock, the dialog's timer, and
    // the restore timer once the dialog has gone.
    void Advance(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            ++now;
            m.clock.Advance(1);
            if (m.Timer1.enabled)
                m.frm.ClockTick();
            if (dialogOpen)
                d.Run(1);
            if (m.Timer2.enabled)
                m.frm.RestoreAfterCancel();
        }
    }

    void ExpectRestored() {
        EXPECT_FALSE(dialogOpen);
        EXPECT_TRUE(m.form.visible);
        EXPECT_FALSE(m.frm.State().IsArmed);
        EXPECT_TRUE(m.XPButton1.enabled);
        EXPECT_FALSE(m.Image1.visible);
        EXPECT_TRUE(m.Timer1.enabled);
        EXPECT_FALSE(m.Timer2.enabled);
        const std::string before = m.Label0.caption;
        Advance(1);
        EXPECT_NE(m.Label0.caption, before); // the clock runs again
        EXPECT_TRUE(d.system.calls.empty());
    }
};

TEST_F(ShutdownRoad, WithoutInputThePowerGoesOff22SecondsAfterFiring) {
    EXPECT_TRUE(m.notifyIcon.present);
    EXPECT_EQ(m.notifyIcon.tip, "Tarvenel 1.5.0\r\n设定关机时间：2026年12月7日10时0分40秒");
    EXPECT_FALSE(m.form.visible);

    Advance(40);
    ASSERT_TRUE(dialogOpen);
    EXPECT_EQ(firedAt, 40);
    EXPECT_EQ(d.Label1.caption, "10");
    Advance(20);
    EXPECT_EQ(d.Label1.caption, "0");
    EXPECT_TRUE(d.system.calls.empty());
    Advance(2);
    ASSERT_EQ(d.system.calls.size(), 6u);
    EXPECT_EQ(d.system.calls.front(), "ClearLastError");
    EXPECT_EQ(d.system.calls.back(), "ExitWindows 13 4294967295");
    EXPECT_FALSE(m.form.visible);
}

TEST_F(ShutdownRoad, TheCancelButtonRestoresTheMainWindow) {
    Advance(45);
    ASSERT_TRUE(dialogOpen);
    d.frm.Command1_Click();
    Advance(1);
    ExpectRestored();
}

TEST_F(ShutdownRoad, EscapeAtZeroRestoresTheMainWindow) {
    Advance(60);
    ASSERT_EQ(d.Label1.caption, "0");
    d.frm.Form_KeyDown(27, 0);
    Advance(1);
    ExpectRestored();
}

TEST_F(ShutdownRoad, TheCloseBoxWhileCountingRestoresTheMainWindow) {
    Advance(50);
    d.CloseBox();
    Advance(1);
    ExpectRestored();
}

TEST_F(ShutdownRoad, EscapeAfterFiringRestoresTheMainWindow) {
    d.system.refuse = {true, ""};
    Advance(62);
    ASSERT_EQ(d.Command1.caption, "再见！");
    d.system.calls.clear();
    d.frm.Form_KeyDown(27, 0);
    Advance(1);
    ExpectRestored();
}

TEST_F(ShutdownRoad, ARefusedShutdownComesBackDisarmed) {
    d.system.refuse = {false, "拒绝访问。"};
    Advance(62);
    ASSERT_EQ(d.dialogs.shown.size(), 1u);
    d.system.calls.clear();
    Advance(1);
    ExpectRestored();
}

TEST_F(ShutdownRoad, ASecondArmingCountsFromTenAgain) {
    Advance(45);
    d.frm.Command1_Click();
    Advance(1);
    m.Combo4.text = "11时";
    m.frm.ArmSchedule();
    ASSERT_TRUE(m.frm.State().IsArmed);
    while (!dialogOpen && now < 4000)
        Advance(1);
    ASSERT_TRUE(dialogOpen);
    EXPECT_EQ(firedAt, 3640);
    EXPECT_EQ(d.Label1.caption, "10");
}

} // namespace
} // namespace tarvenel::test
