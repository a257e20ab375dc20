#include "platform/qt/tray_icon.h"

#include "platform/qt/pictures.h"
#include "platform/qt/qt_string.h"

namespace tarvenel::qt {

TrayIcon::TrayIcon(QObject* parent) : QObject(parent) {
    icon_.setIcon(ProgramIcon());
    connect(&icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        // Trigger is the plain (left) click; right and double clicks do nothing.
        if (r == QSystemTrayIcon::Trigger && onLeftClick_)
            onLeftClick_();
    });
}

bool TrayIcon::Add(const std::string& tip) {
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return false;
    icon_.setToolTip(ToQtLines(tip));
    icon_.show();
    return true;
}

void TrayIcon::Remove() {
    icon_.hide();
}

} // namespace tarvenel::qt
