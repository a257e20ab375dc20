#pragma once
// The notification-area icon (Shell_NotifyIconW). Its mouse messages come
// back to the main window as WM_MOUSEMOVE with the mouse message in lParam.
#include "platform/win32/win_api.h"

#include <shellapi.h>

#include "shell/notify_icon.h"

namespace tarvenel::win32 {

class WinNotifyIcon : public NotifyIcon {
public:
    WinNotifyIcon(HWND window, HICON icon);
    bool Add(const std::string& tip) override;
    void Remove() override;
    // Explorer restarted ("TaskbarCreated"): a shown icon is gone and must be
    // put back, or an armed user would lose the way back to the window.
    void OnTaskbarCreated();
    static UINT TaskbarCreatedMessage();

private:
    NOTIFYICONDATAW Record() const;
    HWND window_;
    HICON icon_;
    std::wstring tip_;
    bool present_ = false;
};

} // namespace tarvenel::win32
