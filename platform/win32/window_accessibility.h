#pragma once
// Screen readers on Windows: a window the program draws itself answers
// WM_GETOBJECT with an IAccessible that reads the core's AccessibleInfo, and
// its press action posts a message back to the window, which then runs the
// same path a click of the mouse runs. The system's standard object of the
// window answers what follows from the window alone (place, parent, focus).
#include "platform/win32/win_api.h"

#include <functional>

#include "app/accessible.h"

namespace tarvenel::win32 {

class AccessibleClient;

class WindowAccessibility {
public:
    WindowAccessibility(std::function<AccessibleInfo()> describe, std::function<void()> press);
    // Disconnects the object screen readers may still hold.
    ~WindowAccessibility();
    WindowAccessibility(const WindowAccessibility&) = delete;
    WindowAccessibility& operator=(const WindowAccessibility&) = delete;

    void Attach(HWND window) { window_ = window; }
    // WM_GETOBJECT for the client area and the press message: true, with
    // the message's result, when they were this object's.
    bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Tells screen readers that the name or the state changed.
    void Announce(AccessibleChange change) const;

    AccessibleInfo Describe() const { return describe_(); }
    HWND Window() const { return window_; }
    // Runs the press from the window's own message loop (a press that opens
    // a message box must not keep the screen reader waiting).
    void PostPress() const;

private:
    std::function<AccessibleInfo()> describe_;
    std::function<void()> press_;
    HWND window_ = nullptr;
    AccessibleClient* client_ = nullptr; // one reference held
};

} // namespace tarvenel::win32
