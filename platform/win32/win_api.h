#pragma once
// <windows.h> without the macros that would rename the core's own members
// (Dialogs::MessageBox, PowerSystem::ExitWindows). The front end calls the
// W functions by their full names.
#include <windows.h>

#undef MessageBox
#undef ExitWindows
#undef LookupPrivilegeValue
