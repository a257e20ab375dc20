#pragma once
// Power actions through systemd-logind over D-Bus. Linux has no process
// token privileges, so that part of the request is a no-op here: logind and
// polkit decide who may shut the machine down.
#include <QDBusConnection>

#include "power/frm_end.h"
#include "power/power_action.h"

namespace tarvenel::qt {

class LogindPowerSystem : public PowerSystem {
public:
    // bus: the system bus in the program; a private bus in the tests.
    explicit LogindPowerSystem(QDBusConnection bus);

    void ClearLastError() override {}
    std::optional<Token> OpenOwnProcessToken(std::uint32_t) override { return std::nullopt; }
    Luid LookupPrivilegeValue(const std::string&) override { return {}; }
    void AdjustTokenPrivileges(Token, bool, const TokenPrivileges&, std::uint32_t) override {}
    void CloseToken(Token) override {}
    // Log-off (no shut-down bit) ends the session; shut-down asks logind to
    // power off (or reboot, for the reboot bit), without interactive
    // authentication, after asking whether it may.
    PowerResult ExitWindows(std::uint32_t flags, std::uint32_t reason) override;

private:
    PowerResult EndSession();
    PowerResult ManagerAction(const QString& can, const QString& action);

    QDBusConnection bus_;
};

// Linux reports itself as a member of the family that has a privilege step,
// so every action goes the full road (the step costs nothing here).
class LinuxSystemVersion : public SystemVersion {
public:
    std::uint32_t GetVersion() override { return 0; }
};

} // namespace tarvenel::qt
