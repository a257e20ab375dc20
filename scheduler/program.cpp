#include "scheduler/program.h"

#include "power/end_form.h"
#include "preferences/option_switches.h"

namespace tarvenel {

Program::Program(const NativeServices& s, NativeForm& mainWindow,
                 std::optional<std::string> dryRunFile)
    : quit_(s.quit), dialogs_(s.dialogs), dryRun_(dryRunFile.value_or("")),
      power_(dryRunFile ? static_cast<PowerRequester&>(dryRun_) : s.system),
      countdown_({power_, s.dialogs},
                 [make = s.makeDialog]() -> std::unique_ptr<CountdownDialog> {
                     auto native = make();
                     if (!native)
                         return nullptr;
                     return std::make_unique<EndForm>(std::move(native));
                 }),
      main_(mainWindow,
            SystemServices{s.clock, s.dateText, s.settings, s.dialogs, s.startup, countdown_,
                           s.urls, *this, s.screen},
            s.notifyIcon, s.text) {
    countdown_.SetRestoreTimer(main_.RestoreTimer());
}

Program::~Program() {
    countdown_.Discard();
}

void Program::Start(const std::string& problem) {
    if (!problem.empty())
        ShowMessage(dialogs_, problem, mb::kIconExclamation);
    main_.Logic().Form_Load();
}

void Program::End() {
    if (ending_)
        return;
    ending_ = true;
    countdown_.Discard();
    main_.Discard();
    if (quit_)
        quit_();
}

} // namespace tarvenel
