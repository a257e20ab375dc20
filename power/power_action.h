#pragma once
// The five ways of logging off or shutting down, and the one request the
// countdown makes of the system.
#include <cstdint>
#include <optional>
#include <string>

namespace tarvenel {

enum class PowerAction { LogOff, ForceLogOff, ShutDown, ForceShutDown, ForcePowerOff };

// Each action's fixed flags (log-off 0, shut-down 1, force 4, power-off 8).
std::uint32_t PowerFlags(PowerAction action);
const char* PowerActionName(PowerAction action);

struct PowerResult {
    bool ok = true;
    std::string reason; // why the system refused, when it says
};

// Asks the system to log off or shut down. It returns as soon as the system
// has taken the request (or refused it); the system then goes down by itself.
class PowerRequester {
public:
    virtual ~PowerRequester() = default;
    virtual PowerResult Request(PowerAction action) = 0;
};

// Dry-run mode: when TARVENEL_DRY_RUN names a file, actions are appended to it
// as "NAME FLAGS" lines instead of being asked of the system.
std::optional<std::string> DryRunFileFromEnvironment();

class DryRunRequester : public PowerRequester {
public:
    explicit DryRunRequester(std::string file) : file_(std::move(file)) {}
    // Refused, with the reason, when the file cannot be written.
    PowerResult Request(PowerAction action) override;

private:
    std::string file_;
};

} // namespace tarvenel
