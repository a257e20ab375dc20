// The Windows countdown dialog as the system sees it: above every window,
// without a taskbar button of its own, its number stepping down every two
// seconds of the real clock.
#include "power/end_form.h"
#include "support/fake_controls.h"
#include "support/fake_power.h"
#include "win32/main_window_fixture.h"

namespace tarvenel::win32 {
namespace {

using namespace tarvenel::win32::test;

TEST(WinCountdown, OnTopWithoutATaskbarButtonAndStepsEveryTwoSeconds) {
    RegisterClassesOnce();
    HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 Instance(), nullptr);
    FakePowerRequester power;
    FakeDialogs dialogs;
    FakeTimer restore{1, false};
    CountdownLauncher launcher({power, dialogs}, [owner]() -> std::unique_ptr<CountdownDialog> {
        auto window = std::make_unique<WinForm>(Instance(), WinForm::Frame::Dialog, owner);
        if (!window->Create())
            return nullptr;
        return std::make_unique<EndForm>(std::move(window));
    });
    launcher.SetRestoreTimer(restore);
    launcher.Show();
    Pump(nullptr, 100);
    HWND dialog = FindWindowW(L"Tarvenel.End", nullptr);
    ASSERT_NE(dialog, nullptr);
    const LONG extended = GetWindowLongW(dialog, GWL_EXSTYLE);
    EXPECT_TRUE(extended & WS_EX_TOPMOST);
    // An owned window without WS_EX_APPWINDOW gets no taskbar button.
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), owner);
    EXPECT_FALSE(extended & WS_EX_APPWINDOW);

    HWND number = FindWindowExW(dialog, nullptr, L"STATIC", nullptr);
    ASSERT_EQ(TextOf(number), L"10");
    auto until = [&](const wchar_t* shown) {
        const DWORD start = GetTickCount();
        while (TextOf(number) != shown && GetTickCount() - start < 10000)
            Pump(nullptr, 10);
        return GetTickCount();
    };
    const DWORD nine = until(L"9");
    const DWORD eight = until(L"8");
    ASSERT_EQ(TextOf(number), L"8");
    EXPECT_GE(eight - nine, 1950u);
    EXPECT_LE(eight - nine, 3500u); // a busy machine may hold a step up a little
    EXPECT_TRUE(power.requests.empty());
    launcher.Discard();
    DestroyWindow(owner);
}

} // namespace
} // namespace tarvenel::win32
