#include "platform/qt/display_platform.h"

#include <QtGlobal>

namespace tarvenel::qt {

bool PrefersX11(const std::function<QByteArray(const char*)>& environment) {
    if (!environment("QT_QPA_PLATFORM").isEmpty() || environment("DISPLAY").isEmpty())
        return false;
    return !environment("WAYLAND_DISPLAY").isEmpty() ||
           environment("XDG_SESSION_TYPE") == "wayland";
}

void PreferX11Display() {
    if (PrefersX11([](const char* name) { return qgetenv(name); }))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

void PreferPlainImageTransfer() {
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
}

} // namespace tarvenel::qt
