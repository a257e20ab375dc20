// The entry routine of the Windows program: the previous-instance test, the
// services and forms, and the message loop.
#include "platform/win32/win_api.h"

#include <commctrl.h>
#include <objbase.h>

#include "platform/win32/button_window.h"
#include "platform/win32/command_channel.h"
#include "platform/win32/end_window.h"
#include "platform/win32/image_window.h"
#include "platform/win32/main_window.h"
#include "platform/win32/registry_settings.h"
#include "platform/win32/registry_startup_list.h"
#include "platform/win32/shell_elevation.h"
#include "platform/win32/win_power.h"
#include "platform/win32/win_registry.h"
#include "platform/win32/win_services.h"

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

// Screen readers get the drawn controls' accessible objects through COM; it
// ends after every window that hands them out.
class ComApartment {
public:
    ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComApartment() {
        if (SUCCEEDED(result_))
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HRESULT result_;
};

int Run(HINSTANCE instance) {
    MutexInstanceGuard guard;
    if (guard.AnotherInstanceRunning())
        return 0; // a second copy ends silently

    const ComApartment com;
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
    // The machine-wide start-up list refuses a standard user's writes; an
    // elevated copy does them, while the countdown dialog keeps its keys.
    CountdownLauncher* launcher = nullptr;
    ShellElevation elevation(&mainHandle, [&launcher](MSG& msg) {
        auto* end = launcher ? static_cast<EndWindow*>(launcher->Current()) : nullptr;
        return end && end->PreTranslate(msg);
    });
    RegistryStartupList startup(registry, StartupCommandOf(RunningProgramLocation()), &elevation);
    WinDialogs dialogs(&mainHandle);
    WinUrlOpener urls(&mainHandle);
    WinScreen screen;
    WinPowerRequester system;
    const auto dryRunFile = DryRunFileFromEnvironment();
    DryRunRequester dryRun(dryRunFile.value_or(""));
    PowerRequester& power = dryRunFile ? static_cast<PowerRequester&>(dryRun) : system;
    WinProgramExit exit;

    // Each firing gets a fresh dialog, owned by the main window so that it
    // has no taskbar button of its own.
    CountdownLauncher countdown({power, dialogs},
                                [instance, &mainHandle]() -> std::unique_ptr<CountdownDialog> {
                                    auto window = std::make_unique<EndWindow>(instance, mainHandle);
                                    if (!window->Create())
                                        return nullptr;
                                    return window;
                                });

    launcher = &countdown;
    MainWindow main(instance,
                    {clock, dateText, settings, dialogs, startup, countdown, urls, exit, screen});
    if (!main.Create())
        return 1;
    mainHandle = main.Handle();
    countdown.SetRestoreTimer(main.RestoreTimer());
    exit.countdown = &countdown;
    exit.main = &main;

    main.Frm().Form_Load();

    MSG msg;
    while (!exit.ending && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        // Every dialog this launcher makes is an EndWindow.
        if (auto* end = static_cast<EndWindow*>(countdown.Current()); end && end->PreTranslate(msg))
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
    using namespace tarvenel;
    const std::vector<std::string> arguments = win32::CommandLineArguments();
    // The elevated copy that writes the start-up entry: no window, and no
    // second copy to refuse, since the first one waits for it.
    if (IsElevatedStartupRun(arguments)) {
        win32::WinRegistry registry;
        return static_cast<int>(RunElevatedStartup(
            arguments, registry, StartupCommandOf(win32::RunningProgramLocation())));
    }
    // With arguments the program is a command for the copy that runs.
    if (!arguments.empty())
        return win32::RunFromTerminal();
    return win32::Run(instance);
}
