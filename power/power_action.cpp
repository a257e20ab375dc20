#include "power/power_action.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace tarvenel {

std::uint32_t PowerFlags(PowerAction action) {
    switch (action) {
    case PowerAction::LogOff:
        return 0;
    case PowerAction::ForceLogOff:
        return 4;
    case PowerAction::ShutDown:
        return 1;
    case PowerAction::ForceShutDown:
        return 5;
    case PowerAction::ForcePowerOff:
        return 13;
    }
    return 0;
}

const char* PowerActionName(PowerAction action) {
    switch (action) {
    case PowerAction::LogOff:
        return "LogOff";
    case PowerAction::ForceLogOff:
        return "ForceLogOff";
    case PowerAction::ShutDown:
        return "ShutDown";
    case PowerAction::ForceShutDown:
        return "ForceShutDown";
    case PowerAction::ForcePowerOff:
        return "ForcePowerOff";
    }
    return "";
}

bool NeedsShutdownPrivilege(PowerAction action) {
    return action != PowerAction::LogOff && action != PowerAction::ForceLogOff;
}

void EnableShutdownPrivilege(PowerSystem& system) {
    system.ClearLastError();
    const auto token = system.OpenOwnProcessToken(kTokenAdjustPrivileges | kTokenQuery);
    TokenPrivileges privileges;
    privileges.privilegeCount = 1;
    privileges.luid = system.LookupPrivilegeValue(kShutdownPrivilege);
    privileges.attributes = kSePrivilegeEnabled;
    system.AdjustTokenPrivileges(token.value_or(0), false, privileges, sizeof(TokenPrivileges));
    if (token)
        system.CloseToken(*token);
}

PowerResult RunPowerAction(PowerSystem& system, PowerAction action, int isWinNT) {
    if (NeedsShutdownPrivilege(action) && isWinNT == 1)
        EnableShutdownPrivilege(system);
    return system.ExitWindows(PowerFlags(action), kAllReasons);
}

std::optional<std::string> DryRunFileFromEnvironment() {
    const char* file = std::getenv("TARVENEL_DRY_RUN");
    if (!file || !*file)
        return std::nullopt;
    return std::string(file);
}

PowerResult RecordDryRun(const std::string& file, PowerAction action) {
    const std::u8string name(file.begin(), file.end());
    std::ofstream out(std::filesystem::path(name), std::ios::app);
    out << PowerActionName(action) << ' ' << PowerFlags(action) << '\n';
    out.flush();
    if (!out)
        return {false, "无法写入演练记录文件 " + file};
    return {};
}

} // namespace tarvenel
