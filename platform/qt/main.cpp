// Tarvenel on Linux: wires the Qt adapters to the core and runs the loop.
#include <QApplication>
#include <QDBusConnection>
#include <string_view>

#include "app/version.h"

#include "platform/qt/accessibility.h"
#include "platform/qt/command_channel.h"
#include "platform/qt/desktop_services.h"
#include "platform/qt/display_platform.h"
#include "platform/qt/fonts.h"
#include "platform/qt/ini_settings_store.h"
#include "platform/qt/logind_power.h"
#include "platform/qt/message_boxes.h"
#include "platform/qt/native_form.h"
#include "platform/qt/pictures.h"
#include "platform/qt/qt_text_renderer.h"
#include "platform/qt/tray_icon.h"
#include "platform/qt/xdg_autostart.h"
#include "scheduler/program.h"

namespace {

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

    LocalClock clock;
    LocaleDateTimeText dateText;
    IniSettingsStore settings(IniSettingsStore::DefaultConfigDir());
    MessageBoxes dialogs;
    XdgAutostartEntry startup(XdgAutostartEntry::DefaultFile(),
                              QCoreApplication::applicationFilePath());
    DesktopUrlOpener urls;
    PrimaryScreen screen;
    TrayIcon tray;
    QtTextRenderer text;
    // The system bus is connected to when a power-off is first asked for:
    // never in dry-run mode, and the first window need not wait for it.
    LogindPowerRequester logind([] { return QDBusConnection::systemBus(); });
    QtForm window(QtForm::Frame::Skinned);
    Program program({clock, dateText, settings, dialogs, startup, urls, screen, tray, text, logind,
                     MakeCountdownForm, [] { QCoreApplication::exit(0); }},
                    window, DryRunFileFromEnvironment());
    dialogs.SetParent(&window);
    tray.SetOnLeftClick([&program] { program.Main().Logic().NotifyIcon_Click(); });

    // Requests are answered from the event loop, so they never interleave
    // with the load sequence; a box it shows sends them away as busy.
    CommandServer commands(
        [&program](std::string_view request) { return program.AnswerRequest(request); });
    commands.Listen();
    program.Start(guard.Problem());
    return QApplication::exec();
}
