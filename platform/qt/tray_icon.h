#pragma once
// The notification icon as a QSystemTrayIcon. A left click on it reaches the
// main window the way the shell's callback does: as the button-up message.
#include <QObject>
#include <QSystemTrayIcon>
#include <functional>
#include <memory>

#include "shell/notify_icon.h"

namespace tarvenel::qt {

class TrayIcon : public QObject, public NotifyIcon {
    Q_OBJECT
public:
    explicit TrayIcon(QObject* parent = nullptr);
    // Runs when the user clicks the icon with the left button.
    void SetOnLeftClick(std::function<void()> onLeftClick) {
        onLeftClick_ = std::move(onLeftClick);
    }

    bool Add(const std::string& tip) override;
    void Remove() override;
    bool Shown() const { return icon_ && icon_->isVisible(); }
    QString ToolTip() const { return icon_ ? icon_->toolTip() : QString(); }

private:
    // Made when first shown: most starts show the window, not the icon.
    std::unique_ptr<QSystemTrayIcon> icon_;
    std::function<void()> onLeftClick_;
};

} // namespace tarvenel::qt
