#pragma once
// frmEnd, the shutdown countdown dialog, as portable logic. It counts 10 down
// to 0 on a 2-second timer and then forces a power-off, unless the user
// cancels (button, Escape, close box), which hands back to the main window
// through the main window's one-shot restore timer.
#include <cstdint>

#include "app/controls.h"
#include "app/dialogs.h"
#include "power/power_action.h"

namespace tarvenel {

struct FrmEndControls {
    Form& form; // Unload() closes the dialog; the front end then runs Form_Unload
    Label& Label1;
    CommandButton& Command1;
    Timer& Timer1; // 2000 ms countdown
    TopMostWindow& window;
};

struct FrmEndServices {
    PowerRequester& power;
    Dialogs& dialogs;
    Timer& mainTimer2; // frmMain's restore timer
};

// Outer size of the dialog in twips.
inline constexpr int kEndWidthTwips = 4800;
inline constexpr int kEndHeightTwips = 2175;

class FrmEnd {
public:
    FrmEnd(FrmEndControls controls, FrmEndServices services);

    void Form_Load();
    void Timer1_Timer();
    void Command1_Click(); // cancel
    // Escape cancels from anywhere. True when the key is the dialog's and
    // the focused control must not see it: Escape, and every key once the
    // countdown has fired, when nothing but Escape and the close box may act
    // (Enter or Space would reach a power button behind the disabled cancel).
    bool Form_KeyDown(int keyCode, int shift);
    void Form_Unload();

    // The hidden buttons and the countdown's own action.
    void cmdLogoff_Click();
    void cmdForceLogoff_Click();
    void cmdShutdown_Click();
    void cmdForceShutdown_Click();
    void Command2_Click();

    int CountDown() const { return countDown_; }

private:
    void Perform(PowerAction action);

    FrmEndControls c_;
    FrmEndServices s_;
    std::int16_t countDown_ = 0;
    bool fired_ = false;
};

} // namespace tarvenel
