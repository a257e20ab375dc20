#pragma once
// The steps of a power request on Windows, over the system calls they need
// (WinShutdownApi makes the real ones; tests record them): enabling the
// shutdown privilege on the NT family, then ExitWindowsEx.
#include <cstdint>
#include <optional>
#include <string>

#include "power/power_action.h"

namespace tarvenel::win32 {

struct Luid {
    std::uint32_t lowPart = 0;
    std::int32_t highPart = 0;
};

// One-entry token privilege record, laid out as the system expects it.
struct TokenPrivileges {
    std::uint32_t privilegeCount = 0;
    Luid luid;
    std::uint32_t attributes = 0;
};
static_assert(sizeof(TokenPrivileges) == 16);

inline constexpr std::uint32_t kTokenAdjustPrivileges = 0x20;
inline constexpr std::uint32_t kTokenQuery = 0x8;
inline constexpr std::uint32_t kSePrivilegeEnabled = 2;
inline constexpr const char* kShutdownPrivilege = "SeShutdownPrivilege";
inline constexpr std::uint32_t kAllReasons = 0xFFFFFFFF;

class ShutdownApi {
public:
    using Token = std::uintptr_t;
    virtual ~ShutdownApi() = default;
    virtual std::uint32_t GetVersion() = 0;
    virtual void ClearLastError() = 0;
    virtual std::optional<Token> OpenOwnProcessToken(std::uint32_t access) = 0;
    virtual Luid LookupPrivilegeValue(const std::string& name) = 0;
    virtual void AdjustTokenPrivileges(Token token, bool disableAll,
                                       const TokenPrivileges& newState,
                                       std::uint32_t previousStateLength) = 0;
    virtual void CloseToken(Token token) = 0;
    virtual PowerResult ExitWindows(std::uint32_t flags, std::uint32_t reason) = 0;
};

// Bit 31 of the version number is clear on the NT family.
bool IsWinNtFamily(std::uint32_t version);
// Log-off needs no privilege; shutting down needs the shutdown privilege.
bool NeedsShutdownPrivilege(PowerAction action);

// Enables the shutdown privilege of the own process token. A failing step
// does not stop the next one.
void EnableShutdownPrivilege(ShutdownApi& api);

// One action: the privilege first where it is needed on the NT family, then
// the request with the action's flags.
PowerResult RequestPower(ShutdownApi& api, PowerAction action);

} // namespace tarvenel::win32
