#pragma once
// What a screen reader is told about a control the program draws itself.
// Native widgets describe themselves; the owner-drawn ones (the buttons, the
// caption images, the links, the armed tick) are described here once, and
// each front end only hands this to its platform's accessibility interface.
#include <string>
#include <string_view>

namespace tarvenel {

enum class AccessibleRole { PushButton, CheckBox, RadioButton, Link, Image, Label };

struct AccessibleState {
    bool enabled = true;
    bool focusable = false;
    bool focused = false;
    bool isDefault = false; // the button Enter presses
    bool checkable = false;
    bool checked = false;
};

struct AccessibleInfo {
    AccessibleRole role = AccessibleRole::Label;
    std::string name;
    std::string description; // the tool-tip
    AccessibleState state;
    // Whether the control has the press action (kPressActionName).
    bool Pressable() const {
        return role != AccessibleRole::Image && role != AccessibleRole::Label;
    }
};

// The name of the one action the pressable controls offer.
inline constexpr const char* kPressActionName = "按下";

// What changed about a control, for a front end to announce.
enum class AccessibleChange { Name, State };

// A caption as it is read out: without the "&" that marks the access key
// ("&&" is a plain "&") and with the "||" line breaks as blanks.
std::string AccessibleNameOf(std::string_view caption);

} // namespace tarvenel
