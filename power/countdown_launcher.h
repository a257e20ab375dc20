#pragma once
// Loads a fresh countdown dialog each time the target fires and closes it
// when the main window cancels. The front end supplies the native dialogs;
// the launcher owns them and binds each to its own FrmEnd.
#include <functional>
#include <memory>

#include "power/countdown_window.h"
#include "power/frm_end.h"

namespace tarvenel {

// One native countdown dialog. Its timer ticks, clicks, keys and closing go
// to the FrmEnd it is bound to; closing it (Form::Unload or the close box)
// runs FrmEnd::Form_Unload. Destroying it lets it go without that handler.
class CountdownDialog {
public:
    virtual ~CountdownDialog() = default;
    virtual FrmEndControls Controls() = 0;
    // From now on the dialog's events go to `logic`.
    virtual void Bind(FrmEnd& logic) = 0;
    // After loading: shows the dialog, with the keyboard focus on Command1.
    virtual void Present() = 0;
    // True until the dialog has been closed.
    virtual bool Loaded() const = 0;
};

struct CountdownServices {
    PowerRequester& power;
    Dialogs& dialogs;
};

class CountdownLauncher : public CountdownWindow {
public:
    using MakeDialog = std::function<std::unique_ptr<CountdownDialog>()>;
    CountdownLauncher(CountdownServices services, MakeDialog make);
    ~CountdownLauncher() override;

    // The main window's restore timer, which a cancel switches on. Bound once
    // the main window exists; until then a cancel has nothing to restore.
    void SetRestoreTimer(Timer& mainTimer2) { restoreTimer_.target = &mainTimer2; }

    void Show() override;
    void Close() override;
    int Count() const override { return Logic() ? Logic()->CountDown() : -1; }
    // The program ends: the dialog goes without its unload handler.
    void Discard();

    // The loaded dialog and its logic; null when none is loaded.
    CountdownDialog* Current() const;
    FrmEnd* Logic() const { return Current() ? frm_.get() : nullptr; }

private:
    struct LateTimer : Timer {
        Timer* target = nullptr;
        bool Enabled() const override { return target && target->Enabled(); }
        void SetEnabled(bool enabled) override {
            if (target)
                target->SetEnabled(enabled);
        }
        int Interval() const override { return target ? target->Interval() : 0; }
    };

    CountdownServices services_;
    MakeDialog make_;
    LateTimer restoreTimer_;
    // The dialog refers to its logic and goes first.
    std::unique_ptr<FrmEnd> frm_;
    std::unique_ptr<CountdownDialog> dialog_;
};

} // namespace tarvenel
