#pragma once
// Power actions through systemd-logind over D-Bus: logind and polkit decide
// who may shut the machine down.
#include <QDBusConnection>
#include <functional>
#include <optional>

#include "power/power_action.h"

namespace tarvenel::qt {

class LogindPowerRequester : public PowerRequester {
public:
    // bus: the system bus in the program; a private bus in the tests.
    explicit LogindPowerRequester(QDBusConnection bus);
    // Connects only when the first request comes: most runs never make one,
    // and the first window need not wait for the bus.
    explicit LogindPowerRequester(std::function<QDBusConnection()> connect);

    // Log-off ends the session; the shut-down actions ask logind to power
    // off, without interactive authentication, after asking whether it may.
    PowerResult Request(PowerAction action) override;

private:
    PowerResult EndSession();
    PowerResult ManagerAction(const QString& can, const QString& action);

    QDBusConnection& Bus();

    std::function<QDBusConnection()> connect_;
    std::optional<QDBusConnection> bus_;
};

} // namespace tarvenel::qt
