#pragma once
// frmEnd as a native window: a fixed dialog-style window with caption and
// close box, no taskbar button, always on top, the big red number and the
// cancel button. The countdown logic is FrmEnd's; the core's launcher makes a
// fresh window for every firing.
#include "platform/win32/win_api.h"

#include <memory>

#include "platform/win32/icons.h"
#include "platform/win32/win_controls.h"
#include "platform/win32/win_services.h"
#include "power/countdown_launcher.h"

namespace tarvenel::win32 {

class ButtonCaption : public CommandButton {
public:
    void Attach(HWND window) { window_ = window; }
    std::string Caption() const override;
    void SetCaption(const std::string& text) override;
    bool Enabled() const override { return IsWindowEnabled(window_) != FALSE; }
    void SetEnabled(bool enabled) override;
    void SetFocus() override { ::SetFocus(window_); }

private:
    HWND window_ = nullptr;
};

class EndWindow : public CountdownDialog, public Form, public TopMostWindow {
public:
    EndWindow(HINSTANCE instance, HWND owner);
    // Goes without its unload handler when it is still loaded.
    ~EndWindow() override;
    static void Register(HINSTANCE instance);

    // Creates the hidden window and its controls, already in the centre of
    // the screen at the size the form gives itself when it loads; false when
    // the system refused.
    bool Create();
    // The form sees key presses before its focused control; true when the
    // message was used up here.
    bool PreTranslate(MSG& msg);

    // CountdownDialog
    FrmEndControls Controls() override { return {*this, label1_, command1_, timer1_, *this}; }
    void Bind(FrmEnd& logic) override { frm_ = &logic; }
    void Present() override;
    bool Loaded() const override { return !unloaded_ && window_ && IsWindow(window_); }

    // Form
    std::string Caption() const override;
    void SetCaption(const std::string& text) override;
    void Show() override;
    void Hide() override { ShowWindow(window_, SW_HIDE); }
    void Restore() override { Show(); }
    bool Visible() const override { return IsWindowVisible(window_) != FALSE; }
    void SetWindowState(WindowState state) override;
    void SetSize(int widthTwips, int heightTwips) override;
    int Width() const override { return WidthTwips(window_); }
    int Height() const override { return HeightTwips(window_); }
    void Unload() override;

    // TopMostWindow: SetWindowPos with HWND_TOPMOST (or HWND_NOTOPMOST), no
    // move, no size, shown (flags 0x43).
    void SetAlwaysOnTop(bool onTop) override;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    void DrawCommand1(const DRAWITEMSTRUCT& item);
    void ClickFocusedButton();

    HINSTANCE instance_;
    HWND owner_;
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
    FrmEnd* frm_ = nullptr;
};

} // namespace tarvenel::win32
