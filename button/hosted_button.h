#pragma once
// One XPButton on a native window, with everything hosting it takes that is
// the same on every window system: the model, its renderer, the classic
// click order, the view the forms see, the default look that follows the
// focus, and the keys. A front end supplies only the native window
// (ButtonSurface) and feeds it the window system's input.
#include <memory>
#include <string>

#include "app/accessible.h"
#include "button/click_synthesiser.h"
#include "button/command_button.h"
#include "button/host.h"
#include "button/main_window_buttons.h"
#include "button/renderer.h"
#include "button/xp_button.h"

namespace tarvenel {

// What only the window system can do for one button.
class ButtonSurface {
public:
    virtual ~ButtonSurface() = default;
    // Client size in pixels; SetWidth answers at once.
    virtual int Width() = 0;
    virtual int Height() = 0;
    virtual void SetWidth(int pixels) = 0;
    // Nothing outside the outline is shown or takes the mouse.
    virtual void SetRegion(const Region& region) = 0;
    virtual void SetEnabled(bool enabled) = 0;
    // A custom mouse cursor, or the arrow for none; the error when refused.
    virtual std::optional<std::string> SetCursorPicture(const PicturePtr& picture) = 0;
    // Alt and this letter click the button ("" for none).
    virtual void SetAccessKey(const std::string& key) = 0;
    virtual bool HasFocus() = 0;
    virtual void Focus() = 0;
    virtual void Capture(bool on) = 0;
    // The hover poll: HostedButton::HoverTick every periodMs until stopped.
    virtual void StartHoverPoll(int periodMs) = 0;
    virtual void StopHoverPoll() = 0;
    // Whether the window under the cursor is this one (not one over it) and
    // the cursor lies inside the outline; and where it is, in client pixels.
    virtual bool CursorOver() = 0;
    virtual ClientPoint Cursor() = 0;
    // The arrow keys move the focus on through the container's tab order.
    virtual void MoveFocus(bool forward) = 0;
    // Shows the face now (some looks last for this one paint only).
    virtual void Show(const Bitmap& face) = 0;
    virtual void ShowMessage(const std::string& text, int style, const std::string& caption) = 0;
    // What HostedButton::Accessible() says has changed: tell screen readers.
    virtual void AccessibleChanged(AccessibleChange change) = 0;
};

class HostedButton : private ButtonHost {
public:
    // Loads the stored button; `screen` is what its caption font and
    // gradients are measured against.
    HostedButton(ButtonSurface& surface, ButtonContainer& container, const StoredButton& stored,
                 TextRenderer& text, ButtonScreen screen);
    ~HostedButton() override;
    HostedButton(const HostedButton&) = delete;
    HostedButton& operator=(const HostedButton&) = delete;

    XPButton& Model() { return button_; }
    const XPButton& Model() const { return button_; }
    CommandButton& View() { return view_; }
    // The face as last painted.
    const Bitmap& Face() const { return face_; }
    // The button as screen readers see it.
    AccessibleInfo Accessible() const;

    // The window system's input; buttons and keys in the classic numbers
    // (mouse 1 left, 2 right, 4 middle; shift 1, ctrl 2, alt 4; virtual keys).
    void Press(int button, int shift, float x, float y) { clicks_.Press(button, shift, x, y); }
    void DoublePress(int button, int shift, float x, float y) {
        clicks_.DoublePress(button, shift, x, y);
    }
    void Release(int button, int shift, float x, float y) { clicks_.Release(button, shift, x, y); }
    void Move(int buttons, int shift, float x, float y) {
        button_.OnMouseMove(buttons, shift, x, y);
    }
    // Enter clicks the button shown as the default one; a held space bar
    // does not repeat. False when the key was taken whole, so that its
    // character is not typed either.
    bool KeyDown(int key, int shift, bool repeat);
    void KeyUp(int key, int shift);
    // The ASCII character a key typed.
    void KeyPress(int character);
    // Alt and the caption's "&" letter; Enter reaching it from the container.
    void AccessKey();
    void Enter() { button_.OnAccessKey(xpb::kKeyEnter); }
    void FocusChanged(bool gotFocus);
    // A new size lays the button out again; a resize to the size it was last
    // laid out at (a window's first show sends one) changes nothing.
    void Resized();
    // The window asks to be painted: any delay of drawing ends.
    void Paint() { button_.OnPaint(); }
    void HoverTick() { button_.OnHoverTimer(); }
    // A screen reader's press: the click of a mouse in the middle of the
    // button, nothing when it is disabled. It may unload the button.
    void PressAction();

private:
    // ButtonHost
    ButtonContainer& Container() override { return container_; }
    bool DisplayAsDefault() override { return surface_.HasFocus(); }
    std::string Name() override { return name_; }
    bool DesignMode() override { return false; }
    void MessageBox(const std::string& text, int style, const std::string& caption) override {
        surface_.ShowMessage(text, style, caption);
    }
    void PropertyChanged(const std::string& key) override;
    int ScaleWidth() override { return surface_.Width(); }
    int ScaleHeight() override { return surface_.Height(); }
    void SetClientWidth(int pixels) override { surface_.SetWidth(pixels); }
    void SetRegion(const Region& region) override { surface_.SetRegion(region); }
    void SetSurfaceEnabled(bool enabled) override { surface_.SetEnabled(enabled); }
    void SetMousePointer(int pointer) override;
    std::optional<std::string> SetMouseIcon(const PicturePtr& icon) override {
        return surface_.SetCursorPicture(icon);
    }
    void SetAccessKeys(const std::string& key) override;
    void SetFocus() override { surface_.Focus(); }
    void SetCapture() override { surface_.Capture(true); }
    void ReleaseCapture() override { surface_.Capture(false); }
    void StartTimer(int, int periodMs) override { surface_.StartHoverPoll(periodMs); }
    void StopTimer(int) override { surface_.StopHoverPoll(); }
    bool IsCursorOverMe() override { return surface_.CursorOver(); }
    ClientPoint CursorPosition() override { return surface_.Cursor(); }
    void PostKeyDownToContainer(int virtualKey, std::uint32_t) override;
    void Redraw() override;

    ButtonSurface& surface_;
    ButtonContainer& container_;
    std::string name_;
    std::string toolTip_;
    std::string accessKey_;
    XPButton button_;
    std::unique_ptr<ButtonRenderer> renderer_; // must not outlive button_
    ClickSynthesiser clicks_;
    XPButtonCommand view_;
    Bitmap face_;
    int laidOutWidth_ = -1;
    int laidOutHeight_ = -1;
    bool loaded_ = false; // changes are announced once the stored button is loaded
};

} // namespace tarvenel
