#pragma once
// frmEnd as the program makes it: the countdown dialog over a native dialog
// in memory, its logic bound to it, and a recording power system.
#include <memory>
#include <string>

#include "power/end_form.h"
#include "power/frm_end.h"
#include "support/fake_controls.h"
#include "support/fake_native_form.h"
#include "support/fake_power.h"
#include "support/fake_services.h"

namespace tarvenel::test {

// The native dialog under a countdown dialog the tests made.
inline FakeNativeForm& NativeOf(CountdownDialog& dialog) {
    return static_cast<FakeNativeForm&>(static_cast<EndForm&>(dialog).Host().Native());
}

// Makes countdown dialogs over native dialogs in memory, for the launcher.
inline std::unique_ptr<CountdownDialog> MakeTestDialog() {
    return std::make_unique<EndForm>(std::make_unique<FakeNativeForm>());
}

struct CountdownHarness {
    explicit CountdownHarness(Timer& mainTimer2)
        : frm(dialog->Controls(), FrmEndServices{power, dialogs, mainTimer2}) {
        dialog->Bind(frm);
    }

    // A control by its form name ("Label1", "Command1").
    FakeNativeForm::Control& operator[](const std::string& name) const {
        return native.Named(name);
    }
    // The user closes the dialog with its close box.
    void CloseBox() { native.Send({kForm, FormEventKind::Close}); }
    // A key pressed in the dialog; true when the dialog used it up.
    bool Key(int key) { return native.Send({kForm, FormEventKind::KeyDown, 0, 0, 0, 0, key}); }
    // Lets `seconds` pass on the dialog's clock.
    void Run(int seconds) { native.Advance(seconds * 1000LL); }
    bool Loaded() const { return dialog->Loaded(); }

    std::unique_ptr<CountdownDialog> dialog = MakeTestDialog();
    FakeNativeForm& native = NativeOf(*dialog);
    FakePowerRequester power;
    FakeDialogs dialogs;
    FrmEnd frm;
    Form& form = dialog->Controls().form;
    Timer& Timer1 = dialog->Controls().Timer1;
};

} // namespace tarvenel::test
