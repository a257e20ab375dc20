#pragma once
// The push buttons of the forms as a window class of their own
// ("Tarvenel.XPButton"): mouse capture while pressed, a 50 ms hover poll,
// Space and Enter, arrows handed to the container, and the focused button
// shown as the default one.
#include "platform/win32/win_api.h"

#include <functional>
#include <string>

#include "app/controls.h"

namespace tarvenel::win32 {

class ButtonWindow : public CommandButton {
public:
    static void Register(HINSTANCE instance);
    HWND Create(HWND parent, int id, const RECT& pixels, const std::string& caption, HFONT font);
    HWND Handle() const { return window_; }

    std::string Caption() const override { return caption_; }
    void SetCaption(const std::string& text) override;
    bool Enabled() const override;
    void SetEnabled(bool enabled) override;
    void SetFocus() override;

    std::function<void()> onClick;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    void Redraw();
    void StartHoverPoll();
    void PollHover();
    void Click();

    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    std::string caption_;
    bool pressed_ = false; // left button or Space held on the button
    bool hover_ = false;
    bool hoverTimer_ = false;
};

} // namespace tarvenel::win32
