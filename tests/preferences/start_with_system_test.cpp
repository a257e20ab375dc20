#include <gtest/gtest.h>

#include "support/main_window_harness.h"

namespace tarvenel::test {
namespace {

constexpr CivilDateTime kNoon{2026, 12, 7, 12, 0, 0};

TEST(StartWithSystem, SwitchOnThenRestartShowsTheBoxTicked) {
    MainWindowHarness h;
    h.LoadAt(kNoon);
    ASSERT_FALSE(h["Check1"].checked);
    h.ClickBox("Check1", 10, 10);
    EXPECT_TRUE(h.startup.on);
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].text, "已经加入系统启动项！");
    EXPECT_EQ(h.dialogs.shown[0].style, 0x40);

    MainWindowHarness restarted;
    restarted.startup.on = h.startup.on;
    restarted.LoadAt(kNoon);
    EXPECT_TRUE(restarted["Check1"].checked);
}

TEST(StartWithSystem, SwitchOffWithAnyButton) {
    MainWindowHarness h;
    h.startup.on = true;
    h.LoadAt(kNoon);
    ASSERT_TRUE(h["Check1"].checked);
    // The handler reads the box whatever the button: released with the
    // right one after a left press had switched it off.
    h["Check1"].checked = false;
    h.frm.Check1_MouseUp(2, 0, 0, 0);
    EXPECT_FALSE(h.startup.on);
    EXPECT_EQ(h.LastMessage(), "已经取消系统启动项！");
}

TEST(StartWithSystem, ReleaseOutsideChangesNothing) {
    MainWindowHarness h;
    h.LoadAt(kNoon);
    h.ClickBox("Check1", 170, 10);
    EXPECT_FALSE(h.startup.on);
    EXPECT_TRUE(h.dialogs.shown.empty());
}

// A failing switch must not be reported as success, and the box must show
// what the system list really holds.
TEST(StartWithSystem, AFailureIsReportedAndTheBoxShowsTheRealState) {
    MainWindowHarness h;
    h.LoadAt(kNoon);
    h.startup.failWrites = true;
    h.ClickBox("Check1", 1, 1);
    EXPECT_FALSE(h["Check1"].checked);
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].style, 0x30);
    EXPECT_NE(h.dialogs.shown[0].text.find("未能加入系统启动项"), std::string::npos);
    EXPECT_NE(h.dialogs.shown[0].text.find("拒绝访问"), std::string::npos);

    h.startup.on = true;
    h["Check1"].checked = true;
    h.ClickBox("Check1", 1, 1);
    EXPECT_TRUE(h["Check1"].checked); // still in the list
    EXPECT_NE(h.LastMessage().find("未能取消系统启动项"), std::string::npos);
}

} // namespace
} // namespace tarvenel::test
