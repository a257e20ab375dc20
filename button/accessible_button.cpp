#include "button/accessible_button.h"

namespace tarvenel {

AccessibleInfo DescribeButton(const XPButton& button, const std::string& toolTip, bool focused) {
    AccessibleInfo info;
    info.role = button.Mode() == xpb::kCheckBox ? AccessibleRole::CheckBox
                : button.Mode() == xpb::kOption ? AccessibleRole::RadioButton
                                                : AccessibleRole::PushButton;
    info.name = AccessibleNameOf(button.Caption());
    info.description = toolTip;
    info.state.enabled = button.Enabled();
    info.state.focusable = true;
    info.state.focused = focused;
    info.state.isDefault = button.Mode() == xpb::kCommand && button.VisualState().defaultLook;
    info.state.checkable = button.Mode() != xpb::kCommand;
    info.state.checked = info.state.checkable && button.Value();
    return info;
}

std::optional<AccessibleChange> AccessibleChangeOf(const std::string& propertyKey) {
    if (propertyKey == "Caption")
        return AccessibleChange::Name;
    if (propertyKey == "Enabled" || propertyKey == "Value" || propertyKey == "Mode")
        return AccessibleChange::State;
    return std::nullopt;
}

} // namespace tarvenel
