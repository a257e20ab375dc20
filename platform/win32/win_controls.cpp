#include "platform/win32/win_controls.h"

#include <algorithm>

#include "app/form_design.h"
#include "app/second_rhythm.h"
#include "platform/win32/wide.h"

namespace tarvenel::win32 {
namespace {

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return Narrow(text);
}

} // namespace

int TextWidth(HWND window, const std::wstring& text) {
    HDC dc = GetDC(window);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return size.cx;
}

void WinLabel::Attach(HWND window, LabelWidth sizing) {
    window_ = window;
    sizing_ = sizing;
    RECT r{};
    GetWindowRect(window, &r);
    laidOutWidth_ = r.right - r.left;
}
std::string WinLabel::Caption() const {
    return WindowText(window_);
}
void WinLabel::SetCaption(const std::string& text) {
    const std::wstring wide = Widen(text);
    if (sizing_ != LabelWidth::Fixed) {
        int width = TextWidth(window_, wide);
        if (sizing_ == LabelWidth::GrowToText)
            width = std::max(width, laidOutWidth_);
        RECT r{};
        GetClientRect(window_, &r);
        if (width != r.right)
            SetWindowPos(window_, nullptr, 0, 0, width, r.bottom,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SetWindowTextW(window_, wide.c_str());
}
int WinLabel::Width() const {
    return WidthTwips(window_);
}
int WinLabel::Height() const {
    return HeightTwips(window_);
}

int WidthTwips(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return PixelsToTwips(static_cast<int>(r.right - r.left));
}
int HeightTwips(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return PixelsToTwips(static_cast<int>(r.bottom - r.top));
}

void WinComboBox::Clear() {
    // Only the list: the text field keeps what it shows.
    const std::string text = Text();
    SendMessageW(window_, CB_RESETCONTENT, 0, 0);
    SetText(text);
}
void WinComboBox::AddItem(const std::string& text) {
    SendMessageW(window_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}
void WinComboBox::RemoveItem(int index) {
    const std::string text = Text();
    SendMessageW(window_, CB_DELETESTRING, static_cast<WPARAM>(index), 0);
    SetText(text);
}
int WinComboBox::ListCount() const {
    return static_cast<int>(SendMessageW(window_, CB_GETCOUNT, 0, 0));
}
std::string WinComboBox::List(int index) const {
    const LRESULT length = SendMessageW(window_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(window_, CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return Narrow(text);
}
int WinComboBox::ListIndex() const {
    const std::string text = Text();
    for (int i = 0, n = ListCount(); i < n; ++i)
        if (List(i) == text)
            return i;
    return -1;
}
std::string WinComboBox::Text() const {
    return WindowText(window_);
}
void WinComboBox::SetText(const std::string& text) {
    SetWindowTextW(window_, Widen(text).c_str());
}
bool WinComboBox::Enabled() const {
    return IsWindowEnabled(window_) != FALSE;
}
void WinComboBox::SetEnabled(bool enabled) {
    EnableWindow(window_, enabled);
}
void WinComboBox::TakeChosenEntry() {
    const LRESULT index = SendMessageW(window_, CB_GETCURSEL, 0, 0);
    if (index != CB_ERR)
        SetText(List(static_cast<int>(index)));
}

int WinCheckBox::Value() const {
    return SendMessageW(window_, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}
void WinCheckBox::SetValue(int value) {
    SendMessageW(window_, BM_SETCHECK, value == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
}
int WinCheckBox::Width() const {
    RECT r{};
    GetClientRect(window_, &r);
    return r.right;
}
int WinCheckBox::Height() const {
    RECT r{};
    GetClientRect(window_, &r);
    return r.bottom;
}

bool WinPicture::Visible() const {
    return IsWindowVisible(window_) != FALSE;
}
void WinPicture::SetVisible(bool visible) {
    ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE);
}

void WinTimer::Attach(HWND owner) {
    owner_ = owner;
    SetEnabled(enabled_);
}
void WinTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (!owner_)
        return;
    if (enabled)
        Start(); // restarts the period
    else
        KillTimer(owner_, id_);
}
void WinTimer::Ticked() {
    if (rhythm_ == Rhythm::WallClockSeconds && enabled_ && owner_)
        Start();
}
void WinTimer::Start() {
    int delay = interval_;
    if (rhythm_ == Rhythm::WallClockSeconds) {
        FILETIME now; // 100-nanosecond units
        GetSystemTimeAsFileTime(&now);
        const auto units =
            (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
        delay = MsUntilNextSecond(static_cast<int>(units / 10000 % 1000));
    }
    SetTimer(owner_, id_, static_cast<UINT>(delay), nullptr);
}

int MouseButtonOf(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        return 1;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        return 2;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        return 4;
    }
    return 0;
}

int ShiftState() {
    int shift = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        shift |= 1;
    if (GetKeyState(VK_CONTROL) < 0)
        shift |= 2;
    if (GetKeyState(VK_MENU) < 0)
        shift |= 4;
    return shift;
}

} // namespace tarvenel::win32
