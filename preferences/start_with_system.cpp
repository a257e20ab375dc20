#include "preferences/start_with_system.h"

#include "preferences/option_switches.h"

namespace tarvenel {

void StartWithSystem::Check1_MouseUp(int, int, float x, float y) {
    if (!ReleasedInside(box_, x, y))
        return;
    const bool on = box_.Value() == 1;
    const StartupResult result = list_.Switch(on);
    if (result.ok) {
        ShowMessage(dialogs_, on ? "已经加入系统启动项！" : "已经取消系统启动项！",
                    mb::kIconInformation);
        return;
    }
    // The box shows what the list really holds, not what the user asked for.
    ShowState();
    std::string text = on ? "未能加入系统启动项！" : "未能取消系统启动项！";
    if (!result.reason.empty())
        text += "\r\n" + result.reason;
    ShowMessage(dialogs_, text, mb::kIconExclamation);
}

} // namespace tarvenel
