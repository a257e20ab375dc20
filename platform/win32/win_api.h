#pragma once
// <windows.h> without the macros that would rename the core's own members
// (Dialogs::MessageBox, PowerSystem::ExitWindows). The front end calls the
// W functions by their full names.
#include <windows.h>

#include <string>

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

// The object behind a window created with the object as its creation
// parameter: recorded (with its window handle) when the window is made and
// found again on every later message; null before that.
template <class T> T* WindowObject(HWND window, UINT message, LPARAM lParam, HWND T::*handle) {
    if (message == WM_NCCREATE) {
        auto* created = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        created->*handle = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
        return created;
    }
    return reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// Registers one of the program's window classes: the arrow cursor, the given
// class style and background brush (none: the window paints everything).
inline void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC proc,
                                UINT style = 0, HBRUSH background = nullptr) {
    WNDCLASSEXW c{};
    c.cbSize = sizeof(c);
    c.style = style;
    c.lpfnWndProc = proc;
    c.hInstance = instance;
    c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    c.hbrBackground = background;
    c.lpszClassName = name;
    RegisterClassExW(&c);
}

// A window's text, whatever its length.
inline std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}
