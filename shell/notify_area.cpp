// Hiding the main window to the notification area and the icon's lifetime.
#include "app/version.h"
#include "scheduler/frm_main.h"
#include "shell/tray_tip.h"

namespace tarvenel {

void FrmMain::Immin_Click() {
    if (!state_.IsArmed) {
        Message("请在设定好关机时间后点击“确定”按钮！", mb::kIconExclamation);
        return;
    }
    if (s_.notifyIcon.Add(TrayTipText(c_.Label1.Caption()))) {
        c_.form.Hide();
        return;
    }
    // Hidden without an icon the window could not be found again while the
    // shutdown is armed, so it goes to the taskbar instead.
    Message("无法在通知区域显示程序图标，窗口将最小化到任务栏。", mb::kIconExclamation);
    c_.form.SetWindowState(WindowState::Minimised);
}

void FrmMain::Form_QueryUnload() {
    s_.notifyIcon.Remove();
}

} // namespace tarvenel
