#include "shell/notify_area.h"

#include "app/version.h"
#include "shell/tray_tip.h"

namespace tarvenel {

void NotifyArea::HideToIcon() {
    if (!armed_()) {
        dialogs_.MessageBox("请在设定好关机时间后点击“确定”按钮！", mb::kIconExclamation,
                            kAppTitle);
        return;
    }
    if (icon_.Add(TrayTipText(target_.Caption()))) {
        form_.Hide();
        return;
    }
    // Hidden without an icon the window could not be found again while the
    // shutdown is armed, so it goes to the taskbar instead.
    dialogs_.MessageBox("无法在通知区域显示程序图标，窗口将最小化到任务栏。", mb::kIconExclamation,
                        kAppTitle);
    form_.SetWindowState(WindowState::Minimised);
}

} // namespace tarvenel
