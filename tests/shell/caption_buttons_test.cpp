#include <gtest/gtest.h>

#include "support/main_window_harness.h"

namespace tarvenel::test {
namespace {

struct CaptionButtons : testing::Test {
    MainWindowHarness h;
    void SetUp() override {
        h.settings.Seed("MsgOK", "0");
        h.LoadAt({2026, 12, 7, 12, 0, 0});
    }
    void Arm() {
        h["Combo4"].text = "13时";
        h.frm.ArmSchedule();
        ASSERT_TRUE(h.frm.State().IsArmed);
        h.form.Show();
        h.notifyIcon.adds = 0;
    }
};

TEST_F(CaptionButtons, HoverPressAndReleaseSwapPictures) {
    h.frm.Immin_MouseMove(0, 0, 5, 5);
    EXPECT_EQ(h.FaceOf("Immin"), ImageFace::Hover);
    h.frm.Immin_MouseDown(2, 0, 5, 5); // any button
    EXPECT_EQ(h.FaceOf("Immin"), ImageFace::Pressed);
    h.frm.Immin_MouseMove(2, 0, 6, 5); // the tag is still set: stays pressed
    EXPECT_EQ(h.FaceOf("Immin"), ImageFace::Pressed);
    h.frm.Immin_MouseUp(2, 0, 5, 5);
    EXPECT_EQ(h.FaceOf("Immin"), ImageFace::None);
    h.frm.Immin_MouseMove(0, 0, 5, 5);
    EXPECT_EQ(h.FaceOf("Immin"), ImageFace::Hover);
}

TEST_F(CaptionButtons, MovingBetweenButtonsKeepsBothHoveringUntilTheBackground) {
    h.frm.Immin_MouseMove(0, 0, 5, 5);
    h.frm.Imclose_MouseMove(0, 0, 5, 5);
    EXPECT_EQ(h.FaceOf("Immin"), ImageFace::Hover);
    EXPECT_EQ(h.FaceOf("Imclose"), ImageFace::Hover);
    h.frm.IMBar_MouseMove(0, 0, 100, 100);
    EXPECT_EQ(h.FaceOf("Immin"), ImageFace::None);
    EXPECT_EQ(h.FaceOf("Imclose"), ImageFace::None);

    h.frm.Imclose_MouseMove(0, 0, 5, 5);
    h.frm.Form_MouseMove(0, 0, 300, 300);
    EXPECT_EQ(h.FaceOf("Imclose"), ImageFace::None);
    // After the reset a new move over the button shows hover again.
    h.frm.Imclose_MouseMove(0, 0, 5, 5);
    EXPECT_EQ(h.FaceOf("Imclose"), ImageFace::Hover);
}

TEST_F(CaptionButtons, PressWithoutHoverIsClearedOnlyByRelease) {
    h.frm.Imclose_MouseDown(1, 0, 5, 5);
    h.frm.Form_MouseMove(1, 0, 300, 300); // the tag is empty: nothing to reset
    EXPECT_EQ(h.FaceOf("Imclose"), ImageFace::Pressed);
    h.frm.Imclose_MouseUp(1, 0, 5, 5);
    EXPECT_EQ(h.FaceOf("Imclose"), ImageFace::None);
}

TEST_F(CaptionButtons, ExitQuestionYesRemovesTheIconAndEnds) {
    Arm();
    h.dialogs.answers = {mb::kAnswerYes};
    h.frm.Imclose_Click();
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].text, "你确定要退出程序吗？\r\n选择按钮“否”将最小化窗口。");
    EXPECT_EQ(h.dialogs.shown[0].style, 0x123);
    EXPECT_EQ(h.dialogs.shown[0].caption, "Tarvenel");
    EXPECT_FALSE(h.notifyIcon.present);
    EXPECT_EQ(h.exit.ended, 1);
}

TEST_F(CaptionButtons, ExitQuestionNoHidesWhenArmedAndWarnsWhenIdle) {
    h.dialogs.answers = {mb::kAnswerNo};
    h.frm.Imclose_Click();
    EXPECT_EQ(h.LastMessage(), "请在设定好关机时间后点击“确定”按钮！");
    EXPECT_TRUE(h.form.Visible());
    EXPECT_EQ(h.exit.ended, 0);

    Arm();
    h.dialogs.answers = {mb::kAnswerNo};
    h.frm.Imclose_Click();
    EXPECT_FALSE(h.form.Visible());
    EXPECT_EQ(h.notifyIcon.adds, 1);
    EXPECT_EQ(h.exit.ended, 0);
}

TEST_F(CaptionButtons, ExitQuestionCancelChangesNothing) {
    Arm();
    h.dialogs.answers = {mb::kAnswerCancel};
    h.frm.Imclose_Click();
    EXPECT_TRUE(h.form.Visible());
    EXPECT_TRUE(h.notifyIcon.present);
    EXPECT_EQ(h.notifyIcon.adds, 0);
    EXPECT_EQ(h.exit.ended, 0);
    EXPECT_EQ(h.dialogs.shown.size(), 1u);
}

TEST_F(CaptionButtons, MinimiseHidesOnlyWhenArmed) {
    h.frm.Immin_Click();
    EXPECT_TRUE(h.form.Visible());
    Arm();
    h.frm.Immin_Click();
    EXPECT_FALSE(h.form.Visible());
    // Again after restoring: the same icon is added again, the window hides.
    h.native.window.place.left = -3000; // dragged half off the screen
    h.frm.NotifyIcon_Click();
    ASSERT_TRUE(h.form.Visible());
    EXPECT_EQ(h.Position().first, -3000); // restored in place, not shown anew
    h.frm.Immin_Click();
    EXPECT_FALSE(h.form.Visible());
    EXPECT_TRUE(h.notifyIcon.present);
}

} // namespace
} // namespace tarvenel::test
