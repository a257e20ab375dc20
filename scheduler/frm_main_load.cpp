// The main window's making and its load sequence.
#include <exception>

#include "app/version.h"
#include "preferences/links.h"
#include "scheduler/frm_main.h"

namespace tarvenel {
namespace {

// From the start-up check on, a step that fails must not stop the start: the
// fields it would have set keep their value and the next step runs.
template <class Step> void SkipOnError(Step&& step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}

} // namespace

FrmMain::FrmMain(FrmMainControls controls, FrmMainServices services)
    : c_(controls), s_(services), dialogs_(s_.dialogs),
      selectors_({&c_.Combo1, &c_.Combo2, &c_.Combo3, &c_.Combo4, &c_.Combo5, &c_.Combo6},
                 c_.Label1, state_, s_.clock),
      options_({c_.Check2, c_.Check3, c_.Check4, c_.Combo7, c_.Combo8, c_.Combo9, c_.XPButton1},
               s_.settings, dialogs_, state_, selectors_),
      startWith_(c_.Check1, s_.startup, dialogs_), help_(dialogs_, s_.urls),
      notifyArea_(c_.form, c_.Label1, s_.notifyIcon, dialogs_, [this] { return state_.IsArmed; }),
      caption_(c_.Immin, c_.Imclose, notifyArea_, dialogs_, s_.exit),
      frame_(c_.form, c_.LbBR, s_.surface, s_.mover, s_.screen, s_.text) {}

void FrmMain::Form_Load() {
    state_.IsArmed = false;
    c_.form.SetSize(kMainWidthTwips, kMainHeightTwips);
    frame_.Centre(kMainWidthTwips, kMainHeightTwips);
    c_.form.SetCaption(TitleWithVersion());
    c_.LbBR.SetCaption(kCreditLine);

    SkipOnError([&] { startWith_.ShowState(); });
    SkipOnError([&] { options_.ReadMessageFlag(); });
    SkipOnError([&] { options_.ReadAutoArmFlag(); });
    SkipOnError([&] { options_.ReadDefaultTimeFlag(); });
    SkipOnError([&] { ClockTick(); });
    SkipOnError([&] { selectors_.Reset(); });
    SkipOnError([&] { options_.FillDefaultTimeLists(); });
    SkipOnError([&] { options_.ReadDefaultTime(); });
    SkipOnError([&] { options_.ShowDefaultTime(); });
    SkipOnError([&] { options_.ApplyDefaultTimeAtStart(); });
    SkipOnError([&] { c_.form.Show(); });
    SkipOnError([&] {
        if (state_.AutoOKFlag == 1)
            ArmSchedule();
    });
}

} // namespace tarvenel
