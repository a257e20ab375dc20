#pragma once
// Check1: starting the program with the system.
#include "app/controls.h"
#include "app/dialogs.h"
#include "preferences/startup_list.h"

namespace tarvenel {

class StartWithSystem {
public:
    StartWithSystem(CheckBox& Check1, StartupList& list, Dialogs& dialogs)
        : box_(Check1), list_(list), dialogs_(dialogs) {}

    // At start: the box shows whether the list starts this program.
    void ShowState() { box_.SetValue(list_.IsOn() ? 1 : 0); }
    void Check1_MouseUp(int button, int shift, float x, float y);

private:
    CheckBox& box_;
    StartupList& list_;
    Dialogs& dialogs_;
};

} // namespace tarvenel
