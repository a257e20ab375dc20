#pragma once
// An XPButton as a screen reader sees it: a push button, check box or radio
// button by its mode, named by its caption.
#include <string>

#include "app/accessible.h"
#include "button/xp_button.h"

namespace tarvenel {

AccessibleInfo DescribeButton(const XPButton& button, const std::string& toolTip, bool focused);

// Whether a changed property (the key XPButton reports it under) changes
// what DescribeButton says, and how.
std::optional<AccessibleChange> AccessibleChangeOf(const std::string& propertyKey);

} // namespace tarvenel
