#pragma once
// A button without a window: a fixed-size surface that paints through its
// renderer into a bitmap. Tools and sheets of looks use it to draw buttons
// in any state without a window system.
#include <memory>
#include <string>

#include "button/container.h"
#include "button/host.h"
#include "button/renderer.h"
#include "button/xp_button.h"

namespace tarvenel {

// The states a picture of a button can show.
enum class ButtonPose { Normal, Hover, Pressed, Default, Disabled };

class OffscreenButtonHost : public ButtonHost {
public:
    OffscreenButtonHost(ButtonContainer& container, int width, int height)
        : container_(container), width_(width), height_(height) {}

    ButtonContainer& Container() override { return container_; }
    bool DisplayAsDefault() override { return displayAsDefault; }
    std::string Name() override { return "XPButton1"; }
    bool DesignMode() override { return false; }
    void MessageBox(const std::string&, int, const std::string&) override {}
    void PropertyChanged(const std::string&) override {}
    int ScaleWidth() override { return width_; }
    int ScaleHeight() override { return height_; }
    void SetClientWidth(int pixels) override { width_ = pixels; }
    void SetRegion(const Region& region) override { region_ = region; }
    void SetSurfaceEnabled(bool) override {}
    void SetMousePointer(int) override {}
    std::optional<std::string> SetMouseIcon(const PicturePtr&) override { return std::nullopt; }
    void SetAccessKeys(const std::string&) override {}
    void SetFocus() override {}
    void SetCapture() override {}
    void ReleaseCapture() override {}
    void StartTimer(int, int) override {}
    void StopTimer(int) override {}
    bool IsCursorOverMe() override { return true; }
    ClientPoint CursorPosition() override { return {1, 1}; }
    void PostKeyDownToContainer(int, std::uint32_t) override {}
    void Redraw() override;

    void SetRenderer(ButtonRenderer* renderer) { renderer_ = renderer; }
    const Region& WindowRegion() const { return region_; }
    // The face as last painted, outside the window region in `outside`.
    Bitmap Shown(Pixel outside) const;

    bool displayAsDefault = false;

private:
    ButtonContainer& container_;
    int width_;
    int height_;
    Region region_;
    ButtonRenderer* renderer_ = nullptr;
    Bitmap shown_;
};

// One button drawn on its own: host, button and renderer together.
struct OffscreenButton {
    OffscreenButton(ButtonContainer& container, int width, int height, TextRenderer& text,
                    ButtonScreen screen = {});
    OffscreenButtonHost host;
    XPButton button;
    ButtonRenderer renderer;

    // Drives the button's input the way a user would to show `pose`.
    void Pose(ButtonPose pose);
};

} // namespace tarvenel
