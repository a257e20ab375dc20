#include "button/hosted_button.h"

#include <cctype>

#include "button/accessible_button.h"

namespace tarvenel {

HostedButton::HostedButton(ButtonSurface& surface, ButtonContainer& container,
                           const StoredButton& stored, TextRenderer& text, ButtonScreen screen)
    : surface_(surface), container_(container), name_(stored.name), toolTip_(stored.toolTip),
      button_(*this), renderer_(std::make_unique<ButtonRenderer>(button_, text, screen)),
      clicks_(button_), view_(button_) {
    button_.SetRenderHooks(renderer_.get());
    // Loading ends with the resize sequence at the surface's size.
    button_.ReadProperties(stored.properties);
    laidOutWidth_ = surface_.Width();
    laidOutHeight_ = surface_.Height();
    loaded_ = true;
}

void HostedButton::Resized() {
    if (surface_.Width() == laidOutWidth_ && surface_.Height() == laidOutHeight_)
        return;
    button_.OnResize();
    // The sequence may have widened a slanted button to its least width.
    laidOutWidth_ = surface_.Width();
    laidOutHeight_ = surface_.Height();
}

HostedButton::~HostedButton() {
    button_.SetRenderHooks(nullptr); // the renderer goes first
}

void HostedButton::SetMousePointer(int pointer) {
    if (pointer == 0)
        surface_.SetCursorPicture(nullptr);
}

void HostedButton::SetAccessKeys(const std::string& key) {
    accessKey_ = key;
    surface_.SetAccessKey(key);
}

void HostedButton::AccessKey() {
    // The access-key path, which check and option buttons take too (Enter
    // and Escape do not).
    button_.OnAccessKey(
        accessKey_.empty() ? 0 : std::toupper(static_cast<unsigned char>(accessKey_[0])));
}

bool HostedButton::KeyDown(int key, int shift, bool repeat) {
    if (key == xpb::kKeyEnter && surface_.HasFocus()) {
        Enter();
        return false;
    }
    if (repeat && key == ' ')
        return false;
    if (key != 0)
        button_.OnKeyDown(key, shift);
    return true;
}

void HostedButton::KeyUp(int key, int shift) {
    if (key != 0 && key != xpb::kKeyEnter)
        button_.OnKeyUp(key, shift);
}

void HostedButton::KeyPress(int character) {
    if (character >= 8 && character < 128)
        button_.OnKeyPress(character);
}

void HostedButton::FocusChanged(bool gotFocus) {
    if (gotFocus)
        button_.OnGotFocus();
    button_.OnAmbientChanged("DisplayAsDefault");
    // The focused button is the default one, the one Enter presses.
    if (loaded_)
        surface_.AccessibleChanged(AccessibleChange::State);
}

AccessibleInfo HostedButton::Accessible() const {
    return DescribeButton(button_, toolTip_, surface_.HasFocus());
}

void HostedButton::PressAction() {
    if (!button_.Enabled())
        return;
    const float x = static_cast<float>(surface_.Width()) / 2;
    const float y = static_cast<float>(surface_.Height()) / 2;
    // Any of the three events may unload the button, and this with it.
    XPButton& target = button_;
    const auto alive = target.Lifetime();
    target.OnMouseDown(xpb::kLeftButton, 0, x, y);
    if (!alive.expired())
        target.OnMouseUp(xpb::kLeftButton, 0, x, y);
    if (!alive.expired())
        target.OnClick();
}

void HostedButton::PropertyChanged(const std::string& key) {
    if (const auto change = AccessibleChangeOf(key); change && loaded_)
        surface_.AccessibleChanged(*change);
}

void HostedButton::PostKeyDownToContainer(int virtualKey, std::uint32_t) {
    // Right and down go forward, left and up back, as a form's tab order does.
    surface_.MoveFocus(virtualKey == 39 || virtualKey == 40);
}

void HostedButton::Redraw() {
    face_ = renderer_->Paint();
    surface_.Show(face_);
}

} // namespace tarvenel
