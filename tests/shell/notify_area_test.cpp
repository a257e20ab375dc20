#include <gtest/gtest.h>

#include "app/version.h"
#include "shell/tray_tip.h"
#include "support/main_window_harness.h"

namespace tarvenel::test {
namespace {

std::size_t Utf16Units(const std::string& text) {
    std::size_t units = 0;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const std::size_t length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        units += length == 4 ? 2 : 1;
        i += length;
    }
    return units;
}

TEST(TrayTip, TitleVersionLineBreakAndTarget) {
    EXPECT_EQ(TrayTipText("设定关机时间：2026年12月7日0时0分0秒"),
              TitleWithVersion() + "\r\n设定关机时间：2026年12月7日0时0分0秒");
}

TEST(TrayTip, LongTextIsCutToTheFieldOnCharacterBoundaries) {
    const std::string tip = TrayTipText(std::string(200, 'a'));
    EXPECT_EQ(tip.size(), 63u);

    // Chinese characters never lose a byte.
    std::string wide;
    for (int i = 0; i < 60; ++i)
        wide += "时";
    const std::string cut = TrayTipText(wide);
    EXPECT_EQ(Utf16Units(cut), 63u);
    EXPECT_EQ((cut.size() - 16) % 3, 0u);
    // A character outside the basic plane takes two units and is not split.
    std::string faces;
    for (int i = 0; i < 30; ++i)
        faces += "\xF0\x9F\x98\x80";
    const std::string cutFaces = TrayTipText(faces);
    EXPECT_EQ(cutFaces.size(), 16u + 23u * 4u);
}

TEST(TrayTip, MalformedTextComesOutAsValidUtf8) {
    // A character cut short at the end, and stray continuation bytes.
    EXPECT_EQ(TrayTipText("abc\xE4\xB8"), TitleWithVersion() + "\r\nabc\xEF\xBF\xBD");
    EXPECT_EQ(TrayTipText("\x80\x80"), TitleWithVersion() + "\r\n\xEF\xBF\xBD\xEF\xBF\xBD");
}

struct NotifyArea : testing::Test {
    MainWindowHarness h;
    void SetUp() override {
        h.settings.Seed("MsgOK", "0");
        h.LoadAt({2026, 12, 7, 12, 0, 0});
        h["Combo4"].text = "13时";
        h.frm.ArmSchedule();
        ASSERT_FALSE(h.form.Visible());
    }
};

TEST_F(NotifyArea, ALeftClickOnTheIconRestores) {
    h.frm.NotifyIcon_Click();
    EXPECT_TRUE(h.form.Visible());
    EXPECT_EQ(h.native.state, WindowState::Normal);
    EXPECT_TRUE(h.frm.State().IsArmed); // restoring does not disarm
}

TEST_F(NotifyArea, CancellingKeepsTheIconUntilTheWindowGoes) {
    h.frm.NotifyIcon_Click();
    h.frm.CancelSchedule();
    EXPECT_TRUE(h.notifyIcon.present);
    h.frm.Form_QueryUnload();
    EXPECT_FALSE(h.notifyIcon.present);
}

} // namespace
} // namespace tarvenel::test
