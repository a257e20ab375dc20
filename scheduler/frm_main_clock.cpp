// The clock line, the trigger, and the restore after a cancelled countdown.
#include "scheduler/frm_main.h"

namespace tarvenel {

void FrmMain::ClockTick() {
    // One reading serves both the trigger and the clock line.
    const CivilDateTime now = s_.clock.Now();
    if (state_.IsArmed) {
        const auto nowValue = ToDateTimeValue(now);
        // Compared on the whole date and time, so a past target (the machine
        // slept, the clock jumped) fires on the first tick that sees it.
        if (nowValue && SecondsBetween(*nowValue, state_.ShutTime) < 1) {
            c_.Timer1.SetEnabled(false);
            s_.countdown.Show();
        }
    }
    c_.Label0.SetCaption("当前电脑时间：" + std::to_string(now.year) + "年" +
                         std::to_string(now.month) + "月" + std::to_string(now.day) + "日" +
                         std::to_string(now.hour) + "时" + std::to_string(now.minute) + "分" +
                         std::to_string(now.second) + "秒");
}

void FrmMain::RestoreAfterCancel() {
    c_.form.SetWindowState(WindowState::Normal);
    c_.form.Show();
    CancelSchedule();
    c_.Timer1.SetEnabled(true);
    c_.Timer2.SetEnabled(false);
}

} // namespace tarvenel
