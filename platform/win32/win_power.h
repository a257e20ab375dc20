#pragma once
// The system calls behind the power actions and the version test.
#include "power/frm_end.h"
#include "power/power_action.h"

namespace tarvenel::win32 {

class WinPowerSystem : public PowerSystem {
public:
    void ClearLastError() override;
    std::optional<Token> OpenOwnProcessToken(std::uint32_t access) override;
    Luid LookupPrivilegeValue(const std::string& name) override;
    void AdjustTokenPrivileges(Token token, bool disableAll, const TokenPrivileges& newState,
                               std::uint32_t previousStateLength) override;
    void CloseToken(Token token) override;
    PowerResult ExitWindows(std::uint32_t flags, std::uint32_t reason) override;
};

class WinSystemVersion : public SystemVersion {
public:
    std::uint32_t GetVersion() override;
};

} // namespace tarvenel::win32
