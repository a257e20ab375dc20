#include <gtest/gtest.h>

#include "support/countdown_harness.h"

namespace tarvenel::test {
namespace {

struct FrmEndTest : testing::Test {
    FakeTimer mainTimer2{1, false};
    CountdownHarness h{mainTimer2};
};

TEST_F(FrmEndTest, LoadSetsUpTheCountdownOnTop) {
    h.frm.Form_Load();
    EXPECT_EQ(h.form.Width(), 4800);
    EXPECT_EQ(h.form.Height(), 2175);
    EXPECT_EQ(h["Command1"].text, "取消关机");
    EXPECT_EQ(h["Label1"].text, "10");
    EXPECT_TRUE(h.Timer1.Enabled());
    EXPECT_TRUE(h.native.onTop);
}

TEST_F(FrmEndTest, ATopMostFailureIsIgnored) {
    h.native.onTopFails = true;
    h.frm.Form_Load();
    EXPECT_EQ(h["Label1"].text, "10");
    EXPECT_TRUE(h.Timer1.Enabled());
}

TEST_F(FrmEndTest, CountsDownInTwoSecondStepsAndFiresAfter22Seconds) {
    h.frm.Form_Load();
    std::vector<std::string> shown{h["Label1"].text};
    for (int t = 0; t < 10; ++t) {
        h.Run(2);
        shown.push_back(h["Label1"].text);
    }
    EXPECT_EQ(shown,
              (std::vector<std::string>{"10", "9", "8", "7", "6", "5", "4", "3", "2", "1", "0"}));
    EXPECT_TRUE(h.power.requests.empty()); // 20 s: still counting
    h.Run(1);
    EXPECT_TRUE(h.power.requests.empty());
    h.Run(1);
    EXPECT_EQ(h.power.requests, std::vector<PowerAction>{PowerAction::ForcePowerOff});
    EXPECT_FALSE(h["Command1"].enabled);
    EXPECT_EQ(h.form.Caption(), "正在关机…");
    EXPECT_EQ(h["Command1"].text, "再见！");
    EXPECT_FALSE(h.Timer1.Enabled());
    EXPECT_TRUE(h.Loaded()); // the system closes it
    EXPECT_FALSE(mainTimer2.enabled);
    EXPECT_EQ(h.frm.CountDown(), 0);
}

TEST_F(FrmEndTest, EscapeCancelsAtAnyValue) {
    for (int seconds : {0, 2, 10, 20, 21}) {
        FakeTimer restore{1, false};
        CountdownHarness d{restore};
        d.frm.Form_Load();
        d.Run(seconds);
        d.Key(27);
        EXPECT_TRUE(restore.enabled) << seconds;
        EXPECT_FALSE(d.Loaded());
        EXPECT_FALSE(d.Timer1.Enabled());
        d.Run(30);
        EXPECT_TRUE(d.power.requests.empty()) << seconds;
    }
}

TEST_F(FrmEndTest, OtherKeysAreTheFocusedControlsUntilTheCountdownFires) {
    h.frm.Form_Load();
    EXPECT_FALSE(h.Key(13));
    EXPECT_FALSE(h.Key(65));
    EXPECT_TRUE(h.Loaded());
    EXPECT_FALSE(mainTimer2.enabled);
    // Fired: the dialog keeps every key, so that Enter, Space or Tab cannot
    // reach a power button; Escape still hands back.
    h.Run(22);
    for (const int key : {13, 32, 9, 65})
        EXPECT_TRUE(h.Key(key)) << key;
    EXPECT_TRUE(h.Loaded());
    EXPECT_TRUE(h.Key(27));
    EXPECT_FALSE(h.Loaded());
}

TEST_F(FrmEndTest, TheCloseBoxWhileCountingCancels) {
    h.frm.Form_Load();
    h.Run(6);
    h.CloseBox();
    EXPECT_TRUE(mainTimer2.enabled);
    EXPECT_FALSE(h.Timer1.Enabled());
    h.Run(30);
    EXPECT_TRUE(h.power.requests.empty());
}

TEST_F(FrmEndTest, EscapeAfterFiringStillHandsBack) {
    h.frm.Form_Load();
    h.Run(22);
    ASSERT_FALSE(h["Command1"].enabled);
    h.Key(27);
    EXPECT_TRUE(mainTimer2.enabled);
    EXPECT_FALSE(h.Loaded());
}

TEST_F(FrmEndTest, TheCloseBoxAfterFiringRestartsNothing) {
    h.frm.Form_Load();
    h.Run(22);
    h.CloseBox();
    EXPECT_FALSE(mainTimer2.enabled);
}

TEST_F(FrmEndTest, EachShowingStartsFromTen) {
    h.frm.Form_Load();
    h.Run(8);
    h.frm.Command1_Click();
    h.frm.Form_Load();
    EXPECT_EQ(h["Label1"].text, "10");
    EXPECT_EQ(h.frm.CountDown(), 10);
    EXPECT_TRUE(h.Timer1.Enabled());
}

TEST_F(FrmEndTest, HiddenButtonsRunTheirActions) {
    h.frm.Form_Load();
    h.frm.cmdLogoff_Click();
    h.frm.cmdForceLogoff_Click();
    h.frm.cmdShutdown_Click();
    h.frm.cmdForceShutdown_Click();
    h.frm.Command2_Click(); // reached by Tab and Enter: no waiting
    EXPECT_EQ(h.power.requests,
              (std::vector<PowerAction>{PowerAction::LogOff, PowerAction::ForceLogOff,
                                        PowerAction::ShutDown, PowerAction::ForceShutDown,
                                        PowerAction::ForcePowerOff}));
}

// A request the system refuses must not leave the dialog saying goodbye with
// the schedule armed and the clock stopped.
TEST_F(FrmEndTest, ARefusedShutdownIsReportedAndHandedBack) {
    h.power.answer = {false, "权限不足"};
    h.frm.Form_Load();
    h.Run(22);
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_NE(h.dialogs.shown[0].text.find("权限不足"), std::string::npos);
    EXPECT_EQ(h.dialogs.shown[0].style, 0x30);
    EXPECT_EQ(h.dialogs.shown[0].caption, "Tarvenel");
    EXPECT_TRUE(mainTimer2.enabled);
    EXPECT_FALSE(h.Loaded());
}

} // namespace
} // namespace tarvenel::test
