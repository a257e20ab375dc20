#include "shell/notify_area.h"

#include "app/version.h"
#include "shell/tray_tip.h"

namespace tarvenel {

Hidden NotifyArea::Hide(bool boxes) {
    if (!armed_()) {
        if (boxes)
            dialogs_.MessageBox("请在设定好关机时间后点击“确定”按钮！", mb::kIconExclamation,
                                kAppTitle);
        return Hidden::NotArmed;
    }
    if (icon_.Add(TrayTipText(target_.Caption()))) {
        form_.Hide();
        return Hidden::BehindIcon;
    }
    // Hidden without an icon the window could not be found again while the
    // shutdown is armed, so it goes to the taskbar instead. Saying so at
    // every arming would only nag: the desktop has no notification area.
    if (boxes && !toldNoIcon_) {
        toldNoIcon_ = true;
        dialogs_.MessageBox("无法在通知区域显示程序图标，窗口将最小化到任务栏。",
                            mb::kIconExclamation, kAppTitle);
        // The box lets other events through: the shutdown may have been
        // cancelled while it was up, and an idle window stays where it is.
        if (!armed_())
            return Hidden::NotArmed;
    }
    form_.SetWindowState(WindowState::Minimised);
    return Hidden::Minimised;
}

} // namespace tarvenel
