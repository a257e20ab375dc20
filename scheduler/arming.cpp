// Arming and cancelling the scheduled shutdown.
#include "app/text.h"
#include "app/version.h"
#include "scheduler/frm_main.h"

namespace tarvenel {
namespace {

constexpr const char* kTooSoon = "设定的关机时间必须在当前时间30秒以后！";
constexpr const char* kInvalidTarget =
    "设定的关机时间无效！\r\n请从列表中选择年、月、日、时、分、秒，组成一个真实存在的日期和时间。";

} // namespace

void FrmMain::ArmSchedule() {
    state_.IsArmed = false;
    c_.XPButton1.SetEnabled(false);
    c_.XPButton3.SetEnabled(false);
    c_.XPButton2.SetEnabled(true);
    c_.XPButton2.SetFocus();

    // ComposeTarget
    const bool parsed = selectors_.ReadAll();
    selectors_.UpdateTargetCaption();
    const CivilDateTime target{state_.SetYear, state_.SetMonth,  state_.SetDay,
                               state_.SetHour, state_.SetMinute, state_.SetSecond};
    const auto shutTime = parsed ? ToDateTimeValue(target) : std::nullopt;
    if (!shutTime) {
        // Letters, an empty field or a day the month does not have: refuse it
        // like a target that is too soon, so the window never stays half armed.
        Message(kInvalidTarget, mb::kOk);
        CancelSchedule();
        return;
    }
    state_.ShutTime = *shutTime;

    const auto now = ToDateTimeValue(s_.clock.Now());
    if (!now || SecondsBetween(*now, state_.ShutTime) < 30) {
        state_.IsArmed = false;
        Message(kTooSoon, mb::kOk);
        CancelSchedule();
        return;
    }

    state_.IsArmed = true;
    SetControlsArmed(true);
    // After a countdown that ran out without shutting down the clock timer is
    // still stopped; without it this target would never fire.
    if (!c_.Timer1.Enabled())
        c_.Timer1.SetEnabled(true);
    if (state_.MsgOKFlag == 1) {
        Message(std::string("定时关机时间已经设置成功！\r\n(关机时间：") +
                    GeneralDateText(s_.dateText, state_.ShutTime) +
                    ")\r\n程序窗口将最小化在通知区域图标。",
                mb::kOk);
    }
    notifyArea_.HideToIcon();
}

void FrmMain::CancelSchedule() {
    // A countdown that is running would otherwise power the machine off
    // behind a window that already looks disarmed: stop it the way its own
    // close box does.
    s_.countdown.Close();
    state_.IsArmed = false;
    c_.XPButton1.SetEnabled(true);
    c_.XPButton3.SetEnabled(true);
    c_.XPButton2.SetEnabled(false);
    c_.XPButton1.SetFocus();
    SetControlsArmed(false);
    // Keep the clock line moving even when a countdown ran out without
    // shutting down and left the clock timer stopped.
    if (!c_.Timer1.Enabled() && !c_.Timer2.Enabled())
        c_.Timer1.SetEnabled(true);
}

void FrmMain::SetControlsArmed(bool armed) {
    for (ComboBox* combo : {&c_.Combo1, &c_.Combo2, &c_.Combo3, &c_.Combo4, &c_.Combo5, &c_.Combo6,
                            &c_.Combo7, &c_.Combo8, &c_.Combo9})
        combo->SetEnabled(!armed);
    c_.Image1.SetVisible(armed);
}

void FrmMain::Message(const std::string& text, int style) {
    s_.dialogs.MessageBox(text, style, kAppTitle);
}

} // namespace tarvenel
