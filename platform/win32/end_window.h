#pragma once
// frmEnd as a native window: a fixed dialog-style window with caption and
// close box, no taskbar button, always on top, the big red number and the
// cancel button. The countdown logic is FrmEnd's.
#include "platform/win32/win_api.h"

#include <memory>

#include "platform/win32/icons.h"
#include "platform/win32/win_controls.h"
#include "platform/win32/win_power.h"
#include "platform/win32/win_services.h"
#include "power/countdown_window.h"
#include "power/frm_end.h"

namespace tarvenel::win32 {

class ButtonCaption : public CommandButton {
public:
    void Attach(HWND window) { window_ = window; }
    std::string Caption() const override;
    void SetCaption(const std::string& text) override;
    bool Enabled() const override { return IsWindowEnabled(window_) != FALSE; }
    void SetEnabled(bool enabled) override { EnableWindow(window_, enabled); }
    void SetFocus() override { ::SetFocus(window_); }

private:
    HWND window_ = nullptr;
};

struct EndWindowServices {
    SystemVersion& version;
    PowerRequester& power;
    Dialogs& dialogs;
    Timer& mainTimer2;
};

class EndWindow : public Form {
public:
    EndWindow(HINSTANCE instance, HWND owner, EndWindowServices services);
    ~EndWindow() override;
    static void Register(HINSTANCE instance);

    // Creates the window, runs Form_Load and shows it.
    void Load();
    bool Alive() const { return window_ && IsWindow(window_); }
    // The form sees key presses before its focused control; true when the
    // message was used up here.
    bool PreTranslate(MSG& msg);
    // Goes without its unload handler (the program ends).
    void Discard();

    // Form
    std::string Caption() const override;
    void SetCaption(const std::string& text) override;
    void Show() override;
    void Hide() override { ShowWindow(window_, SW_HIDE); }
    bool Visible() const override { return IsWindowVisible(window_) != FALSE; }
    void SetWindowState(WindowState state) override;
    void SetSize(int widthTwips, int heightTwips) override;
    int Width() const override { return WidthTwips(window_); }
    int Height() const override { return HeightTwips(window_); }
    void Unload() override;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    void DrawCommand1(const DRAWITEMSTRUCT& item);

    HINSTANCE instance_;
    HWND owner_;
    EndWindowServices services_;
    HWND window_ = nullptr;
    bool unloaded_ = false;
    HFONT numberFont_ = nullptr;
    HFONT buttonFont_ = nullptr;
    HFONT smallFont_ = nullptr;
    HBRUSH face_ = nullptr;
    IconHandle icon_;
    WinLabel label1_;
    ButtonCaption command1_;
    WinTimer timer1_{1, 2000, false};
    std::unique_ptr<WinZOrder> zOrder_;
    std::unique_ptr<FrmEnd> frm_;
};

// Shows a fresh countdown dialog each time the target fires.
class CountdownLauncher : public CountdownWindow {
public:
    CountdownLauncher(HINSTANCE instance, EndWindowServices services)
        : instance_(instance), services_(services) {}
    void SetOwner(HWND owner) { owner_ = owner; }
    void Show() override;
    EndWindow* Current() { return current_ && current_->Alive() ? current_.get() : nullptr; }
    void Discard();

private:
    HINSTANCE instance_;
    EndWindowServices services_;
    HWND owner_ = nullptr;
    std::unique_ptr<EndWindow> current_;
};

} // namespace tarvenel::win32
