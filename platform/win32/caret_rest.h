#pragma once
// The text caret of the lists blinks for a few seconds after the last key
// or click and then stays lit, as Windows 10 does by itself (its caret
// time-out) and Wine does not: a blinking caret wakes the program twice a
// second all day.
#include "app/caret_timeout.h"
#include "platform/win32/win_api.h"

namespace tarvenel::win32 {

class CaretRest {
public:
    explicit CaretRest(UINT blinkMs = kCaretBlinkTimeoutMs) : blinkMs_(blinkMs) {}
    ~CaretRest();
    CaretRest(const CaretRest&) = delete;
    CaretRest& operator=(const CaretRest&) = delete;

    // Watches a text field: its keys, clicks, focus and paints.
    void Watch(HWND edit);
    bool Resting() const { return resting_ != nullptr; }

private:
    static LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR self);
    void Rest(HWND edit);
    void Wake(); // blinking again
    void Restart(HWND edit);

    UINT blinkMs_;
    HWND resting_ = nullptr; // the field whose caret is drawn lit by us
    RECT caret_{};
};

} // namespace tarvenel::win32
