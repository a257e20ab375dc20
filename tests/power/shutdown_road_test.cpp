// The whole road from arming to the power request, main window and countdown
// dialog together, on a fake clock, with the launcher that loads the dialogs.
#include <gtest/gtest.h>

#include "app/version.h"
#include "support/countdown_harness.h"
#include "support/main_window_harness.h"

namespace tarvenel::test {
namespace {

struct ShutdownRoad : testing::Test {
    MainWindowHarness m;
    FakePowerRequester power;
    FakeDialogs dialogs; // the countdown's own messages
    int made = 0;
    CountdownLauncher launcher{{power, dialogs}, [this] {
                                   ++made;
                                   return std::make_unique<FakeCountdownDialog>();
                               }};
    int firedAt = -1;
    int now = 0;        // seconds since arming
    int sinceShown = 0; // seconds since the dialog was loaded

    void SetUp() override {
        launcher.SetRestoreTimer(m.Timer2);
        m.countdown.onShow = [this] {
            firedAt = now;
            sinceShown = 0;
            launcher.Show();
        };
        m.countdown.onClose = [this] { launcher.Close(); };
        m.settings.Seed("MsgOK", "0");
        m.LoadAt({2026, 12, 7, 10, 0, 0});
        m["Combo5"].text = "0分";
        m["Combo6"].text = "40秒";
        m.frm.ArmSchedule();
    }

    FakeCountdownDialog* Dialog() const {
        return static_cast<FakeCountdownDialog*>(launcher.Current());
    }

    // One second of the message loop: the main clock, the dialog's timer, and
    // the restore timer once the dialog has gone.
    void Advance(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            ++now;
            m.clock.Advance(1);
            if (m.ClockRunning())
                m.frm.ClockTick();
            if (FakeCountdownDialog* dialog = Dialog()) {
                if (++sinceShown % 2 == 0 && dialog->Timer1.enabled)
                    launcher.Logic()->Timer1_Timer();
            }
            if (m.Timer2.Enabled())
                m.frm.RestoreAfterCancel();
        }
    }

    // The user restores the window from the icon and presses 取 消.
    void CancelInTheMainWindow() {
        m.frm.NotifyIcon_Click();
        ASSERT_TRUE(m.form.Visible());
        ASSERT_TRUE(m["XPButton2"].enabled);
        m.frm.CancelSchedule();
    }

    void ExpectRestored() {
        EXPECT_EQ(Dialog(), nullptr);
        EXPECT_TRUE(m.form.Visible());
        EXPECT_FALSE(m.frm.State().IsArmed);
        EXPECT_TRUE(m["XPButton1"].enabled);
        EXPECT_FALSE(m["Image1"].visible);
        EXPECT_TRUE(m.ClockRunning());
        EXPECT_FALSE(m.Timer2.Enabled());
        const std::string before = m["Label0"].text;
        Advance(1);
        EXPECT_NE(m["Label0"].text, before); // the clock runs again
        EXPECT_TRUE(power.requests.empty());
        // Nothing is requested later either.
        Advance(30);
        EXPECT_TRUE(power.requests.empty());
    }
};

TEST_F(ShutdownRoad, WithoutInputThePowerGoesOff22SecondsAfterFiring) {
    EXPECT_TRUE(m.notifyIcon.present);
    EXPECT_EQ(m.notifyIcon.tip, TitleWithVersion() + "\r\n设定关机时间：2026年12月7日10时0分40秒");
    EXPECT_FALSE(m.form.Visible());

    Advance(40);
    ASSERT_NE(Dialog(), nullptr);
    EXPECT_EQ(firedAt, 40);
    EXPECT_TRUE(Dialog()->presented);
    EXPECT_EQ(Dialog()->Label1.caption, "10");
    Advance(20);
    EXPECT_EQ(Dialog()->Label1.caption, "0");
    EXPECT_TRUE(power.requests.empty());
    Advance(2);
    EXPECT_EQ(power.requests, std::vector<PowerAction>{PowerAction::ForcePowerOff});
    EXPECT_FALSE(m.form.Visible());
}

TEST_F(ShutdownRoad, EveryWayToCancelWhileCountingRestoresTheMainWindow) {
    const struct {
        const char* name;
        void (*cancel)(ShutdownRoad&);
    } ways[] = {
        {"button", [](ShutdownRoad& t) { t.launcher.Logic()->Command1_Click(); }},
        {"Escape", [](ShutdownRoad& t) { t.launcher.Logic()->Form_KeyDown(27, 0); }},
        {"close box", [](ShutdownRoad& t) { t.Dialog()->form.Unload(); }},
        {"main window", [](ShutdownRoad& t) { t.CancelInTheMainWindow(); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        if (!m.frm.State().IsArmed) {
            m["Combo4"].text = std::to_string(m.clock.Now().hour + 1) + "时";
            m.frm.ArmSchedule();
        }
        while (!Dialog() && now < 20000)
            Advance(1);
        ASSERT_NE(Dialog(), nullptr);
        Advance(5);
        way.cancel(*this);
        EXPECT_EQ(Dialog(), nullptr); // closed at once
        Advance(1);
        ExpectRestored();
    }
}

TEST_F(ShutdownRoad, EscapeAtZeroRestoresTheMainWindow) {
    Advance(60);
    ASSERT_EQ(Dialog()->Label1.caption, "0");
    launcher.Logic()->Form_KeyDown(27, 0);
    Advance(1);
    ExpectRestored();
}

TEST_F(ShutdownRoad, EscapeAfterFiringRestoresTheMainWindow) {
    Advance(62);
    ASSERT_EQ(Dialog()->Command1.caption, "再见！");
    power.requests.clear();
    launcher.Logic()->Form_KeyDown(27, 0);
    Advance(1);
    ExpectRestored();
}

TEST_F(ShutdownRoad, TheMainWindowsCancelAfterFiringClosesTheGoodbyeDialog) {
    // The request went out but the machine stayed up: the user comes back
    // through the icon and cancels; the dialog must not linger.
    Advance(62);
    ASSERT_EQ(Dialog()->Command1.caption, "再见！");
    power.requests.clear();
    CancelInTheMainWindow();
    ExpectRestored();
}

TEST_F(ShutdownRoad, ARefusedShutdownComesBackDisarmed) {
    power.answer = {false, "拒绝访问。"};
    Advance(62);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    power.requests.clear();
    Advance(1);
    ExpectRestored();
}

TEST_F(ShutdownRoad, AFiringWhileAStaleDialogIsLoadedStartsAFreshCountdown) {
    Advance(62);
    ASSERT_EQ(Dialog()->Command1.caption, "再见！");
    ASSERT_EQ(power.requests.size(), 1u);
    launcher.Show(); // the next firing
    ASSERT_NE(Dialog(), nullptr);
    EXPECT_EQ(made, 2);
    EXPECT_EQ(Dialog()->Label1.caption, "10");
    EXPECT_EQ(Dialog()->Command1.caption, "取消关机");
    EXPECT_TRUE(Dialog()->Command1.enabled);
    EXPECT_TRUE(Dialog()->Timer1.enabled);
    EXPECT_FALSE(m.Timer2.Enabled()); // the old one went without its unload handler
    sinceShown = 0;
    Advance(22);
    EXPECT_EQ(power.requests.size(), 2u); // a second request of its own
}

TEST_F(ShutdownRoad, ASecondArmingCountsFromTenAgain) {
    Advance(45);
    launcher.Logic()->Command1_Click();
    Advance(1);
    m["Combo4"].text = "11时";
    m.frm.ArmSchedule();
    ASSERT_TRUE(m.frm.State().IsArmed);
    // The icon's tip names the new target.
    EXPECT_EQ(m.notifyIcon.tip, TitleWithVersion() + "\r\n设定关机时间：2026年12月7日11时0分40秒");
    while (!Dialog() && now < 4000)
        Advance(1);
    ASSERT_NE(Dialog(), nullptr);
    EXPECT_EQ(firedAt, 3640);
    EXPECT_EQ(Dialog()->Label1.caption, "10");
    EXPECT_EQ(made, 2);
    // Nothing of the whole road, arming, cancelling and firing, is stored.
    Advance(30);
    ASSERT_EQ(power.requests.size(), 1u);
    EXPECT_EQ(m.settings.writes, 0);
}

} // namespace
} // namespace tarvenel::test
