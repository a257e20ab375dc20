// The entry routine of the Windows program: the previous-instance test, the
// services and forms, and the message loop.
#include "platform/win32/win_api.h"

#include <commctrl.h>
#include <objbase.h>

#include "platform/win32/command_channel.h"
#include "platform/win32/gdi_text_renderer.h"
#include "platform/win32/icons.h"
#include "platform/win32/native_form.h"
#include "platform/win32/registry_settings.h"
#include "platform/win32/registry_startup_list.h"
#include "platform/win32/shell_elevation.h"
#include "platform/win32/win_notify_icon.h"
#include "platform/win32/win_power.h"
#include "platform/win32/win_registry.h"
#include "platform/win32/win_services.h"
#include "scheduler/program.h"

namespace tarvenel::win32 {
namespace {

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
    WinForm::Register(instance);
    WinForm window(instance, WinForm::Frame::Skinned);
    if (!window.Create())
        return 1;
    const HWND main = window.Handle();

    WinClock clock;
    WinDateText dateText;
    WinRegistry registry;
    RegistrySettingsStore settings(registry);
    WinForm* countdown = nullptr; // the countdown dialog while it is loaded
    // The machine-wide start-up list refuses a standard user's writes; an
    // elevated copy does them, while the countdown dialog keeps its keys.
    HWND owner = main;
    ShellElevation elevation(
        &owner, [&countdown](MSG& msg) { return countdown && countdown->PreTranslate(msg); });
    RegistryStartupList startup(registry, StartupCommandOf(RunningProgramLocation()), &elevation);
    WinDialogs dialogs(&owner);
    WinUrlOpener urls(&owner);
    WinScreen screen;
    const IconHandle icon = ArtworkIcon(Artwork::Icon32);
    WinNotifyIcon tray(main, icon.Get());
    GdiTextRenderer text;
    WinPowerRequester system;
    // Each firing gets a fresh dialog, owned by the main window so that it
    // has no taskbar button of its own.
    auto makeDialog = [instance, main, &countdown]() -> std::unique_ptr<NativeForm> {
        auto dialog = std::make_unique<WinForm>(instance, WinForm::Frame::Dialog, main);
        if (!dialog->Create())
            return nullptr;
        countdown = dialog.get();
        return dialog;
    };
    bool quit = false;
    Program program({clock, dateText, settings, dialogs, startup, urls, screen, tray, text, system,
                     makeDialog,
                     [&quit] {
                         quit = true;
                         PostQuitMessage(0);
                     }},
                    window, DryRunFileFromEnvironment());
    window.services = [&](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        if (message == WinNotifyIcon::TaskbarCreatedMessage()) {
            tray.OnTaskbarCreated();
            result = 0;
            return true;
        }
        if (message != WM_COPYDATA)
            return false;
        result = AnswerCopyData(
            [&program](std::string_view request) { return program.AnswerRequest(request); }, main,
            reinterpret_cast<HWND>(wParam), reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        return true;
    };
    program.Start();

    MSG msg;
    while (!quit && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!program.Countdown().Current())
            countdown = nullptr;
        if (countdown && countdown->PreTranslate(msg))
            continue;
        if (window.PreTranslate(msg))
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
