#pragma once
// An XPButton as the forms' logic sees a push button: caption, enabled state
// and focus. Front ends hand one of these to a form for each of its buttons.
#include "app/controls.h"
#include "button/xp_button.h"

namespace tarvenel {

class XPButtonCommand : public CommandButton {
public:
    explicit XPButtonCommand(XPButton& button) : button_(button) {}

    std::string Caption() const override { return button_.Caption(); }
    void SetCaption(const std::string& text) override { button_.SetCaption(text); }
    bool Enabled() const override { return button_.Enabled(); }
    void SetEnabled(bool enabled) override { button_.SetEnabled(enabled); }
    void SetFocus() override { button_.Host().SetFocus(); }

private:
    XPButton& button_;
};

} // namespace tarvenel
