#include "platform/win32/win_notify_icon.h"

#include <shellapi.h>

#include "platform/win32/wide.h"

namespace tarvenel::win32 {

WinNotifyIcon::WinNotifyIcon(HWND window, HICON icon) : window_(window), icon_(icon) {}

UINT WinNotifyIcon::TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

NOTIFYICONDATAW WinNotifyIcon::Record() const {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = window_;
    data.uID = 1;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = WM_MOUSEMOVE;
    data.hIcon = icon_;
    tip_.copy(data.szTip, std::size(data.szTip) - 1);
    return data;
}

bool WinNotifyIcon::Add(const std::string& tip) {
    tip_ = Widen(tip);
    NOTIFYICONDATAW data = Record();
    if (present_) {
        // Already there: keep it and bring its tip up to date.
        Shell_NotifyIconW(NIM_MODIFY, &data);
        return true;
    }
    present_ = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
    return present_;
}

void WinNotifyIcon::Remove() {
    NOTIFYICONDATAW data = Record();
    Shell_NotifyIconW(NIM_DELETE, &data);
    present_ = false;
}

void WinNotifyIcon::OnTaskbarCreated() {
    if (!present_)
        return;
    NOTIFYICONDATAW data = Record();
    Shell_NotifyIconW(NIM_ADD, &data);
}

} // namespace tarvenel::win32
