// Starting the program with the system: the start-up check and Check1.
#include <algorithm>

#include "scheduler/frm_main.h"

namespace tarvenel {

bool FrmMain::IsInStartupList() {
    std::string stored = s_.startup.ReadCommand();
    stored.erase(std::remove(stored.begin(), stored.end(), '\0'), stored.end());
    // Case matters: an entry in other letter case names another file elsewhere.
    return stored == startupCommand_;
}

void FrmMain::StartupCheck() {
    c_.Check1.SetValue(IsInStartupList() ? 1 : 0);
}

void FrmMain::Check1_MouseUp(int, int, float x, float y) {
    if (!ReleasedInside(c_.Check1, x, y))
        return;
    const bool on = c_.Check1.Value() == 1;
    const StartupResult result =
        on ? s_.startup.Register(startupCommand_) : s_.startup.Unregister();
    if (result.ok) {
        Message(on ? "已经加入系统启动项！" : "已经取消系统启动项！", mb::kIconInformation);
        return;
    }
    // The box shows what the list really holds, not what the user asked for.
    c_.Check1.SetValue(IsInStartupList() ? 1 : 0);
    std::string text = on ? "未能加入系统启动项！" : "未能取消系统启动项！";
    if (!result.reason.empty())
        text += "\r\n" + result.reason;
    Message(text, mb::kIconExclamation);
}

} // namespace tarvenel
