#include <algorithm>

#include "button/container.h"
#include "button/xp_button.h"

namespace tarvenel {

bool OptionGroup::Contains(const XPButton* button) const {
    return std::find(members_.begin(), members_.end(), button) != members_.end();
}

void OptionGroup::Join(XPButton* button) {
    if (!Contains(button))
        members_.push_back(button);
}

void OptionGroup::Leave(const XPButton* button) {
    members_.erase(std::remove(members_.begin(), members_.end(), button), members_.end());
}

bool XPButton::OptionGroupAction(GroupAction action) {
    if (!container_)
        return false;
    OptionGroup& group = container_->Options();
    if (value_) {
        // Copy: turning a member off must not disturb the walk.
        const std::vector<XPButton*> members = group.Members();
        for (XPButton* member : members)
            if (member != this)
                member->SetValue(false);
    }
    switch (action) {
    case GroupAction::Join:
        group.Join(this);
        break;
    case GroupAction::Leave:
        group.Leave(this);
        break;
    case GroupAction::AnyOn:
        for (const XPButton* member : group.Members())
            if (member->Value())
                return true;
        break;
    case GroupAction::TurnOthersOff:
        break;
    }
    return false;
}

} // namespace tarvenel
