#include "power/frm_end.h"

#include <exception>
#include <string>

#include "app/version.h"

namespace tarvenel {

FrmEnd::FrmEnd(FrmEndControls controls, FrmEndServices services) : c_(controls), s_(services) {}

void FrmEnd::Form_Load() {
    c_.form.SetSize(kEndWidthTwips, kEndHeightTwips);
    c_.Command1.SetCaption("取消关机");
    countDown_ = 10;
    fired_ = false;
    c_.Label1.SetCaption(std::to_string(countDown_));
    c_.Timer1.SetEnabled(true); // every showing counts afresh
    try {
        c_.window.SetAlwaysOnTop(true);
    } catch (const std::exception&) {
        // Staying on top is a nicety; the countdown runs all the same.
    }
}

void FrmEnd::Timer1_Timer() {
    if (countDown_ != 0) {
        --countDown_;
        c_.Label1.SetCaption(std::to_string(countDown_));
        return;
    }
    fired_ = true;
    c_.Command1.SetEnabled(false);
    c_.form.SetCaption("正在关机…");
    c_.Command1.SetCaption("再见！");
    c_.Timer1.SetEnabled(false);
    Command2_Click();
}

void FrmEnd::Command1_Click() {
    c_.Timer1.SetEnabled(false);
    s_.mainTimer2.SetEnabled(true);
    c_.form.Unload();
}

bool FrmEnd::Form_KeyDown(int keyCode, int) {
    if (keyCode == 27) {
        Command1_Click();
        return true;
    }
    return fired_;
}

void FrmEnd::Form_Unload() {
    if (c_.Timer1.Enabled())
        s_.mainTimer2.SetEnabled(true);
    c_.Timer1.SetEnabled(false);
}

void FrmEnd::cmdLogoff_Click() {
    Perform(PowerAction::LogOff);
}
void FrmEnd::cmdForceLogoff_Click() {
    Perform(PowerAction::ForceLogOff);
}
void FrmEnd::cmdShutdown_Click() {
    Perform(PowerAction::ShutDown);
}
void FrmEnd::cmdForceShutdown_Click() {
    Perform(PowerAction::ForceShutDown);
}
void FrmEnd::Command2_Click() {
    Perform(PowerAction::ForcePowerOff);
}

void FrmEnd::Perform(PowerAction action) {
    const PowerResult result = s_.power.Request(action);
    if (result.ok)
        return; // the system closes the dialog as it goes down
    // A refused request must not leave "再见！" on screen with the schedule
    // still armed and the clock stopped: say so and hand back like a cancel.
    std::string text = "系统拒绝了关机请求，计算机没有关闭。";
    if (!result.reason.empty())
        text += "\r\n原因：" + result.reason;
    text += "\r\n定时关机已取消，请重新设定。";
    s_.dialogs.MessageBox(text, mb::kIconExclamation, kAppTitle);
    Command1_Click();
}

} // namespace tarvenel
