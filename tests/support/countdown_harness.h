#pragma once
// frmEnd's logic wired to in-memory controls and a recording power system.

#include "power/countdown_launcher.h"
#include "power/frm_end.h"
#include "support/fake_controls.h"
#include "support/fake_power.h"
#include "support/fake_services.h"

namespace tarvenel::test {

struct CountdownHarness {
    explicit CountdownHarness(Timer& mainTimer2)
        : frm(FrmEndControls{form, Label1, Command1, Timer1, window},
              FrmEndServices{power, dialogs, mainTimer2}) {
        // Closing the window runs the unload handler, as the front ends do.
        form.onUnload = [this] { frm.Form_Unload(); };
    }

    // The user closes the dialog with its close box.
    void CloseBox() { form.Unload(); }

    // Lets `seconds` pass, delivering the 2-second ticks while the timer runs.
    void Run(int seconds) {
        for (int t = 0; t < seconds; ++t) {
            elapsed += 1;
            if (elapsed % 2 == 0 && Timer1.enabled)
                frm.Timer1_Timer();
        }
    }

    FakeForm form;
    FakeLabel Label1;
    FakeButton Command1;
    FakeTimer Timer1{2000, true};
    FakeTopMost window;
    FakePowerRequester power;
    FakeDialogs dialogs;
    FrmEnd frm;
    int elapsed = 0;
};

// A native countdown dialog in memory, for the launcher: closing it runs the
// bound logic's unload handler, as the front ends' dialogs do.
struct FakeCountdownDialog : CountdownDialog {
    FakeCountdownDialog() {
        form.onUnload = [this] {
            if (logic)
                logic->Form_Unload();
        };
    }
    FrmEndControls Controls() override { return {form, Label1, Command1, Timer1, window}; }
    void Bind(FrmEnd& frm) override { logic = &frm; }
    void Present() override { presented = true; }
    bool Loaded() const override { return !form.unloaded; }

    FakeForm form;
    FakeLabel Label1;
    FakeButton Command1;
    FakeTimer Timer1{2000, false};
    FakeTopMost window;
    FrmEnd* logic = nullptr;
    bool presented = false;
};

} // namespace tarvenel::test
