#pragma once
// The five ways of logging off or shutting down, and how they are requested.
#include <cstdint>
#include <optional>
#include <string>

namespace tarvenel {

enum class PowerAction { LogOff, ForceLogOff, ShutDown, ForceShutDown, ForcePowerOff };

// The request flags (log-off 0, shut-down 1, force 4, power-off 8).
std::uint32_t PowerFlags(PowerAction action);
const char* PowerActionName(PowerAction action);
// Log-off needs no privilege; shutting down needs the shutdown privilege.
bool NeedsShutdownPrivilege(PowerAction action);

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

struct PowerResult {
    bool ok = true;
    std::string reason; // why the system refused, when it says
};

// The operating system's side of a power action. The Windows build makes the
// real calls; other builds stand in for them.
class PowerSystem {
public:
    using Token = std::uintptr_t;
    virtual ~PowerSystem() = default;
    virtual void ClearLastError() = 0;
    virtual std::optional<Token> OpenOwnProcessToken(std::uint32_t access) = 0;
    virtual Luid LookupPrivilegeValue(const std::string& name) = 0;
    virtual void AdjustTokenPrivileges(Token token, bool disableAll,
                                       const TokenPrivileges& newState,
                                       std::uint32_t previousStateLength) = 0;
    virtual void CloseToken(Token token) = 0;
    virtual PowerResult ExitWindows(std::uint32_t flags, std::uint32_t reason) = 0;
};

// Enables the shutdown privilege of the own process token. A failing step does
// not stop the next one.
void EnableShutdownPrivilege(PowerSystem& system);

// Runs one action: the privilege first where it is needed and the system is
// of the NT family (isWinNT 1), then the request.
PowerResult RunPowerAction(PowerSystem& system, PowerAction action, int isWinNT);

// Dry-run mode: when TARVENEL_DRY_RUN names a file, actions are appended to it
// as "NAME FLAGS" lines instead of being asked of the system.
std::optional<std::string> DryRunFileFromEnvironment();
PowerResult RecordDryRun(const std::string& file, PowerAction action);

// What the countdown dialog uses: the system, or the dry-run file when set.
class PowerRequester {
public:
    PowerRequester(PowerSystem& system, std::optional<std::string> dryRunFile)
        : system_(system), dryRunFile_(std::move(dryRunFile)) {}
    PowerResult Run(PowerAction action, int isWinNT) {
        if (dryRunFile_)
            return RecordDryRun(*dryRunFile_, action);
        return RunPowerAction(system_, action, isWinNT);
    }

private:
    PowerSystem& system_;
    std::optional<std::string> dryRunFile_;
};

} // namespace tarvenel
