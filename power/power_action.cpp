#include "power/power_action.h"

#include <cstdio>
#include <cstdlib>

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

namespace {

// C stdio rather than streams: file streams would pull the whole locale
// machinery into the Windows program, doubling its size.
std::FILE* OpenForAppending(const std::string& utf8Path) {
#ifdef _WIN32
    // Narrow names there mean the ANSI code page; the path is UTF-8.
    std::wstring wide;
    for (std::size_t i = 0; i < utf8Path.size();) {
        const unsigned char lead = static_cast<unsigned char>(utf8Path[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length && i + k < utf8Path.size(); ++k)
            code = code << 6 | (static_cast<unsigned char>(utf8Path[i + k]) & 0x3F);
        i += static_cast<std::size_t>(length);
        if (code >= 0x10000) {
            wide += static_cast<wchar_t>(0xD800 + ((code - 0x10000) >> 10));
            wide += static_cast<wchar_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            wide += static_cast<wchar_t>(code);
        }
    }
    return _wfopen(wide.c_str(), L"a");
#else
    return std::fopen(utf8Path.c_str(), "a");
#endif
}

} // namespace

PowerResult RecordDryRun(const std::string& file, PowerAction action) {
    std::FILE* out = OpenForAppending(file);
    bool written = out && std::fprintf(out, "%s %u\n", PowerActionName(action),
                                       static_cast<unsigned>(PowerFlags(action))) > 0;
    if (out)
        written = std::fclose(out) == 0 && written;
    if (!written)
        return {false, "无法写入演练记录文件 " + file};
    return {};
}

} // namespace tarvenel
