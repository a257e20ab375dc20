// Tarvenel on Linux: wires the Qt adapters to the core and runs the loop.
#include <QApplication>
#include <QDBusConnection>
#include <string_view>

#include "app/version.h"

#include "platform/qt/accessibility.h"
#include "platform/qt/caret_rest.h"
#include "platform/qt/command_channel.h"
#include "platform/qt/countdown_dialog.h"
#include "platform/qt/desktop_services.h"
#include "platform/qt/display_platform.h"
#include "platform/qt/fonts.h"
#include "platform/qt/ini_settings_store.h"
#include "platform/qt/logind_power.h"
#include "platform/qt/main_window.h"
#include "platform/qt/message_boxes.h"
#include "platform/qt/pictures.h"
#include "platform/qt/tray_icon.h"
#include "platform/qt/xdg_autostart.h"
#include "preferences/option_switches.h"

namespace {

class QuitProgram : public tarvenel::ProgramExit {
public:
    // Leaves the event loop: no timer or window sees another event, and the
    // countdown dialog goes with the program without its unload handler.
    void End() override { QCoreApplication::exit(0); }
};

// Qt's own options (-session from a session manager restoring the program,
// -platform, -style ...) start the window as they always did; everything
// else, a stray word included, is the command line's.
bool IsCommandLine(int argc, char* argv[]) {
    if (argc < 2)
        return false;
    const std::string_view first = argv[1];
    const bool qtOption = first.size() > 1 && first[0] == '-' && first[1] != '-';
    return first == "-h" || !qtOption;
}

} // namespace

int main(int argc, char* argv[]) {
    using namespace tarvenel;
    using namespace tarvenel::qt;

    // With arguments the program is a command for the copy that runs.
    if (IsCommandLine(argc, argv))
        return RunFromTerminal(argc, argv);

    // A second copy ends before it shows or reads anything.
    LockFileInstanceGuard guard;
    if (guard.AnotherInstanceRunning())
        return 0;

    UseShippedFontConfig();
    PreferX11Display();
    PreferPlainImageTransfer();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kAppTitle));
    QApplication::setWindowIcon(ProgramIcon());
    // Hiding to the tray and closing a message box must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    InstallAccessibility();
    CaretRest caret;

    LocalClock clock;
    LocaleDateTimeText dateText;
    IniSettingsStore settings(IniSettingsStore::DefaultConfigDir());
    MessageBoxes dialogs;
    XdgAutostartEntry startup(XdgAutostartEntry::DefaultFile(),
                              QCoreApplication::applicationFilePath());
    TrayIcon tray;
    // The system bus is connected to when a power-off is first asked for:
    // never in dry-run mode, and the first window need not wait for it.
    LogindPowerRequester logind([] { return QDBusConnection::systemBus(); });
    const auto dryRunFile = DryRunFileFromEnvironment();
    DryRunRequester dryRun(dryRunFile.value_or(""));
    PowerRequester& power = dryRunFile ? static_cast<PowerRequester&>(dryRun) : logind;
    CountdownLauncher countdown({power, dialogs}, MakeEndDialog);
    DesktopUrlOpener urls;
    QuitProgram exit;
    PrimaryScreen screen;

    MainWindow window(
        SystemServices{clock, dateText, settings, dialogs, startup, countdown, urls, exit, screen},
        tray);
    dialogs.SetParent(&window);
    countdown.SetRestoreTimer(window.RestoreTimer());
    tray.SetOnLeftClick([&window] { window.TrayLeftClick(); });

    // Requests are answered from the event loop, so they never interleave
    // with the load sequence; a box it shows sends them away as busy.
    CommandServer commands(
        [&window](std::string_view request) { return window.Logic().AnswerRequest(request); });
    commands.Listen();

    // Said before the window loads, which may arm and hide it at once.
    if (!guard.Problem().empty())
        ShowMessage(dialogs, guard.Problem(), mb::kIconExclamation);
    window.Logic().Form_Load();
    return QApplication::exec();
}
