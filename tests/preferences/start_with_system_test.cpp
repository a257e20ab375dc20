#include <gtest/gtest.h>

#include "support/main_window_harness.h"

namespace tarvenel::test {
namespace {

constexpr CivilDateTime kNoon{2026, 12, 7, 12, 0, 0};

TEST(StartWithSystem, SwitchOnThenRestartShowsTheBoxTicked) {
    MainWindowHarness h;
    h.LoadAt(kNoon);
    ASSERT_EQ(h.Check1.value, 0);
    MainWindowHarness::ClickBox(h.Check1);
    h.frm.Check1_MouseUp(1, 0, 10, 10);
    EXPECT_TRUE(h.startup.on);
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].text, "已经加入系统启动项！");
    EXPECT_EQ(h.dialogs.shown[0].style, 0x40);

    MainWindowHarness restarted;
    restarted.startup.on = h.startup.on;
    restarted.LoadAt(kNoon);
    EXPECT_EQ(restarted.Check1.value, 1);
}

TEST(StartWithSystem, SwitchOffWithAnyButton) {
    MainWindowHarness h;
    h.startup.on = true;
    h.LoadAt(kNoon);
    ASSERT_EQ(h.Check1.value, 1);
    MainWindowHarness::ClickBox(h.Check1);
    h.frm.Check1_MouseUp(2, 0, 0, 0); // any button
    EXPECT_FALSE(h.startup.on);
    EXPECT_EQ(h.LastMessage(), "已经取消系统启动项！");
}

TEST(StartWithSystem, ReleaseOutsideChangesNothing) {
    MainWindowHarness h;
    h.LoadAt(kNoon);
    MainWindowHarness::ClickBox(h.Check1);
    h.frm.Check1_MouseUp(1, 0, 170, 10);
    EXPECT_FALSE(h.startup.on);
    EXPECT_TRUE(h.dialogs.shown.empty());
}

// A failing switch must not be reported as success, and the box must show
// what the system list really holds.
TEST(StartWithSystem, AFailureIsReportedAndTheBoxShowsTheRealState) {
    MainWindowHarness h;
    h.LoadAt(kNoon);
    h.startup.failWrites = true;
    MainWindowHarness::ClickBox(h.Check1);
    h.frm.Check1_MouseUp(1, 0, 1, 1);
    EXPECT_EQ(h.Check1.value, 0);
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].style, 0x30);
    EXPECT_NE(h.dialogs.shown[0].text.find("未能加入系统启动项"), std::string::npos);
    EXPECT_NE(h.dialogs.shown[0].text.find("拒绝访问"), std::string::npos);

    h.startup.on = true;
    h.Check1.value = 1;
    MainWindowHarness::ClickBox(h.Check1);
    h.frm.Check1_MouseUp(1, 0, 1, 1);
    EXPECT_EQ(h.Check1.value, 1); // still in the list
    EXPECT_NE(h.LastMessage().find("未能取消系统启动项"), std::string::npos);
}

} // namespace
} // namespace tarvenel::test
