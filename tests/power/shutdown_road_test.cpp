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
                                   return MakeTestDialog();
                               }};
    int firedAt = -1;
    int now = 0; // seconds since arming

    void SetUp() override {
        launcher.SetRestoreTimer(m.Timer2);
        m.countdown.onShow = [this] {
            firedAt = now;
            launcher.Show();
        };
        m.countdown.onClose = [this] { launcher.Close(); };
        m.settings.Seed("MsgOK", "0");
        m.LoadAt({2026, 12, 7, 10, 0, 0});
        m["Combo5"].text = "0分";
        m["Combo6"].text = "40秒";
        m.frm.ArmSchedule();
    }

    CountdownDialog* Dialog() const { return launcher.Current(); }
    // A control of the loaded countdown dialog by its form name.
    FakeNativeForm::Control& InDialog(const std::string& name) const {
        return NativeOf(*Dialog()).Named(name);
    }

    // The user on the countdown dialog: its cancel button; Escape.
    void ClickCancel() {
        FakeNativeForm& dialog = NativeOf(*Dialog());
        dialog.Send({dialog.Find("Command1"), FormEventKind::Clicked});
    }
    void Escape() { NativeOf(*Dialog()).Send({kForm, FormEventKind::KeyDown, 0, 0, 0, 0, 27}); }

    // Seconds of the message loop: the main window's timers (its clock line,
    // the restore after a cancel), then the dialog's.
    void Advance(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            ++now;
            m.clock.Advance(1);
            m.native.Advance(1000);
            if (CountdownDialog* dialog = Dialog())
                NativeOf(*dialog).Advance(1000);
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
    EXPECT_TRUE(NativeOf(*Dialog()).window.visible); // shown, on top, on its cancel button
    EXPECT_TRUE(NativeOf(*Dialog()).onTop);
    EXPECT_EQ(NativeOf(*Dialog()).focus, NativeOf(*Dialog()).Find("Command1"));
    EXPECT_EQ(InDialog("Label1").text, "10");
    Advance(20);
    EXPECT_EQ(InDialog("Label1").text, "0");
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
        {"button", [](ShutdownRoad& t) { t.ClickCancel(); }},
        {"Escape", [](ShutdownRoad& t) { t.Escape(); }},
        {"close box",
         [](ShutdownRoad& t) {
             NativeOf(*t.Dialog()).Send({kForm, FormEventKind::Close});
         }},
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
    ASSERT_EQ(InDialog("Label1").text, "0");
    Escape();
    Advance(1);
    ExpectRestored();
}

TEST_F(ShutdownRoad, EscapeAfterFiringRestoresTheMainWindow) {
    Advance(62);
    ASSERT_EQ(InDialog("Command1").text, "再见！");
    power.requests.clear();
    Escape();
    Advance(1);
    ExpectRestored();
}

TEST_F(ShutdownRoad, TheMainWindowsCancelAfterFiringClosesTheGoodbyeDialog) {
    // The request went out but the machine stayed up: the user comes back
    // through the icon and cancels; the dialog must not linger.
    Advance(62);
    ASSERT_EQ(InDialog("Command1").text, "再见！");
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
    ASSERT_EQ(InDialog("Command1").text, "再见！");
    ASSERT_EQ(power.requests.size(), 1u);
    launcher.Show(); // the next firing
    ASSERT_NE(Dialog(), nullptr);
    EXPECT_EQ(made, 2);
    EXPECT_EQ(InDialog("Label1").text, "10");
    EXPECT_EQ(InDialog("Command1").text, "取消关机");
    EXPECT_TRUE(InDialog("Command1").enabled);
    EXPECT_TRUE(Dialog()->Controls().Timer1.Enabled());
    EXPECT_FALSE(m.Timer2.Enabled()); // the old one went without its unload handler
    Advance(22);
    EXPECT_EQ(power.requests.size(), 2u); // a second request of its own
}

TEST_F(ShutdownRoad, ASecondArmingCountsFromTenAgain) {
    Advance(45);
    ClickCancel();
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
    EXPECT_EQ(InDialog("Label1").text, "10");
    EXPECT_EQ(made, 2);
    // Nothing of the whole road, arming, cancelling and firing, is stored.
    Advance(30);
    ASSERT_EQ(power.requests.size(), 1u);
    EXPECT_EQ(m.settings.writes, 0);
}

} // namespace
} // namespace tarvenel::test
