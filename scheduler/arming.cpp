// Arming and cancelling the scheduled shutdown.
#include "app/text.h"
#include "app/version.h"
#include "scheduler/arming_text.h"
#include "scheduler/frm_main.h"

namespace tarvenel {

FrmMain::Verdict FrmMain::Judge(std::optional<DateTimeValue> target, const CivilDateTime& now) {
    if (!target)
        return Verdict::Invalid;
    const auto nowValue = ToDateTimeValue(now);
    if (!nowValue || SecondsBetween(*nowValue, *target) < 30)
        return Verdict::TooSoon;
    return Verdict::Accepted;
}

void FrmMain::BeginArming() {
    state_.IsArmed = false;
    c_.XPButton1.SetEnabled(false);
    c_.XPButton3.SetEnabled(false);
    c_.XPButton2.SetEnabled(true);
    c_.XPButton2.SetFocus();
}

void FrmMain::ArmSchedule() {
    BeginArming();

    // ComposeTarget
    const bool parsed = selectors_.ReadAll();
    selectors_.UpdateTargetCaption();
    const CivilDateTime target{state_.SetYear, state_.SetMonth,  state_.SetDay,
                               state_.SetHour, state_.SetMinute, state_.SetSecond};
    const auto shutTime = parsed ? ToDateTimeValue(target) : std::nullopt;
    if (shutTime)
        state_.ShutTime = *shutTime;

    switch (Judge(shutTime, s_.clock.Now())) {
    case Verdict::Invalid:
        // Letters, an empty field or a day the month does not have: refuse it
        // like a target that is too soon, so the window never stays half armed.
        Message(std::string(kInvalidTarget) + kInvalidTargetHint, mb::kOk);
        CancelSchedule();
        return;
    case Verdict::TooSoon:
        state_.IsArmed = false;
        Message(kTooSoon, mb::kOk);
        CancelSchedule();
        return;
    case Verdict::Accepted:
        Accept(*shutTime, ArmedBy::Window);
        return;
    }
}

Hidden FrmMain::Accept(DateTimeValue shutTime, ArmedBy by) {
    state_.ShutTime = shutTime;
    state_.IsArmed = true;
    SetControlsArmed(true);
    // After a countdown that ran out without shutting down the clock timer is
    // still stopped; without it this target would never fire.
    if (!c_.Timer1.Enabled())
        c_.Timer1.SetEnabled(true);
    if (by == ArmedBy::CommandLine)
        return notifyArea_.HideToIconQuietly(); // the terminal is told instead
    if (state_.MsgOKFlag == 1) {
        Message(std::string("定时关机时间已经设置成功！\r\n(关机时间：") +
                    GeneralDateText(s_.dateText, state_.ShutTime) +
                    ")\r\n程序窗口将最小化在通知区域图标。",
                mb::kOk);
        // The box lets other events through: a cancel from the command line
        // may have come while it was up, and then there is nothing to hide.
        if (!state_.IsArmed)
            return Hidden::NotArmed;
    }
    return notifyArea_.HideToIcon();
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
    dialogs_.MessageBox(text, style, kAppTitle);
}

} // namespace tarvenel
