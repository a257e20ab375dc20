#pragma once
// XPButton as a window class of its own ("Tarvenel.XPButton"): the native
// window is the button's surface and passes the messages on to the core's
// hosted button, which paints into a bitmap that the window shows.
#include <memory>
#include <optional>
#include <string>

#include "button/hosted_button.h"
#include "platform/win32/win_api.h"
#include "platform/win32/window_accessibility.h"

namespace tarvenel::win32 {

class ButtonWindow : private ButtonSurface {
public:
    static void Register(HINSTANCE instance);
    // Creates the window and loads the stored button into it.
    HWND Create(HWND parent, int id, const RECT& pixels, ButtonContainer& container,
                const StoredButton& stored, TextRenderer& text);
    HWND Handle() const { return window_; }
    XPButton& Model() { return host_->Model(); }
    // The button as the forms' logic sees it.
    CommandButton& View() { return host_->View(); }
    // Enter while the button is the default one (the dialog manager's
    // notification reaches the container, which passes it on here).
    void PressEnter() { host_->Enter(); }

private:
    // ButtonSurface
    int Width() override;
    int Height() override;
    void SetWidth(int pixels) override;
    void SetRegion(const Region& region) override;
    void SetEnabled(bool enabled) override { EnableWindow(window_, enabled); }
    std::optional<std::string> SetCursorPicture(const PicturePtr&) override { return std::nullopt; }
    void SetAccessKey(const std::string&) override {} // the caption's "&" in the window text
    bool HasFocus() override { return GetFocus() == window_; }
    void Focus() override { ::SetFocus(window_); }
    void Capture(bool on) override;
    void StartHoverPoll(int periodMs) override;
    void StopHoverPoll() override;
    bool CursorOver() override;
    ClientPoint Cursor() override;
    void MoveFocus(bool forward) override;
    void Show(const Bitmap& face) override;
    void ShowMessage(const std::string& text, int style, const std::string& caption) override;
    void AccessibleChanged(AccessibleChange change) override { accessibility_.Announce(change); }

    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    std::wstring shownCaption_;
    std::unique_ptr<HostedButton> host_;
    // Goes before host_, which it reads.
    WindowAccessibility accessibility_{[this] { return host_->Accessible(); },
                                       [this] { host_->PressAction(); }};
};

} // namespace tarvenel::win32
