#pragma once
// The three buttons of the main window as its form stores them; the front
// ends load each with XPButton::ReadProperties.
#include <array>
#include <string>

#include "button/property_bag.h"

namespace tarvenel {

struct StoredButton {
    std::string name;
    std::string toolTip; // kept by the form beside the button's own values
    MemoryPropertyBag properties;
};

// XPButton1 (arm), XPButton2 (cancel, disabled at first), XPButton3 (reset).
std::array<StoredButton, 3> MainWindowButtons();

} // namespace tarvenel
