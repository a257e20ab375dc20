#pragma once
// Hiding the armed main window behind its notification-area icon and
// bringing it back.
#include <functional>
#include <string>

#include "app/controls.h"
#include "app/dialogs.h"
#include "shell/notify_icon.h"

namespace tarvenel {

// What hiding did with the window.
enum class Hidden {
    NotArmed, // nothing: there is no shutdown to keep watch over
    BehindIcon,
    Minimised, // no notification area: the window went to the taskbar
};

class NotifyArea {
public:
    // `armed` tells whether a shutdown is armed; `target` is the target line
    // whose text the icon's tip shows.
    NotifyArea(Form& form, Label& target, NotifyIcon& icon, Dialogs& dialogs,
               std::function<bool()> armed)
        : form_(form), target_(target), icon_(icon), dialogs_(dialogs), armed_(std::move(armed)) {}

    // Immin_Click: hides the window behind the icon while armed, otherwise
    // says why not. Without a notification area the window is minimised to
    // the taskbar; the first time in a run a box says why.
    Hidden HideToIcon() { return Hide(true); }
    // The same without any box, for requests from outside the window: the
    // caller tells whoever asked.
    Hidden HideToIconQuietly() { return Hide(false); }
    // A left click on the icon: the window comes back where it was.
    void IconClicked() { form_.Restore(); }
    // Form_QueryUnload: the icon goes with the window.
    void RemoveIcon() { icon_.Remove(); }

private:
    Hidden Hide(bool boxes);

    Form& form_;
    Label& target_;
    NotifyIcon& icon_;
    Dialogs& dialogs_;
    std::function<bool()> armed_;
    bool toldNoIcon_ = false;
};

} // namespace tarvenel
