#pragma once
// The program as both front ends run it: power requests to the system or, in
// a dry run, to a file; the countdown dialogs; the main window's form; the
// command line's answers; and the start. A front end makes its native
// services and main window, hands them in, and runs its event loop.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "power/countdown_launcher.h"
#include "power/power_action.h"
#include "scheduler/main_form.h"

namespace tarvenel {

struct NativeServices {
    Clock& clock;
    DateTimeText& dateText;
    SettingsStore& settings;
    Dialogs& dialogs;
    StartupList& startup;
    UrlOpener& urls;
    Screen& screen;
    NotifyIcon& notifyIcon;
    TextRenderer& text;
    PowerRequester& system; // asks the system itself
    // A fresh native countdown dialog for each firing.
    std::function<std::unique_ptr<NativeForm>()> makeDialog;
    // Ends the event loop.
    std::function<void()> quit;
};

class Program : private ProgramExit {
public:
    // `dryRunFile`: where power requests are written instead of asked.
    Program(const NativeServices& services, NativeForm& mainWindow,
            std::optional<std::string> dryRunFile);
    ~Program() override;

    // The start: a problem the front end met first (said in a box), then
    // the main window's load sequence, which may arm and hide it at once.
    void Start(const std::string& problem = {});
    // A request of the command line, as the channel delivered it.
    std::string AnswerRequest(std::string_view request) {
        return main_.Logic().AnswerRequest(request);
    }

    MainForm& Main() { return main_; }
    CountdownLauncher& Countdown() { return countdown_; }

private:
    // Yes to the exit question, or the window closed: the countdown dialog
    // and the window go without further handlers, and the loop ends.
    void End() override;

    std::function<void()> quit_;
    Dialogs& dialogs_;
    DryRunRequester dryRun_;
    PowerRequester& power_;
    CountdownLauncher countdown_;
    MainForm main_;
    bool ending_ = false;
};

} // namespace tarvenel
