#include "platform/win32/shutdown_privilege.h"

namespace tarvenel::win32 {

bool IsWinNtFamily(std::uint32_t version) {
    return (version & 0x80000000u) == 0;
}

bool NeedsShutdownPrivilege(PowerAction action) {
    return action != PowerAction::LogOff && action != PowerAction::ForceLogOff;
}

void EnableShutdownPrivilege(ShutdownApi& api) {
    api.ClearLastError();
    const auto token = api.OpenOwnProcessToken(kTokenAdjustPrivileges | kTokenQuery);
    TokenPrivileges privileges;
    privileges.privilegeCount = 1;
    privileges.luid = api.LookupPrivilegeValue(kShutdownPrivilege);
    privileges.attributes = kSePrivilegeEnabled;
    api.AdjustTokenPrivileges(token.value_or(0), false, privileges, sizeof(TokenPrivileges));
    if (token)
        api.CloseToken(*token);
}

PowerResult RequestPower(ShutdownApi& api, PowerAction action) {
    if (NeedsShutdownPrivilege(action) && IsWinNtFamily(api.GetVersion()))
        EnableShutdownPrivilege(api);
    return api.ExitWindows(PowerFlags(action), kAllReasons);
}

} // namespace tarvenel::win32
