#pragma once
// What the Win32 form's two halves (its controls and its messages) share:
// the numbering of child windows and timers, and a control's record.
#include "platform/win32/win_api.h"

#include <memory>

#include "platform/win32/native_form.h"
#include "platform/win32/window_accessibility.h"
#include "raster/colour.h"

namespace tarvenel::win32::form_parts {

inline constexpr wchar_t kDialogClass[] = L"Tarvenel.End";
inline constexpr wchar_t kDrawnClass[] = L"Tarvenel.Drawn";
inline constexpr int kFirstId = 1000;    // control n is child window kFirstId + n
inline constexpr UINT_PTR kTimer0 = 100; // timer n is SetTimer id kTimer0 + n
inline constexpr UINT_PTR kSubclass = 0x7466;

// The buttons draw with the system's colours of the user's theme.
inline void LoadSystemColours() {
    for (int index = 0; index <= COLOR_MENUBAR; ++index)
        SystemColours::Instance().Set(index, GetSysColor(index));
}

} // namespace tarvenel::win32::form_parts

namespace tarvenel::win32 {

struct WinForm::Control {
    int id = 0;
    ControlSpec spec;
    HWND window = nullptr;
    HWND edit = nullptr; // a list's text field
    Bitmap face;         // a drawn control's
    bool painting = false;
    std::unique_ptr<WindowAccessibility> access;
};

} // namespace tarvenel::win32
