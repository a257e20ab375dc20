#pragma once
// A small picture child window: the container's background with one icon
// face drawn over it. It reports the mouse to its owner (the caption images
// and the armed tick are made of it).
#include "platform/win32/win_api.h"

#include <functional>
#include <memory>

#include "app/controls.h"
#include "platform/win32/window_accessibility.h"

namespace tarvenel::win32 {

struct MouseEvent {
    int button = 0; // 1 left, 2 right, 4 middle (for moves: buttons held)
    int shift = 0;
    float x = 0; // client coordinates in twips
    float y = 0;
};

class ImageWindow {
public:
    static void Register(HINSTANCE instance);
    HWND Create(HWND parent, int id, const RECT& pixels, bool visible);
    HWND Handle() const { return window_; }
    void SetFace(HICON face); // null shows the background only
    // What screen readers are told about the picture, and its press action.
    void Describe(std::function<AccessibleInfo()> describe, std::function<void()> press = {});

    // Paints the container's background under the window; the rectangle is
    // in the container's client pixels.
    std::function<void(HDC, const RECT&)> paintBackground;
    std::function<void(const MouseEvent&)> onMouseMove, onMouseDown, onMouseUp;
    std::function<void()> onClick; // a left press and release over the picture

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();

    HWND window_ = nullptr;
    HICON face_ = nullptr;
    bool leftDown_ = false;
    std::unique_ptr<WindowAccessibility> accessibility_;
};

// The caption's minimise and close images: no face, hover face or pressed face.
class CaptionImage : public ImageButton {
public:
    CaptionImage(ImageWindow& window, HICON hover, HICON pressed)
        : window_(window), hover_(hover), pressed_(pressed) {}
    void ShowFace(ImageFace face) override;

private:
    ImageWindow& window_;
    HICON hover_;
    HICON pressed_;
};

} // namespace tarvenel::win32
