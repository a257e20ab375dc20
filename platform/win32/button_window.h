#pragma once
// XPButton as a window class of its own ("Tarvenel.XPButton"): the native
// window feeds the core's button model its mouse, keyboard, focus and timer
// input and carries out what the model asks of its host (capture, the 237 /
// 50 ms hover poll, arrows posted to the container, the window region). The
// core's renderer paints the face into a bitmap that the window shows. The
// focused button is shown as the container's default one.
#include <memory>
#include <optional>
#include <string>

#include "button/click_synthesiser.h"
#include "button/command_button.h"
#include "button/main_window_buttons.h"
#include "button/renderer.h"
#include "button/xp_button.h"
#include "platform/win32/win_api.h"

namespace tarvenel::win32 {

class ButtonWindow : private ButtonHost {
public:
    ButtonWindow();
    ~ButtonWindow() override;
    static void Register(HINSTANCE instance);
    // Creates the window and loads the stored button into it.
    HWND Create(HWND parent, int id, const RECT& pixels, ButtonContainer& container,
                const StoredButton& stored, TextRenderer& text);
    HWND Handle() const { return window_; }
    XPButton& Model() { return button_; }
    // The button as the forms' logic sees it.
    CommandButton& View() { return view_; }
    // Enter while the button is the default one (the dialog manager's
    // notification reaches the container, which passes it on here).
    void PressEnter();

private:
    // ButtonHost
    ButtonContainer& Container() override { return *container_; }
    bool DisplayAsDefault() override;
    std::string Name() override { return name_; }
    bool DesignMode() override { return false; }
    void MessageBox(const std::string& text, int style, const std::string& caption) override;
    void PropertyChanged(const std::string&) override {}
    int ScaleWidth() override;
    int ScaleHeight() override;
    void SetClientWidth(int pixels) override;
    void SetRegion(const Region& region) override;
    void SetSurfaceEnabled(bool enabled) override;
    void SetMousePointer(int) override {}
    std::optional<std::string> SetMouseIcon(const PicturePtr&) override { return std::nullopt; }
    void SetAccessKeys(const std::string& keys) override { accessKeys_ = keys; }
    void SetFocus() override;
    void SetCapture() override;
    void ReleaseCapture() override;
    void StartTimer(int id, int periodMs) override;
    void StopTimer(int id) override;
    bool IsCursorOverMe() override;
    ClientPoint CursorPosition() override;
    void PostKeyDownToContainer(int virtualKey, std::uint32_t keyData) override;
    void Redraw() override;

    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Show(HDC dc);

    HWND window_ = nullptr;
    ButtonContainer* container_ = nullptr;
    std::string name_;
    std::wstring shownCaption_;
    std::string accessKeys_; // the caption's "&" letter, which BM_CLICK stands for
    XPButton button_;
    std::unique_ptr<ButtonRenderer> renderer_; // must not outlive button_
    ClickSynthesiser clicks_;
    XPButtonCommand view_;
};

} // namespace tarvenel::win32
