#include <gtest/gtest.h>

#include "preferences/registry_startup_list.h"
#include "support/fake_registry.h"
#include "support/main_window_harness.h"

namespace tarvenel::test {
namespace {

constexpr CivilDateTime kNoon{2026, 12, 7, 12, 0, 0};

// The main window over the registry-backed start-up list.
struct WindowsStartup {
    FakeRegistry registry;
    RegistryStartupList list{registry};
    MainWindowHarness h;
};

// A MainWindowHarness reads its start-up entry from its own fake list, so
// copy the registry's value there before loading.
void LoadFromRegistry(WindowsStartup& w) {
    w.h.startup.stored = w.list.ReadCommand();
    w.h.LoadAt(kNoon);
}

TEST(StartWithSystem, SwitchOnThenRestartShowsTheBoxTicked) {
    MainWindowHarness h;
    h.LoadAt(kNoon);
    ASSERT_EQ(h.Check1.value, 0);
    MainWindowHarness::ClickBox(h.Check1);
    h.frm.Check1_MouseUp(1, 0, 10, 10);
    EXPECT_EQ(h.startup.stored, "C:\\Tools\\timer.exe");
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].text, "已经加入系统启动项！");
    EXPECT_EQ(h.dialogs.shown[0].style, 0x40);

    MainWindowHarness restarted;
    restarted.startup.stored = h.startup.stored;
    restarted.LoadAt(kNoon);
    EXPECT_EQ(restarted.Check1.value, 1);
}

TEST(StartWithSystem, SwitchOffEmptiesTheEntry) {
    MainWindowHarness h;
    h.startup.stored = "C:\\Tools\\timer.exe";
    h.LoadAt(kNoon);
    ASSERT_EQ(h.Check1.value, 1);
    MainWindowHarness::ClickBox(h.Check1);
    h.frm.Check1_MouseUp(2, 0, 0, 0); // any button
    EXPECT_EQ(h.startup.stored, "");
    EXPECT_EQ(h.LastMessage(), "已经取消系统启动项！");
}

TEST(StartWithSystem, ReleaseOutsideChangesNothing) {
    MainWindowHarness h;
    h.LoadAt(kNoon);
    MainWindowHarness::ClickBox(h.Check1);
    h.frm.Check1_MouseUp(1, 0, 170, 10);
    EXPECT_EQ(h.startup.stored, "");
    EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST(StartWithSystem, ThroughTheRegistryTheStoredDataIsPaddedAndMatchesAtStart) {
    WindowsStartup w;
    ASSERT_TRUE(w.list.Register("C:\\Tools\\timer.exe").ok);
    LoadFromRegistry(w);
    EXPECT_EQ(w.h.Check1.value, 1);

    WindowsStartup other;
    ASSERT_TRUE(other.list.Register("C:\\TOOLS\\timer.exe").ok); // other letter case
    LoadFromRegistry(other);
    EXPECT_EQ(other.h.Check1.value, 0);
}

// The entry an administrator made shows as ticked for a standard user, who
// may read the machine's start-up list but not change it.
TEST(StartWithSystem, AStandardUserSeesTheEntryAndIsToldWhySwitchingFails) {
    WindowsStartup w;
    ASSERT_TRUE(w.list.Register("C:\\Tools\\timer.exe").ok);
    w.registry.ReadOnly(RootKey::LocalMachine, kRunKey);
    LoadFromRegistry(w);
    EXPECT_EQ(w.h.Check1.value, 1);
    EXPECT_EQ(w.registry.lastAccess, reg::kReadAccess);
    const StartupResult off = w.list.Unregister();
    EXPECT_FALSE(off.ok);
    EXPECT_NE(off.reason.find("管理员"), std::string::npos);
    EXPECT_EQ(w.list.ReadCommand().find("C:\\Tools\\timer.exe"), 0u); // nothing lost
}

// A failing registry step must not be reported as success, and the box must
// show what the system list really holds.
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

    h.startup.stored = "C:\\Tools\\timer.exe";
    h.Check1.value = 1;
    MainWindowHarness::ClickBox(h.Check1);
    h.frm.Check1_MouseUp(1, 0, 1, 1);
    EXPECT_EQ(h.Check1.value, 1); // still in the list
    EXPECT_NE(h.LastMessage().find("未能取消系统启动项"), std::string::npos);
}

} // namespace
} // namespace tarvenel::test
