#pragma once
// The window a button sits on, as the buttons see it: its back colour and the
// option buttons that form one group on it. Each front end keeps one of these
// per container window for as long as the window lives.
#include <vector>

#include "raster/colour.h"

namespace tarvenel {

class XPButton;

// Option buttons of one container, numbered 1 to Count() in the order they
// joined. Holds no ownership: a member leaves before it goes away.
class OptionGroup {
public:
    int Count() const { return static_cast<int>(members_.size()); }
    // Member `number`, counted from 1.
    XPButton* Member(int number) const { return members_.at(number - 1); }
    const std::vector<XPButton*>& Members() const { return members_; }
    bool Contains(const XPButton* button) const;

    // Appends the button as the last member (once).
    void Join(XPButton* button);
    // Removes the button; the members after it move one number down.
    void Leave(const XPButton* button);

private:
    std::vector<XPButton*> members_;
};

class ButtonContainer {
public:
    explicit ButtonContainer(OleColour backColour = kSysButtonFace) : backColour_(backColour) {}

    // After changing it the front end tells each button with
    // XPButton::OnAmbientChanged("BackColor").
    OleColour BackColour() const { return backColour_; }
    void SetBackColour(OleColour colour) { backColour_ = colour; }

    OptionGroup& Options() { return options_; }
    const OptionGroup& Options() const { return options_; }

private:
    OleColour backColour_;
    OptionGroup options_;
};

} // namespace tarvenel
