#include "platform/qt/tray_icon.h"

#include "platform/qt/pictures.h"
#include "platform/qt/qt_string.h"

namespace tarvenel::qt {

TrayIcon::TrayIcon(QObject* parent) : QObject(parent) {}

bool TrayIcon::Add(const std::string& tip) {
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return false;
    if (!icon_) {
        icon_ = std::make_unique<QSystemTrayIcon>(ProgramIcon());
        connect(icon_.get(), &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason r) {
                    // Trigger is the plain (left) click; right and double
                    // clicks do nothing.
                    if (r == QSystemTrayIcon::Trigger && onLeftClick_)
                        onLeftClick_();
                });
    }
    icon_->setToolTip(ToQtLines(tip));
    icon_->show();
    return true;
}

void TrayIcon::Remove() {
    if (icon_)
        icon_->hide();
}

} // namespace tarvenel::qt
