#pragma once
// <windows.h> without the macros that would rename the core's own members
// (Dialogs::MessageBox, PowerSystem::ExitWindows). The front end calls the
// W functions by their full names.
#include <windows.h>

#undef MessageBox
#undef ExitWindows
#undef LookupPrivilegeValue

// Signed client coordinates of a mouse message.
inline int XOfMouse(LPARAM lParam) {
    return static_cast<short>(LOWORD(lParam));
}
inline int YOfMouse(LPARAM lParam) {
    return static_cast<short>(HIWORD(lParam));
}
