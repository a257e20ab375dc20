// The entry routine of the Windows program: the previous-instance test, the
// services and forms, and the message loop.
#include "platform/win32/win_api.h"

#include <commctrl.h>

#include "platform/win32/button_window.h"
#include "platform/win32/end_window.h"
#include "platform/win32/image_window.h"
#include "platform/win32/main_window.h"
#include "platform/win32/win_registry.h"
#include "platform/win32/win_services.h"
#include "preferences/registry_settings.h"
#include "preferences/registry_startup_list.h"

namespace tarvenel::win32 {
namespace {

// Ends the program at once: the windows go without further handlers.
class WinProgramExit : public ProgramExit {
public:
    void End() override {
        if (ending)
            return;
        ending = true;
        if (countdown)
            countdown->Discard();
        if (main)
            main->Discard();
        PostQuitMessage(0);
    }
    bool ending = false;
    CountdownLauncher* countdown = nullptr;
    MainWindow* main = nullptr;
};

int Run(HINSTANCE instance) {
    MutexInstanceGuard guard;
    if (guard.AnotherInstanceRunning())
        return 0; // a second copy ends silently

    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    MainWindow::Register(instance);
    EndWindow::Register(instance);
    ButtonWindow::Register(instance);
    ImageWindow::Register(instance);

    HWND mainHandle = nullptr;
    WinClock clock;
    WinDateText dateText;
    WinRegistry registry;
    RegistrySettingsStore settings(registry);
    RegistryStartupList startup(registry);
    WinDialogs dialogs(&mainHandle);
    WinUrlOpener urls(&mainHandle);
    WinScreen screen;
    WinPowerSystem powerSystem;
    WinSystemVersion version;
    PowerRequester power(powerSystem, DryRunFileFromEnvironment());
    WinProgramExit exit;

    // The countdown dialog needs the main window's restore timer, the main
    // window the countdown: the timer is bound once both exist.
    struct LateTimer : Timer {
        Timer* target = nullptr;
        bool Enabled() const override { return target && target->Enabled(); }
        void SetEnabled(bool enabled) override {
            if (target)
                target->SetEnabled(enabled);
        }
        int Interval() const override { return target ? target->Interval() : 0; }
    } restoreTimer;
    CountdownLauncher countdown(instance, {version, power, dialogs, restoreTimer});

    MainWindow main(instance, {clock, dateText, settings, dialogs, startup, countdown, urls, exit,
                               screen, RunningProgramLocation()});
    if (!main.Create())
        return 1;
    mainHandle = main.Handle();
    restoreTimer.target = &main.RestoreTimer();
    countdown.SetOwner(main.Handle());
    exit.countdown = &countdown;
    exit.main = &main;

    main.Frm().Form_Load();

    MSG msg;
    while (!exit.ending && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (EndWindow* end = countdown.Current(); end && end->PreTranslate(msg))
            continue;
        if (IsWindow(main.Handle()) && IsDialogMessageW(main.Handle(), &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

} // namespace
} // namespace tarvenel::win32

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return tarvenel::win32::Run(instance);
}
