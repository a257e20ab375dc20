#pragma once
// Power requests on Windows: the shutdown privilege and ExitWindowsEx.
#include "platform/win32/shutdown_privilege.h"

namespace tarvenel::win32 {

// The system calls the request's steps make.
class WinShutdownApi : public ShutdownApi {
public:
    std::uint32_t GetVersion() override;
    void ClearLastError() override;
    std::optional<Token> OpenOwnProcessToken(std::uint32_t access) override;
    Luid LookupPrivilegeValue(const std::string& name) override;
    void AdjustTokenPrivileges(Token token, bool disableAll, const TokenPrivileges& newState,
                               std::uint32_t previousStateLength) override;
    void CloseToken(Token token) override;
    PowerResult ExitWindows(std::uint32_t flags, std::uint32_t reason) override;
};

class WinPowerRequester : public PowerRequester {
public:
    PowerResult Request(PowerAction action) override { return RequestPower(api_, action); }

private:
    WinShutdownApi api_;
};

} // namespace tarvenel::win32
